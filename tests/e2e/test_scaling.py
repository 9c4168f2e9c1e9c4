"""The game on a high-density screen: everything twice as large, pictures still sharp."""

import os
import subprocess
import unittest

from mirewalk import SOURCE_DIR, Game, scratch_folder


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
    def test_scale_factor_two_doubles_the_window_and_keeps_pixel_art_crisp(self):
        with Game(env={"QT_SCALE_FACTOR": "2"}) as game:
            game.start("Arn")
            self.assertEqual(game.boxes(), "30 52 1")
            # The accessibility interface speaks in unscaled pixels; the screen has twice as many.
            view = game.find("image", None).queryComponent().getExtents(0)
            self.assertEqual((view.width, view.height), (326, 273))
            x, y = 2 * view.x, 2 * view.y

            folder = scratch_folder(self)
            shot = os.path.join(folder, "screen.png")
            game.screenshot(shot)
            crop = os.path.join(folder, "map.png")
            subprocess.run(["convert", f"{shot}[652x546+{x}+{y}]",
                            "+repage", crop], check=True)
            rows = pixels(crop)
            # Every source pixel is an exact 2 x 2 block: no blur between neighbours.
            for y in range(0, 546, 2):
                for x in range(0, 652, 2):
                    block = {rows[y][x], rows[y][x + 1], rows[y + 1][x], rows[y + 1][x + 1]}
                    self.assertEqual(len(block), 1, f"block at {x},{y} is blurred: {block}")
            # And the blocks are map 1 itself, apart from the hero.
            doubled = os.path.join(folder, "doubled.png")
            subprocess.run(["convert", os.path.join(SOURCE_DIR, "Maps", "M1.jpg"), "-scale", "200%",
                            doubled], check=True)
            compared = subprocess.run(["compare", "-metric", "AE", "-fuzz", "6%", crop, doubled, "null:"],
                                      capture_output=True, text=True)
            differing = int(float(compared.stderr.split()[0]))
            self.assertGreater(differing, 4 * 300)
            self.assertLess(differing, 4 * 42 * 58)


if __name__ == "__main__":
    unittest.main()
