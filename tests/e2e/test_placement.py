"""The game's window stays where the player put it, and its message boxes open
over it, on the desktop session.sh started (MIREWALK_DESKTOP)."""

import itertools
import json
import os
import re
import subprocess
import threading
import unittest

import pyatspi

from mirewalk import MAP_TITLE, Game, press_keys, wait_for, xdotool

DESKTOP = os.environ.get("MIREWALK_DESKTOP", "mutter-x11")
# The player's move: away from where the window opens, leaving room for the
# battle, the largest screen, below and to the right of it.
MOVE = (240, 120)
# On X11 a box is a window of its own, which the game centres over its window.
# On Wayland the desktop places every new window, and neither of these puts a
# box over the window it belongs to (mutter 43 places a Qt program's box as any
# new window, sway at the centre of the screen): there the game shows its boxes
# inside its window.
BOXES_INSIDE = not DESKTOP.endswith("-x11")
# Pixels a box may be off: the middle of a room of odd size lies between two
# pixels, which the program and the desktop may each round their own way.
TOLERANCE = 2


class Desktop:
    """The player's hands and eyes on a desktop: key(*names) presses keys by
    xdotool's names, place(title) is where the window with the keyboard is (x,
    y, width, height) if it has that title (any, for None), else None."""

    def __init__(self, test):
        pass

    def move(self, dx, dy):
        """Drags the window with the keyboard by its title bar, as a player
        does. A desktop takes up a drag once the pointer has gone some way (a
        few pixels), and may take up a press only once the pointer has rested
        on the title bar: until the window follows the pointer along it, the
        button is let go and pressed again (not so soon as to double-click)."""
        start = self.place(None)
        x, y = self.title_bar(start)
        self.pointer(x, y)

        def grab():
            self.button(True)
            nudge = itertools.cycle((20, 21))
            try:
                return wait_for(lambda: self.pointer(x + next(nudge), y) or (self.place(None) or start)[0] != start[0],
                                "", timeout=1.0)
            except AssertionError:
                self.pointer(x, y)
                self.button(False)
                return False
        wait_for(grab, "the desktop to take up a drag")
        self.pointer(x + dx, y + dy)
        self.button(False)
        wait_for(lambda: (self.place(None) or start)[:2] == (start[0] + dx, start[1] + dy), "the drag to end")


def output(*command):
    """What a command prints, or "" if it fails (a window gone meanwhile)."""
    return subprocess.run(command, capture_output=True, text=True).stdout.strip()


class X11(Desktop):
    """mutter or KWin on the session's X server: places are the windows' insides."""

    def key(self, *keys):
        press_keys(*keys)

    def place(self, title):
        window = output("xdotool", "getactivewindow")
        return self.place_of(window) if title in (None, output("xdotool", "getwindowname", window)) else None

    def beneath(self):
        """Where the game's one other window shown is, below the one with the keyboard (a box)."""
        others = set(output("xdotool", "search", "--onlyvisible", "--classname", "^org.example.mirewalk$").split())
        others.discard(output("xdotool", "getactivewindow"))
        return self.place_of(others.pop()) if len(others) == 1 else None

    def place_of(self, window):
        found = output("xwininfo", "-id", window)
        numbers = [re.search(rf"{name}:\s+(-?\d+)", found) for name in
                   ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
        return tuple(int(number[1]) for number in numbers) if all(numbers) else None

    def title_bar(self, place):
        frame = output("xprop", "-id", output("xdotool", "getactivewindow"), "_NET_FRAME_EXTENTS")
        top = int(frame.split("=")[1].split(",")[2])
        return place[0] + place[2] // 2, place[1] - top // 2

    def pointer(self, x, y):
        xdotool("mousemove", str(x), str(y))

    def button(self, down):
        xdotool("mousedown" if down else "mouseup", "1")


class Sway(Desktop):
    """sway without a screen: keys through wtype, places (the windows' insides)
    from sway's tree, moves by sway's own command."""

    def __init__(self, test):
        # wtype adds a keyboard for each call and takes it away after, which
        # takes the focus with it: one held for the whole test keeps it, and
        # each call waits for its own keyboard before its first key.
        keeper = subprocess.Popen(["wtype", "-s", "86400000"])
        test.addCleanup(keeper.wait)
        test.addCleanup(keeper.kill)

    def key(self, *keys):
        command = ["wtype", "-s", "300"]
        for key in keys:
            *modifiers, name = key.split("+")
            command += [*itertools.chain(*(("-M", m) for m in modifiers)), "-k", name,
                        *itertools.chain(*(("-m", m) for m in modifiers))]
        subprocess.run(command, check=True)

    def place(self, title):
        tree = json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], capture_output=True, check=True).stdout)
        nodes = [tree]
        for node in nodes:
            nodes += node["nodes"] + node["floating_nodes"]
        focused = next((node for node in nodes if node["focused"] and node["type"] in ("con", "floating_con")), None)
        if not focused or title not in (None, focused["name"]):
            return None
        inside = focused["window_rect"]
        return (focused["rect"]["x"] + inside["x"], focused["rect"]["y"] + inside["y"],
                inside["width"], inside["height"])

    def move(self, dx, dy):
        start = self.place(None)
        subprocess.run(["swaymsg", f"move right {dx} px, move down {dy} px"], check=True, capture_output=True)
        wait_for(lambda: (self.place(None) or start)[:2] == (start[0] + dx, start[1] + dy), "the move to end")


class MutterWayland(Desktop):
    """mutter without a screen, played through its remote desktop and seen
    through its screen casts: a picture of the screen, in which a picture of
    the window with the keyboard is found. Places are the whole windows, which
    draw their own title bars."""

    KEYCODES = {"Escape": 1, "Return": 28, "alt": 56, "shift": 42, "Up": 103, "Left": 105, "Right": 106,
                "Down": 108, **{letter: code for row, first in (("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44))
                                for code, letter in enumerate(row, first)}}
    REMOTE, CAST = "org.gnome.Mutter.RemoteDesktop", "org.gnome.Mutter.ScreenCast"

    def __init__(self, test):
        import gi
        gi.require_version("Gst", "1.0")
        from gi.repository import Gio, GLib, Gst
        self.GLib, self.Gst = GLib, Gst
        Gst.init(None)
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        # A remote desktop, held from before the game starts to the end, with
        # a cast of the screen that absolute pointer motion is measured in.
        [self.remote] = self.call(self.REMOTE, "/org/gnome/Mutter/RemoteDesktop", self.REMOTE + ".CreateSession",
                                  None, "(o)")
        [remote_id] = self.call(self.REMOTE, self.remote, "org.freedesktop.DBus.Properties.Get",
                                GLib.Variant("(ss)", (self.REMOTE + ".Session", "SessionId")), "(v)")
        session, self.screen_stream = self.cast("RecordMonitor", GLib.Variant("(sa{sv})", ("", {})), remote_id)
        node = self.start(self.REMOTE, self.remote, self.screen_stream)
        test.addCleanup(self.call, self.REMOTE, self.remote, "Stop")
        self.screen = Gst.parse_launch(f"pipewiresrc path={node} always-copy=true ! video/x-raw ! "
                                       "appsink name=sink sync=false max-buffers=1 drop=true enable-last-sample=true")
        self.screen.set_state(Gst.State.PLAYING)
        test.addCleanup(self.screen.set_state, Gst.State.NULL)

    def call(self, name, path, method, arguments=None, reply=None):
        interface, method = method.rsplit(".", 1) if "." in method else (name + ".Session", method)
        return self.bus.call_sync(name, path, interface, method, arguments,
                                  self.GLib.VariantType(reply) if reply else None, 0, -1, None).unpack()

    def cast(self, record, arguments, remote_id=None):
        """A new screen cast session recording one stream: its paths."""
        options = {"remote-desktop-session-id": self.GLib.Variant("s", remote_id)} if remote_id else {}
        [session] = self.call(self.CAST, "/org/gnome/Mutter/ScreenCast", self.CAST + ".CreateSession",
                              self.GLib.Variant("(a{sv})", (options,)), "(o)")
        [stream] = self.call(self.CAST, session, record, arguments, "(o)")
        return session, stream

    def start(self, name, session, stream):
        """Starts a session; the PipeWire node of its stream."""
        nodes = []
        watch = self.bus.signal_subscribe(self.CAST, self.CAST + ".Stream", "PipeWireStreamAdded", stream, None,
                                          0, lambda *signal: nodes.append(signal[5].unpack()[0]))
        self.call(name, session, "Start")
        context = self.GLib.MainContext.default()
        wait_for(lambda: [context.iteration(False)] and nodes, "the screen cast's stream")
        self.bus.signal_unsubscribe(watch)
        return nodes[0]

    def key(self, *keys):
        for key in keys:
            codes = [self.KEYCODES[name] for name in key.split("+")] if len(key) > 1 or key.islower() else \
                [self.KEYCODES["shift"], self.KEYCODES[key.lower()]]
            for code, down in [(code, True) for code in codes] + [(code, False) for code in reversed(codes)]:
                self.call(self.REMOTE, self.remote, "NotifyKeyboardKeycode", self.GLib.Variant("(ub)", (code, down)))

    def picture(self, sample):
        """A sample's pixels (4 bytes each), its width and height."""
        if sample is None:
            raise LookupError("no picture yet")
        structure = sample.get_caps().get_structure(0)
        buffer = sample.get_buffer()
        return buffer.extract_dup(0, buffer.get_size()), structure.get_value("width"), structure.get_value("height")

    def focused_window(self):
        """A picture of the window with the keyboard, as bytes and its width and
        height; the cast puts it in the corner of a larger picture, clear around."""
        session, stream = self.cast("RecordWindow", self.GLib.Variant("(a{sv})", ({},)))
        cast = self.Gst.parse_launch(f"pipewiresrc path={self.start(self.CAST, session, stream)} ! video/x-raw ! "
                                     "appsink name=sink sync=false")
        cast.set_state(self.Gst.State.PLAYING)
        try:
            sample = cast.get_by_name("sink").emit("try-pull-sample", 5 * self.Gst.SECOND)
        finally:
            # The cast ends at mutter first; PipeWire's source may still never
            # stop (a cast that gave no picture), and is then left behind.
            self.call(self.CAST, session, "Stop")
            stop = threading.Thread(target=cast.set_state, args=(self.Gst.State.NULL,), daemon=True)
            stop.start()
            stop.join(5)
        data, width, height = self.picture(sample)
        stride = len(data) // height
        rows = [data[y * stride:(y + 1) * stride].rstrip(b"\0") for y in range(height)]
        return rows, max(len(row) for row in rows) // 4, max(y for y, row in enumerate(rows) if row) + 1

    def place(self, title):
        """Where the picture of the window with the keyboard is in the
        screen's: found by its most varied row, then checked row by row (but
        the corners, which show what lies behind)."""
        try:
            rows, width, height = self.focused_window()
            screen, screen_width, _ = self.picture(self.screen.get_by_name("sink").get_property("last-sample"))
        except (self.GLib.Error, LookupError):  # no window has the keyboard, or no picture came
            return None
        edge = 8
        inside = [row[4 * edge:4 * (width - edge)] for row in rows[:height]]
        key = max(range(height), key=lambda y: len({inside[y][i:i + 4] for i in range(0, len(inside[y]), 4)}))
        found = -1
        while (found := screen.find(inside[key], found + 1)) >= 0:
            y, x = divmod(found // 4, screen_width)
            x, y = x - edge, y - key
            starts = [4 * ((y + row) * screen_width + x + edge) for row in range(height)]
            if found % 4 == 0 and all(screen[at:at + len(inside[row])] == inside[row] for row, at in enumerate(starts)):
                return x, y, width, height
        return None

    def title_bar(self, place):
        return place[0] + place[2] // 2, place[1] + 12

    def pointer(self, x, y):
        self.call(self.REMOTE, self.remote, "NotifyPointerMotionAbsolute",
                  self.GLib.Variant("(sdd)", (self.screen_stream, x, y)))

    def button(self, down):
        self.call(self.REMOTE, self.remote, "NotifyPointerButton", self.GLib.Variant("(ib)", (0x110, down)))


DESKTOPS = {"mutter-x11": X11, "kwin-x11": X11, "mutter-wayland": MutterWayland, "sway": Sway}


class Placement(unittest.TestCase):
    def setUp(self):
        self.desktop = DESKTOPS[DESKTOP](self)
        self.game = Game(keys=self.desktop.key)
        self.addCleanup(self.game.close)
        self.game.by_keyboard = True

    def test_the_window_stays_where_the_player_put_it_and_boxes_open_over_it(self):
        self.game.start("Arn")
        self.keyboard(MAP_TITLE)
        opened = wait_for(lambda: self.desktop.place(MAP_TITLE), "the map on the desktop")
        self.desktop.move(*MOVE)
        self.spot = (opened[0] + MOVE[0], opened[1] + MOVE[1])

        # From the start the eleventh step meets a monster; the player runs.
        self.game.walk("Right", 5)
        self.game.walk("Left", 5)
        self.game.key("Right")
        self.game.steps += 1
        self.box_over("MONSTER HAS APPEARED")
        self.placed_by_player("MONSTER APPEARED!!!")
        self.game.key("Escape")
        self.box_over("You Ran Away!!!")
        self.back_on_map()

        for menu, entry in (("alt+c", "Stats"), ("alt+c", "Inventory")):
            self.game.key(menu)
            self.game.find("menu item", entry)
            self.game.key(entry[0].lower())
            self.placed_by_player(entry)
            self.game.key("Escape")
            self.back_on_map()

        self.game.key("alt+g")
        self.game.find("menu item", "Save Game")
        self.game.key("s")
        self.box_over("Not implemented yet")
        self.back_on_map()

    def keyboard(self, title, role=("frame", "window")):
        """Waits until the window with the title has the keyboard."""
        window = self.game.find(role, title)
        wait_for(lambda: window.getState().contains(pyatspi.STATE_ACTIVE), f"{title!r} to have the keyboard")

    def settled(self, probe, right):
        """probe()'s first value as soon as right(value) holds, or its last
        after a moment: the desktop may still be placing a window."""
        values = [wait_for(probe, "the desktop to show it")]
        try:
            wait_for(lambda: right(values[-1]) or values.append(probe() or values[-1]), "", timeout=2.0)
        except AssertionError:
            pass
        return values[-1]

    def placed_by_player(self, title):
        """The window with the title, once it has the keyboard: it must be
        where the player put it."""
        self.keyboard(title)
        place = self.settled(lambda: self.desktop.place(title), lambda place: place[:2] == self.spot)
        with self.subTest(title):
            self.assertEqual(place[:2], self.spot, f"{title!r} is not where the player put the window")
        return place

    def back_on_map(self):
        """The map is back where the player put it, and an arrow walks."""
        self.game.back_on_map()
        self.placed_by_player(MAP_TITLE)
        before = self.game.boxes()
        self.game.walk("Left" if self.game.steps % 2 else "Right")
        wait_for(lambda: self.game.boxes() != before, "the hero to take a step")

    def box_over(self, text):
        """The box with the text has the keyboard, opens centred over the
        game's window (inside it on Wayland), and Return closes it."""
        self.assertEqual(self.game.message(), text)

        def off(box, window):
            return max(abs(box[axis] - window[axis] - (window[axis + 2] - box[axis + 2]) // 2) for axis in (0, 1))
        if BOXES_INSIDE:
            window = self.game.find(("frame", "window"))
            self.keyboard(window.name)
            box = self.game.find("alert", "Mirewalk").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            window = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        else:
            self.keyboard("Mirewalk", "alert")
            box, window = self.settled(lambda: (self.desktop.place("Mirewalk"), self.desktop.beneath()),
                                       lambda pair: all(pair) and off(*pair) <= TOLERANCE)
        with self.subTest(text):
            self.assertTrue(box and window, f"{text!r} at {box}, the game's window at {window}")
            self.assertLessEqual(off(box, window), TOLERANCE,
                                 f"{text!r} ({box[2]} x {box[3]}) opens at {box[:2]} over the window at {window}")
        self.game.ok(text)

if __name__ == "__main__":
    unittest.main()
