#include "app/app.h"
#include "console/console.h"
#include "platform/platform.h"

namespace {

// Only whether PROMPT is there matters; a longer value makes the probe
// return the size it needs, which is non-zero as well.
bool IsStartedFromCommandPrompt() {
  char prompt[128];
  return platform::GetEnvironmentVariableA("PROMPT", prompt, sizeof prompt) != 0;
}

}  // namespace

int RunTollvane(int argc, char* argv[]) {
  const int kept = GetTextAttributes();
  if (argc <= 1) {
    ShowHelp();
    if (!IsStartedFromCommandPrompt()) {
      // Started from the file manager: keep the window open long enough to read.
      SetTextColour(kColourRed);
      PrintText("\n This is a console application. Kindly Run it from the CMD Prompt!");
      PrintText("\n\n Press any key to exit....\n");
      platform::WaitForKeyPress();
    }
  } else if (argc == 2) {
    const CommandAction action = FindCommand(argv[1]);
    if (action != nullptr) {
      action();
    } else {
      ShowHelp();
      ReportError("\n\n Error: Invalid parameters specified.\n\n");
    }
  } else {
    // Both put back the word they found, so there is nothing left to restore.
    ShowHelp();
    ReportError(
        "\n\n Error: Invalid input parameters. Kindly see the above examples and try again.\n\n");
    return 0;
  }
  RestoreTextAttributes(kept);
  return 0;
}
