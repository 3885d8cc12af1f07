#include "crashcontrol/crash_control.h"

#include <cstring>
#include <functional>

#include "test_support.h"

using fake::Call;
using fake::Piece;

namespace {

class SettingChangeTest : public FakeTest {};

constexpr int kStart = 0x1F;

const std::string kEnabling = "\n\n [*] Enabling Automatic Reboot on Your System";
const std::string kDisabling = "\n\n [*] Disabling Automatic Reboot on Your System";
const std::string kNoStatus = "\n\t Failed to get the current status, Anyway going ahead now...";
const std::string kNowEnabling =
    "\n\n\n [*] Automatic Reboot is currently Disabled on your System. Enabling it Now...";
const std::string kNowDisabling =
    "\n\n\n [*] Automatic Reboot is currently Enabled on your System. Disabling it Now...";
const std::string kAlreadyEnabled =
    "\n\n\n [*] Automatic Reboot is already Enabled on your System\n\n";
const std::string kAlreadyDisabled =
    "\n\n\n [*] Automatic Reboot is already Disabled on your System\n\n";
const std::string kEnabled = "\n\n\n [*] Successfully Enabled Automatic Reboot on your System";
const std::string kDisabled = "\n\n\n [*] Successfully Disabled Automatic Reboot on your System";

std::vector<std::uint8_t> Bytes(const char* text) {
  return std::vector<std::uint8_t>(text, text + std::strlen(text) + 1);
}

struct Outcome {
  const char* name;
  const char* argument;
  std::function<void()> arrange;
  std::string green;                   // everything after the banner, in bright green
  std::optional<std::uint32_t> write;  // the value written, if any
};

// Every row of the decision on the value read, for both requests.
TEST_F(SettingChangeTest, DecidesByTheValueItReads) {
  const Outcome cases[] = {
      {"1, key missing", "1", [] {}, kEnabling + expected::kChecking + kNoStatus + kEnabled, 1},
      {"0, key missing", "0", [] {}, kDisabling + expected::kChecking + kNoStatus + kDisabled, 0},
      {"1, value absent", "1", [] { fake::Fake().keyExists = true; },
       kEnabling + expected::kChecking + kNoStatus + kEnabled, 1},
      {"1, at 1", "1", [] { fake::SetDword(1); },
       kEnabling + expected::kChecking + kAlreadyEnabled, std::nullopt},
      {"0, at 1", "0", [] { fake::SetDword(1); },
       kDisabling + expected::kChecking + kNowDisabling + kDisabled, 0},
      {"1, at 0", "1", [] { fake::SetDword(0); },
       kEnabling + expected::kChecking + kNowEnabling + kEnabled, 1},
      {"0, at 0", "0", [] { fake::SetDword(0); },
       kDisabling + expected::kChecking + kAlreadyDisabled, std::nullopt},
      {"1, at 5", "1", [] { fake::SetDword(5); },
       kEnabling + expected::kChecking + kNowEnabling + kEnabled, 1},
      {"0, at 5", "0", [] { fake::SetDword(5); },
       kDisabling + expected::kChecking + kNowDisabling + kDisabled, 0},
      {"1, a string in place", "1", [] { fake::SetValue(1, Bytes("enabled")); },
       kEnabling + expected::kChecking + kNoStatus + kEnabled, 1},
      {"0, a string in place", "0", [] { fake::SetValue(1, Bytes("enabled")); },
       kDisabling + expected::kChecking + kNoStatus + kDisabled, 0},
      {"0, read refused", "0",
       [] {
         fake::SetDword(0);
         fake::Fake().failures[Call::kRegQueryValueExA] = platform::kErrorAccessDenied;
       },
       kDisabling + expected::kChecking + kNoStatus + kDisabled, 0},
  };
  for (const Outcome& c : cases) {
    SCOPED_TRACE(c.name);
    fake::Reset();
    fake::Fake().attributes = kStart;
    c.arrange();
    RunWith({c.argument});

    std::vector<Piece> pieces{{expected::kBanner, expected::kBrightWhite},
                              {c.green, expected::kBrightGreen}};
    // A change ends with two line breaks in the colour it found.
    if (c.write) pieces.push_back({"\n\n", kStart});
    EXPECT_EQ(fake::Fake().output, pieces);
    EXPECT_EQ(fake::Fake().attributes, kStart);
    EXPECT_EQ(fake::Fake().openKeys, 0);
    EXPECT_EQ(fake::CountOf(Call::kRegCloseKey), 1);

    const auto writes = fake::CallsOf(Call::kRegSetValueExA);
    if (c.write) {
      ASSERT_EQ(writes.size(), 1u);
      EXPECT_EQ(writes[0].name, "AutoReboot");
      EXPECT_EQ(writes[0].reserved, 0u);
      EXPECT_EQ(writes[0].type, 4u);
      EXPECT_EQ(writes[0].size, 4u);
      EXPECT_EQ(writes[0].data,
                (std::vector<std::uint8_t>{static_cast<std::uint8_t>(*c.write), 0, 0, 0}));
      EXPECT_EQ(fake::StoredDword(), c.write);
    } else {
      EXPECT_TRUE(writes.empty());
    }
  }
}

TEST_F(SettingChangeTest, CreatesTheKeyWithExactlyTheseArguments) {
  for (const expected::Wow64Case& c : expected::kWow64Cases) {
    SCOPED_TRACE(c.name);
    fake::Reset();
    fake::Fake().wow64 = c.wow64;
    RunWith({"1"});
    EXPECT_EQ(fake::RegistryCallSequence(),
              (std::vector<Call>{Call::kRegCreateKeyExA, Call::kRegQueryValueExA,
                                 Call::kRegSetValueExA, Call::kRegCloseKey}));
    const fake::CallRecord create = fake::CallsOf(Call::kRegCreateKeyExA).at(0);
    EXPECT_EQ(create.key, platform::kHkeyLocalMachine);
    EXPECT_EQ(create.name, "SYSTEM\\CurrentControlSet\\Control\\CrashControl");
    EXPECT_EQ(create.reserved, 0u);
    EXPECT_EQ(create.className, std::optional<std::string>(""));
    EXPECT_EQ(create.options, 0u);
    EXPECT_EQ(create.access, c.access);
    EXPECT_TRUE(create.securityAttributesIsNull);
    EXPECT_TRUE(create.dispositionIsNull);
    const fake::CallRecord query = fake::CallsOf(Call::kRegQueryValueExA).at(0);
    EXPECT_EQ(query.name, "AutoReboot");
    EXPECT_EQ(query.size, 4u);
    EXPECT_EQ(fake::StoredDword(), 1u);
  }
}

TEST_F(SettingChangeTest, RefusedCreateWritesNothingAndSaysHowToFixIt) {
  for (const char* argument : {"0", "1"}) {
    SCOPED_TRACE(argument);
    fake::Reset();
    fake::Fake().attributes = kStart;
    fake::SetDword(5);
    fake::Fake().failures[Call::kRegCreateKeyExA] = platform::kErrorAccessDenied;
    RunWith({argument});
    const std::string& opening = argument[0] == '1' ? kEnabling : kDisabling;
    EXPECT_EQ(fake::Fake().output,
              (std::vector<Piece>{
                  {expected::kBanner, expected::kBrightWhite},
                  {opening, expected::kBrightGreen},
                  {"\n\n [*] Error: Failed to open Windows Registry. Make sure you have "
                   "Administrator rights. \n Tip: Run the Command Prompt as Administrator and "
                   "try again\n\n",
                   expected::kBrightRed}}));
    EXPECT_EQ(fake::RegistryCallSequence(), std::vector<Call>{Call::kRegCreateKeyExA});
    EXPECT_EQ(fake::StoredDword(), 5u);
    EXPECT_EQ(fake::Fake().attributes, kStart);
  }
}

TEST_F(SettingChangeTest, RefusedWriteIsReportedWithItsCode) {
  struct Case {
    const char* argument;
    const char* opening;
    const char* verb;
  };
  for (const Case& c : {Case{"1", "Enabling", "Enable"}, Case{"0", "Disabling", "Disable"}}) {
    SCOPED_TRACE(c.argument);
    fake::Reset();
    fake::Fake().attributes = kStart;
    fake::Fake().keyExists = true;  // created but empty: the key stays after the failure
    fake::Fake().failures[Call::kRegSetValueExA] = platform::kErrorAccessDenied;
    RunWith({c.argument});
    EXPECT_EQ(fake::Fake().output,
              (std::vector<Piece>{
                  {expected::kBanner, expected::kBrightWhite},
                  {std::string("\n\n [*] ") + c.opening + " Automatic Reboot on Your System" +
                       expected::kChecking + kNoStatus,
                   expected::kBrightGreen},
                  {std::string("\n\n Error: Failed to ") + c.verb +
                       " Automatic Reboot on your System. Make sure you have Administrator "
                       "rights. \n Error Code=0x00000005\n\n",
                   expected::kBrightRed},
                  {"\n\n", kStart}}));
    EXPECT_EQ(fake::Fake().openKeys, 0);
    EXPECT_EQ(fake::CountOf(Call::kRegCloseKey), 1);
    EXPECT_TRUE(fake::Fake().keyExists);
    EXPECT_FALSE(fake::Fake().valuePresent);
    EXPECT_EQ(fake::Fake().attributes, kStart);
  }
}

TEST_F(SettingChangeTest, ErrorCodeIsPrintedInEightLowerCaseHexDigits) {
  fake::SetDword(0);
  fake::Fake().failures[Call::kRegSetValueExA] = 0xC000A0F3u;
  RunWith({"1"});
  EXPECT_NE(fake::Text().find(" \n Error Code=0xc000a0f3\n\n"), std::string::npos) << fake::Text();
}

}  // namespace
