#include "console/console.h"
#include "crashcontrol/crash_control.h"

void ShowAutoRebootStatus() {
  ShowBanner();
  const std::uint32_t access = ChooseCrashControlAccess();
  SetTextColour(kColourGreen);

  platform::RegKey key = 0;
  const platform::Status opened =
      platform::RegOpenKeyExA(kCrashControlRoot, kCrashControlSubkey, 0, access, &key);
  if (opened != platform::kErrorSuccess) {
    ReportError("\n\n [*] Error: Failed to open Windows Registry. \n Error Code=0x%.8x\n\n", opened);
    return;
  }
  PrintText("\n\n\n [*] Checking for the current status of Automatic Reboot Setting");

  // Preset so that a read which writes no bytes reads as enabled.
  std::uint32_t value = 2;
  if (ReadAutoReboot(key, &value) != platform::kErrorSuccess) {
    PrintText("\n\n\n [*] Automatic Reboot is currently Disabled on your System. ");
    platform::RegCloseKey(key);
    PrintText("\n\n");
  } else if (value == 0) {
    PrintText("\n\n\n [*] Automatic Reboot is currently Disabled on your System\n\n");
    platform::RegCloseKey(key);
    PrintText("\n\n");
  } else {
    PrintText("\n\n\n [*] Automatic Reboot is currently Enabled on your System\n\n");
    platform::RegCloseKey(key);
  }
}
