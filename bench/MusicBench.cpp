// Music benchmark: one second of the wave piece (its busiest, fastest section) rendered, faded and
// levelled by the music player at 44,100 frames a second, as the game feeds its audio stream.
#include "audio/MusicPlayer.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int Rate = 44100;
constexpr int BlockFrames = Rate / 10;

// Takes every block it is given and asks for a second's worth at a time.
class DiscardingOutput : public MusicOutput {
public:
    int rate() const override { return Rate; }
    int wanted() override { return due-- > 0 ? BlockFrames : 0; }
    void write(const std::int16_t*, int) override {}
    int due = 0;
};

void MusicSecond(benchmark::State& state)
{
    const char* root = std::getenv("SQUIBBLE_DATA_ROOT");
    const std::string path = std::string(root ? root : SQUIBBLE_SOURCE_DIR) + "/data/music-wave.mod";
    std::string bytes, error;
    MusicPlayer player;
    if (!MusicModule::read(path, bytes, error) || !(error = player.setModule(MusicPiece::Wave, bytes)).empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    auto output = std::make_unique<DiscardingOutput>();
    DiscardingOutput& out = *output;
    player.setOutput(std::move(output));
    player.setVolume(MusicPlayer::MaxVolume);
    player.follow({MusicPiece::Wave, 25, false});
    for (auto _ : state) {
        // Ten blocks of a tenth of a second; the player hands over at most four an update.
        for (int updates = 0; updates < 3; ++updates) {
            out.due = updates < 2 ? 4 : 2;
            player.update();
        }
    }
}
BENCHMARK(MusicSecond)->Unit(benchmark::kMillisecond);

} // namespace
