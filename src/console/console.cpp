#include "console/console.h"

#include <cstdarg>

#include "console/identity.h"
#include "platform/platform.h"

namespace {

constexpr const char* kRuleLine =
    "\n\n****************************************************************";

// One buffer for every report of the process; reports never nest.
char g_errorReport[4096];

}  // namespace

int GetTextAttributes() {
  std::uint16_t word = 0;
  if (!platform::GetConsoleAttributeWord(&word)) return kDefaultTextAttributes;
  return word;
}

void SetTextColour(int colour) {
  // The whole word is replaced, so the background becomes black.
  platform::SetConsoleAttributeWord(static_cast<std::uint16_t>(colour | kForegroundIntensity));
}

void RestoreTextAttributes(int attributes) {
  platform::SetConsoleAttributeWord(static_cast<std::uint16_t>(attributes));
}

void PrintText(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  platform::WriteOutput(format, args);
  va_end(args);
}

void ShowBanner(BannerForm form) {
  const int kept = GetTextAttributes();
  SetTextColour(kColourWhite);
  PrintText("%s", kRuleLine);
  PrintText("\n\n    %s v%s by %s", kDisplayName, kVersionText, kMakerName);
  PrintText("\n\n    %s", kHomePageAddress);
  PrintText("%s", kRuleLine);
  if (form == BannerForm::kStandalone) PrintText("\n");
  RestoreTextAttributes(kept);
}

void ReportError(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  platform::FormatText(g_errorReport, sizeof g_errorReport, format, args);
  va_end(args);

  const int kept = GetTextAttributes();
  SetTextColour(kColourRed);
  // Printed as data: a '%' in the formatted text is not a directive.
  PrintText("%s", g_errorReport);
  RestoreTextAttributes(kept);
}
