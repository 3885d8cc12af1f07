#include "crashcontrol/crash_control.h"

std::int32_t IsUnderWow64() {
  std::int32_t wow64 = 0;
  if (!platform::CallIsWow64Process(&wow64)) return 0;
  return wow64;
}

std::uint32_t ChooseCrashControlAccess() {
  return IsUnderWow64() ? kCrashControlAccessWow64 : kCrashControlAccess;
}

platform::Status ReadAutoReboot(platform::RegKey key, std::uint32_t* value) {
  // Neither the stored type nor the returned size is looked at: a successful
  // read of fewer than four bytes leaves the rest of the caller's preset.
  std::uint32_t type = 0;
  std::uint32_t size = sizeof *value;
  return platform::RegQueryValueExA(key, kAutoRebootValueName, nullptr, &type,
                                    reinterpret_cast<std::uint8_t*>(value), &size);
}
