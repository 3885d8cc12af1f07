#include "platform/platform.h"

#include <windows.h>

#include <conio.h>
#include <cstdio>

namespace platform {
namespace {

HKEY ToHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }

// DWORD is unsigned long on Windows: same size as std::uint32_t, other type.
static_assert(sizeof(DWORD) == sizeof(std::uint32_t), "DWORD is 32 bits");
LPDWORD ToDword(std::uint32_t* value) { return reinterpret_cast<LPDWORD>(value); }

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

}  // namespace

Status RegOpenKeyExA(RegKey key, const char* subKey, std::uint32_t options,
                     std::uint32_t samDesired, RegKey* result) {
  HKEY opened = nullptr;
  const LONG status = ::RegOpenKeyExA(ToHkey(key), subKey, options, samDesired, &opened);
  if (status == ERROR_SUCCESS) *result = reinterpret_cast<RegKey>(opened);
  return static_cast<Status>(status);
}

Status RegCreateKeyExA(RegKey key, const char* subKey, std::uint32_t reserved,
                       const char* className, std::uint32_t options,
                       std::uint32_t samDesired, const void* securityAttributes,
                       RegKey* result, std::uint32_t* disposition) {
  HKEY created = nullptr;
  const LONG status = ::RegCreateKeyExA(
      ToHkey(key), subKey, reserved, const_cast<LPSTR>(className), options, samDesired,
      static_cast<LPSECURITY_ATTRIBUTES>(const_cast<void*>(securityAttributes)),
      &created, ToDword(disposition));
  if (status == ERROR_SUCCESS) *result = reinterpret_cast<RegKey>(created);
  return static_cast<Status>(status);
}

Status RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* reserved,
                        std::uint32_t* type, std::uint8_t* data,
                        std::uint32_t* dataSize) {
  return static_cast<Status>(::RegQueryValueExA(ToHkey(key), valueName, ToDword(reserved),
                                                ToDword(type), data, ToDword(dataSize)));
}

Status RegSetValueExA(RegKey key, const char* valueName, std::uint32_t reserved,
                      std::uint32_t type, const std::uint8_t* data,
                      std::uint32_t dataSize) {
  return static_cast<Status>(
      ::RegSetValueExA(ToHkey(key), valueName, reserved, type, data, dataSize));
}

Status RegCloseKey(RegKey key) { return static_cast<Status>(::RegCloseKey(ToHkey(key))); }

bool GetConsoleAttributeWord(std::uint16_t* word) {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!::GetConsoleScreenBufferInfo(::GetStdHandle(STD_OUTPUT_HANDLE), &info)) return false;
  *word = info.wAttributes;
  return true;
}

void SetConsoleAttributeWord(std::uint16_t word) {
  // The C runtime may still hold text printed under the previous word.
  std::fflush(stdout);
  ::SetConsoleTextAttribute(::GetStdHandle(STD_OUTPUT_HANDLE), word);
}

// mingw's C++ headers route the printf family to its own, larger
// implementation; the tool's messages need nothing msvcrt.dll lacks.
void WriteOutput(const char* format, std::va_list args) { __ms_vprintf(format, args); }

void FormatText(char* buffer, std::size_t size, const char* format, std::va_list args) {
  // msvcrt's _vsnprintf leaves a truncated buffer unterminated.
  _vsnprintf(buffer, size, format, args);
  buffer[size - 1] = '\0';
}

// _getch reads the console input directly, without echo; with no console
// behind it, it fails at once instead of waiting.
void WaitForKeyPress() { _getch(); }

std::uint32_t GetEnvironmentVariableA(const char* name, char* buffer, std::uint32_t size) {
  return ::GetEnvironmentVariableA(name, buffer, size);
}

bool CallIsWow64Process(std::int32_t* wow64) {
  // Looked up at run time: Windows XP before SP2 has no IsWow64Process.
  const FARPROC address =
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "IsWow64Process");
  if (address == nullptr) return false;
  const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
      reinterpret_cast<void (*)()>(address));
  BOOL flag = *wow64;
  isWow64Process(::GetCurrentProcess(), &flag);
  *wow64 = flag;
  return true;
}

}  // namespace platform
