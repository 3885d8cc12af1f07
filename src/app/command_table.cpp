#include "app/app.h"
#include "crashcontrol/crash_control.h"

namespace {

void DisableAutoReboot() { SetAutoReboot(0); }
void EnableAutoReboot() { SetAutoReboot(1); }

struct Command {
  const char* keyword;
  CommandAction action;
};

constexpr Command kCommands[] = {
    {"0", DisableAutoReboot},
    {"1", EnableAutoReboot},
    {"-s", ShowAutoRebootStatus},
    {"-h", ShowHelp},
};

// Folds ASCII letters only, so no locale can change what matches.
char ToAsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(const char* a, const char* b) {
  for (; *a != '\0' && ToAsciiLower(*a) == ToAsciiLower(*b); ++a, ++b) {
  }
  return ToAsciiLower(*a) == ToAsciiLower(*b);
}

}  // namespace

CommandAction FindCommand(const char* argument) {
  for (const Command& command : kCommands) {
    if (EqualsIgnoringAsciiCase(argument, command.keyword)) return command.action;
  }
  return nullptr;
}
