#!/usr/bin/env python3
"""Whole-program journeys: the real executable in a real X server (Xvfb, with a small window
manager for close events), driven by xdotool, its effects read from the files it writes and
from the requests the reference report server receives.

    journeys.py <build folder> <source folder>

Every journey runs in a fresh working folder made from the demo set-up. The screen is 800 x 600,
the size a first run opens the main window at, so the controls stand where the layout rule
puts them for that size.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

BUILD = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else "build"
SOURCE = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else "."
PROGRAM = os.path.join(BUILD, "quorvane")
REPORT_SERVER = os.path.join(BUILD, "quorvane-report-server")
FALLOUT_INI = os.path.join("Profile", "Documents", "My Games", "FalloutNV", "Fallout.ini")
PREFS_INI = os.path.join("Profile", "Documents", "My Games", "FalloutNV", "FalloutPrefs.ini")
DEFAULT_INI = os.path.join("Game", "Fallout New Vegas", "Fallout_default.ini")
GAME_FILES = (FALLOUT_INI, PREFS_INI, DEFAULT_INI)

# Where the controls stand at 800 x 600 (client coordinates = screen coordinates here).
def category_button(i):
    return (73, 94 + 40 * i)
SETTINGS_BUTTON = (73, 77 + 388 + 15)
PRESETS_BUTTON = (73, 77 + 428 + 15)
APPLY_BUTTON = (73, 77 + 468 + 20)
LIST_TOP_ROW = (250, 112)
SLIDER_LEFT_END = (496 + 7, 109 + 12)     # the handle of a slider at its lowest position
SLIDER_RIGHT_END = (496 + 226, 109 + 12)
ON_BUTTON = (569 + 40, 105 + 15)
OFF_BUTTON = (646 + 40, 105 + 15)


class Display:
    """Xvfb and a window manager for the whole run."""

    def __init__(self):
        self.number = self._free_display()
        self.name = ":%d" % self.number
        self.xvfb = subprocess.Popen(["Xvfb", self.name, "-screen", "0", "800x600x24", "-nolisten", "tcp"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._wait_for(lambda: self.run(["xdotool", "getdisplaygeometry"]).returncode == 0, "Xvfb")
        self.wm = subprocess.Popen(["matchbox-window-manager", "-use_titlebar", "no"], env=self.env(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(0.5)

    @staticmethod
    def _free_display():
        for number in range(90, 200):
            if not os.path.exists("/tmp/.X%d-lock" % number) and not os.path.exists("/tmp/.X11-unix/X%d" % number):
                return number
        raise RuntimeError("no free X display")

    def env(self, extra=None):
        env = dict(os.environ, DISPLAY=self.name)
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("WAYLAND_DISPLAY", None)
        env.update(extra or {})
        return env

    def run(self, args):
        return subprocess.run(args, env=self.env(), capture_output=True, text=True)

    @staticmethod
    def _wait_for(condition, what, seconds=20):
        end = time.time() + seconds
        while time.time() < end:
            if condition():
                return
            time.sleep(0.1)
        raise RuntimeError("timed out waiting for " + what)

    def close(self):
        for process in (self.wm, self.xvfb):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


class ReportServer:
    def __init__(self, folder):
        self.log = os.path.join(folder, "reports.log")
        self.process = subprocess.Popen([REPORT_SERVER, "--port", "0", "--latest", "1.60", "--log", self.log],
                                        stdout=subprocess.PIPE, text=True)
        line = self.process.stdout.readline()
        self.url = re.search(r"(http://[0-9.]+:\d+/)", line).group(1)

    def reports(self):
        """(id, text) of every usage report received, in order."""
        if not os.path.exists(self.log):
            return []
        with open(self.log) as log:
            return [tuple(line.split()[1:3]) for line in log if line.strip()]

    def close(self):
        self.process.terminate()
        self.process.wait(5)
        self.process.stdout.close()


DISPLAY = None


def setUpModule():
    global DISPLAY
    DISPLAY = Display()


def tearDownModule():
    DISPLAY.close()


class Journey(unittest.TestCase):
    """One program run in a fresh working folder made from the demo set-up."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="quorvane-e2e-%s-" % self._testMethodName)
        shutil.copytree(os.path.join(SOURCE, "demo"), self.folder, dirs_exist_ok=True)
        shutil.copytree(os.path.join(SOURCE, "data", "Data"), os.path.join(self.folder, "Data"), dirs_exist_ok=True)
        pictures = os.path.join(BUILD, "pictures", "Data")
        if os.path.isdir(pictures):
            shutil.copytree(pictures, os.path.join(self.folder, "Data"), dirs_exist_ok=True)
        self.server = ReportServer(self.folder)
        self.program = None
        self.problems_before = self._problems()

    def _problems(self):
        result = self._outcome.result
        return len(result.failures) + len(result.errors)

    def tearDown(self):
        if self.program and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.server.close()
        if self._problems() == self.problems_before:
            shutil.rmtree(self.folder, ignore_errors=True)
        else:
            print("journey folder kept:", self.folder, file=sys.stderr)

    # --- the program -------------------------------------------------------------------------

    def start(self, **environment):
        environment.setdefault("QUORVANE_REPORT_URL", self.server.url)
        self.program = subprocess.Popen([PROGRAM], cwd=self.folder, env=DISPLAY.env(environment),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def window(self, title="Quorvane", seconds=30):
        """The id of the first visible window with exactly this title, once it is mapped."""
        end = time.time() + seconds
        while time.time() < end:
            found = DISPLAY.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title)])
            ids = found.stdout.split()
            if ids:
                time.sleep(0.5)  # let the first pass of the loop lay the window out
                return ids[0]
            if self.program.poll() is not None:
                self.fail("the program ended (code %s) before showing %r" % (self.program.returncode, title))
            time.sleep(0.1)
        self.fail("no window %r" % title)

    def windows_named(self, title):
        found = DISPLAY.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title)])
        return found.stdout.split()

    def wait_for(self, condition, what, seconds=30):
        end = time.time() + seconds
        while time.time() < end:
            if condition():
                return
            time.sleep(0.1)
        self.fail("timed out waiting for " + what)

    def wait_gone(self, window):
        self.wait_for(lambda: DISPLAY.run(["xdotool", "getwindowname", window]).returncode != 0,
                      "window %s to close" % window)

    def click_in(self, window, point, button=1):
        """A click at `point` in the client coordinates of `window`."""
        DISPLAY.run(["xdotool", "mousemove", "--sync", "--window", window, str(point[0]), str(point[1]),
                     "click", str(button)])
        time.sleep(0.3)

    def choose_file(self, title, path):
        """Answers the file dialog titled `title` by typing the path."""
        self.window(title)
        self.keys("ctrl+a")
        self.type(path)
        self.keys("Return")
        time.sleep(0.3)

    def click(self, point, button=1):
        DISPLAY.run(["xdotool", "mousemove", "--sync", str(point[0]), str(point[1]), "click", str(button)])
        time.sleep(0.3)

    def drag(self, start, end):
        DISPLAY.run(["xdotool", "mousemove", "--sync", str(start[0]), str(start[1]), "mousedown", "1"])
        for step in range(1, 6):
            x = start[0] + (end[0] - start[0]) * step // 5
            y = start[1] + (end[1] - start[1]) * step // 5
            DISPLAY.run(["xdotool", "mousemove", "--sync", str(x), str(y)])
            time.sleep(0.05)
        DISPLAY.run(["xdotool", "mouseup", "1"])
        time.sleep(0.3)

    def keys(self, *names):
        DISPLAY.run(["xdotool", "key", "--delay", "80"] + list(names))
        time.sleep(0.3)

    def type(self, text):
        DISPLAY.run(["xdotool", "type", "--delay", "30", text])
        time.sleep(0.3)

    def close_window(self, title="Quorvane"):
        DISPLAY.run(["wmctrl", "-c", title])

    def wait_for_exit(self, seconds=40):
        try:
            return self.program.wait(seconds)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end")

    # --- files ---------------------------------------------------------------------------------

    def path(self, relative):
        return os.path.join(self.folder, relative)

    def read(self, relative):
        with open(self.path(relative), "rb") as f:
            return f.read()

    def prefs(self):
        """QRZprefs.ini as a dict of its keys."""
        text = self.read("QRZprefs.ini").decode("latin-1")
        return dict(line.split(" = ", 1) for line in text.split("\r\n") if " = " in line)

    def game_file_bytes(self):
        return {name: self.read(name) for name in GAME_FILES}

    def select_loaded_area(self):
        """Opens "View distance" and its first setting, "Loaded area" (uGridsToLoad, 5 to 11)."""
        self.click(category_button(2))
        self.click(LIST_TOP_ROW)
        self.keys("Home")

    def write_normal_start_prefs(self, **overrides):
        keys = {"Width": "800", "Height": "600", "UseFontName": "Segoe UI", "UseFontSize": "10",
                "Config1": FALLOUT_INI.replace("/", "\\"), "Config2": PREFS_INI.replace("/", "\\"),
                "Config3": DEFAULT_INI.replace("/", "\\"), "GamePath": "", "BP_Save": "0", "BP_Exit": "0",
                "Tip1Given": "0", "ID": "31337"}
        keys.update(overrides)
        with open(self.path("QRZprefs.ini"), "wb") as f:
            f.write("".join("%s = %s\r\n" % item for item in keys.items()).encode("latin-1"))

    @staticmethod
    def changed_lines(before, after):
        """Lines of `after` that are not at the same place in `before`, when the line count kept."""
        old, new = before.split(b"\r\n"), after.split(b"\r\n")
        if len(old) != len(new):
            return None
        return [(a, b) for a, b in zip(old, new) if a != b]


class Journeys(Journey):
    def test_editing_with_keyboard_and_mouse(self):
        self.write_normal_start_prefs()
        before = {name: self.read(name) for name in GAME_FILES}
        self.start()
        self.window()
        self.click(category_button(2))        # "View distance"
        self.click(LIST_TOP_ROW)
        self.keys("Home")                      # "Loaded area" (uGridsToLoad), a slider from 5 to 11
        self.drag(SLIDER_LEFT_END, SLIDER_RIGHT_END)  # the mouse drags it to 11
        self.keys("Left")                      # and the keyboard takes it one step back
        self.click(APPLY_BUTTON)
        self.close_window()
        self.assertEqual(self.wait_for_exit(), 0)

        for name in GAME_FILES:
            changed = self.changed_lines(before[name], self.read(name))
            self.assertIsNotNone(changed, name)
            for old, new in changed:
                self.assertTrue(old.lower().startswith(b"ugridstoload=") and new.startswith(b"uGridsToLoad="),
                                (name, old, new))
        changed = self.changed_lines(before[FALLOUT_INI], self.read(FALLOUT_INI))
        self.assertEqual(len(changed), 1)
        self.assertEqual(changed[0][1], b"uGridsToLoad=10")

    def test_exit_sends_one_time_report(self):
        self.write_normal_start_prefs(ID="4711")
        self.start()
        self.window()
        time.sleep(1.0)
        self.close_window()
        self.assertEqual(self.wait_for_exit(), 0)
        reports = self.server.reports()
        self.assertEqual(len(reports), 1, reports)
        self.assertEqual(reports[0][0], "4711")
        self.assertRegex(reports[0][1], r"^TIME-\d+\.\d$")

    def test_first_run_finds_everything(self):
        before = self.game_file_bytes()
        self.start()
        self.window()
        time.sleep(1.0)
        self.close_window()
        self.assertEqual(self.wait_for_exit(), 0)

        text = self.read("QRZprefs.ini").decode("latin-1")
        lines = text.split("\r\n")
        self.assertEqual(lines[-1], "")
        self.assertEqual([line.split(" = ")[0] for line in lines[:-1]],
                         ["Width", "Height", "UseFontName", "UseFontSize", "Config1", "Config2", "Config3",
                          "GamePath", "BP_Save", "BP_Exit", "Tip1Given", "ID"])
        prefs = self.prefs()
        self.assertEqual((prefs["Width"], prefs["Height"], prefs["UseFontName"], prefs["UseFontSize"]),
                         ("800", "600", "Segoe UI", "10"))
        self.assertTrue(prefs["Config1"].endswith("Fallout.ini"), prefs)
        self.assertTrue(prefs["GamePath"].endswith("FalloutNV.exe"), prefs)
        self.assertTrue(0 <= int(prefs["ID"]) <= 999999)
        for slot, name in enumerate(GAME_FILES, start=1):
            self.assertEqual(self.read(os.path.join("Presets", "First-time backup.P%d" % slot)), before[name])
        reports = self.server.reports()
        self.assertEqual(reports[0], ("0", "OK"))
        self.assertEqual(len(reports), 2, reports)
        self.assertEqual(reports[1][0], prefs["ID"])
        self.assertTrue(reports[1][1].startswith("TIME-"))

    def test_first_run_without_hints_uses_the_setup_window(self):
        os.remove(self.path("SetupInfo.ini"))
        self.start()
        setup = self.window()
        for box, name in enumerate(GAME_FILES):
            self.click_in(setup, (29 + 476 + 45, 150 + 55 * box + 20))
            self.choose_file(os.path.basename(name), self.path(name))
        self.click_in(setup, (500 + 55, 344 + 18))
        self.wait_gone(setup)
        self.window()
        time.sleep(1.0)
        self.close_window()
        self.assertEqual(self.wait_for_exit(), 0)
        prefs = self.prefs()
        self.assertEqual([prefs["Config1"], prefs["Config2"], prefs["Config3"]], [self.path(n) for n in GAME_FILES])
        texts = [text for _, text in self.server.reports()]
        self.assertEqual(texts[0], "Miss-1-1-1")
        self.assertTrue(texts[-1].startswith("TIME-"))

    def test_preset_keeps_pending_changes_and_loads_them_back(self):
        self.write_normal_start_prefs()
        self.start()
        self.window()
        self.select_loaded_area()
        self.drag(SLIDER_LEFT_END, SLIDER_RIGHT_END)          # 11, not applied
        self.click(PRESETS_BUTTON)
        presets = self.window("Presets")
        self.click_in(presets, (25 + 165, 296 + 13))
        self.keys("ctrl+a")
        self.type("Journey")
        self.click_in(presets, (371 + 47, 294 + 15))          # Create
        self.window("Create preset")
        self.keys("alt+y")                                      # include the unsaved change
        time.sleep(0.5)
        self.close_window("Presets")
        self.drag(SLIDER_RIGHT_END, SLIDER_LEFT_END)          # back to 5
        self.click(PRESETS_BUTTON)
        presets = self.window("Presets")
        self.click_in(presets, (25 + 100, 50 + 34))            # the preset's row
        self.click_in(presets, (371 + 47, 49 + 15))            # Load
        self.wait_gone(presets)                                 # loading closes the window
        self.click(APPLY_BUTTON)
        self.close_window()
        self.assertEqual(self.wait_for_exit(), 0)
        self.assertIn(b"\r\nuGridsToLoad=11\r\n", self.read(FALLOUT_INI))
        self.assertIn(b"\r\nuGridsToLoad=11\r\n", self.read(os.path.join("Presets", "Journey.P1")))

    def test_settings_window_points_fallout_ini_elsewhere(self):
        self.write_normal_start_prefs()
        elsewhere = self.path(os.path.join("Elsewhere", "Fallout.ini"))
        os.makedirs(os.path.dirname(elsewhere))
        shutil.copyfile(self.path(FALLOUT_INI), elsewhere)
        original = self.read(FALLOUT_INI)
        self.start()
        self.window()
        self.click(SETTINGS_BUTTON)
        settings = self.window("Settings")
        self.click_in(settings, (30 + 261, 60 + 12))
        self.keys("ctrl+a")
        self.type(elsewhere)
        self.click_in(settings, (448 + 45, 347 + 15))          # OK
        self.wait_gone(settings)
        self.assertEqual(self.prefs()["Config1"], elsewhere)
        self.select_loaded_area()
        self.drag(SLIDER_LEFT_END, SLIDER_RIGHT_END)
        self.click(APPLY_BUTTON)
        self.close_window()
        self.assertEqual(self.wait_for_exit(), 0)
        self.assertIn(b"\r\nuGridsToLoad=11\r\n", self.read(elsewhere))
        self.assertEqual(self.read(FALLOUT_INI), original)

    def test_read_only_fallout_ini_is_written_and_left_writable(self):
        self.write_normal_start_prefs()
        os.chmod(self.path(FALLOUT_INI), 0o444)
        self.start()
        self.window()
        self.select_loaded_area()
        self.drag(SLIDER_LEFT_END, SLIDER_RIGHT_END)
        self.click(APPLY_BUTTON)
        self.close_window()
        self.assertEqual(self.wait_for_exit(), 0)
        self.assertIn(b"\r\nuGridsToLoad=11\r\n", self.read(FALLOUT_INI))
        self.assertTrue(os.stat(self.path(FALLOUT_INI)).st_mode & 0o200)

    def test_missing_falloutprefs_brings_back_the_setup_window(self):
        self.write_normal_start_prefs(ID="77")
        os.remove(self.path(PREFS_INI))
        self.start()
        self.window()
        time.sleep(0.5)
        self.close_window()                                     # the setup window's close box ends the program
        self.assertEqual(self.wait_for_exit(), 0)
        self.assertEqual(self.server.reports(), [("77", "Miss-0-1-0")])

    def test_unusable_work_folder_gives_qz05b_and_keeps_the_files(self):
        self.write_normal_start_prefs()
        temp = self.path("temp")
        os.makedirs(temp)
        with open(os.path.join(temp, "quorvane-%d" % os.getuid()), "w") as blocker:
            blocker.write("not a folder")
        before = self.game_file_bytes()
        self.start(TMPDIR=temp)
        self.window()
        self.select_loaded_area()
        self.drag(SLIDER_LEFT_END, SLIDER_RIGHT_END)
        self.click(APPLY_BUTTON)
        for _ in range(3):                                      # one message for each file
            self.window("Error")
            self.keys("Return")
            time.sleep(0.3)
        self.close_window()
        self.assertEqual(self.wait_for_exit(), 0)
        self.assertEqual(self.game_file_bytes(), before)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
