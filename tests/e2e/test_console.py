"""End to end: the 64-bit Tollvane.exe on Wine's console inside tmux, where
the console's attribute words become colour codes that capture-pane shows
(0x0F, 0x0A, 0x0C and the starting 0x07 as SGR 97, 92, 91 and 39).

Usage: test_console.py PATH/TO/windows-x64/Tollvane.exe
"""
import os
import re
import shlex
import subprocess
import sys
import time
import unittest

from winetools import WINE64, WinePrefix

EXE = None
WHITE, GREEN, RED, DEFAULT = "97", "92", "91", "39"
SGR = re.compile(r"\x1b\[([0-9;]*)m")
END = "END-OF-RUN"
AFTER = "AFTER-TOLLVANE"


def coloured_screen(captured):
    """The screen as text, with the foreground colour code of each character."""
    text, colours = [], []
    colour = DEFAULT
    position = 0
    for match in SGR.finditer(captured):
        for char in captured[position:match.start()]:
            text.append(char)
            colours.append(colour)
        for code in (match.group(1) or "0").split(";"):
            if code in ("0", "39"):
                colour = DEFAULT
            elif re.fullmatch(r"3[0-7]|9[0-7]", code):
                colour = code
        position = match.end()
    for char in captured[position:]:
        text.append(char)
        colours.append(colour)
    return "".join(text), colours


class Tmux:
    """A private tmux server; each run gets a window tall enough for the help screen."""

    def __init__(self):
        self.socket = "tollvane-%d" % os.getpid()

    def tmux(self, *args, check=True):
        return subprocess.run(["tmux", "-L", self.socket, "-f", "/dev/null", *args],
                              capture_output=True, text=True, timeout=30, check=check).stdout

    def start(self, name, command):
        self.tmux("new-session", "-d", "-s", name, "-x", "120", "-y", "100", command)

    def capture(self, name):
        return self.tmux("capture-pane", "-e", "-p", "-J", "-t", name)

    def wait_for(self, name, needle, timeout=60):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            screen = self.capture(name)
            if needle in screen:
                return screen
            time.sleep(0.2)
        raise AssertionError("%r did not appear; the screen:\n%s" % (needle, self.capture(name)))

    def close(self):
        self.tmux("kill-server", check=False)


class ConsoleTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = WinePrefix().__enter__()
        cls.terminal = Tmux()

    @classmethod
    def tearDownClass(cls):
        cls.terminal.close()
        cls.prefix.__exit__(None, None, None)

    def start(self, name, args, prompt="$P$G"):
        """Runs Tollvane on the console of a new tmux window. The shell prints
        START before it and, once the console has settled, END after it.
        With a prompt, Tollvane runs inside cmd, which then echoes AFTER on
        the same console in whatever colour Tollvane left behind."""
        run = ["env", "-u", "PROMPT", "WINEPREFIX=" + self.prefix.path, "WINEDEBUG=-all",
               "WINEDLLOVERRIDES=mscoree,mshtml=", WINE64]
        if prompt is None:
            run += [EXE, *args]
        else:
            run += ["cmd", "/c", "Z:" + EXE.replace("/", "\\"), *args, "&", "echo", AFTER]
        command = "printf 'START\\n'; %s; sleep 1; printf '%s\\n'; sleep 600" % (
            shlex.join(run), END)
        self.terminal.start(name, "sh -c " + shlex.quote(command))

    def run_on_console(self, name, *args):
        self.start(name, args)
        return coloured_screen(self.terminal.wait_for(name, END))

    def assertColour(self, screen, needle, colour):
        text, colours = screen
        at = text.find(needle)
        self.assertNotEqual(at, -1, "%r not on the screen:\n%s" % (needle, text))
        seen = {colours[i] for i in range(at, at + len(needle)) if not text[i].isspace()}
        self.assertEqual(seen, {colour}, "colour of %r" % needle)

    def assertBannerAndEnds(self, screen, through_cmd=True):
        self.assertColour(screen, "START", DEFAULT)
        if through_cmd:
            # Tollvane put the console's word back before it ended.
            self.assertColour(screen, AFTER, DEFAULT)
        self.assertColour(screen, "*" * 64, WHITE)
        self.assertColour(screen, "Tollvane v1.5 by Quenlight", WHITE)
        self.assertColour(screen, "https://www.quenlight.com/tollvane/", WHITE)
        # The console is back at its starting colour once the process is gone.
        self.assertColour(screen, END, DEFAULT)

    def test_help_screen(self):
        screen = self.run_on_console("help", "-h")
        self.assertBannerAndEnds(screen)
        self.assertColour(screen, "Usage:", GREEN)
        self.assertColour(screen, "//Show Current Status of 'Automatic Reboot' setting", GREEN)
        self.assertColour(screen, "Tollvane.exe -h", GREEN)

    def test_status_report_and_change(self):
        self.prefix.set_auto_reboot("REG_DWORD", "0")
        screen = self.run_on_console("change", "1")
        self.assertBannerAndEnds(screen)
        self.assertColour(screen, "[*] Enabling Automatic Reboot on Your System", GREEN)
        self.assertColour(screen, "[*] Successfully Enabled Automatic Reboot on your System", GREEN)

        screen = self.run_on_console("status", "-s")
        self.assertBannerAndEnds(screen)
        self.assertColour(screen, "[*] Automatic Reboot is currently Enabled on your System", GREEN)

    def test_error_report(self):
        self.prefix.delete_crash_control()
        screen = self.run_on_console("missing", "-s")
        self.assertBannerAndEnds(screen)
        self.assertColour(screen, "[*] Error: Failed to open Windows Registry.", RED)
        self.assertColour(screen, "Error Code=0x00000002", RED)

        screen = self.run_on_console("invalid", "/s")
        self.assertBannerAndEnds(screen)
        self.assertColour(screen, "Usage:", GREEN)
        self.assertColour(screen, "Error: Invalid parameters specified.", RED)

    def test_no_argument_outside_a_prompt_waits_for_one_key(self):
        self.start("wait", [], prompt=None)
        self.terminal.wait_for("wait", "Press any key to exit....")
        time.sleep(2)
        self.assertNotIn(END, self.terminal.capture("wait"), "ended without a key press")
        self.terminal.tmux("send-keys", "-t", "wait", "Q")
        screen = coloured_screen(self.terminal.wait_for("wait", END))
        self.assertBannerAndEnds(screen, through_cmd=False)
        self.assertColour(screen, "This is a console application. Kindly Run it from the CMD Prompt!", RED)
        self.assertColour(screen, "Press any key to exit....", RED)
        self.assertNotIn("Q", screen[0].split("Press any key to exit....")[1], "the key was echoed")


if __name__ == "__main__":
    EXE = os.path.abspath(sys.argv.pop(1))
    if not os.path.isfile(EXE):
        sys.exit("no such program: " + EXE)
    unittest.main(verbosity=2)
