#include "audio/MusicPlayer.h"

#include "app/Config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>

namespace {

constexpr int Rate = 8000;
constexpr int BlockFrames = 400; // 50 ms

class RecordingMusicOutput : public MusicOutput {
public:
    int rate() const override { return Rate; }
    int wanted() override { return due-- > 0 ? BlockFrames : 0; }
    void write(const std::int16_t* stereo, int frames) override { blocks.emplace_back(stereo, stereo + 2 * frames); }
    // The loudest sample of each block written.
    int peak(std::size_t block) const
    {
        int loudest = 0;
        for (std::int16_t v : blocks.at(block))
            loudest = std::max(loudest, std::abs(int(v)));
        return loudest;
    }
    int due = 0;
    std::vector<std::vector<std::int16_t>> blocks;
};

// A four-channel module of `sections` one-pattern sections, each holding a steady square wave at
// `volume` (16 louder in each later section) and looping on itself; `once` ends the song after
// four rows instead.
std::string toneModule(int sections, int volume, bool once = false)
{
    std::string m(20, '\0');
    for (int slot = 0; slot < 31; ++slot) {
        std::string header(30, '\0');
        if (slot == 0) {
            header[23] = 16;   // 32 bytes
            header[25] = 64;   // volume
            header[29] = 16;   // looped whole
        } else {
            header[29] = 1;
        }
        m += header;
    }
    m += char(sections);
    m += char(127);
    for (int i = 0; i < 128; ++i)
        m += char(i < sections ? i : 0);
    m += "M.K.";
    for (int p = 0; p < sections; ++p) {
        std::string pattern(1024, '\0');
        pattern[0] = 0x01, pattern[1] = char(0xAC), pattern[2] = 0x1C, pattern[3] = char(volume + 16 * p); // C-2, volume
        const int end = once ? 3 : 63;
        pattern[end * 16 + 4 + 2] = once ? 0x0D : 0x0B; // channel 2: break to the end, or jump back to p
        pattern[end * 16 + 4 + 3] = once ? 0 : char(p);
        m += pattern;
    }
    for (int i = 0; i < 32; ++i)
        m += char(i < 16 ? 100 : -100);
    return m;
}

class MusicPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto output = std::make_unique<RecordingMusicOutput>();
        out = output.get();
        player.setOutput(std::move(output));
        player.setVolume(MusicPlayer::MaxVolume);
        EXPECT_EQ(player.setModule(MusicPiece::Build, toneModule(1, 16)), "");
        EXPECT_EQ(player.setModule(MusicPiece::Wave, toneModule(3, 24)), "");
        EXPECT_EQ(player.setModule(MusicPiece::GameOver, toneModule(1, 64, true)), "");
    }
    // Plays `seconds` more, in blocks; returns the index of the first new block.
    std::size_t play(double seconds)
    {
        const std::size_t first = out->blocks.size();
        for (int i = 0; i < int(seconds * Rate / BlockFrames + 0.5); ++i) {
            out->due = 1;
            player.update();
        }
        return first;
    }
    MusicPlayer player;
    RecordingMusicOutput* out = nullptr;
};

} // namespace

TEST_F(MusicPlayerTest, AFadeTakesAboutASecondEachWay)
{
    player.follow({MusicPiece::Build, 1, false});
    const std::size_t in = play(2.0);
    const int full = out->peak(in + 39);
    ASSERT_GT(full, 2000);
    EXPECT_NEAR(out->peak(in + 9), full / 2, full / 6) << "half way in";
    EXPECT_EQ(out->peak(in + 21), full) << "whole after a second";
    player.follow({MusicPiece::None, 1, false});
    const std::size_t gone = play(1.2);
    EXPECT_NEAR(out->peak(gone + 9), full / 2, full / 6) << "half way out";
    EXPECT_EQ(out->peak(gone + 20), 0) << "silent after a second";
}

// The wave cleared, then N within the fade: the wave piece turns back from where it is, and a
// third piece meanwhile takes a silent voice; no piece is ever cut off.
TEST_F(MusicPlayerTest, AChangeWithinAFadeFadesFromWhereItIs)
{
    player.follow({MusicPiece::Wave, 1, false});
    const int full = out->peak(play(2.0) + 39);
    player.follow({MusicPiece::Build, 1, false});
    play(0.3);
    player.follow({MusicPiece::Wave, 1, false});
    const std::size_t back = play(0.1);
    EXPECT_GT(out->peak(back), full * 6 / 10) << "the wave piece sounds on from its fade";
    player.follow({MusicPiece::GameOver, 1, false});
    play(0.1);
    player.follow({MusicPiece::Build, 1, false});
    EXPECT_GT(out->peak(play(0.1)), full) << "the game-over sting and the fading wave piece sound on";
}

TEST_F(MusicPlayerTest, LevelFollowsVolumeShareQuietAndMute)
{
    struct Case {
        const char* what;
        std::function<void()> change;
        double share;
    };
    const Case cases[] = {
        {"whole", [] {}, 1.0},
        {"half the player's level", [this] { player.setLevel(50); }, 0.5},
        {"a level over 100 is 100", [this] { player.setLevel(180); }, 1.0},
        {"data volume 51", [this] { player.setVolume(51); }, 0.2},
        {"the pause", [this] { player.follow({MusicPiece::Build, 1, true}); }, MusicPlayer::QuietShare},
        {"muted", [this] { player.setMuted(true); }, 0.0},
    };
    player.follow({MusicPiece::Build, 1, false});
    const int full = out->peak(play(1.5) + 29);
    for (const Case& c : cases) {
        c.change();
        EXPECT_NEAR(out->peak(play(0.5) + 9), c.share * full, 0.02 * full + 1) << c.what;
        player.setLevel(100), player.setVolume(MusicPlayer::MaxVolume), player.setMuted(false);
        player.follow({MusicPiece::Build, 1, false});
        play(0.3);
    }
}

TEST_F(MusicPlayerTest, PieceAndSectionFollowTheGame)
{
    struct Step {
        MusicCue cue;
        MusicPiece piece;
        bool fades; // a new piece or section comes in, so the level dips or rises
    };
    const Step steps[] = {
        {{MusicPiece::Build, 1, false}, MusicPiece::Build, true},
        {{MusicPiece::Wave, 1, false}, MusicPiece::Wave, true},
        {{MusicPiece::Wave, 10, false}, MusicPiece::Wave, false},
        {{MusicPiece::Build, 10, false}, MusicPiece::Build, true},
        {{MusicPiece::Wave, 11, false}, MusicPiece::Wave, true},  // the wave piece's second section
        {{MusicPiece::Wave, 95, false}, MusicPiece::Wave, true},  // its last
        {{MusicPiece::Wave, 99, false}, MusicPiece::Wave, false},
        {{MusicPiece::GameOver, 99, false}, MusicPiece::GameOver, true},
        {{MusicPiece::Build, 1, false}, MusicPiece::Build, true}, // a new game
    };
    int previous = 0;
    for (const Step& step : steps) {
        player.follow(step.cue);
        EXPECT_EQ(player.piece(), step.piece) << step.cue.wave;
        const std::size_t first = play(1.5);
        const int start = out->peak(first), end = out->peak(first + 29);
        if (step.piece == MusicPiece::GameOver)
            EXPECT_EQ(end, 0) << "the game-over sting plays once, then silence";
        else
            EXPECT_EQ(start != end || end != previous, step.fades) << "wave " << step.cue.wave;
        previous = end;
    }
}

TEST_F(MusicPlayerTest, LongStallIsMadeUpByAFewBlocksNotAFlood)
{
    player.follow({MusicPiece::Build, 1, false});
    out->due = 1000;
    player.update();
    EXPECT_EQ(out->blocks.size(), 4u);
}

TEST_F(MusicPlayerTest, BrokenOrMissingModuleIsOneLineAndThatPieceIsSilent)
{
    Config config;
    config.loadFromText("MusicVolume=300\nMusic.Build=data/no_such.mod\nMusic.Wave=data/strings.txt\n"
                        "Music.GameOver=\n");
    const std::vector<std::string> problems = player.load(config);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("\"data/no_such.mod\" (configuration key Music.Build): cannot open"), std::string::npos);
    EXPECT_NE(problems[1].find("\"data/strings.txt\" (configuration key Music.Wave): not a ProTracker"),
              std::string::npos);
    EXPECT_EQ(player.volume(), MusicPlayer::MaxVolume);
    player.follow({MusicPiece::Wave, 1, false});
    EXPECT_EQ(out->peak(play(1.0) + 19), 0);

    const std::string empty = testing::TempDir() + "empty.mod";
    std::ofstream(empty).close();
    config.loadFromText("Music.Build=" + empty + "\nMusic.Wave=data/\x1b[31mred.mod\n");
    const std::vector<std::string> more = player.load(config);
    ASSERT_EQ(more.size(), 2u);
    EXPECT_NE(more[0].find("empty.mod\" (configuration key Music.Build): the file is empty"), std::string::npos) << more[0];
    EXPECT_NE(more[1].find("\"data/\\x1b[31mred.mod\""), std::string::npos) << more[1];
    std::remove(empty.c_str());

    std::string truncated = toneModule(1, 64);
    truncated.resize(1200);
    std::string cutInSample = toneModule(1, 64);
    cutInSample.resize(cutInSample.size() - 1);
    std::string large = toneModule(1, 64);
    large.resize(MusicModule::MaxFileBytes + 1);
    for (const auto& [bytes, error] : {std::pair{truncated, "ends before pattern 0"}, {cutInSample, "ends inside sample 1"},
                                       {large, "larger than 4 MiB"}})
        EXPECT_NE(player.setModule(MusicPiece::Build, bytes).find(error), std::string::npos) << error;
}

// Each change of a module that plays makes one the module player could not play safely.
TEST(MusicModuleTest, RefusesWhatProTrackerWouldNotWrite)
{
    const std::size_t cell = 1084, lastRow = cell + 63 * 16 + 4;
    const struct {
        std::size_t at;
        std::string bytes;
        const char* problem;
    } changes[] = {
        {1080, "1CHN", "not a ProTracker module"},
        {950, std::string(1, '\0'), "a song of 0 positions"},
        {952, "\x05", "ends before pattern 5"},
        {952, "\xC8", "an order past pattern 127"},
        {44, "\x10", "sample 1 has a finetune past 15"},
        {45, "\x41", "sample 1 is louder than 64"},
        {49, "\x11", "sample 1 loops past its end"},
        {cell, "\x21", "pattern 0, row 0 names sample 33"},
        {lastRow + 3, "\x01", "pattern 0, row 63 jumps past the song's end"},
        {lastRow + 2, "\x0D\x64", "pattern 0, row 63 breaks to a row past the pattern's end"},
    };
    MusicModule module;
    std::string error;
    ASSERT_TRUE(module.load(toneModule(1, 64), error)) << error;
    for (const auto& change : changes) {
        std::string bytes = toneModule(1, 64);
        bytes.replace(change.at, change.bytes.size(), change.bytes);
        EXPECT_FALSE(module.load(bytes, error)) << change.problem;
        EXPECT_NE(error.find(change.problem), std::string::npos) << error;
    }
}

TEST(MusicModuleTest, TheShippedWavePieceHasThreeSectionsAndPlays)
{
    std::string bytes, error;
    ASSERT_TRUE(MusicModule::read("data/music-wave.mod", bytes, error)) << error;
    MusicModule module;
    ASSERT_TRUE(module.load(bytes, error)) << error;
    EXPECT_EQ(module.sections(), 3);
    ASSERT_TRUE(module.start(2, Rate, true));
    std::vector<std::int16_t> block(2 * Rate);
    EXPECT_TRUE(module.render(block.data(), Rate));
    EXPECT_GT(*std::max_element(block.begin(), block.end()), 1000);
}
