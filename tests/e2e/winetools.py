"""Runs Windows programs under Wine in a throwaway prefix.

Every process gets a time-out. The registry is set up and read back with
Wine's own reg.exe, never through the tool under test.
"""
import os
import shutil
import subprocess
import sys
import tempfile

WINE64 = "/usr/lib/wine/wine64"
CRASH_CONTROL_KEY = r"HKLM\SYSTEM\CurrentControlSet\Control\CrashControl"
BINFMT_DIR = "/proc/sys/fs/binfmt_misc"


def leftover_i386_emulation():
    """Names of binfmt_misc entries that hand i386 programs to qemu."""
    names = []
    try:
        entries = os.listdir(BINFMT_DIR)
    except OSError:
        return names
    for name in entries:
        try:
            with open(os.path.join(BINFMT_DIR, name)) as entry:
                text = entry.read()
        except OSError:
            continue
        if "qemu-i386" in text and text.startswith("enabled"):
            names.append(name)
    return names


def warn_about_leftover_emulation():
    names = leftover_i386_emulation()
    if names:
        print(
            "warning: binfmt_misc still hands i386 programs to qemu (%s), probably left by an "
            "interrupted WoW64 run; every Wine prefix now boots its 32-bit half under "
            "emulation and takes minutes. Remove it with: echo -1 > %s/<name>"
            % (", ".join(names), BINFMT_DIR),
            file=sys.stderr,
        )


class WinePrefix:
    """A new Wine prefix with a persistent wineserver, removed on exit."""

    def __init__(self, wine=WINE64, boot_timeout=300, run_timeout=60, under_emulation=False,
                 env=None):
        self.wine = wine
        self.boot_timeout = boot_timeout
        self.run_timeout = run_timeout
        self.under_emulation = under_emulation  # the WoW64 stage boots this way on purpose
        self.extra_env = env or {}
        self.path = None
        self.env = None

    def __enter__(self):
        if not self.under_emulation:
            warn_about_leftover_emulation()
        self.path = tempfile.mkdtemp(prefix="tollvane-wine-")
        self.env = dict(os.environ)
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "PROMPT"):
            self.env.pop(name, None)
        self.env.update(
            WINEPREFIX=self.path,
            WINEDEBUG="-all",
            WINEDLLOVERRIDES="mscoree,mshtml=",
        )
        self.env.update(self.extra_env)
        try:
            # Started first, so that it is this server that stays up.
            subprocess.run(["wineserver", "-p"], env=self.env, timeout=30, check=True)
            subprocess.run([self.wine, "wineboot", "-i"], env=self.env, stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           timeout=self.boot_timeout, check=True, cwd=self.path)
        except BaseException:
            self._discard()
            raise
        return self

    def __exit__(self, *exc):
        self._discard()

    def _discard(self):
        try:
            subprocess.run(["wineserver", "-k"], env=self.env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=self.env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            pass
        shutil.rmtree(self.path, ignore_errors=True)

    def run(self, program, args, prompt=None, extra_env=None, timeout=None, wine_loader=None):
        """Runs program with no console and stdin closed. Returns
        (exit status, stdout with CRLF folded to LF, stderr)."""
        env = dict(self.env)
        if prompt is not None:
            env["PROMPT"] = prompt
        env.update(extra_env or {})
        return self._run([wine_loader or self.wine, program, *args], env, timeout)

    def _run(self, command, env, timeout=None):
        # Files, not pipes: a Wine service started by this run would hold a
        # pipe open long after the program itself has ended.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            done = subprocess.run(command, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                  stderr=err, timeout=timeout or self.run_timeout, cwd=self.path)
            out.seek(0)
            err.seek(0)
            return (done.returncode, out.read().decode("latin-1").replace("\r\n", "\n"),
                    err.read().decode("latin-1"))

    def reg(self, *args, wine=None):
        status, out, _ = self._run([wine or self.wine, "reg", *args], self.env)
        return status, out

    def delete_crash_control(self):
        self.reg("delete", CRASH_CONTROL_KEY, "/f")

    def _reg_add(self, *args):
        status, out = self.reg("add", CRASH_CONTROL_KEY, *args, "/f")
        if status != 0:
            raise RuntimeError("reg add failed: " + out)

    def set_auto_reboot(self, reg_type, data):
        self._reg_add("/v", "AutoReboot", "/t", reg_type, "/d", data)

    def create_empty_crash_control(self):
        self.delete_crash_control()
        self._reg_add()

    def auto_reboot(self, wine=None):
        """(type, data) of AutoReboot as reg.exe shows it, or None when the
        value (or its key) is absent."""
        status, out = self.reg("query", CRASH_CONTROL_KEY, "/v", "AutoReboot", wine=wine)
        if status != 0:
            return None
        for line in out.splitlines():
            fields = line.split(None, 2)
            if len(fields) >= 2 and fields[0] == "AutoReboot":
                return fields[1], fields[2] if len(fields) > 2 else ""
        raise RuntimeError("unexpected reg query output: " + out)

    def key_exists(self):
        return self.reg("query", CRASH_CONTROL_KEY)[0] == 0
