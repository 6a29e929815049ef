#include "mztool/DataChecker.h"

#include "app/CatalogueReader.h"
#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/ContentFiles.h"
#include "app/ContentLoader.h"
#include "app/DataFolder.h"
#include "app/Field.h"
#include "assets/BitmapFont.h"
#include "assets/SpriteSheet.h"
#include "audio/MusicPlayer.h"
#include "audio/SoundBoard.h"
#include "audio/SoundClip.h"
#include "audio/SoundEvent.h"
#include "invaders/InvaderKinds.h"
#include "invaders/InvaderLife.h"
#include "mztool/GameFile.h"
#include "towers/TowerKinds.h"
#include "files/PlainText.h"

#include <allegro.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <ostream>

namespace mztool {

namespace {

constexpr int MaxGlyphHeight = 10;
constexpr int IconSize = 16;
constexpr char FirstPrintable = 32;
constexpr char LastPrintable = 126;
// Widest gap between glyphs that still keeps a word on the 320-pixel field.
constexpr int WidestKerning = Field::Width;
constexpr const char* DataFolderName = "data";


} // namespace

DataChecker::DataChecker(const std::string& directory)
    : dataDirectory(directory)
{
    std::filesystem::path folder(directory);
    if (!folder.has_filename())
        folder = folder.parent_path(); // "data/" names the same folder as "data"
    namedData = folder.filename() == DataFolderName;
    root = folder.parent_path().string();
    if (root.empty())
        root = ".";
}

std::string DataChecker::asTheGameFinds(const std::string& gamePath) const
{
    return DataFolder::resolve(root, gamePath);
}

std::vector<std::string> DataChecker::run()
{
    findings = Findings();
    if (!namedData) {
        problem(dataDirectory + " is not a folder named data: the game reads data/strings.txt and the files it "
                                "names from the folder it is started in");
        return findings.problems;
    }
    Config config;
    const std::string configPath = asTheGameFinds(Config::GamePath);
    if (!config.load(configPath)) {
        problem("cannot open " + configPath);
        return findings.problems;
    }
    KeyChecker(findings).run(config);
    checkImages();
    checkSheets(config);
    checkFonts(config);
    checkSounds(config);
    checkMusic(config);
    return findings.problems;
}

void DataChecker::checkImageSize(const std::string& gamePath, int minimumWidth, int minimumHeight)
{
    const std::string name = std::filesystem::path(gamePath).filename().string();
    GameFile file;
    std::string error;
    if (!file.load(asTheGameFinds(gamePath), error)) {
        problem(name + ": " + error);
        return;
    }
    const BITMAP* image = file.image();
    if (image->w < minimumWidth || image->h < minimumHeight)
        problem(name + ": is " + std::to_string(image->w) + " x " + std::to_string(image->h) + ", needs at least " +
                std::to_string(minimumWidth) + " x " + std::to_string(minimumHeight));
}

void DataChecker::checkImages()
{
    checkImageSize(ContentFiles::Background, Field::Width, Field::Height);
    checkImageSize(ContentFiles::RedBar, 53, 20);
    checkImageSize(ContentFiles::Slots, 4 * 19, 19);
    checkImageSize(ContentFiles::Icons, 4 * IconSize, 2 * IconSize);
    checkImageSize(ContentFiles::LaserBolt, 1, 1);
    for (int i = 0; i < ContentFiles::CloudCount; ++i)
        checkImageSize(ContentFiles::cloudPath(i), 1, 1);
    checkImageSize(ContentFiles::Selector, 1, 1);
}

void DataChecker::checkSheet(const std::string& gamePath, unsigned animationsNeeded, const std::string& what)
{
    GameFile file;
    std::string error;
    const std::string path = asTheGameFinds(gamePath);
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
    for (int n = 1; n <= TowerKinds::Count; ++n) {
        checkSheet(config.getf(ConfigKeys::TowerSprite, n), TowerKinds::animationsOf(n - 1),
                   Config::keyOf(ConfigKeys::TowerSprite, n));
        const int paths = std::clamp(config.getIntf(ConfigKeys::TowerPaths, n), 0, CatalogueReader::MaxEntries);
        for (int j = 1; j <= paths; ++j) {
            const int levels =
                std::clamp(config.getIntf(ConfigKeys::PathLevels, n, j), 0, CatalogueReader::MaxEntries);
            if (levels == 0)
                problem("strings.txt: " + Config::keyOf("Tower%d.Upgrade%d", n, j) + " has no levels to buy");
            for (int k = 1; k <= levels; ++k)
                largestIcon = std::max(largestIcon, config.getIntf(ConfigKeys::LevelIcon, n, j, k));
        }
    }
    checkImageSize(ContentFiles::UpgradeIcons, (largestIcon + 1) * IconSize, 2 * IconSize);
    for (int n = 1; n <= InvaderKinds::Count; ++n)
        checkSheet(config.getf(ConfigKeys::InvaderSprite, n), InvaderLife::Animations,
                   Config::keyOf(ConfigKeys::InvaderSprite, n));
    for (const ContentFiles::Sheet& shared : ContentFiles::SharedSheets)
        checkSheet(shared.path, shared.animations, std::filesystem::path(shared.path).filename().string());
}

void DataChecker::checkFonts(Config& config)
{
    for (const char* key : ContentFiles::FontKeys) {
        BitmapFont font(asTheGameFinds(config.get(key)));
        if (!font.hasGlyphs()) {
            problem(std::string(key) + ": cannot load a font from " + config.get(key));
            continue;
        }
        font.kerning = config.getInt(std::string(key) + "Kerning");
        std::string missing;
        int tallest = 0;
        for (char c = FirstPrintable; c <= LastPrintable; ++c) {
            const BITMAP* glyph = font.glyph(static_cast<unsigned char>(c));
            if (!glyph)
                missing += c;
            else
                tallest = std::max(tallest, glyph->h);
        }
        checkKerning(key, font);
        if (!missing.empty())
            problem(std::string(key) + ": " + config.get(key) + " lacks the characters \"" + missing + "\"");
        if (tallest > MaxGlyphHeight)
            problem(std::string(key) + ": " + config.get(key) + " has glyphs " + std::to_string(tallest) +
                    " pixels high; text images are only " + std::to_string(MaxGlyphHeight) + " high");
    }
}

void DataChecker::checkKerning(const std::string& key, const BitmapFont& font)
{
    const std::string kerningKey = key + "Kerning";
    const std::string setting = kerningKey + "=" + std::to_string(font.kerning);
    if (key == ContentFiles::FontMainRed) {
        const std::string captionProblem = ContentLoader::gameOverCaptionProblem(font);
        if (!captionProblem.empty())
            problem(captionProblem + "; the game does not start");
    }
    if (font.kerning > WidestKerning) {
        problem(setting + " puts glyphs more than " + std::to_string(WidestKerning) +
                " pixels apart, wider than the field");
        return;
    }
    for (char c = FirstPrintable; c <= LastPrintable; ++c) {
        const BITMAP* glyph = font.glyph(static_cast<unsigned char>(c));
        if (glyph && glyph->w + static_cast<long long>(font.kerning) < 0) {
            problem(setting + " draws the glyph after '" + std::string(1, c) + "' (" + std::to_string(glyph->w) +
                    " pixels wide) left of it; texts run backwards and their images come out empty");
            return;
        }
    }
}

void DataChecker::checkSounds(Config& config)
{
    constexpr int SoundRate = 22050;
    const int volume = config.getInt(ConfigKeys::SoundVolume);
    if (volume < 0 || volume > SoundBoard::MaxVolume)
        problem("strings.txt: SoundVolume=" + config.get(ConfigKeys::SoundVolume) + " is outside 0.." +
                std::to_string(SoundBoard::MaxVolume));
    // The game's own loading, so that what is checked is what the game plays.
    SoundBoard board;
    for (const std::string& line : board.load(config, root))
        problem(line);
    for (int i = 0; i < SoundEventCount; ++i) {
        const SoundEvent event = static_cast<SoundEvent>(i);
        const SoundClip* clip = board.clip(event);
        if (!clip)
            continue;
        const SAMPLE* sample = clip->sample();
        const int channels = sample->stereo ? 2 : 1;
        if (channels != 1 || sample->bits != 16 || sample->freq != SoundRate)
            problem(std::string(soundKey(event)) + ": " + config.get(soundKey(event)) + " is " +
                    std::to_string(channels) + " channel(s), " + std::to_string(sample->bits) + " bits, " +
                    std::to_string(sample->freq) + " Hz; the game's sounds are mono, 16 bits, 22050 Hz");
    }
}

void DataChecker::checkMusic(Config& config)
{
    const int volume = config.getInt(ConfigKeys::MusicVolume);
    if (volume < 0 || volume > MusicPlayer::MaxVolume)
        problem("strings.txt: MusicVolume=" + config.get(ConfigKeys::MusicVolume) + " is outside 0.." +
                std::to_string(MusicPlayer::MaxVolume));
    // The game's own loading: a module missing, not a regular file, too large or refused by libxmp.
    MusicPlayer player;
    for (const std::string& line : player.load(config, root))
        problem(line);
}

int checkCommand(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    DataChecker checker(arguments[0]);
    const std::vector<std::string> problems = checker.run();
    for (const std::string& line : checker.notes())
        out << "note: " << PlainText::safeLine(line) << "\n";
    for (const std::string& line : problems)
        err << PlainText::safeLine(line) << "\n";
    if (!problems.empty()) {
        err << problems.size() << " problem" << (problems.size() == 1 ? "" : "s") << " in "
            << PlainText::printable(arguments[0]) << "\n";
        return ExitFailure;
    }
    out << PlainText::printable(arguments[0]) << ": no problems found\n";
    return ExitSuccess;
}

} // namespace mztool
