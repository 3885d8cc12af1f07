// Where Windows keeps the automatic-reboot setting, how this process reaches
// it, and the two commands that work on it.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Windows reads AutoReboot from this key when the system fails; the System
// Properties dialog and Win32_OSRecoveryConfiguration use the same one.
constexpr platform::RegKey kCrashControlRoot = platform::kHkeyLocalMachine;
constexpr const char* kCrashControlSubkey = "SYSTEM\\CurrentControlSet\\Control\\CrashControl";
constexpr const char* kAutoRebootValueName = "AutoReboot";

// KEY_READ | KEY_WRITE, and with KEY_WOW64_64KEY for a 32-bit process on
// 64-bit Windows, so that it reaches the key 64-bit programs see.
constexpr std::uint32_t kCrashControlAccess = 0x2001F;
constexpr std::uint32_t kCrashControlAccessWow64 = 0x2011F;

// Non-zero when this is a 32-bit process running under WOW64.
std::int32_t IsUnderWow64();
// The access mask for the crash-control key in this process.
std::uint32_t ChooseCrashControlAccess();
// Reads AutoReboot from the open key into *value, which the caller presets;
// returns the status of the read.
platform::Status ReadAutoReboot(platform::RegKey key, std::uint32_t* value);

// The "-s" command: prints whether automatic reboot is enabled. Leaves bright
// green in force for the caller to undo.
void ShowAutoRebootStatus();
// The "0" and "1" commands: writes requested (1 enables, anything else
// disables), creating the key when it is missing.
void SetAutoReboot(int requested);
