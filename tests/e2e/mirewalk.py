"""Plays the built game as a player does.

The real program runs in a real desktop session (session.sh); keys and clicks
go through the X server (xdotool), or on Wayland through the desktop's own
ways; what the screen shows is read back through the accessibility interface
(window titles, captions, box texts, message boxes) and through screenshots.
"""

import ctypes
import ctypes.util
import faulthandler
import os
import shutil
import subprocess
import tempfile
import time

import unittest

import pyatspi
from gi.repository import GLib

BUILD_DIR = os.environ.get("MIREWALK_BUILD_DIR", os.path.join(os.path.dirname(__file__), "../../build"))
SOURCE_DIR = os.path.abspath(os.path.join(os.path.dirname(__file__), "../.."))
TIMEOUT = 10.0
MAP_TITLE = "MIREWALK MAP SYSTEM - BY KORVANDEL"

# Where a test hangs, printed before ctest stops it at two minutes.
faulthandler.dump_traceback_later(105)


def wait_for(probe, what, timeout=TIMEOUT):
    """Polls probe until it gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what() if callable(what) else what}")
        time.sleep(0.02)


def scratch_folder(test):
    """A new empty folder, removed with everything in it when the test ends."""
    folder = tempfile.mkdtemp(prefix="mirewalk-e2e-")
    test.addCleanup(shutil.rmtree, folder, ignore_errors=True)
    return folder


def descendants(node):
    """Every accessible below node, depth first."""
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout


def press_keys(*keys):
    """Presses keys, by xdotool's names ("Return", "alt+g"), through the X server."""
    xdotool("key", "--delay", "15", *keys)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("message", _ClientMessage), ("pad", ctypes.c_long * 24)]


def send_delete_window(window):
    """Sends WM_DELETE_WINDOW to a window: what a frame's close button asks."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_Event)]
    x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    event = _Event()
    event.message.type = 33  # ClientMessage
    event.message.window = window
    event.message.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.message.format = 32
    event.message.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


class Game:
    """One run of the game from a folder of its own, so pictures can be taken away."""

    def __init__(self, missing=(), env=None, launcher=None, program="mirewalk", cut=(), closed=(), loader=(),
                 keys=press_keys):
        """Copies the built game to a folder of its own (as program, a path in
        it, the pictures beside), less the missing pictures and with the cut
        ones cut to half, and starts it (through loader, if given) with the
        closed standard streams closed; or runs launcher, a command that starts
        the game some other way (then the game is found by its name). keys
        presses keys on the desktop."""
        self.folder = None
        if not launcher:
            self.folder = tempfile.mkdtemp(prefix="mirewalk-e2e-")
            program = os.path.join(self.folder, program)
            os.makedirs(os.path.dirname(program), exist_ok=True)
            shutil.copy(os.path.join(BUILD_DIR, "mirewalk"), program)
            for pictures in ("Maps", "Monsters"):
                shutil.copytree(os.path.join(BUILD_DIR, pictures),
                                os.path.join(os.path.dirname(program), pictures))
            for relative in missing:
                os.remove(os.path.join(self.folder, relative))
            for relative in cut:
                os.truncate(os.path.join(self.folder, relative), os.path.getsize(os.path.join(self.folder, relative)) // 2)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="wayland" if os.environ.get("WAYLAND_DISPLAY") else "xcb")
        environment.update(env or {})
        command = launcher or [*loader, program]
        self.process = subprocess.Popen(command, env=environment, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                        text=True, preexec_fn=lambda: [os.close(stream) for stream in closed])
        self.pid = None if launcher else self.process.pid
        self.press = keys
        self.steps = 0  # arrow presses on the map so far
        self.by_keyboard = False  # close boxes and run away with keys, not the mouse

    def close(self):
        if self.pid is not None and self.pid != self.process.pid:
            try:
                os.kill(self.pid, 9)
            except ProcessLookupError:
                pass
        if self.process.poll() is None:
            self.process.kill()
        self.errors = self.process.communicate()[1] if not self.process.stderr.closed else ""
        if self.folder:
            shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # --- reading the screen -------------------------------------------------

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None:
                continue
            if self.pid is None and app.name == "Mirewalk":
                self.pid = app.get_process_id()
            if app.get_process_id() == self.pid:
                return app
        return None

    def find(self, role, name=None, timeout=TIMEOUT):
        """The first showing element of the role (or one of the roles) and
        name, waiting for it to appear."""
        roles = (role,) if isinstance(role, str) else role

        def probe():
            if self.process.poll() is not None and self.process.pid == self.pid:
                raise AssertionError(f"the game ended (status {self.process.returncode}) "
                                     f"while waiting for {role} {name!r}: {self.process.stderr.read()}")
            app = self.application()
            if app is None:
                return None
            try:
                return next((node for node in descendants(app) if node.getRoleName() in roles
                             and (name is None or node.name == name) and showing(node)), None)
            except GLib.Error:  # an element that went away while being read; the next look finds what is there
                return None
        return wait_for(probe, f"{role} {name!r}", timeout)

    def window(self, title, timeout=TIMEOUT):
        """The top-level window with the title, once it shows."""
        return self.find(("frame", "window"), title, timeout)

    def window_titles(self):
        app = self.application()
        return sorted(app.getChildAtIndex(i).name for i in range(app.childCount)
                      if showing(app.getChildAtIndex(i)))

    def box(self, name):
        """The text a text box shows."""
        text = self.find("text", name).queryText()
        return text.getText(0, text.characterCount)

    def boxes(self):
        return f"{self.box('XPOS')} {self.box('YPOS')} {self.box('MNO')}"

    def message(self, timeout=TIMEOUT):
        """The text of the open message box."""
        alert = self.find("alert", "Mirewalk", timeout)
        return "".join(node.name for node in descendants(alert) if node.getRoleName() == "label")

    def ok(self, expected=None):
        """Reads the open message box, checks its text if given, and presses its OK."""
        text = self.message()
        if expected is not None and text != expected:
            raise AssertionError(f"message box says {text!r}, expected {expected!r}")
        alert = self.find("alert", "Mirewalk")
        button = next(n for n in descendants(alert) if n.getRoleName() == "push button")
        if self.by_keyboard:  # as a player does, once the box has the keyboard
            self.wait_focus(button)
            self.key("Return")
        else:
            self.click(button)
        wait_for(lambda: not self.alert_open(), "the message box to close")
        return text

    def alert_open(self):
        app = self.application()
        return (app is not None
                and any(n.getRoleName() == "alert" and showing(n) for n in descendants(app)))

    def region(self, node, title=MAP_TITLE):
        """Where an element is in the window with the title: x, y, width, height."""
        x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        window = self.window(title).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return x - window.x, y - window.y, width, height

    def screenshot(self, path, title=MAP_TITLE, region=None):
        """A picture of the game's window with the title (or of its region, x,
        y, width, height in the window's pixels), read from the window itself:
        a compositing window manager shows it on the screen a moment later."""
        [window] = xdotool("search", "--onlyvisible", "--name", f"^{title}$").split()
        crop = ["-crop", "{2}x{3}+{0}+{1}".format(*region), "+repage"] if region else []
        subprocess.run(["import", "-window", window, *crop, path], check=True)

    def keep_screenshot(self, name):
        """Keeps a screenshot of the shown window when MIREWALK_SCREENSHOTS names a folder
        (the README's pictures are made this way)."""
        folder = os.environ.get("MIREWALK_SCREENSHOTS")
        if folder:
            self.screenshot(os.path.join(folder, name), self.window_titles()[0])

    # --- acting as the player ------------------------------------------------

    def start(self, name="Arn"):
        """Answers the name prompt and waits for the map."""
        self.find("dialog", "Mirewalk")
        prompt = self.find("text", "What is your name?")
        self.wait_focus(prompt)
        self.key(*name, "Return")
        self.back_on_map()

    def wait_focus(self, node):
        """Waits until the element holds the keyboard focus."""
        def holder():
            active = subprocess.run(["xdotool", "getactivewindow", "getwindowname"], capture_output=True,
                                    text=True).stdout.strip()
            return f"{node.name!r} to take the keyboard focus (the active window is {active!r})"
        wait_for(lambda: node.getState().contains(pyatspi.STATE_FOCUSED), holder)

    def walk(self, key, times=1, on_battle=None):
        """Presses an arrow key on the map times times. A monster met on the
        way is handled by on_battle(game), by default running away. Every
        fifth step from the sixth on may bring one. Returns the battles met."""
        battles = 0
        for _ in range(times):
            self.key(key)
            self.steps += 1
            if self.steps >= 6 and (self.steps - 6) % 5 == 0 and self.monster_appeared():
                battles += 1
                (on_battle or Game.run_away)(self)
        return battles

    def monster_appeared(self):
        """After a step that may bring a monster: closes "MONSTER HAS APPEARED" if it shows."""
        try:
            self.find("alert", "Mirewalk", timeout=1.0)
        except AssertionError:
            return False
        self.ok("MONSTER HAS APPEARED")
        self.window("MONSTER APPEARED!!!")
        return True

    def run_away(self):
        """Clicks RUN (or presses Escape) in the battle and closes "You Ran Away!!!"."""
        if self.by_keyboard:
            self.key("Escape")
        else:
            self.click(self.find("label", "RUN"))
        self.ok("You Ran Away!!!")
        self.back_on_map()

    def back_on_map(self):
        """Waits for the map window with the arrows working again."""
        self.window(MAP_TITLE)
        self.wait_focus(self.find("image", None))

    def key(self, *keys):
        self.press(*keys)

    def click(self, node):
        """A real left click in the middle of an element on the screen, once it
        has stayed in one place for a moment: the desktop may still be placing
        a window that has just opened."""
        places = []
        wait_for(lambda: places.append(tuple(node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)))
                 or len(places) >= 10 and len(set(places[-10:])) == 1, f"{node.name!r} to stay in one place")
        x, y, width, height = places[-1]
        xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")

    def menu(self, *path):
        """Clicks through the menu bar: menu("Game", "Save Game")."""
        for caption in path:
            self.click(self.find("menu item", caption))

    def close_window(self, title):
        """Closes a window through its frame, as a window manager's close button does."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                               capture_output=True, text=True, check=True)
        for window in found.stdout.split():
            send_delete_window(int(window))

    def exit_status(self, timeout=TIMEOUT):
        return self.process.wait(timeout)


class Played(unittest.TestCase):
    """A test that starts with a game of its own, its hero named Arn."""

    def setUp(self):
        self.game = Game()
        self.addCleanup(self.game.close)
        self.game.start("Arn")
