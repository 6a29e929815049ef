#!/usr/bin/python3
"""Tests of the balance plot: it draws a PNG from a small CSV and turns a malformed one away; and
the balance tool's --csv output has the columns the plot reads (the tool's path in the BALANCE_TOOL
environment variable, the source root in SQUIBBLE_SOURCE_DIR)."""
import csv
import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

from PIL import Image

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
import plot_balance  # noqa: E402

SMALL_CSV = """difficulty,strategy,wave,invaders,starting_health,damage_dealt,money_earned,money_spent,towers_standing,health_left,threat_percent,squibble,armoured,mite,shielded,splitter,boss
Normal,idle,1,16,160,0,0,0,0,4,100000,16,0,0,0,0,0
Normal,idle,2,18,252,0,0,0,0,0,100000,18,0,0,0,0,0
Normal,lasers,1,16,160,160,80,200,4,20,40,16,0,0,0,0,0
Normal,lasers,2,18,252,230,85,100,6,17,70,18,0,0,0,0,0
Normal,lasers,3,20,360,300,90,0,6,0,120,20,0,0,0,0,0
"""


class Plot(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = pathlib.Path(self.folder.name)

    def tearDown(self):
        self.folder.cleanup()

    def write(self, text):
        path = self.root / "balance.csv"
        path.write_text(text)
        return str(path)

    def test_writes_a_png_from_a_small_csv(self):
        png = self.root / "balance.png"
        self.assertEqual(plot_balance.main([self.write(SMALL_CSV), str(png)]), 0)
        with Image.open(png) as picture:
            self.assertEqual(picture.format, "PNG")
            # Seven panels and a key need room: wider than 600 and taller than it is wide.
            self.assertGreater(picture.width, 600)
            self.assertGreater(picture.height, picture.width)
            # Drawn, not blank: the lines bring many colours.
            self.assertGreater(len(picture.convert("RGB").getcolors(1 << 20)), 50)

    def test_turns_away_a_csv_it_cannot_read(self):
        png = self.root / "balance.png"
        cases = [
            SMALL_CSV.replace("damage_dealt,", ""),  # a column missing from the header
            SMALL_CSV.replace("lasers,3,20,", "lasers,3,"),  # a short row
            SMALL_CSV.replace("Normal,idle,2,", "Medium,idle,2,"),  # a difficulty the game has not
            SMALL_CSV.replace(",360,300,", ",360,lots,"),  # a figure that is not a number
            SMALL_CSV.splitlines()[0] + "\n",  # no waves
        ]
        for text in cases:
            self.assertEqual(plot_balance.main([self.write(text), str(png)]), 1, text)
            self.assertFalse(png.exists())
        self.assertEqual(plot_balance.main([str(self.root / "missing.csv"), str(png)]), 1)

    def test_difficulties_of_several_files_are_told_apart(self):
        hard = self.root / "hard.csv"
        hard.write_text(SMALL_CSV.replace("Normal,", "Hard,"))
        runs = {}
        plot_balance.read_runs(self.write(SMALL_CSV), runs)
        plot_balance.read_runs(str(hard), runs)
        self.assertEqual(list(runs), [("Normal", "idle"), ("Normal", "lasers"), ("Hard", "idle"), ("Hard", "lasers")])
        self.assertEqual(runs[("Hard", "lasers")]["damage_dealt"], [160, 230, 300])
        png = self.root / "both.png"
        self.assertEqual(plot_balance.main([self.write(SMALL_CSV), str(hard), str(png)]), 0)
        self.assertTrue(png.exists())

    def test_mixed_games_stand_beside_classic_with_the_blocks_make_up(self):
        mixed = SMALL_CSV + "\n".join([
            "Normal,lasers (Mixed),1,16,160,160,80,200,4,20,40,16,0,0,0,0,0",
            "Normal,lasers (Mixed),2,18,300,200,95,100,6,15,90,12,5,1,0,0,0",
        ]) + "\n"
        runs = plot_balance.read_runs(self.write(mixed))
        self.assertEqual(plot_balance.mode_of("lasers (Mixed)"), ("Mixed", "lasers"))
        self.assertEqual(plot_balance.mode_of("lasers"), ("Classic", "lasers"))
        self.assertEqual(runs[("Normal", "lasers (Mixed)")]["armoured"], [0, 5])
        classic_png, both_png = self.root / "classic.png", self.root / "both.png"
        self.assertEqual(plot_balance.main([self.write(SMALL_CSV), str(classic_png)]), 0)
        self.assertEqual(plot_balance.main([self.write(mixed), str(both_png)]), 0)
        with Image.open(classic_png) as classic, Image.open(both_png) as both:
            # A column of panels per mode, a row per measure, and the make-up under them.
            self.assertEqual(both.width, classic.width)
            self.assertGreater(both.height, 1.5 * classic.height)


class BalanceCsv(unittest.TestCase):
    def test_the_balance_tool_writes_the_columns_the_plot_reads(self):
        tool = os.environ.get("BALANCE_TOOL")
        source = os.environ.get("SQUIBBLE_SOURCE_DIR")
        if not tool or not source:
            self.skipTest("BALANCE_TOOL and SQUIBBLE_SOURCE_DIR name the tool and the data")
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "waves.csv"
            subprocess.run([tool, "--data", source, "--waves", "3", "--dt", "0.05", "--tab", "--csv", str(path)],
                           check=True, stdout=subprocess.DEVNULL)
            with open(path, newline="") as source_file:
                rows = list(csv.reader(source_file))
            self.assertEqual(rows[0], plot_balance.COLUMNS)
            waves = {}
            for row in rows[1:]:
                self.assertEqual(len(row), len(plot_balance.COLUMNS))
                self.assertEqual(row[0], "Normal")
                figures = [int(field) for field in row[2:]]
                waves.setdefault(row[1], []).append(figures[0])
                invaders, starting, damage = figures[1:4]
                self.assertEqual(invaders, 2 * figures[0] + 14)
                self.assertLessEqual(damage, starting)
            self.assertEqual(sorted(waves), ["idle", "lasers", "lasers-half", "missile-led", "missile-led-first", "mixed", "mixed-first"])
            for strategy, numbers in waves.items():
                self.assertEqual(numbers, list(range(1, len(numbers) + 1)), strategy)
            self.assertEqual(waves["mixed"], [1, 2, 3])
            plot_balance.main([str(path), str(pathlib.Path(folder) / "waves.png")])
            self.assertTrue((pathlib.Path(folder) / "waves.png").exists())


if __name__ == "__main__":
    unittest.main()
