"""End to end: the Windows build of Tollvane under Wine, with no console.

Usage: test_cli.py PATH/TO/Tollvane.exe
"""
import os
import sys
import unittest

import texts
from winetools import WinePrefix

EXE = None


class WineTestCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = WinePrefix().__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.prefix.__exit__(None, None, None)

    def tollvane(self, *args, prompt="$P$G"):
        status, out, err = self.prefix.run(EXE, args, prompt=prompt)
        self.assertEqual(status, 0, err)
        return out


class CommandLineTest(WineTestCase):
    def test_help_whatever_the_case(self):
        for argument in ("-h", "-H"):
            with self.subTest(argument=argument):
                self.assertEqual(self.tollvane(argument), texts.HELP)

    def test_no_argument_from_a_prompt_shows_help_only(self):
        self.assertEqual(self.tollvane(), texts.HELP)

    def test_no_argument_without_prompt_asks_for_a_key(self):
        # With no console to read from, the key wait returns at once.
        self.assertEqual(self.tollvane(prompt=None), texts.HELP + texts.NOT_FROM_PROMPT)

    def test_invalid_arguments_leave_the_setting_alone(self):
        self.prefix.set_auto_reboot("REG_DWORD", "5")
        cases = [
            (["01"], texts.INVALID_PARAMETER),
            (["+1"], texts.INVALID_PARAMETER),
            (["/s"], texts.INVALID_PARAMETER),
            (["--s"], texts.INVALID_PARAMETER),
            (["-x"], texts.INVALID_PARAMETER),
            ([""], texts.INVALID_PARAMETER),
            (["1", "-s"], texts.INVALID_COUNT),
            (["0", "0"], texts.INVALID_COUNT),
        ]
        for args, error in cases:
            with self.subTest(args=args):
                self.assertEqual(self.tollvane(*args), texts.HELP + error)
        self.assertEqual(self.prefix.auto_reboot(), ("REG_DWORD", "0x5"))


class StatusReportTest(WineTestCase):
    def test_key_missing(self):
        self.prefix.delete_crash_control()
        self.assertEqual(self.tollvane("-s"), texts.status_open_error(2))

    def test_value_missing(self):
        self.prefix.create_empty_crash_control()
        self.assertEqual(self.tollvane("-s"), texts.STATUS_UNREADABLE)

    def test_value_states(self):
        for data, expected in (("0", texts.STATUS_DISABLED), ("1", texts.STATUS_ENABLED),
                               ("7", texts.STATUS_ENABLED)):
            with self.subTest(value=data):
                self.prefix.set_auto_reboot("REG_DWORD", data)
                self.assertEqual(self.tollvane("-S"), expected)
                self.assertEqual(self.prefix.auto_reboot(), ("REG_DWORD", "0x" + data))

    def test_opens_the_key_windows_reads_with_read_and_write_rights(self):
        self.prefix.set_auto_reboot("REG_DWORD", "1")
        status, out, trace = self.prefix.run(EXE, ["-s"], prompt="$P$G",
                                             extra_env={"WINEDEBUG": "+reg"})
        self.assertEqual((status, out), (0, texts.STATUS_ENABLED))
        # A 64-bit process: no WOW64, so no KEY_WOW64_64KEY in the mask.
        opens = [line for line in trace.splitlines()
                 if "NtOpenKeyEx" in line and "CrashControl" in line]
        self.assertEqual(len(opens), 1, trace[-2000:])
        self.assertIn(r'L"SYSTEM\\CurrentControlSet\\Control\\CrashControl",2001f,', opens[0])

    def test_value_longer_than_four_bytes(self):
        self.prefix.set_auto_reboot("REG_QWORD", "1")
        self.assertEqual(self.tollvane("-s"), texts.STATUS_UNREADABLE)


class SettingChangeTest(WineTestCase):
    CASES = [
        # name, arrange, argument, output, value after
        ("1 without the key", "delete", "1",
         texts.ENABLING + texts.NO_STATUS + texts.ENABLED, "0x1"),
        ("0 without the key", "delete", "0",
         texts.DISABLING + texts.NO_STATUS + texts.DISABLED, "0x0"),
        ("1 already at 1", "1", "1", texts.ENABLING + texts.ALREADY_ENABLED, "0x1"),
        ("0 already at 0", "0", "0", texts.DISABLING + texts.ALREADY_DISABLED, "0x0"),
        ("1 at 0", "0", "1", texts.ENABLING + texts.NOW_ENABLING + texts.ENABLED, "0x1"),
        ("0 at 1", "1", "0", texts.DISABLING + texts.NOW_DISABLING + texts.DISABLED, "0x0"),
        ("1 at 5", "5", "1", texts.ENABLING + texts.NOW_ENABLING + texts.ENABLED, "0x1"),
        ("0 at 5", "5", "0", texts.DISABLING + texts.NOW_DISABLING + texts.DISABLED, "0x0"),
        ("1 over a string", "string", "1",
         texts.ENABLING + texts.NO_STATUS + texts.ENABLED, "0x1"),
        ("0 over a string", "string", "0",
         texts.DISABLING + texts.NO_STATUS + texts.DISABLED, "0x0"),
    ]

    def test_changes(self):
        for name, arrange, argument, expected, after in self.CASES:
            with self.subTest(name):
                if arrange == "delete":
                    self.prefix.delete_crash_control()
                elif arrange == "string":
                    self.prefix.set_auto_reboot("REG_SZ", "enabled")
                else:
                    self.prefix.set_auto_reboot("REG_DWORD", arrange)
                self.assertEqual(self.tollvane(argument), expected)
                self.assertEqual(self.prefix.auto_reboot(), ("REG_DWORD", after))


class FreshSystemTest(unittest.TestCase):
    """One run after another on a prefix that has never had the key."""

    def test_each_state_in_turn(self):
        steps = [
            ("-s", texts.status_open_error(2), None),
            ("1", texts.ENABLING + texts.NO_STATUS + texts.ENABLED, "0x1"),
            ("-s", texts.STATUS_ENABLED, "0x1"),
            ("1", texts.ENABLING + texts.ALREADY_ENABLED, "0x1"),
            ("0", texts.DISABLING + texts.NOW_DISABLING + texts.DISABLED, "0x0"),
            ("-s", texts.STATUS_DISABLED, "0x0"),
        ]
        with WinePrefix() as prefix:
            self.assertFalse(prefix.key_exists())
            for number, (argument, expected, after) in enumerate(steps, 1):
                with self.subTest(step=number, argument=argument):
                    status, out, err = prefix.run(EXE, [argument], prompt="$P$G")
                    self.assertEqual(status, 0, err)
                    self.assertEqual(out, expected)
                    stored = prefix.auto_reboot()
                    self.assertEqual(stored, None if after is None else ("REG_DWORD", after))


if __name__ == "__main__":
    EXE = os.path.abspath(sys.argv.pop(1))
    if not os.path.isfile(EXE):
        sys.exit("no such program: " + EXE)
    unittest.main(verbosity=2)
