#include "fake_platform.h"

#include <cstdio>
#include <cstring>

namespace fake {
namespace {

State g_state;
constexpr platform::RegKey kOpenKeyHandle = 0x5a0;
constexpr platform::Status kErrorInvalidHandle = 6;

CallRecord& Record(Call call) {
  CallRecord record;
  record.call = call;
  g_state.calls.push_back(record);
  return g_state.calls.back();
}

bool Fails(Call call, platform::Status* status) {
  const auto it = g_state.failures.find(call);
  if (it == g_state.failures.end()) return false;
  *status = it->second;
  return true;
}

bool IsKeyPath(platform::RegKey root, const char* subKey) {
  return root == platform::kHkeyLocalMachine && std::strcmp(subKey, kKeyPath) == 0;
}

void Print(const std::string& text) {
  const int word = g_state.attributes;
  if (!g_state.output.empty() && g_state.output.back().attributes == word) {
    g_state.output.back().text += text;
  } else {
    g_state.output.push_back(Piece{text, word});
  }
}

}  // namespace

bool IsRegistryCall(Call call) {
  return call == Call::kRegOpenKeyExA || call == Call::kRegCreateKeyExA ||
         call == Call::kRegQueryValueExA || call == Call::kRegSetValueExA ||
         call == Call::kRegCloseKey;
}

State& Fake() { return g_state; }
void Reset() { g_state = State{}; }

void SetDword(std::uint32_t value) {
  std::vector<std::uint8_t> bytes(4);
  std::memcpy(bytes.data(), &value, 4);
  SetValue(platform::kRegDword, bytes);
}

void SetValue(std::uint32_t type, std::vector<std::uint8_t> data) {
  g_state.keyExists = true;
  g_state.valuePresent = true;
  g_state.valueType = type;
  g_state.valueData = std::move(data);
}

std::optional<std::uint32_t> StoredDword() {
  if (!g_state.valuePresent || g_state.valueType != platform::kRegDword ||
      g_state.valueData.size() != 4) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  std::memcpy(&value, g_state.valueData.data(), 4);
  return value;
}

std::string Text() {
  std::string text;
  for (const Piece& piece : g_state.output) text += piece.text;
  return text;
}

std::vector<CallRecord> CallsOf(Call call) {
  std::vector<CallRecord> found;
  for (const CallRecord& record : g_state.calls) {
    if (record.call == call) found.push_back(record);
  }
  return found;
}

std::vector<Call> RegistryCallSequence() {
  std::vector<Call> sequence;
  for (const CallRecord& record : g_state.calls) {
    if (IsRegistryCall(record.call)) sequence.push_back(record.call);
  }
  return sequence;
}

int CountOf(Call call) { return static_cast<int>(CallsOf(call).size()); }

}  // namespace fake

namespace platform {

using fake::Call;

Status RegOpenKeyExA(RegKey key, const char* subKey, std::uint32_t options,
                     std::uint32_t samDesired, RegKey* result) {
  fake::CallRecord& record = fake::Record(Call::kRegOpenKeyExA);
  record.key = key;
  record.name = subKey;
  record.options = options;
  record.access = samDesired;
  Status status = kErrorSuccess;
  if (fake::Fails(Call::kRegOpenKeyExA, &status)) return status;
  if (!fake::IsKeyPath(key, subKey) || !fake::g_state.keyExists) return kErrorFileNotFound;
  *result = fake::kOpenKeyHandle;
  ++fake::g_state.openKeys;
  return kErrorSuccess;
}

Status RegCreateKeyExA(RegKey key, const char* subKey, std::uint32_t reserved,
                       const char* className, std::uint32_t options,
                       std::uint32_t samDesired, const void* securityAttributes,
                       RegKey* result, std::uint32_t* disposition) {
  fake::CallRecord& record = fake::Record(Call::kRegCreateKeyExA);
  record.key = key;
  record.name = subKey;
  record.reserved = reserved;
  if (className != nullptr) record.className = className;
  record.options = options;
  record.access = samDesired;
  record.securityAttributesIsNull = securityAttributes == nullptr;
  record.dispositionIsNull = disposition == nullptr;
  Status status = kErrorSuccess;
  if (fake::Fails(Call::kRegCreateKeyExA, &status)) return status;
  // Only the crash-control key can be made here; it stands for any other.
  if (!fake::IsKeyPath(key, subKey)) return kErrorAccessDenied;
  fake::g_state.keyExists = true;
  *result = fake::kOpenKeyHandle;
  ++fake::g_state.openKeys;
  return kErrorSuccess;
}

Status RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* reserved,
                        std::uint32_t* type, std::uint8_t* data,
                        std::uint32_t* dataSize) {
  fake::CallRecord& record = fake::Record(Call::kRegQueryValueExA);
  record.key = key;
  record.name = valueName;
  record.reservedIsNull = reserved == nullptr;
  record.size = *dataSize;
  Status status = kErrorSuccess;
  if (fake::Fails(Call::kRegQueryValueExA, &status)) return status;
  if (key != fake::kOpenKeyHandle) return fake::kErrorInvalidHandle;
  if (std::strcmp(valueName, "AutoReboot") != 0 || !fake::g_state.valuePresent) {
    return kErrorFileNotFound;
  }
  const auto size = static_cast<std::uint32_t>(fake::g_state.valueData.size());
  if (type != nullptr) *type = fake::g_state.valueType;
  if (size > *dataSize) {
    *dataSize = size;
    return kErrorMoreData;
  }
  if (size > 0) std::memcpy(data, fake::g_state.valueData.data(), size);
  *dataSize = size;
  return kErrorSuccess;
}

Status RegSetValueExA(RegKey key, const char* valueName, std::uint32_t reserved,
                      std::uint32_t type, const std::uint8_t* data,
                      std::uint32_t dataSize) {
  fake::CallRecord& record = fake::Record(Call::kRegSetValueExA);
  record.key = key;
  record.name = valueName;
  record.reserved = reserved;
  record.type = type;
  record.size = dataSize;
  record.data.assign(data, data + dataSize);
  Status status = kErrorSuccess;
  if (fake::Fails(Call::kRegSetValueExA, &status)) return status;
  if (key != fake::kOpenKeyHandle) return fake::kErrorInvalidHandle;
  if (std::strcmp(valueName, "AutoReboot") == 0) fake::SetValue(type, record.data);
  return kErrorSuccess;
}

Status RegCloseKey(RegKey key) {
  fake::Record(Call::kRegCloseKey).key = key;
  Status status = kErrorSuccess;
  if (fake::Fails(Call::kRegCloseKey, &status)) return status;
  if (key != fake::kOpenKeyHandle) return fake::kErrorInvalidHandle;
  --fake::g_state.openKeys;
  return kErrorSuccess;
}

bool GetConsoleAttributeWord(std::uint16_t* word) {
  fake::Record(Call::kGetConsoleAttributeWord);
  if (!fake::g_state.hasConsole) return false;
  *word = fake::g_state.attributes;
  return true;
}

void SetConsoleAttributeWord(std::uint16_t word) {
  fake::Record(Call::kSetConsoleAttributeWord).word = word;
  if (fake::g_state.hasConsole) fake::g_state.attributes = word;
}

void WriteOutput(const char* format, std::va_list args) {
  char text[8192];
  std::vsnprintf(text, sizeof text, format, args);
  fake::Print(text);
}

void FormatText(char* buffer, std::size_t size, const char* format, std::va_list args) {
  std::vsnprintf(buffer, size, format, args);
}

void WaitForKeyPress() { fake::Record(Call::kWaitForKeyPress); }

std::uint32_t GetEnvironmentVariableA(const char* name, char* buffer, std::uint32_t size) {
  fake::CallRecord& record = fake::Record(Call::kGetEnvironmentVariableA);
  record.name = name;
  record.size = size;
  if (std::strcmp(name, "PROMPT") != 0 || !fake::g_state.prompt) return 0;
  const std::string& value = *fake::g_state.prompt;
  const auto length = static_cast<std::uint32_t>(value.size());
  // As Windows: the size needed, with its terminator, when the buffer is short.
  if (length >= size) return length + 1;
  std::memcpy(buffer, value.c_str(), length + 1);
  return length;
}

bool CallIsWow64Process(std::int32_t* wow64) {
  fake::Record(Call::kCallIsWow64Process);
  switch (fake::g_state.wow64) {
    case fake::Wow64::kNoIsWow64Process:
      return false;
    case fake::Wow64::kFalse:
      *wow64 = 0;
      return true;
    case fake::Wow64::kTrue:
      *wow64 = 1;
      return true;
  }
  return false;
}

}  // namespace platform
