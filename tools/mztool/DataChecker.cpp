#include "mztool/DataChecker.h"

#include "app/Config.h"
#include "assets/BitmapFont.h"
#include "assets/SpriteSheet.h"
#include "audio/SoundClip.h"
#include "audio/SoundEvent.h"
#include "audio/WavFile.h"
#include "mztool/GameFile.h"

#include <allegro.h>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <ostream>

namespace mztool {

namespace {

constexpr int MaxGlyphHeight = 10;
constexpr int IconSize = 16;
constexpr char FirstPrintable = 32;
constexpr char LastPrintable = 126;

std::string format(const char* pattern, int a, int b = 0, int c = 0)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
}

bool isWholeNumber(const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && errno == 0;
}

bool isNumber(const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && std::isfinite(value);
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Edits (insertions, deletions, substitutions) between two keys.
std::size_t editDistance(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Animations the game plays from each tower kind's sheet: laser idle, preview, firing; missile
// poses, preview and launches; tesla idle and preview.
constexpr unsigned TowerAnimations[3] = {3, 5, 2};
constexpr unsigned InvaderAnimations = 4;
constexpr unsigned MissileDirections = 16;

} // namespace

DataChecker::DataChecker(const std::string& directory)
    : dataDirectory(directory)
{
    std::filesystem::path folder(directory);
    if (!folder.has_filename())
        folder = folder.parent_path(); // "data/" names the same folder as "data"
    root = folder.parent_path().string();
    if (root.empty())
        root = ".";
}

std::string DataChecker::inRoot(const std::string& path) const
{
    return root + "/" + path;
}

std::vector<std::string> DataChecker::run()
{
    problems.clear();
    Config config;
    const std::string configPath = dataDirectory + "/strings.txt";
    if (!config.load(configPath)) {
        problem("cannot open " + configPath);
        return problems;
    }
    const Config asWritten = config; // lookups below add empty entries for missing keys
    const std::vector<KnownKey> keys = knownKeys(config);
    checkValues(config, keys);
    checkNearMisses(asWritten, keys);
    checkPeriods(config);
    checkImages();
    checkSheets(config);
    checkFonts(config);
    checkSounds(config);
    return problems;
}

std::vector<DataChecker::KnownKey> DataChecker::knownKeys(Config& config) const
{
    std::vector<KnownKey> keys{{"WindowTitle", KeyKind::Text}, {"TimestepThreshold", KeyKind::Double}};
    for (const char* font : {"FontMain", "FontMainRed", "FontSmall", "FontSmallRed"}) {
        keys.push_back({font, KeyKind::File});
        keys.push_back({std::string(font) + "Kerning", KeyKind::Int});
    }
    for (const char* key : {"StartingHealth", "StartingMoney", "TowerBaseline", "ButtonSpacing", "Invader1.Value",
                            "Invader1.Health", "Tower1.DamageBase", "Tower2.DamageBase", "Tower2.DamageSplashBase",
                            "Tower3.DamageBase"})
        keys.push_back({key, KeyKind::Int});
    for (const char* key : {"TimeBetweenWaves", "Wave1SpeedBase", "Wave1SpeedIncrease", "Wave1SpeedMax",
                            "Invader1.HealthIncrease", "Invader1.Size", "LaserSpeedBase", "MissileSpeedBase",
                            "MissileSteeringMax", "MissileSteeringResponse", "MissileLife", "Tower1.FreqBase",
                            "Tower2.FreqBase", "Tower2.SplashRadius", "Tower3.FreqBase", "Tower3.RangeBase"})
        keys.push_back({key, KeyKind::Double});
    keys.push_back({"Invader1.Sprite", KeyKind::File});
    keys.push_back({"SoundVolume", KeyKind::Int});
    // A sound key may be left out or empty: that event is silent.
    for (int i = 0; i < SoundEventCount; ++i)
        keys.push_back({soundKey(static_cast<SoundEvent>(i)), KeyKind::Text});
    // Upgrade modifiers are read only when their path exists.
    const std::multimap<std::pair<int, int>, KnownKey> modifiers{
        {{1, 1}, {"Tower1.Upgrade1.Level1.FreqMod", KeyKind::Double}},
        {{1, 2}, {"Tower1.Upgrade2.Level1.MissileFreq", KeyKind::Double}},
        {{1, 2}, {"Tower1.Upgrade2.Level1.MissileDamage", KeyKind::Int}},
        {{2, 1}, {"Tower2.Upgrade1.Level1.FreqMod", KeyKind::Double}},
        {{2, 2}, {"Tower2.Upgrade2.Level2.SplashMod", KeyKind::Double}},
        {{3, 1}, {"Tower3.Upgrade1.Level1.DamageMod", KeyKind::Int}},
    };
    for (int n = 1; n <= 3; ++n) {
        keys.push_back({format("Tower%d.Name", n), KeyKind::Text});
        keys.push_back({format("Tower%d.Sprite", n), KeyKind::File});
        for (const char* field : {"Tower%d.Value", "Tower%d.Width", "Tower%d.Available", "Tower%d.Upgrades"})
            keys.push_back({format(field, n), KeyKind::Int});
        const int paths = std::clamp(config.getIntf("Tower%d.Upgrades", n), 0, 64);
        for (int j = 1; j <= paths; ++j) {
            keys.push_back({format("Tower%d.Upgrade%d.Name", n, j), KeyKind::Text});
            keys.push_back({format("Tower%d.Upgrade%d.Levels", n, j), KeyKind::Int});
            const int levels = std::clamp(config.getIntf("Tower%d.Upgrade%d.Levels", n, j), 0, 64);
            for (int k = 1; k <= levels; ++k) {
                keys.push_back({format("Tower%d.Upgrade%d.Level%d.Value", n, j, k), KeyKind::Int});
                keys.push_back({format("Tower%d.Upgrade%d.Level%d.Icon", n, j, k), KeyKind::Int});
            }
            const auto range = modifiers.equal_range({n, j});
            for (auto it = range.first; it != range.second; ++it)
                keys.push_back(it->second);
        }
    }
    return keys;
}

void DataChecker::checkValues(Config& config, const std::vector<KnownKey>& keys)
{
    for (const KnownKey& key : keys) {
        const bool present = config.contains(key.name) && !config.get(key.name).empty();
        const std::string& value = config.get(key.name);
        if (!present) {
            if (key.kind != KeyKind::Text)
                problem("strings.txt: " + key.name + " is missing");
            continue;
        }
        if (key.kind == KeyKind::Int && !isWholeNumber(value))
            problem("strings.txt: " + key.name + "=" + value + " is not a whole number (the game reads it as " +
                    std::to_string(std::atoi(value.c_str())) + ")");
        if (key.kind == KeyKind::Double && !isNumber(value))
            problem("strings.txt: " + key.name + "=" + value + " is not a number (the game reads it as " +
                    std::to_string(std::atof(value.c_str())) + ")");
    }
}

void DataChecker::checkNearMisses(const Config& config, const std::vector<KnownKey>& keys)
{
    std::map<std::string, const KnownKey*> byName;
    for (const KnownKey& key : keys)
        byName[key.name] = &key;
    for (const auto& entry : config.entries()) {
        const std::string& name = entry.first;
        if (byName.count(name))
            continue;
        if (byName.count(trimmed(name))) {
            problem("strings.txt: \"" + name + "\" has spaces around \"=\", so it defines another key than " +
                    trimmed(name));
            continue;
        }
        std::string closest;
        for (const auto& known : byName) {
            if (lowered(known.first) == lowered(trimmed(name)) || editDistance(known.first, name) <= 2) {
                closest = known.first;
                break;
            }
        }
        if (!closest.empty())
            problem("strings.txt: \"" + name + "\" is not a key the game reads; did you mean " + closest + "?");
        else
            problem("strings.txt: \"" + name + "\" is not a key the game reads");
    }
}

void DataChecker::checkPeriods(Config& config)
{
    const char* rateModifiers[3] = {"Tower1.Upgrade1.Level1.FreqMod", "Tower2.Upgrade1.Level1.FreqMod", nullptr};
    for (int n = 1; n <= 3; ++n) {
        const std::string key = format("Tower%d.FreqBase", n);
        const double base = config.getDouble(key);
        if (base <= 0) {
            problem("strings.txt: " + key + " is " + config.get(key) + "; a period must be above 0");
            continue;
        }
        if (!rateModifiers[n - 1] || config.getIntf("Tower%d.Upgrades", n) < 1)
            continue;
        // Every level of the rate path adds the level-1 modifier again.
        const int levels = config.getIntf("Tower%d.Upgrade1.Levels", n);
        const double fastest = base + levels * config.getDouble(rateModifiers[n - 1]);
        if (fastest <= 0)
            problem("strings.txt: after all " + std::to_string(levels) + " levels of " +
                    format("Tower%d.Upgrade1", n) + " the period of tower " + std::to_string(n) + " is " +
                    std::to_string(fastest) + "; it must stay above 0");
    }
    if (config.getInt("Tower1.Upgrades") >= 2 && config.getDouble("Tower1.Upgrade2.Level1.MissileFreq") <= 0)
        problem("strings.txt: Tower1.Upgrade2.Level1.MissileFreq must be above 0");
}

void DataChecker::checkImageSize(const std::string& path, int minimumWidth, int minimumHeight)
{
    GameFile file;
    std::string error;
    if (!file.load(dataDirectory + "/" + path, error)) {
        problem(path + ": " + error);
        return;
    }
    const BITMAP* image = file.image();
    if (image->w < minimumWidth || image->h < minimumHeight)
        problem(path + ": is " + std::to_string(image->w) + " x " + std::to_string(image->h) + ", needs at least " +
                std::to_string(minimumWidth) + " x " + std::to_string(minimumHeight));
}

void DataChecker::checkImages()
{
    checkImageSize("bg.mz", 320, 240);
    checkImageSize("redbar.mz", 53, 20);
    checkImageSize("slots.mz", 4 * 19, 19);
    checkImageSize("icons.mz", 4 * IconSize, 2 * IconSize);
    checkImageSize("laser_small.mz", 1, 1);
    for (int i = 1; i <= 5; ++i)
        checkImageSize("cloud" + std::to_string(i) + ".mz", 1, 1);
    checkImageSize("selector.mz", 1, 1);
}

void DataChecker::checkSheet(const std::string& path, unsigned animationsNeeded, const std::string& what)
{
    GameFile file;
    std::string error;
    if (!file.load(path, error)) {
        problem(what + ": " + error);
        return;
    }
    if (!file.isSheet()) {
        problem(what + ": " + path + " is not a sprite sheet");
        return;
    }
    if (file.sheet->animationCount < animationsNeeded)
        problem(what + ": " + path + " has " + std::to_string(file.sheet->animationCount) +
                " animations; the game plays " + std::to_string(animationsNeeded));
}

void DataChecker::checkSheets(Config& config)
{
    int largestIcon = 0;
    for (int n = 1; n <= 3; ++n) {
        checkSheet(inRoot(config.getf("Tower%d.Sprite", n)), TowerAnimations[n - 1], format("Tower%d.Sprite", n));
        const int paths = std::clamp(config.getIntf("Tower%d.Upgrades", n), 0, 64);
        for (int j = 1; j <= paths; ++j) {
            const int levels = std::clamp(config.getIntf("Tower%d.Upgrade%d.Levels", n, j), 0, 64);
            if (levels == 0)
                problem("strings.txt: " + format("Tower%d.Upgrade%d", n, j) + " has no levels to buy");
            for (int k = 1; k <= levels; ++k)
                largestIcon = std::max(largestIcon, config.getIntf("Tower%d.Upgrade%d.Level%d.Icon", n, j, k));
        }
    }
    checkImageSize("upgrade_icons.mz", (largestIcon + 1) * IconSize, 2 * IconSize);
    checkSheet(inRoot(config.get("Invader1.Sprite")), InvaderAnimations, "Invader1.Sprite");
    for (const char* effect : {"poof.sz", "explosion_small.sz", "puff2.sz"})
        checkSheet(dataDirectory + "/" + effect, 1, effect);
    checkSheet(dataDirectory + "/missile.sz", MissileDirections, "missile.sz");
}

void DataChecker::checkFonts(Config& config)
{
    for (const char* key : {"FontMain", "FontMainRed", "FontSmall", "FontSmallRed"}) {
        const std::string path = inRoot(config.get(key));
        BitmapFont font(path);
        if (!font.hasGlyphs()) {
            problem(std::string(key) + ": cannot load a font from " + config.get(key));
            continue;
        }
        std::string missing;
        int tallest = 0;
        for (char c = FirstPrintable; c <= LastPrintable; ++c) {
            const BITMAP* glyph = font.glyph(static_cast<unsigned char>(c));
            if (!glyph)
                missing += c;
            else
                tallest = std::max(tallest, glyph->h);
        }
        if (!missing.empty())
            problem(std::string(key) + ": " + config.get(key) + " lacks the characters \"" + missing + "\"");
        if (tallest > MaxGlyphHeight)
            problem(std::string(key) + ": " + config.get(key) + " has glyphs " + std::to_string(tallest) +
                    " pixels high; text images are only " + std::to_string(MaxGlyphHeight) + " high");
    }
}

void DataChecker::checkSounds(Config& config)
{
    constexpr int MaxVolume = 255;
    constexpr std::uint32_t SoundRate = 22050;
    const int volume = config.getInt("SoundVolume");
    if (volume < 0 || volume > MaxVolume)
        problem("strings.txt: SoundVolume=" + config.get("SoundVolume") + " is outside 0..255");
    for (int i = 0; i < SoundEventCount; ++i) {
        const char* key = soundKey(static_cast<SoundEvent>(i));
        const std::string& path = config.get(key);
        if (path.empty())
            continue;
        WavFile wav;
        std::string error;
        if (!wav.inspect(inRoot(path), error) || !SoundClip::load(inRoot(path), error)) {
            problem(std::string(key) + ": " + path + ": " + error);
            continue;
        }
        if (wav.channels != 1 || wav.bitsPerSample != 16 || wav.sampleRate != SoundRate)
            problem(std::string(key) + ": " + path + " is " + std::to_string(wav.channels) + " channel(s), " +
                    std::to_string(wav.bitsPerSample) + " bits, " + std::to_string(wav.sampleRate) +
                    " Hz; the game's sounds are mono, 16 bits, 22050 Hz");
    }
}

int checkCommand(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string> problems = DataChecker(arguments[0]).run();
    for (const std::string& line : problems)
        err << line << "\n";
    if (!problems.empty()) {
        err << problems.size() << " problem" << (problems.size() == 1 ? "" : "s") << " in " << arguments[0] << "\n";
        return ExitFailure;
    }
    out << arguments[0] << ": no problems found\n";
    return ExitSuccess;
}

} // namespace mztool
