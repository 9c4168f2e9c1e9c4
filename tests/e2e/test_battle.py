"""Battles in the real program: met by walking, fought, run from."""

import unittest

from mirewalk import MAP_TITLE, Played, descendants, showing, wait_for

NINE_SPACES = " " * 9


def battle_labels(game):
    """The captions of the battle window's labels, in order."""
    window = game.window("MONSTER APPEARED!!!")
    return [node.name for node in descendants(window) if node.getRoleName() == "label" and showing(node)]


class Battle(Played):
    def walk_until(self, wanted):
        """Walks right and left, running from every monster but one named wanted."""
        found = []

        def meet(game):
            labels = battle_labels(game)
            if labels[4] == wanted:
                found.append(labels)
            else:
                game.run_away()

        while not found:
            self.game.walk("Right", 5, on_battle=meet)
            if not found:
                self.game.walk("Left", 5, on_battle=meet)
        return found[0]

    def test_a_snake_fought_to_victory(self):
        labels = self.walk_until("Snake")
        self.assertEqual(labels[0], "CURRENT HP:")
        self.assertEqual(labels[2], "MONSTER HP :")
        self.assertNotIn("LONG RANGED ATTACK", labels)
        self.assertEqual(labels[5:], ["CLOSE RANGED ATTACK", "DEFEND", "ITEM", "RUN"])

        for _ in range(20):
            self.game.click(self.game.find("label", "CLOSE RANGED ATTACK"))
            if self.game.alert_open() or self.wait_alert():
                break
            report = self.game.box("BINFO")
            hero, monster = report.split(NINE_SPACES)
            self.assertTrue(hero.startswith("You"), report)
            self.assertTrue(monster.startswith("The M"), report)
            self.game.keep_screenshot("battle.png")
        self.game.ok("VICTORY!!!")
        self.assertFalse(self.wait_alert())  # the fixed rolls bring no level with this victory
        self.game.back_on_map()
        self.assertEqual(self.game.window_titles(), [MAP_TITLE])
        self.game.walk("Up")  # the arrows walk again

    def test_played_without_the_mouse(self):
        self.game.by_keyboard = True  # every box is closed with Return
        self.walk_until("Smelly Sock")
        self.game.key("c")
        wait_for(lambda: self.game.box("BINFO"), "the report of the exchange")
        self.assertFalse(self.wait_alert())  # the sock stands, and so does the hero
        self.game.run_away()
        self.assertEqual(self.game.window_titles(), [MAP_TITLE])

    def wait_alert(self):
        """Whether a message box opens within a moment."""
        try:
            wait_for(self.game.alert_open, "a message box", timeout=0.6)
            return True
        except AssertionError:
            return False


if __name__ == "__main__":
    unittest.main()
