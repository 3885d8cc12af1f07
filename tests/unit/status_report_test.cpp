#include "crashcontrol/crash_control.h"

#include <functional>

#include "test_support.h"

using fake::Call;
using fake::Piece;

namespace {

class StatusReportTest : public FakeTest {};

const std::string kEnabled = "\n\n\n [*] Automatic Reboot is currently Enabled on your System\n\n";
const std::string kDisabled =
    "\n\n\n [*] Automatic Reboot is currently Disabled on your System\n\n\n\n";
const std::string kUnreadable =
    "\n\n\n [*] Automatic Reboot is currently Disabled on your System. \n\n";

TEST_F(StatusReportTest, ReportsEachStateOfTheValue) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    std::vector<Piece> afterBanner;
  };
  const Case cases[] = {
      {"key missing", [] {},
       {{"\n\n [*] Error: Failed to open Windows Registry. \n Error Code=0x00000002\n\n",
         expected::kBrightRed}}},
      {"open refused",
       [] {
         fake::SetDword(1);
         fake::Fake().failures[Call::kRegOpenKeyExA] = platform::kErrorAccessDenied;
       },
       {{"\n\n [*] Error: Failed to open Windows Registry. \n Error Code=0x00000005\n\n",
         expected::kBrightRed}}},
      {"value 1", [] { fake::SetDword(1); },
       {{expected::kChecking + kEnabled, expected::kBrightGreen}}},
      {"value 0", [] { fake::SetDword(0); },
       {{expected::kChecking + kDisabled, expected::kBrightGreen}}},
      {"value 7", [] { fake::SetDword(7); },
       {{expected::kChecking + kEnabled, expected::kBrightGreen}}},
      {"value absent", [] { fake::Fake().keyExists = true; },
       {{expected::kChecking + kUnreadable, expected::kBrightGreen}}},
      {"value of 8 bytes", [] { fake::SetValue(11, {0, 0, 0, 0, 0, 0, 0, 0}); },
       {{expected::kChecking + kUnreadable, expected::kBrightGreen}}},
      {"string value", [] { fake::SetValue(1, {'o', 'n', 'e', 0}); },
       {{expected::kChecking + kEnabled, expected::kBrightGreen}}},
      {"value of zero length keeps the preset 2", [] { fake::SetValue(platform::kRegDword, {}); },
       {{expected::kChecking + kEnabled, expected::kBrightGreen}}},
      {"read refused",
       [] {
         fake::SetDword(1);
         fake::Fake().failures[Call::kRegQueryValueExA] = platform::kErrorAccessDenied;
       },
       {{expected::kChecking + kUnreadable, expected::kBrightGreen}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::Reset();
    c.arrange();
    RunWith({"-s"});

    std::vector<Piece> pieces{{expected::kBanner, expected::kBrightWhite}};
    pieces.insert(pieces.end(), c.afterBanner.begin(), c.afterBanner.end());
    EXPECT_EQ(fake::Fake().output, pieces);
    EXPECT_EQ(fake::Fake().attributes, 0x07);
    EXPECT_EQ(fake::Fake().openKeys, 0);
    EXPECT_EQ(fake::CountOf(Call::kRegSetValueExA), 0);
    EXPECT_EQ(fake::CountOf(Call::kRegCreateKeyExA), 0);
  }
}

TEST_F(StatusReportTest, OpensTheCrashControlKeyAndClosesItAfterOneRead) {
  fake::SetDword(1);
  RunWith({"-S"});
  EXPECT_EQ(fake::RegistryCallSequence(),
            (std::vector<Call>{Call::kRegOpenKeyExA, Call::kRegQueryValueExA, Call::kRegCloseKey}));
  const fake::CallRecord open = fake::CallsOf(Call::kRegOpenKeyExA).at(0);
  EXPECT_EQ(open.key, platform::kHkeyLocalMachine);
  EXPECT_EQ(open.name, "SYSTEM\\CurrentControlSet\\Control\\CrashControl");
  EXPECT_EQ(open.options, 0u);
  const fake::CallRecord query = fake::CallsOf(Call::kRegQueryValueExA).at(0);
  EXPECT_EQ(query.name, "AutoReboot");
  EXPECT_TRUE(query.reservedIsNull);
  EXPECT_EQ(query.size, 4u);
  EXPECT_EQ(fake::CallsOf(Call::kRegCloseKey).at(0).key, query.key);
}

TEST_F(StatusReportTest, AsksForReadAndWriteRightsInTheRightView) {
  for (const expected::Wow64Case& c : expected::kWow64Cases) {
    SCOPED_TRACE(c.name);
    fake::Reset();
    fake::SetDword(0);
    fake::Fake().wow64 = c.wow64;
    RunWith({"-s"});
    EXPECT_EQ(fake::CountOf(Call::kCallIsWow64Process), 1);
    EXPECT_EQ(fake::CallsOf(Call::kRegOpenKeyExA).at(0).access, c.access);
  }
}

TEST_F(StatusReportTest, LeavesBrightGreenForTheCallerToUndo) {
  fake::Fake().attributes = 0x1F;
  fake::SetDword(1);
  ShowAutoRebootStatus();
  EXPECT_EQ(fake::Fake().attributes, 0x0A);
  fake::Reset();
  fake::Fake().attributes = 0x1F;
  ShowAutoRebootStatus();  // the key is missing: the error report keeps green too
  EXPECT_EQ(fake::Fake().attributes, 0x0A);
}

}  // namespace
