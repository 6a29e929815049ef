#include "settings/SettingsFile.h"

#include "app/ScreenLayout.h"
#include "files/AtomicFile.h"
#include "files/PlainText.h"
#include "files/PlayerFolder.h"

#include <cstdio>
#include <filesystem>
#include <sstream>

namespace {

// A settings file is a handful of short lines; anything much longer is not ours.
constexpr std::size_t MaxSettingsBytes = 64 * 1024;
constexpr int MaxVolume = 100;
// Some editors begin a text file with the UTF-8 byte order mark: it is no part of the first key.
constexpr const char* ByteOrderMark = "\xEF\xBB\xBF";

void warn(const std::string& message)
{
    std::fprintf(stderr, "squibble-siege: settings: %s\n", PlainText::safeLine(message).c_str());
}

bool readInt(const std::string& text, int low, int high, int& value)
{
    const std::optional<long long> read = PlainText::wholeNumber(text, low, high);
    if (read)
        value = static_cast<int>(*read);
    return read.has_value();
}

bool readFlag(const std::string& text, bool& value)
{
    if (text != "0" && text != "1")
        return false;
    value = text == "1";
    return true;
}

// A bad value gives the key its default, whatever an earlier line of the same key said.
void resetToDefault(Settings& settings, const std::string& key)
{
    const Settings defaults;
    if (key == "Scale")
        settings.scale = defaults.scale;
    else if (key == "Fullscreen")
        settings.fullscreen = defaults.fullscreen;
    else if (key == "Volume")
        settings.volume = defaults.volume;
    else if (key == "Mute")
        settings.mute = defaults.mute;
    else if (key == "MusicVolume")
        settings.musicVolume = defaults.musicVolume;
    else if (key == "Difficulty")
        settings.difficulty = defaults.difficulty;
    else if (key == "Mode")
        settings.mode = defaults.mode;
}

} // namespace

SettingsFile::SettingsFile(std::string folder)
    : folder(std::move(folder))
    , file(this->folder.empty() ? "" : (std::filesystem::path(this->folder) / FileName).string())
{
}

std::string SettingsFile::defaultFolder()
{
    return PlayerFolder::of(PlayerFolder::Kind::Config);
}

Settings SettingsFile::parse(const std::string& text, std::vector<std::string>& problems,
                             std::vector<std::string>& unknown)
{
    Settings settings;
    std::istringstream lines(text.rfind(ByteOrderMark, 0) == 0 ? text.substr(3) : text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const std::string at = "line " + std::to_string(number) + ": ";
        const auto equals = line.find('=');
        const std::string key = PlainText::trim(line.substr(0, equals));
        const std::string value = equals == std::string::npos ? "" : PlainText::trim(line.substr(equals + 1));
        bool good = true;
        if (key == "Scale")
            good = readInt(value, ScreenLayout::MinimumScale, ScreenLayout::MaximumScale, settings.scale);
        else if (key == "Fullscreen")
            good = readFlag(value, settings.fullscreen);
        else if (key == "Volume")
            good = readInt(value, 0, MaxVolume, settings.volume);
        else if (key == "Mute")
            good = readFlag(value, settings.mute);
        else if (key == "MusicVolume")
            good = readInt(value, 0, MaxVolume, settings.musicVolume);
        else if (key == "Difficulty")
            good = (settings.difficulty = Difficulty::named(value)).has_value();
        else if (key == "Mode")
            good = (settings.mode = parseGameMode(value)).has_value();
        else {
            // Kept as it is (an older file's Speed too: speed steps belong to one game); but a
            // line of no key at all (garbage, "Scale 3") is likely a slip.
            unknown.push_back(line);
            if (equals == std::string::npos && !key.empty() && key[0] != '#')
                problems.push_back(at + "\"" + PlainText::printable(key) + "\" is no Key=Value line; it is kept as it is");
            continue;
        }
        if (!good) {
            resetToDefault(settings, key);
            problems.push_back(at + "\"" + PlainText::printable(value) + "\" is no value for " + key +
                               "; the default is used");
        }
    }
    return settings;
}

std::string SettingsFile::format(const Settings& settings, const std::vector<std::string>& unknown)
{
    std::ostringstream text;
    text << "Scale=" << settings.scale << "\n"
         << "Fullscreen=" << (settings.fullscreen ? 1 : 0) << "\n"
         << "Volume=" << settings.volume << "\n"
         << "Mute=" << (settings.mute ? 1 : 0) << "\n"
         << "MusicVolume=" << settings.musicVolume << "\n";
    if (settings.difficulty)
        text << "Difficulty=" << Difficulty::nameOf(*settings.difficulty) << "\n";
    if (settings.mode)
        text << "Mode=" << gameModeName(*settings.mode) << "\n";
    for (const std::string& line : unknown)
        text << line << "\n";
    return text.str();
}

Settings SettingsFile::load()
{
    unknownLines.clear();
    absent = true;
    if (file.empty())
        return Settings();
    const AtomicFile::ReadResult read = AtomicFile::read(file, MaxSettingsBytes);
    if (read.missing)
        return Settings();
    absent = false;
    if (!read.text) {
        // The player's values are in there: a file this game could not read is never replaced.
        unreadable = true;
        warn("cannot read " + file + " (" + read.error + "); the defaults are used, and this game does not write it");
        return Settings();
    }
    std::vector<std::string> problems;
    const Settings settings = parse(*read.text, problems, unknownLines);
    // One line for the file, however many of its lines are at fault.
    if (!problems.empty())
        warn(file + ", " + problems.front() +
             (problems.size() > 1 ? "; and " + std::to_string(problems.size() - 1) + " more such lines" : ""));
    return settings;
}

void SettingsFile::save(const Settings& settings)
{
    if (unreadable)
        return;
    if (file.empty()) {
        warnOnce("no folder for them (neither XDG_CONFIG_HOME nor HOME names an absolute folder); they are kept "
                 "for this game only");
        return;
    }
    const std::string failure = AtomicFile::write(file, format(settings, unknownLines));
    if (!failure.empty())
        warnOnce(failure + "; they are kept for this game only");
}

void SettingsFile::warnOnce(const std::string& message)
{
    if (!warned)
        warn(message);
    warned = true;
}
