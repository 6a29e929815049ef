#!/usr/bin/python3
"""Draws the wave-by-wave balance figures (balance --csv FILE, one file or several, such as one per
difficulty and mode) as one PNG: a panel per measure, a line per strategy and difficulty (a colour for
each strategy, a line style for each difficulty), the wave on the x axis. The Mixed mode's games
(strategies shown as "NAME (Mixed)") get a column of panels beside Classic's, and under them the
make-up of the Mixed blocks by kind.

Usage: plot_balance.py CSV [CSV...] PNG
"""
import csv
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402 (the back end is chosen first)
from matplotlib.ticker import MaxNLocator  # noqa: E402

COLUMNS = ["difficulty", "strategy", "wave", "invaders", "starting_health", "damage_dealt", "money_earned",
           "money_spent", "towers_standing", "health_left", "threat_percent", "squibble", "armoured", "mite",
           "shielded", "splitter", "boss"]

# The panels, in reading order: the column and its title.
PANELS = [
    ("invaders", "Invaders in the wave"),
    ("starting_health", "Their total starting health"),
    ("damage_dealt", "Damage dealt to them"),
    ("health_left", "Player's health at the wave's end"),
    ("money_earned", "Money earned (wave and pause after)"),
    ("money_spent", "Money spent (wave and pause after)"),
    ("towers_standing", "Towers standing at the wave's end"),
    ("threat_percent", "Threat at the wave's start (% of the defence)"),
]


# A game of the Mixed mode carries this after its strategy's name.
MIXED = " (Mixed)"
KINDS = ["squibble", "armoured", "mite", "shielded", "splitter", "boss"]

# Each difficulty's line style, and the colour of each strategy in the order they first appear.
STYLES = {"Easy": ":", "Normal": "-", "Hard": "--"}
COLOURS = ["tab:blue", "tab:orange", "tab:green", "tab:red", "tab:purple", "tab:brown", "tab:pink", "tab:gray",
           "tab:olive", "tab:cyan"]
# Columns before the figures.
NAMES = 2
# The threat panel stops here: a wave against no towers at all reads as 100000 %.
THREAT_TOP = 400


class BadCsv(Exception):
    pass


def read_runs(path, runs=None):
    """Adds the file's games to runs, {(difficulty, strategy): {column: [values by wave]}}, in the
    file's order, and returns it."""
    with open(path, newline="") as source:
        rows = list(csv.reader(source))
    if not rows or rows[0] != COLUMNS:
        raise BadCsv(f"{path}: the first line must be {','.join(COLUMNS)}")
    runs = {} if runs is None else runs
    found = False
    for number, row in enumerate(rows[1:], start=2):
        if len(row) != len(COLUMNS):
            raise BadCsv(f"{path}:{number}: {len(row)} fields where {len(COLUMNS)} belong")
        if row[0] not in STYLES:
            raise BadCsv(f"{path}:{number}: \"{row[0]}\" is not Easy, Normal or Hard")
        try:
            values = [int(field) for field in row[NAMES:]]
        except ValueError:
            raise BadCsv(f"{path}:{number}: a figure that is not a whole number") from None
        run = runs.setdefault((row[0], row[1]), {column: [] for column in COLUMNS[NAMES:]})
        for column, value in zip(COLUMNS[NAMES:], values):
            run[column].append(value)
        found = True
    if not found:
        raise BadCsv(f"{path}: no waves")
    return runs


def mode_of(strategy):
    """The mode a game was played in and its player's name: ("Mixed", "lasers") for "lasers (Mixed)"."""
    if strategy.endswith(MIXED):
        return "Mixed", strategy[:-len(MIXED)]
    return "Classic", strategy


def plot_make_up(runs, panel):
    """The kinds in the Mixed blocks wave by wave, from the longest Mixed game on Normal (or any)."""
    mixed = [(key, run) for key, run in runs.items() if mode_of(key[1])[0] == "Mixed"]
    normal = [(key, run) for key, run in mixed if key[0] == "Normal"] or mixed
    (difficulty, _), run = max(normal, key=lambda item: len(item[1]["wave"]))
    panel.stackplot(run["wave"], [run[kind] for kind in KINDS], labels=[kind.capitalize() for kind in KINDS])
    panel.set_title(f"Mixed: invaders of each kind in the block ({difficulty})", fontsize=10)
    panel.legend(loc="upper right", fontsize=8)
    panel.grid(True, alpha=0.3)
    panel.set_xlabel("wave")
    panel.tick_params(labelbottom=True)


def plot(runs, png_path):
    modes = [mode for mode in ("Classic", "Mixed") if any(mode_of(strategy)[0] == mode for _, strategy in runs)]
    rows = len(PANELS) // 2 + 1 if len(modes) == 1 else len(PANELS) + 1
    columns = 2
    figure, axes = plt.subplots(rows, columns, figsize=(6 * columns, 3 * rows), sharex=True, squeeze=False)
    players = list(dict.fromkeys(mode_of(strategy)[1] for _, strategy in runs))
    # One mode fills both columns with its panels in reading order; two stand side by side.
    cells = {}
    for number, (column, title) in enumerate(PANELS):
        if len(modes) == 1:
            cells[(modes[0], column)] = (axes[number // 2][number % 2], title)
        else:
            for index, mode in enumerate(modes):
                cells[(mode, column)] = (axes[number][index], f"{mode}: {title}")
    key = {}
    for (mode, column), (panel, title) in cells.items():
        for (difficulty, strategy), run in runs.items():
            run_mode, player = mode_of(strategy)
            if run_mode != mode:
                continue
            colour = COLOURS[players.index(player) % len(COLOURS)]
            values = run[column]
            if column == "threat_percent":
                values = [min(value, THREAT_TOP) for value in values]
            (line,) = panel.plot(run["wave"], values, STYLES[difficulty], color=colour, marker="o", markersize=2,
                                 label=f"{player}, {difficulty}")
            key.setdefault(line.get_label(), line)
        if column == "threat_percent":
            # Above this line the wave panel said "Heavy for your defence".
            panel.axhline(100, color="black", linewidth=0.8, linestyle="--")
        panel.set_title(title, fontsize=10)
        panel.grid(True, alpha=0.3)
        panel.xaxis.set_major_locator(MaxNLocator(integer=True))
        panel.yaxis.set_major_locator(MaxNLocator(integer=True))
        panel.tick_params(labelbottom=True)
    for panel in axes[-2]:
        panel.set_xlabel("wave")
    # The last row holds the key and, with Mixed games, the blocks' make-up.
    axes[-1][0].axis("off")
    axes[-1][0].legend(list(key.values()), list(key), title="strategy, difficulty", loc="center",
                       ncol=1 if len(key) < 10 else 2, fontsize=8)
    if "Mixed" in modes:
        plot_make_up(runs, axes[-1][1])
    else:
        axes[-1][1].axis("off")
    figure.suptitle("Balance, wave by wave" + (": Classic and Mixed" if len(modes) == 2 else ""))
    # The title keeps a strip of its own above the panels.
    figure.tight_layout(rect=(0, 0, 1, 1 - 0.4 / figure.get_figheight()))
    figure.savefig(png_path, dpi=80)
    plt.close(figure)


def main(arguments):
    if len(arguments) < 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    runs = {}
    try:
        for path in arguments[:-1]:
            read_runs(path, runs)
    except (OSError, BadCsv) as problem:
        print(f"plot_balance: {problem}", file=sys.stderr)
        return 1
    plot(runs, arguments[-1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
