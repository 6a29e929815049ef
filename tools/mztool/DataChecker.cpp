#include "mztool/DataChecker.h"

#include "app/CatalogueReader.h"
#include "invaders/InvaderKinds.h"
#include "app/Config.h"
#include "app/ContentLoader.h"
#include "app/DataFolder.h"
#include "app/Field.h"
#include "assets/BitmapFont.h"
#include "assets/SpriteSheet.h"
#include "audio/MusicPlayer.h"
#include "audio/SoundBoard.h"
#include "audio/SoundClip.h"
#include "audio/SoundEvent.h"
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

std::string format(const char* pattern, int a, int b = 0, int c = 0)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
}

// Animations the game plays from each tower kind's sheet: laser idle, preview, firing; missile
// poses, preview and launches; tesla idle and preview.
constexpr unsigned TowerAnimations[TowerKinds::Count] = {3, 5, 2};
constexpr unsigned InvaderAnimations = 4;
constexpr unsigned MissileDirections = 16;

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

void DataChecker::checkImageSize(const std::string& name, int minimumWidth, int minimumHeight)
{
    GameFile file;
    std::string error;
    if (!file.load(asTheGameFinds("data/" + name), error)) {
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
    checkImageSize("bg.mz", Field::Width, Field::Height);
    checkImageSize("redbar.mz", 53, 20);
    checkImageSize("slots.mz", 4 * 19, 19);
    checkImageSize("icons.mz", 4 * IconSize, 2 * IconSize);
    checkImageSize("laser_small.mz", 1, 1);
    for (int i = 1; i <= 5; ++i)
        checkImageSize("cloud" + std::to_string(i) + ".mz", 1, 1);
    checkImageSize("selector.mz", 1, 1);
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
        checkSheet(config.getf("Tower%d.Sprite", n), TowerAnimations[n - 1], format("Tower%d.Sprite", n));
        const int paths = std::clamp(config.getIntf("Tower%d.Upgrades", n), 0, CatalogueReader::MaxEntries);
        for (int j = 1; j <= paths; ++j) {
            const int levels =
                std::clamp(config.getIntf("Tower%d.Upgrade%d.Levels", n, j), 0, CatalogueReader::MaxEntries);
            if (levels == 0)
                problem("strings.txt: " + format("Tower%d.Upgrade%d", n, j) + " has no levels to buy");
            for (int k = 1; k <= levels; ++k)
                largestIcon = std::max(largestIcon, config.getIntf("Tower%d.Upgrade%d.Level%d.Icon", n, j, k));
        }
    }
    checkImageSize("upgrade_icons.mz", (largestIcon + 1) * IconSize, 2 * IconSize);
    for (int n = 1; n <= InvaderKinds::Count; ++n)
        checkSheet(config.getf("Invader%d.Sprite", n), InvaderAnimations, format("Invader%d.Sprite", n));
    for (const char* effect : {"poof.sz", "explosion_small.sz", "puff2.sz"})
        checkSheet(std::string("data/") + effect, 1, effect);
    checkSheet("data/missile.sz", MissileDirections, "missile.sz");
}

void DataChecker::checkFonts(Config& config)
{
    for (const char* key : {"FontMain", "FontMainRed", "FontSmall", "FontSmallRed"}) {
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
    if (key == "FontMainRed") {
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
    const int volume = config.getInt("SoundVolume");
    if (volume < 0 || volume > SoundBoard::MaxVolume)
        problem("strings.txt: SoundVolume=" + config.get("SoundVolume") + " is outside 0.." +
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
    const int volume = config.getInt("MusicVolume");
    if (volume < 0 || volume > MusicPlayer::MaxVolume)
        problem("strings.txt: MusicVolume=" + config.get("MusicVolume") + " is outside 0.." +
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
