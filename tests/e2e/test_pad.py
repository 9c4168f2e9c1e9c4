"""The real program played by a game pad alone, once the name is typed: a FIFO
in a folder standing in for /dev/input carries the kernel's input_event records."""

import os
import struct
import time
import unittest

from mirewalk import MAP_TITLE, Game, scratch_folder, wait_for

EV_SYN, EV_KEY, EV_ABS = 0, 1, 3
ABS_HAT0X, ABS_HAT0Y = 0x10, 0x11
BTN_SOUTH, BTN_EAST, BTN_NORTH, BTN_START = 0x130, 0x131, 0x133, 0x13b
BATTLE = "MONSTER APPEARED!!!"


class Pad:
    """The writing end of a FIFO pad."""

    def __init__(self, path):
        os.mkfifo(path)
        self.path = path
        self.fd = None

    def send(self, kind, code, value):
        """One control's new value and the end of the frame, as the kernel reports them."""
        if self.fd is None:  # the game opens its end when it finds the FIFO
            self.fd = wait_for(lambda: self.try_open(), "the game to open the pad")
        frame = struct.pack("llHHi", 0, 0, kind, code, value) + struct.pack("llHHi", 0, 0, EV_SYN, 0, 0)
        os.write(self.fd, frame)
        time.sleep(0.05)

    def try_open(self):
        try:
            return os.open(self.path, os.O_WRONLY | os.O_NONBLOCK)
        except OSError:
            return None

    def tap(self, button):
        self.send(EV_KEY, button, 1)
        self.send(EV_KEY, button, 0)

    def push(self, axis, side):
        """The D-pad pushed to one side and let go: one step."""
        self.send(EV_ABS, axis, side)
        self.send(EV_ABS, axis, 0)

    def close(self):
        if self.fd is not None:
            os.close(self.fd)


class PlayedByPad(unittest.TestCase):
    def setUp(self):
        folder = scratch_folder(self)
        self.pad = Pad(os.path.join(folder, "event0"))
        self.addCleanup(self.pad.close)
        self.game = Game(env={"MIREWALK_INPUT_DIR": folder})
        self.addCleanup(self.game.close)
        self.game.start("Arn")

    def walk_into_battle(self):
        """Walks right and left on the D-pad until a monster appears."""
        for step in range(200):
            self.pad.push(ABS_HAT0X, 1 if step // 5 % 2 == 0 else -1)
            if self.game.alert_open():
                return self.game.message()
        self.fail("no monster in 200 steps")

    def ok(self, expected):
        """South closes the box, which says expected."""
        self.assertEqual(self.game.message(), expected)
        self.pad.tap(BTN_SOUTH)
        wait_for(lambda: not self.game.alert_open(), "the box to close")

    def test_a_battle_its_boxes_and_an_equip(self):
        self.walk_into_battle()
        self.ok("MONSTER HAS APPEARED")
        self.game.window(BATTLE)
        self.pad.tap(BTN_EAST)  # runs away
        self.ok("You Ran Away!!!")
        self.game.window(MAP_TITLE)

        self.pad.tap(BTN_START)  # the Game menu; right to Character, down to Inventory
        self.pad.push(ABS_HAT0X, 1)
        self.pad.push(ABS_HAT0Y, 1)
        self.pad.tap(BTN_SOUTH)
        self.game.window("Inventory")
        self.pad.tap(BTN_NORTH)  # L: Equip the long-range weapon
        self.pad.tap(BTN_EAST)   # BACK
        self.game.window(MAP_TITLE)

        # The Equip shows in the next battle: the long-ranged attack is offered.
        self.walk_into_battle()
        self.ok("MONSTER HAS APPEARED")
        self.game.find("label", "LONG RANGED ATTACK")
        self.pad.tap(BTN_EAST)
        self.ok("You Ran Away!!!")
        self.assertEqual(self.game.window_titles(), [MAP_TITLE])

if __name__ == "__main__":
    unittest.main()
