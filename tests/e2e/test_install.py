"""The installed game and the Debian package: their files, and the game started from them."""

import glob
import os
import subprocess
import unittest

from mirewalk import BUILD_DIR, Game, scratch_folder, wait_for


class Installed(unittest.TestCase):
    def check_tree(self, prefix, installed_prefix):
        """The files under prefix of a game meant to live at installed_prefix;
        returns the desktop entry."""
        for relative in ("lib/mirewalk/Maps/M4.jpg", "lib/mirewalk/Monsters/sock.jpg",
                         "share/icons/hicolor/64x64/apps/mirewalk.png"):
            self.assertTrue(os.path.isfile(os.path.join(prefix, relative)), relative)
        self.assertEqual(os.readlink(os.path.join(prefix, "bin", "mirewalk")), "../lib/mirewalk/mirewalk")
        desktop = os.path.join(prefix, "share", "applications", "mirewalk.desktop")
        subprocess.run(["desktop-file-validate", desktop], check=True)
        with open(desktop) as entry:
            self.assertIn(f"Exec={installed_prefix}/lib/mirewalk/mirewalk\n", entry.read())
        return desktop

    def play_into_map_2(self, launcher, program):
        """Starts the game with launcher and walks up into map 2, whose picture
        comes from the installed Maps folder."""
        with Game(launcher=launcher) as game:
            game.start("Installed")
            self.assertEqual(game.application().description, program)
            self.assertEqual(game.boxes(), "30 52 1")
            game.key("Up", "Up", "Up", "Up")
            wait_for(lambda: game.boxes() == "30 273 2", "map 2")


class Install(Installed):
    def test_the_installed_game_starts_from_its_desktop_entry(self):
        prefix = scratch_folder(self)
        subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", prefix], check=True, capture_output=True)
        desktop = self.check_tree(prefix, prefix)
        self.play_into_map_2(["gio", "launch", desktop], os.path.join(prefix, "lib", "mirewalk", "mirewalk"))


class Package(Installed):
    def test_the_debian_package_holds_the_game_and_its_libraries(self):
        folder = scratch_folder(self)
        subprocess.run(["cpack", "-G", "DEB", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"),
                        "-B", folder], check=True, capture_output=True)
        arch = subprocess.run(["dpkg", "--print-architecture"], capture_output=True, text=True,
                              check=True).stdout.strip()
        [package] = glob.glob(os.path.join(folder, "*.deb"))

        def field(name):
            return subprocess.run(["dpkg-deb", "--field", package, name], capture_output=True, text=True,
                                  check=True).stdout.strip()
        self.assertEqual(os.path.basename(package), f"mirewalk_{field('Version')}_{arch}.deb")
        self.assertEqual(field("Section"), "games")
        depends = field("Depends")
        for library in ("libqt6core6", "libqt6gui6", "libqt6widgets6", "fonts-liberation2"):
            self.assertIn(library, depends)

        root = os.path.join(folder, "root")
        subprocess.run(["dpkg-deb", "-x", package, root], check=True)
        self.assertEqual(sorted(os.listdir(root)), ["usr"])
        self.check_tree(os.path.join(root, "usr"), "/usr")
        self.play_into_map_2([os.path.join(root, "usr", "bin", "mirewalk")],
                             os.path.join(root, "usr", "lib", "mirewalk", "mirewalk"))


if __name__ == "__main__":
    unittest.main()
