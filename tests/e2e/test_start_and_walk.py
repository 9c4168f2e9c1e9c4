"""The start of a game and walking the maps, in the real program."""

import os
import subprocess
import unittest

from mirewalk import MAP_TITLE, SOURCE_DIR, Game, scratch_folder, wait_for, xdotool

def differing_pixels(screenshot, region, picture):
    """How many pixels of the screenshot's region differ from a picture file."""
    x, y, width, height = region
    out = subprocess.run(["compare", "-metric", "AE", "-fuzz", "6%",
                          f"{screenshot}[{width}x{height}+{x}+{y}]", picture, "null:"],
                         capture_output=True, text=True)
    return int(float(out.stderr.split()[0]))


class StartAndWalk(unittest.TestCase):
    def setUp(self):
        self.game = Game()
        self.addCleanup(lambda: self.game.close())  # the game of the moment: a test may replace it
        self.shots = scratch_folder(self)

    def map_matches(self, number):
        """The map view shows map number's picture, with at most the hero on top."""
        region = self.map_region()
        shot = os.path.join(self.shots, f"map{number}.png")
        self.game.screenshot(shot)
        return differing_pixels(shot, region, os.path.join(SOURCE_DIR, "Maps", f"M{number}.jpg"))

    def map_region(self):
        return self.game.region(self.game.find("image", None))

    def test_start_shows_map_one_with_the_hero_at_its_place(self):
        self.game.start("Arn")
        self.assertEqual(self.game.boxes(), "30 52 1")
        self.assertIn(MAP_TITLE, self.game.window_titles())
        self.assertRegex(self.game.find("image", None).name, "hero at 30, 52")
        hero = self.map_matches(1)
        self.assertGreater(hero, 300)       # the hero is drawn
        self.assertLess(hero, 42 * 58)      # and nothing else differs from map 1
        self.game.keep_screenshot("map.png")

    def test_the_game_plays_from_a_folder_and_a_file_whose_names_are_not_utf8(self):
        self.game.close()
        self.game = Game(program=os.fsdecode(b"caf\xe9/mirewalk\xff"))
        self.game.start("Arn")
        self.game.walk("Up", 4)
        wait_for(lambda: self.game.boxes() == "30 273 2",
                 lambda: f"the boxes to show 30 273 2, they show {self.game.boxes()}")
        self.assertLess(self.map_matches(2), 42 * 58)

    def test_a_missing_map_picture_ends_the_game_with_a_report(self):
        self.game.close()
        self.game = Game(missing=["Maps/M2.jpg"])
        self.game.start("Arn")
        self.game.key("Up", "Up", "Up", "Up")
        report = self.game.ok()
        self.assertIn("File not found", report)
        self.assertIn(os.path.join(self.game.folder, "Maps", "M2.jpg"), report)
        self.assertNotEqual(self.game.exit_status(), 0)

    def test_closed_or_broken_streams_change_neither_the_report_nor_the_status(self):
        # Each standard stream closed, Qt warning of an unset runtime folder at the start, or
        # nobody reading the error stream; a map cut short is no picture.
        for closed in ((0,), (1,), (2,), None):
            with self.subTest(closed=closed):
                self.game.close()
                self.game = Game(cut=["Maps/M2.jpg"], closed=closed or (),
                                 env={"XDG_RUNTIME_DIR": "", "TMPDIR": scratch_folder(self)})
                if closed is None:
                    self.game.process.stderr.close()
                self.game.start("Arn")
                self.game.key("Up", "Up", "Up", "Up")
                self.assertIn("Invalid picture: " + os.path.join(self.game.folder, "Maps", "M2.jpg"), self.game.ok())
                self.assertEqual(self.game.exit_status(), 1)

    def test_a_program_folder_without_the_pictures_is_refused_before_the_prompt(self):
        self.game.close()  # through the dynamic loader the program's folder is the loader's
        self.game = Game(loader=["/lib64/ld-linux-x86-64.so.2"])
        self.assertRegex(self.game.ok(), r"^Run-time error '76':\s*Path not found: /.+/Maps$")
        self.assertEqual(self.game.exit_status(), 1)

    def test_a_window_destroyed_by_another_program_ends_the_game(self):
        self.game.start("Arn")
        [window] = xdotool("search", "--onlyvisible", "--name", f"^{MAP_TITLE}$").split()
        xdotool("windowclose", window)
        self.assertEqual(self.game.exit_status(), 1)
        self.game.close()
        self.assertEqual(self.game.errors, "Mirewalk: the game window was destroyed by another program\n")

if __name__ == "__main__":
    unittest.main()
