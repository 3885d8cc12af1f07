// An in-memory stand-in for the Windows services behind platform.h. It holds
// one registry key with one value, a console with its attribute word, the
// PROMPT variable and the WOW64 answer; it records every call with its
// arguments and every piece of text with the word it was printed in, and can
// fail any call with a chosen status.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace fake {

// Where the fake keeps the key; any other path is missing.
constexpr const char* kKeyPath = "SYSTEM\\CurrentControlSet\\Control\\CrashControl";

enum class Call {
  kRegOpenKeyExA,
  kRegCreateKeyExA,
  kRegQueryValueExA,
  kRegSetValueExA,
  kRegCloseKey,
  kGetConsoleAttributeWord,
  kSetConsoleAttributeWord,
  kGetEnvironmentVariableA,
  kCallIsWow64Process,
  kWaitForKeyPress,
};

bool IsRegistryCall(Call call);

struct CallRecord {
  Call call = Call::kRegOpenKeyExA;
  platform::RegKey key = 0;     // root or open key
  std::string name;             // subkey, value or variable name
  std::uint32_t access = 0;     // samDesired
  std::uint32_t options = 0;
  std::uint32_t reserved = 0;
  bool reservedIsNull = true;   // RegQueryValueExA's reserved pointer
  std::optional<std::string> className;
  bool securityAttributesIsNull = true;
  bool dispositionIsNull = true;
  std::uint32_t type = 0;       // type written
  std::uint32_t size = 0;       // buffer size offered or data size written
  std::vector<std::uint8_t> data;  // data written
  std::uint16_t word = 0;       // attribute word applied
};

// Text as it reached the console, with the attribute word in force.
struct Piece {
  std::string text;
  int attributes;
  bool operator==(const Piece& other) const {
    return text == other.text && attributes == other.attributes;
  }
};

enum class Wow64 { kNoIsWow64Process, kFalse, kTrue };

struct State {
  bool keyExists = false;
  bool valuePresent = false;
  std::uint32_t valueType = platform::kRegDword;
  std::vector<std::uint8_t> valueData;

  bool hasConsole = true;
  std::uint16_t attributes = 0x07;

  std::optional<std::string> prompt = std::string("$P$G");
  Wow64 wow64 = Wow64::kFalse;

  // Calls answered with this status instead of being carried out.
  std::map<Call, platform::Status> failures;

  std::vector<CallRecord> calls;
  std::vector<Piece> output;  // neighbours of one word are merged
  int openKeys = 0;
};

// The one fake every platform call reaches; Reset() before each test.
State& Fake();
void Reset();

void SetDword(std::uint32_t value);
void SetValue(std::uint32_t type, std::vector<std::uint8_t> data);
// The stored value as a REG_DWORD, or nothing when absent or of another shape.
std::optional<std::uint32_t> StoredDword();

std::string Text();
std::vector<CallRecord> CallsOf(Call call);
std::vector<Call> RegistryCallSequence();
int CountOf(Call call);

}  // namespace fake
