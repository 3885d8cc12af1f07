"""End to end: the shipping 32-bit Tollvane.exe as a 32-bit process on 64-bit
Windows (WoW64), under Wine.

This kernel runs no 32-bit Linux code, so for this stage the i386 ELF format
is handed to qemu-i386-static through binfmt_misc, and the entry is removed
when the stage ends, whatever happened. Booting the prefix takes minutes and
each 32-bit run about one, so the stage keeps to two runs.

Usage: test_wow64.py PATH/TO/windows/Tollvane.exe
"""
import os
import subprocess
import sys
import unittest

import texts
from winetools import BINFMT_DIR, WINE64, WinePrefix, leftover_i386_emulation

EXE = None
WINE32 = "/usr/lib/wine/wine"
QEMU = "/usr/bin/qemu-i386-static"
ENTRY = "tollvane-i386"
# ELF32, little-endian, x86 (e_machine 3), executable or shared object;
# F: qemu is opened now, so it works from inside any mount namespace.
REGISTRATION = (
    ":" + ENTRY + ":M::"
    r"\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:"
    r"\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:"
    + QEMU + ":F"
)


# qemu's default guest space of almost 4 GiB leaves 32-bit Wine unable to map
# the shared user data page at 0x7ffe0000 (status c0000018); with 3 GiB it
# boots and runs. qemu reads this from the environment Wine passes on.
QEMU_ENV = {"QEMU_RESERVED_VA": "0xc0000000"}


class I386Emulation:
    """binfmt_misc entry for i386 programs, present only inside the with block."""

    def __enter__(self):
        for path, why in ((QEMU, "qemu-user-static is not installed"),
                          (WINE32, "wine32:i386 is not installed")):
            if not os.path.exists(path):
                raise RuntimeError("the WoW64 stage cannot run: %s (%s missing)" % (why, path))
        self.mounted = False
        if not os.path.exists(os.path.join(BINFMT_DIR, "register")):
            done = subprocess.run(["mount", "-t", "binfmt_misc", "binfmt_misc", BINFMT_DIR],
                                  capture_output=True, text=True, timeout=30)
            if done.returncode != 0:
                raise RuntimeError("the WoW64 stage cannot run: binfmt_misc cannot be mounted "
                                   "at %s: %s" % (BINFMT_DIR, done.stderr.strip()))
            self.mounted = True
        if os.path.exists(os.path.join(BINFMT_DIR, ENTRY)):
            self._remove()  # left by an interrupted run
        try:
            with open(os.path.join(BINFMT_DIR, "register"), "w") as register:
                register.write(REGISTRATION)
        except OSError as error:
            raise RuntimeError("the WoW64 stage cannot run: binfmt_misc refused the i386 "
                               "entry: %s" % error)
        return self

    def __exit__(self, *exc):
        self._remove()
        if self.mounted:
            subprocess.run(["umount", BINFMT_DIR], timeout=30)

    @staticmethod
    def _remove():
        path = os.path.join(BINFMT_DIR, ENTRY)
        if os.path.exists(path):
            with open(path, "w") as entry:
                entry.write("-1")


class Wow64Test(unittest.TestCase):
    def test_shipping_build_reaches_the_64_bit_view(self):
        with I386Emulation(), WinePrefix(boot_timeout=900, run_timeout=600, under_emulation=True,
                                          env=QEMU_ENV) as prefix:
            self.assertFalse(prefix.key_exists())

            status, out, err = prefix.run(EXE, ["1"], prompt="$P$G", wine_loader=WINE32)
            self.assertEqual(status, 0, err[-2000:])
            self.assertEqual(out, texts.ENABLING + texts.NO_STATUS + texts.ENABLED)
            # Read back by the 64-bit reg.exe, from the 64-bit view.
            self.assertEqual(prefix.auto_reboot(wine=WINE64), ("REG_DWORD", "0x1"))

            status, out, trace = prefix.run(EXE, ["-s"], prompt="$P$G", wine_loader=WINE32,
                                            extra_env={"WINEDEBUG": "+reg"})
            self.assertEqual((status, out), (0, texts.STATUS_ENABLED), trace[-2000:])
            opens = [line for line in trace.splitlines()
                     if "NtOpenKeyEx" in line and "CrashControl" in line]
            self.assertEqual(len(opens), 1, trace[-4000:])
            self.assertIn(r'L"SYSTEM\\CurrentControlSet\\Control\\CrashControl",2011f,', opens[0])
        self.assertNotIn(ENTRY, leftover_i386_emulation())


if __name__ == "__main__":
    EXE = os.path.abspath(sys.argv.pop(1))
    if not os.path.isfile(EXE):
        sys.exit("no such program: " + EXE)
    unittest.main(verbosity=2)
