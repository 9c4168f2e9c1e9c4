"""The Character, Game and About menus in the real program."""

import os
import subprocess
import unittest

from mirewalk import MAP_TITLE, Played, descendants, scratch_folder, showing

class Menus(Played):
    def setUp(self):
        super().setUp()
        self.shots = scratch_folder(self)

    def map_picture(self, name):
        """A screenshot of the map view alone, as a file."""
        path = os.path.join(self.shots, name)
        self.game.screenshot(path, region=self.game.region(self.game.find("image", None)))
        return path

    def same_pictures(self, first, second):
        out = subprocess.run(["compare", "-metric", "AE", first, second, "null:"],
                             capture_output=True, text=True)
        return float(out.stderr.split()[0]) == 0

    def labels(self, title):
        window = self.game.window(title)
        return [node.name for node in descendants(window) if node.getRoleName() == "label" and showing(node)]

    def rows(self, title):
        """The rows of each list of a window, by the list's name."""
        window = self.game.window(title)
        return {node.name: [row.name for row in descendants(node) if row.getRoleName() == "list item"]
                for node in descendants(window) if node.getRoleName() == "list"}

    def leave(self, title, back):
        """Clicks a window's back label; the map comes back with the arrows working."""
        self.game.click(self.game.find("label", back))
        self.game.back_on_map()
        self.assertEqual(self.game.window_titles(), [MAP_TITLE])

    def test_each_window_opens_alone_and_back_redraws_the_hero_from_the_front(self):
        front = self.map_picture("front.png")
        self.game.walk("Left")  # stopped at x = 30, now drawn from the side
        side = self.map_picture("side.png")
        self.assertFalse(self.same_pictures(front, side))

        for menu, title, back in ((("Character", "Inventory"), "Inventory", "BACK"),
                                  (("Character", "Stats"), "Stats", "BACK"),
                                  (("About",), "ABOUT", "BACK")):
            self.game.walk("Left")
            self.game.menu(*menu)
            self.game.window(title)
            self.assertEqual(self.game.window_titles(), [title])
            self.leave(title, back)
            self.assertTrue(self.same_pictures(front, self.map_picture(f"{title}.png")), title)

    def test_the_inventory_finds_one_item_at_every_opening(self):
        for opening in (1, 2, 3):
            self.game.menu("Character", "Inventory")
            rows = self.rows("Inventory")
            self.assertEqual(sum(len(found) for found in rows.values()), opening)
            self.assertEqual(rows["LR"], [])
            self.assertEqual(self.game.box("GLD"), "0")
            self.leave("Inventory", "BACK")

    def test_stats_show_the_hero(self):
        self.game.menu("Character", "Stats")
        labels = self.labels("Stats")
        self.assertEqual(labels[:2], ["NAME : ", "Arn"])
        shown = dict(zip(labels[2::2], labels[3::2]))
        self.assertEqual(shown["LEVEL :"], "1")
        self.assertEqual(shown["EXPERIENCE :"], "0")
        self.assertEqual(shown["TO NEXT LEVEL :"], "200")
        self.assertEqual(shown["MAX HEALTH :"], shown["CURRENT HEALTH :"])
        self.leave("Stats", "BACK")

    def test_the_credits(self):
        self.game.menu("About")
        self.assertEqual(self.labels("ABOUT"), [
            "MIREWALK - BY KORVANDEL!!", "CRAPPY 2 MINUTE MSPAINT DRAWINGS -", "BY KORVANDEL!!",
            "GREAT MONSTER IDEAS -", "By Pellamund and Odrisk!!!", "PLOT IDEA IN THE MAKING -",
            "BY BRISKEL!!!!", "BACK"])
        self.leave("ABOUT", "BACK")

    def test_save_and_load_change_nothing(self):
        self.game.walk("Up")
        before = self.map_picture("before.png")
        for entry in ("Save Game", "Load Game"):
            self.game.menu("Game", entry)
            self.game.ok("Not implemented yet")
            self.assertEqual(self.game.boxes(), "30 37 1")
            self.assertTrue(self.same_pictures(before, self.map_picture(f"{entry}.png")), entry)

    def test_exit_game_thanks_the_player_and_ends_with_status_zero(self):
        self.game.menu("Character", "Inventory")
        self.leave("Inventory", "BACK")  # a hidden window is left behind
        self.game.menu("Game", "Exit Game")
        self.assertEqual(self.game.message(), "Thank you for playing!")
        self.assertIsNone(self.game.process.poll())  # still running while the box is open
        self.game.ok()
        self.assertEqual(self.game.exit_status(), 0)


if __name__ == "__main__":
    unittest.main()
