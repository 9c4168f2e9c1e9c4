"""The stats and the credits as a screen reader reads them in the real program."""

import unittest

from mirewalk import MAP_TITLE, Played, descendants, showing


class Menus(Played):
    def labels(self, title):
        window = self.game.window(title)
        return [node.name for node in descendants(window) if node.getRoleName() == "label" and showing(node)]

    def leave(self, title, back):
        """Clicks a window's back label; the map comes back with the arrows working."""
        self.game.click(self.game.find("label", back))
        self.game.back_on_map()
        self.assertEqual(self.game.window_titles(), [MAP_TITLE])

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


if __name__ == "__main__":
    unittest.main()
