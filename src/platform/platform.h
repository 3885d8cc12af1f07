// The operations through which the tool reaches Windows: the registry, the
// console of standard output, the environment and the module services.
// platform_win32.cpp implements them with the real calls; the host tests link
// an in-memory fake instead. Nothing else in the tool includes <windows.h>.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

namespace platform {

// HKEY, as an integer wide enough for a pointer.
using RegKey = std::intptr_t;
// A registry call's result: 0 (ERROR_SUCCESS) or a Win32 error code.
using Status = std::uint32_t;

// Windows defines the predefined keys as a sign-extended LONG.
constexpr RegKey kHkeyLocalMachine = static_cast<std::int32_t>(0x80000002u);

constexpr Status kErrorSuccess = 0;
constexpr Status kErrorFileNotFound = 2;
constexpr Status kErrorAccessDenied = 5;
constexpr Status kErrorMoreData = 234;

constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegOptionNonVolatile = 0;

// Registry: each returns the status of the Win32 call of the same name, with
// the arguments passed through unchanged. *result is set only on success.
Status RegOpenKeyExA(RegKey key, const char* subKey, std::uint32_t options,
                     std::uint32_t samDesired, RegKey* result);
Status RegCreateKeyExA(RegKey key, const char* subKey, std::uint32_t reserved,
                       const char* className, std::uint32_t options,
                       std::uint32_t samDesired, const void* securityAttributes,
                       RegKey* result, std::uint32_t* disposition);
Status RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* reserved,
                        std::uint32_t* type, std::uint8_t* data,
                        std::uint32_t* dataSize);
Status RegSetValueExA(RegKey key, const char* valueName, std::uint32_t reserved,
                      std::uint32_t type, const std::uint8_t* data,
                      std::uint32_t dataSize);
Status RegCloseKey(RegKey key);

// Console of standard output (the handle is fetched anew on every call).
// Returns true and sets *word to the console's attribute word, or returns
// false when standard output is no console.
bool GetConsoleAttributeWord(std::uint16_t* word);
// Flushes standard output, so that what was printed shows in the colour it
// was printed in, then applies word. A failure is ignored.
void SetConsoleAttributeWord(std::uint16_t word);
// printf-style output to standard output.
void WriteOutput(const char* format, std::va_list args);
// printf-style formatting into buffer, cut to size - 1 characters and always
// terminated. size must not be 0.
void FormatText(char* buffer, std::size_t size, const char* format, std::va_list args);
// Waits for one key press on the console without echoing it; returns at once
// when there is no console to read from.
void WaitForKeyPress();

// Returns what GetEnvironmentVariableA returns: the length copied, the size
// needed when buffer is too small, or 0 when the variable is absent or empty.
std::uint32_t GetEnvironmentVariableA(const char* name, char* buffer,
                                      std::uint32_t size);

// Looks up IsWow64Process in kernel32.dll. Returns false, calling nothing,
// where the system has none; otherwise calls it for the current process with
// wow64 and returns true, whatever the call itself returned.
bool CallIsWow64Process(std::int32_t* wow64);

}  // namespace platform
