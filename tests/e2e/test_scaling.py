"""The game on scaled screens: each picture pixel a square of one whole size, every window on the screen."""

import itertools
import os
import subprocess
import unittest

from mirewalk import MAP_TITLE, SOURCE_DIR, Game, scratch_folder

# Desktops' factors for each screen and a picture pixel's size at each: the factor rounded, then
# lowered until the battle window fits; Qt's variables as Plasma sets them.
FACTORS = {(1600, 1200): (("2", 1), ("1e9", 1)), (1920, 1080): (("1.25", 1), ("1.5", 1), ("0", 1)),
           (2560, 1440): (("1.5", 2),)}
VARIABLES = {"QT_SCALE_FACTOR": "{}", "QT_SCREEN_SCALE_FACTORS": "screen={};", "Xft.dpi": None}


def pixels(path):
    """The picture at path as rows of (r, g, b), through ImageMagick's text format."""
    out = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True)
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True,
                          check=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    data = out.stdout
    return [[tuple(data[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]


class Scaling(unittest.TestCase):
    def test_pictures_keep_whole_pixels_and_every_window_fits_the_screen(self):
        self.screen = tuple(map(int, subprocess.check_output(["xdotool", "getdisplaygeometry"]).split()))
        for (factor, side), variable in itertools.product(FACTORS[self.screen], VARIABLES):
            with self.subTest(variable, factor=factor):
                # X11 desktops give the dots per inch as a resource of the X server.
                dots = "" if VARIABLES[variable] else f"Xft.dpi: {96 * float(factor):g}"
                subprocess.run(["xrdb", "-nocpp", "-load"], input=dots, text=True, check=True)
                self.play({variable: VARIABLES[variable].format(factor)} if VARIABLES[variable] else {}, side)

    def play(self, env, side):
        with Game(env=env) as game:
            game.start("Arn")
            self.assertEqual(game.boxes(), "30 52 1")
            # The accessibility interface speaks in unscaled pixels; the screen has side times as many.
            view = game.region(game.find("image", None))
            self.assertEqual(view[2:], (326, 273))
            x, y, width, height = (side * n for n in view)

            folder = scratch_folder(self)
            shot = os.path.join(folder, "screen.png")
            game.screenshot(shot)
            crop = os.path.join(folder, "map.png")
            subprocess.run(["convert", f"{shot}[{width}x{height}+{x}+{y}]",
                            "+repage", crop], check=True)
            rows = pixels(crop)
            # Every source pixel is an exact side x side block: no blur between neighbours.
            for y in range(0, height, side):
                for x in range(0, width, side):
                    block = {rows[y + j][x + i] for j in range(side) for i in range(side)}
                    self.assertEqual(len(block), 1, f"block at {x},{y} is blurred: {block}")
            # And the blocks are map 1 itself, apart from the hero.
            doubled = os.path.join(folder, "doubled.png")
            subprocess.run(["convert", os.path.join(SOURCE_DIR, "Maps", "M1.jpg"), "-scale", f"{100 * side}%",
                            doubled], check=True)
            compared = subprocess.run(["compare", "-metric", "AE", "-fuzz", "6%", crop, doubled, "null:"],
                                      capture_output=True, text=True)
            differing = int(float(compared.stderr.split()[0])) // side ** 2
            self.assertGreater(differing, 300)
            self.assertLess(differing, 42 * 58)
            # The windows fit the screen: the map and the battle, the largest of the others.
            self.fits(game, side, MAP_TITLE)
            game.by_keyboard = True  # a click would land where unscaled pixels say
            battle = lambda game: self.fits(game, side, "MONSTER APPEARED!!!") or game.run_away()
            while not game.walk("Right", 5, battle) + game.walk("Left", 5, battle):
                pass

    def fits(self, game, side, title):
        x, y, w, h = (side * n for n in game.window(title).queryComponent().getExtents(0))
        self.assertTrue(0 <= x <= self.screen[0] - w and 0 <= y <= self.screen[1] - h, f"{title}: {w}x{h}")


if __name__ == "__main__":
    unittest.main()
