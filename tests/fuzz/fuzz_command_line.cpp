// libFuzzer target: the whole entry point on any argument vector, over a
// registry and console in any state, with any one registry call failing.
//
// Input: byte 0 picks the argument count (0 to 4), byte 1 the registry
// state, byte 2 the failing call, bytes 3-4 the console word; the rest,
// split at NUL bytes, gives the arguments (missing ones are empty).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/app.h"
#include "fake_platform.h"

namespace {

using fake::Call;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "violated: %s\n", what);
    std::abort();
  }
}

std::uint8_t ByteAt(const std::uint8_t* data, std::size_t size, std::size_t index) {
  return index < size ? data[index] : 0;
}

void ArrangeRegistry(std::uint8_t state) {
  switch (state % 6) {
    case 0: break;  // no key
    case 1: fake::Fake().keyExists = true; break;
    case 2: fake::SetDword(0); break;
    case 3: fake::SetDword(1); break;
    case 4: fake::SetDword(state); break;
    case 5: fake::SetValue(1, {'o', 'n', 0, 0, 0, 0}); break;
  }
  fake::Fake().wow64 = static_cast<fake::Wow64>((state / 6) % 3);
  fake::Fake().hasConsole = (state & 0x80) == 0;
  if (state & 0x40) fake::Fake().prompt.reset();
}

void ArrangeFailure(std::uint8_t choice) {
  constexpr Call kCalls[] = {Call::kRegOpenKeyExA, Call::kRegCreateKeyExA,
                             Call::kRegQueryValueExA, Call::kRegSetValueExA, Call::kRegCloseKey};
  constexpr platform::Status kCodes[] = {2, 5, 234, 1359};
  if (choice >= 5 * 4) return;  // most inputs fail nothing
  fake::Fake().failures[kCalls[choice % 5]] = kCodes[choice / 5];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fake::Reset();
  const std::size_t count = ByteAt(data, size, 0) % 5;
  ArrangeRegistry(ByteAt(data, size, 1));
  ArrangeFailure(ByteAt(data, size, 2));
  const auto startWord =
      static_cast<std::uint16_t>(ByteAt(data, size, 3) | ByteAt(data, size, 4) << 8);
  fake::Fake().attributes = startWord;
  const std::vector<std::uint8_t> before = fake::Fake().valueData;
  const bool valueBefore = fake::Fake().valuePresent;

  std::vector<std::string> arguments(1, "Tollvane.exe");
  std::size_t at = size < 5 ? size : 5;
  for (std::size_t i = 0; i < count; ++i) {
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(data + at, 0, size - at));
    const std::size_t stop = end ? static_cast<std::size_t>(end - data) : size;
    arguments.emplace_back(reinterpret_cast<const char*>(data + at), stop - at);
    at = stop < size ? stop + 1 : size;
  }
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  const int status = RunTollvane(static_cast<int>(arguments.size()), argv.data());

  Require(status == 0, "exit status 0");
  Require(fake::Fake().attributes == startWord, "console word at the end equals the start");
  const bool oneArgument = arguments.size() == 2;
  const std::string& word = oneArgument ? arguments[1] : arguments[0];
  const bool change = oneArgument && (word == "0" || word == "1");
  const bool status_report = oneArgument && (word == "-s" || word == "-S");
  const auto writes = fake::CallsOf(Call::kRegSetValueExA);
  if (change) {
    Require(writes.size() <= 1, "at most one write");
    for (const fake::CallRecord& write : writes) {
      const std::vector<std::uint8_t> expected{static_cast<std::uint8_t>(word[0] - '0'), 0, 0, 0};
      Require(write.type == platform::kRegDword && write.data == expected,
              "the requested value written as a 4-byte REG_DWORD");
    }
  } else {
    Require(writes.empty(), "no write without a change command");
    Require(fake::Fake().valuePresent == valueBefore && fake::Fake().valueData == before,
            "value untouched");
  }
  if (!change && !status_report) {
    Require(fake::RegistryCallSequence().empty(), "no registry call for help or invalid input");
  }
  Require(fake::Fake().openKeys == 0 || fake::Fake().failures.count(Call::kRegCloseKey) == 1,
          "every opened key closed");
  return 0;
}
