#include "console/console.h"
#include "crashcontrol/crash_control.h"

void SetAutoReboot(int requested) {
  const bool enable = requested == 1;
  ShowBanner();
  const std::uint32_t access = ChooseCrashControlAccess();
  const int kept = GetTextAttributes();
  SetTextColour(kColourGreen);
  PrintText("\n\n [*] %s Automatic Reboot on Your System", enable ? "Enabling" : "Disabling");

  platform::RegKey key = 0;
  const platform::Status created =
      platform::RegCreateKeyExA(kCrashControlRoot, kCrashControlSubkey, 0, "",
                                platform::kRegOptionNonVolatile, access, nullptr, &key, nullptr);
  if (created != platform::kErrorSuccess) {
    ReportError(
        "\n\n [*] Error: Failed to open Windows Registry. Make sure you have Administrator "
        "rights. \n Tip: Run the Command Prompt as Administrator and try again\n\n");
    RestoreTextAttributes(kept);
    return;
  }
  PrintText("\n\n\n [*] Checking for the current status of Automatic Reboot Setting");

  // Only 1 counts as enabled and only 0 as disabled; any other stored value
  // is overwritten either way.
  std::uint32_t current = 2;
  if (ReadAutoReboot(key, &current) != platform::kErrorSuccess) {
    PrintText("\n\t Failed to get the current status, Anyway going ahead now...");
  } else if (current == 1 && enable) {
    PrintText("\n\n\n [*] Automatic Reboot is already Enabled on your System\n\n");
    platform::RegCloseKey(key);
    RestoreTextAttributes(kept);
    return;
  } else if (current == 0 && !enable) {
    PrintText("\n\n\n [*] Automatic Reboot is already Disabled on your System\n\n");
    platform::RegCloseKey(key);
    RestoreTextAttributes(kept);
    return;
  } else if (enable) {
    PrintText("\n\n\n [*] Automatic Reboot is currently Disabled on your System. Enabling it Now...");
  } else {
    // Stored 1 or any other non-zero value: the status report calls both enabled.
    PrintText("\n\n\n [*] Automatic Reboot is currently Enabled on your System. Disabling it Now...");
  }

  const std::uint32_t data = static_cast<std::uint32_t>(requested);
  const platform::Status written =
      platform::RegSetValueExA(key, kAutoRebootValueName, 0, platform::kRegDword,
                               reinterpret_cast<const std::uint8_t*>(&data), sizeof data);
  if (written != platform::kErrorSuccess) {
    ReportError(
        "\n\n Error: Failed to %s Automatic Reboot on your System. Make sure you have "
        "Administrator rights. \n Error Code=0x%.8x\n\n",
        enable ? "Enable" : "Disable", written);
  } else if (enable) {
    PrintText("\n\n\n [*] Successfully Enabled Automatic Reboot on your System");
  } else {
    PrintText("\n\n\n [*] Successfully Disabled Automatic Reboot on your System");
  }
  platform::RegCloseKey(key);
  RestoreTextAttributes(kept);
  PrintText("\n\n");
}
