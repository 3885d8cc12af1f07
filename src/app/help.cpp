#include "app/app.h"
#include "console/console.h"
#include "console/identity.h"

void ShowHelp() {
  const int kept = GetTextAttributes();
  ShowBanner(BannerForm::kHelp);
  SetTextColour(kColourGreen);
  PrintText("\n\n\n Usage: \n\t %s [1 | 0 | -s | -h]  ", kFileName);
  PrintText("\n\n\n Examples:\n");
  PrintText("\n\n\t // Enable Automatic Reboot on Your System");
  PrintText("\n\t %s.exe 1", kFileName);
  PrintText("\n\n\t // Disable Automatic Reboot on Your System");
  PrintText("\n\t %s.exe 0", kFileName);
  PrintText("\n\n\t //Show Current Status of 'Automatic Reboot' setting");
  PrintText("\n\t %s.exe -s", kFileName);
  PrintText("\n\n\t // Show this help screen");
  PrintText("\n\t %s.exe -h", kFileName);
  PrintText("\n\n");
  RestoreTextAttributes(kept);
}
