"""The installed game and the Debian package: their files, and the game started from them."""

import filecmp
import glob
import os
import re
import subprocess
import time
import unittest

from mirewalk import BUILD_DIR, MAP_TITLE, SOURCE_DIR, Game, scratch_folder, wait_for


def run(command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


class Installed(unittest.TestCase):
    def check_tree(self, prefix):
        """The files of a game installed under prefix; returns the desktop entry."""
        for relative in ("libexec/mirewalk/Maps/M4.jpg", "libexec/mirewalk/Monsters/sock.jpg",
                         "share/doc/mirewalk/copyright", "share/metainfo/org.example.mirewalk.metainfo.xml"):
            self.assertTrue(os.path.isfile(os.path.join(prefix, relative)), relative)
        self.assertEqual(os.readlink(os.path.join(prefix, "games", "mirewalk")), "../libexec/mirewalk/mirewalk")
        for size in (16, 22, 24, 32, 48, 64, 128, 256):
            icon = os.path.join(prefix, f"share/icons/hicolor/{size}x{size}/apps/mirewalk.png")
            # The hero's seven colours and the clear background: no blend of a smooth scaling.
            self.assertEqual(subprocess.run(["identify", "-format", "%wx%h %k", icon], capture_output=True,
                                            text=True, check=True).stdout, f"{size}x{size} 8")
        desktop = os.path.join(prefix, "share", "applications", "org.example.mirewalk.desktop")
        subprocess.run(["desktop-file-validate", desktop], check=True)
        return desktop

    def play_into_map_2(self, launcher, program):
        """Starts the game with launcher and walks up into map 2, whose picture
        comes from the installed Maps folder."""
        with Game(launcher=launcher) as game:
            game.start("Installed")
            self.assertEqual(game.application().description, program)
            self.assertEqual(game.boxes(), "30 52 1")
            # The window carries the desktop entry's id, and the hero as its icon (16 x 16 first).
            window = run(["xdotool", "search", "--name", f"^{MAP_TITLE}$"]).split()[0]
            self.assertEqual(run(["xprop", "-id", window, "WM_CLASS"]),
                             'WM_CLASS(STRING) = "org.example.mirewalk", "Mirewalk"\n')
            self.assertEqual(run(["xprop", "-id", window, "-len", "8", "-f", "_NET_WM_ICON", "32c",
                                  "_NET_WM_ICON"]), "_NET_WM_ICON(CARDINAL) = 16\n")
            game.key("Up", "Up", "Up", "Up")
            wait_for(lambda: game.boxes() == "30 273 2", "map 2")


class Install(Installed):
    def test_the_installed_game_starts_from_its_desktop_entry(self):
        # A space, letters beyond ASCII, and the characters Exec must escape
        # (but a backslash, which CMake cannot install under).
        prefix = os.path.join(scratch_folder(self), 'a b/ünï $HOME %u "q" `x`')
        subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", prefix], check=True, capture_output=True)
        desktop = self.check_tree(prefix)
        self.play_into_map_2(["gio", "launch", desktop], os.path.join(prefix, "libexec", "mirewalk", "mirewalk"))


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
        self.assertEqual(field("Recommends"), "qt6-wayland")
        self.assertEqual(run(["ar", "t", package]), "debian-binary\ncontrol.tar.gz\ndata.tar.xz\n")
        # Packed again a moment later into another folder, it is the same to the byte.
        time.sleep(1.1)
        again = scratch_folder(self)
        subprocess.run(["cpack", "-G", "DEB", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"),
                        "-B", again], check=True, capture_output=True)
        self.assertTrue(filecmp.cmp(package, os.path.join(again, os.path.basename(package)), shallow=False))

        # lintian leaves a folder of its own in the temporary folder: it gets one that goes with the test.
        lintian = subprocess.run(["lintian", "-I", "--pedantic", package], capture_output=True, text=True,
                                 env=dict(os.environ, TMPDIR=scratch_folder(self))).stdout
        found = [line for line in lintian.splitlines() if line[:2] in ("E:", "W:") or "hardening" in line]
        if os.environ["MIREWALK_FORTIFIED"] == "0":  # a Debug or sanitized build, packed as it is
            found = [line for line in found if "hardening-no-fortify-functions" not in line]
        self.assertEqual(found, [])

        root = os.path.join(folder, "root")
        subprocess.run(["dpkg-deb", "-x", package, root], check=True)
        self.assertEqual(sorted(os.listdir(root)), ["usr"])
        self.assertNotIn("PATH", run(["readelf", "-d", os.path.join(root, "usr/libexec/mirewalk/mirewalk")]))
        desktop = self.check_tree(os.path.join(root, "usr"))
        with open(desktop) as entry:
            self.assertIn('Exec="/usr/libexec/mirewalk/mirewalk"\n', entry.read())
        subprocess.run(["appstreamcli", "validate-tree", "--no-net", root], check=True)  # and the entry's name
        self.check_manual_page(os.path.join(root, "usr/share/man/man6/mirewalk.6.gz"))
        self.play_into_map_2([os.path.join(root, "usr", "games", "mirewalk")],
                             os.path.join(root, "usr", "libexec", "mirewalk", "mirewalk"))

    def check_manual_page(self, page):
        """The page reads without a warning and names every key of the README's table."""
        shown = subprocess.run(["man", "--warnings", "-l", page], capture_output=True, text=True, check=True,
                               env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
        self.assertEqual(shown.stderr, "")
        with open(os.path.join(SOURCE_DIR, "README.md")) as readme:
            keys = [row.split("|")[2].strip() for row in readme if re.match(r"\| (map|battle|inventory)", row)]
        self.assertEqual(len(keys), 12)
        for key in keys:
            self.assertIn(key, shown.stdout)


if __name__ == "__main__":
    unittest.main()
