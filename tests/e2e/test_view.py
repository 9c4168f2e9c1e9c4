"""The zoom keys, fullscreen and the settings that keep them, in the real
program on a 3840 x 2160 screen, where the battle window fits three times."""

import os
import subprocess
import unittest

from mirewalk import MAP_TITLE, Game, scratch_folder, wait_for, xdotool


def geometry(title=MAP_TITLE):
    """Where the window with the title is on the screen, and its size: x, y, width, height."""
    [window] = xdotool("search", "--onlyvisible", "--name", f"^{title}$").split()
    info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True, check=True).stdout
    field = lambda name: int(info.split(name + ":")[1].split()[0])
    return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"))


class View(unittest.TestCase):
    def setUp(self):
        self.config = scratch_folder(self)
        self.settings = os.path.join(self.config, "mirewalk", "mirewalk.conf")

    def play(self):
        game = Game(env={"XDG_CONFIG_HOME": self.config})
        self.addCleanup(game.close)
        game.start("Arn")
        return game

    def size_becomes(self, width, height):
        wait_for(lambda: geometry()[2:] == (width, height),
                 lambda: f"the window to be {width} x {height}, it is {geometry()[2:]}")

    def test_whole_zooms_fullscreen_and_the_next_run(self):
        game = self.play()
        _, _, width, height = geometry()
        self.assertFalse(os.path.exists(self.settings))  # written only when the player changes one
        game.key("ctrl+plus", "ctrl+plus", "ctrl+plus")  # the third would not fit the screen
        self.size_becomes(3 * width, 3 * height)
        game.key("ctrl+0")
        self.size_becomes(width, height)
        game.key("ctrl+equal")
        self.size_becomes(2 * width, 2 * height)
        placed = geometry()

        # Fullscreen: the map at the largest whole zoom that fits, 4, its screen in the
        # middle: the map view 4 times its size, 4 times as far from the screen's corner.
        game.key("F11")
        wait_for(lambda: geometry() == (0, 0, 3840, 2160), "the window to cover the screen")
        view = game.find("image", None)
        left, top = (3840 - 4 * width) // 2, (2160 - 4 * height) // 2
        middle = (left + 4 * 120, top + 4 * (height - 454 + 72), 4 * 326, 4 * 273)
        wait_for(lambda: game.region(view) == middle,
                 lambda: f"the map view at {middle}, it is at {game.region(view)}")
        game.key("F11")
        wait_for(lambda: geometry() == placed, lambda: f"the window back at {placed}: {geometry()}")

        game.close()
        with open(self.settings) as kept:
            self.assertEqual(kept.read(), "[General]\nfullscreen=false\nzoom=2\n")
        self.play()
        self.size_becomes(2 * width, 2 * height)

if __name__ == "__main__":
    unittest.main()
