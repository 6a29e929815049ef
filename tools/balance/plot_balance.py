#!/usr/bin/python3
"""Draws the wave-by-wave balance figures (balance --csv FILE, one file or several, such as one per
difficulty) as one PNG: a panel per measure, a line per strategy and difficulty (a colour for each
strategy, a line style for each difficulty), the wave on the x axis.

Usage: plot_balance.py CSV [CSV...] PNG
"""
import csv
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402 (the back end is chosen first)
from matplotlib.ticker import MaxNLocator  # noqa: E402

COLUMNS = ["difficulty", "strategy", "wave", "invaders", "starting_health", "damage_dealt", "money_earned",
           "money_spent", "towers_standing", "health_left", "threat_percent"]

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


# Each difficulty's line style, and the colour of each strategy in the order they first appear.
STYLES = {"Easy": ":", "Normal": "-", "Hard": "--"}
COLOURS = ["tab:blue", "tab:orange", "tab:green", "tab:red", "tab:purple", "tab:brown"]
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


def plot(runs, png_path):
    figure, axes = plt.subplots(5, 2, figsize=(10, 15), sharex=True)
    panels = axes.flatten()
    strategies = list(dict.fromkeys(strategy for _, strategy in runs))
    for (column, title), panel in zip(PANELS, panels):
        for (difficulty, strategy), run in runs.items():
            colour = COLOURS[strategies.index(strategy) % len(COLOURS)]
            values = run[column]
            if column == "threat_percent":
                values = [min(value, THREAT_TOP) for value in values]
            panel.plot(run["wave"], values, STYLES[difficulty], color=colour, marker="o", markersize=2,
                       label=f"{strategy}, {difficulty}")
        if column == "threat_percent":
            # Above this line the wave panel said "Heavy for your defence".
            panel.axhline(100, color="black", linewidth=0.8, linestyle="--")
        panel.set_title(title, fontsize=10)
        panel.grid(True, alpha=0.3)
        panel.xaxis.set_major_locator(MaxNLocator(integer=True))
        panel.yaxis.set_major_locator(MaxNLocator(integer=True))
        panel.tick_params(labelbottom=True)
    for panel in panels[len(PANELS) - 2:len(PANELS)]:
        panel.set_xlabel("wave")
    # The ninth cell holds the key, the tenth stays empty.
    handles, labels = panels[0].get_legend_handles_labels()
    panels[-2].axis("off")
    panels[-1].axis("off")
    panels[-2].legend(handles, labels, title="strategy, difficulty", loc="center", ncol=1 if len(labels) < 10 else 2)
    figure.suptitle("Balance, wave by wave")
    figure.tight_layout()
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
