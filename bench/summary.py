"""Reads Google Benchmark's JSON output and prints the medians against the frame targets."""
import json
import sys

MAX_FRAME_RATIO = 3.0
MAX_LOADING_MS = 50.0
MAX_MUSIC_SECOND_MS = 2.0


def medians(path):
    with open(path) as results:
        runs = json.load(results)["benchmarks"]
    found = {}
    for run in runs:
        if run.get("aggregate_name") == "median":
            found[run["run_name"]] = run
    return found


def microseconds(run):
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
    return run["real_time"] * scale


def main(path):
    runs = medians(path)
    empty = microseconds(runs["EmptyFrame"])
    heavy = microseconds(runs["HeavyFrame"])
    fast_forward = microseconds(runs["FastForwardFrame"])
    game_over = microseconds(runs["GameOverFrame"])
    loading_ms = microseconds(runs["ContentLoading"]) / 1000.0
    music_ms = microseconds(runs["MusicSecond"]) / 1000.0
    draw_allocs = runs["HeavyFrame"].get("draw_allocs", float("nan"))
    checks = [
        ("empty frame", f"{empty:.0f} us", "", True),
        ("heavy frame", f"{heavy:.0f} us", f"{heavy / empty:.2f} x empty (<= {MAX_FRAME_RATIO:g})",
         heavy / empty <= MAX_FRAME_RATIO),
        ("fast-forward frame (Tab)", f"{fast_forward:.0f} us",
         f"{fast_forward / empty:.2f} x empty (<= {MAX_FRAME_RATIO:g})", fast_forward / empty <= MAX_FRAME_RATIO),
        ("game-over frame", f"{game_over:.0f} us", f"{game_over / empty:.2f} x empty (<= {MAX_FRAME_RATIO:g})",
         game_over / empty <= MAX_FRAME_RATIO),
        ("content loading", f"{loading_ms:.2f} ms", f"(< {MAX_LOADING_MS:g} ms)", loading_ms < MAX_LOADING_MS),
        ("one second of the wave music", f"{music_ms:.2f} ms", f"(< {MAX_MUSIC_SECOND_MS:g} ms)",
         music_ms < MAX_MUSIC_SECOND_MS),
        ("allocations per draw (heavy)", f"{draw_allocs:g}", "(0)", draw_allocs == 0),
    ]
    print()
    print("Medians of 5 runs")
    for name, value, target, met in checks:
        print(f"  {name:30} {value:>10}  {target:32} {'ok' if met else 'MISSED'}")
    return 0 if all(met for *_, met in checks) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
