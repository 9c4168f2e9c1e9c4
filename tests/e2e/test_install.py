"""Installing the game and starting it from its desktop entry."""

import os
import subprocess
import unittest

from mirewalk import BUILD_DIR, Game, scratch_folder, wait_for


class Install(unittest.TestCase):
    def test_the_installed_game_starts_from_its_desktop_entry(self):
        prefix = scratch_folder(self)
        subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", prefix],
                       check=True, capture_output=True)
        program = os.path.join(prefix, "lib", "mirewalk", "mirewalk")
        for relative in ("bin/mirewalk", "lib/mirewalk/Maps/M4.jpg", "lib/mirewalk/Monsters/sock.jpg",
                         "share/icons/hicolor/64x64/apps/mirewalk.png"):
            self.assertTrue(os.path.exists(os.path.join(prefix, relative)), relative)
        self.assertEqual(os.path.realpath(os.path.join(prefix, "bin", "mirewalk")), program)

        desktop = os.path.join(prefix, "share", "applications", "mirewalk.desktop")
        subprocess.run(["desktop-file-validate", desktop], check=True)
        with open(desktop) as entry:
            self.assertIn(f"Exec={program}\n", entry.read())

        with Game(launcher=["gio", "launch", desktop]) as game:
            game.start("Installed")
            self.assertEqual(game.application().description, program)
            self.assertEqual(game.boxes(), "30 52 1")
            game.key("Up", "Up", "Up", "Up")  # map 2 comes from the installed Maps folder
            wait_for(lambda: game.boxes() == "30 273 2", "map 2")


if __name__ == "__main__":
    unittest.main()
