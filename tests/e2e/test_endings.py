"""The ways the real program ends: the hero's death, Exit Game."""

import unittest

from mirewalk import Played

class Endings(Played):
    def test_the_heros_death_ends_the_program_with_status_zero_after_its_message(self):
        # The hero rolled at every start (34 HP, strength 4) meets a Crazy
        # Nimpho on the eleventh step and cannot survive fighting it.
        met = []
        self.game.walk("Right", 5)
        self.game.walk("Left", 5)
        self.game.walk("Right", 1, on_battle=met.append)
        self.assertEqual(len(met), 1)
        for _ in range(50):
            self.game.click(self.game.find("label", "CLOSE RANGED ATTACK"))
            if self.game.process.poll() is None and self.game.alert_open():
                break
        self.assertEqual(self.game.ok(), "YOU WERE KILLED BY A WEAK MONSTER!!!! GOODBYE!!")
        self.assertEqual(self.game.exit_status(), 0)


if __name__ == "__main__":
    unittest.main()
