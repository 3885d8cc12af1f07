// Every registry call of every command, failed in turn with each status that
// matters: the command must say the right thing in red or carry on as it
// should, close what it opened, write nothing after a failed open or create,
// and leave the console colour as it found it.
#include <cstdio>

#include "test_support.h"

using fake::Call;

namespace {

class FaultSweepTest : public FakeTest {};

constexpr int kStart = 0x1F;
// Missing, refused, too long for the buffer, and one nobody expects.
constexpr platform::Status kCodes[] = {2, 5, 234, 0x8007001Fu};

// What failing one call leads to.
enum class Then {
  kOpenErrorWithCode,  // red open error with the code; nothing more
  kTipError,           // red message with the tip, no code; nothing more
  kReportedDisabled,   // the status report's unreadable-value outcome
  kNoteThenWrite,      // the note, then the write and its success
  kWriteErrorWithCode, // red write error with the code
  kIgnored,            // the command ends as if nothing had failed
};

struct Row {
  const char* argument;
  Call failing;
  Then then;
};

constexpr Row kRows[] = {
    {"-s", Call::kRegOpenKeyExA, Then::kOpenErrorWithCode},
    {"-s", Call::kRegQueryValueExA, Then::kReportedDisabled},
    {"-s", Call::kRegCloseKey, Then::kIgnored},
    {"1", Call::kRegCreateKeyExA, Then::kTipError},
    {"1", Call::kRegQueryValueExA, Then::kNoteThenWrite},
    {"1", Call::kRegSetValueExA, Then::kWriteErrorWithCode},
    {"1", Call::kRegCloseKey, Then::kIgnored},
    {"0", Call::kRegCreateKeyExA, Then::kTipError},
    {"0", Call::kRegQueryValueExA, Then::kNoteThenWrite},
    {"0", Call::kRegSetValueExA, Then::kWriteErrorWithCode},
    {"0", Call::kRegCloseKey, Then::kIgnored},
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string RedText() {
  std::string red;
  for (const fake::Piece& piece : fake::Fake().output) {
    if (piece.attributes == expected::kBrightRed) red += piece.text;
  }
  return red;
}

TEST_F(FaultSweepTest, EveryRegistryCallFailedWithEveryCode) {
  for (const Row& row : kRows) {
    for (const platform::Status code : kCodes) {
      char codeText[32];
      std::snprintf(codeText, sizeof codeText, "Error Code=0x%.8x", code);
      SCOPED_TRACE(testing::Message() << row.argument << ", call " << static_cast<int>(row.failing)
                                      << " fails with " << code);
      fake::Reset();
      fake::Fake().attributes = kStart;
      // The opposite of what a change asks for, so it has to write; "-s" reads 1.
      const bool enable = row.argument[0] == '1';
      fake::SetDword(enable ? 0 : 1);
      fake::Fake().failures[row.failing] = code;
      RunWith({row.argument});

      const std::string text = fake::Text();
      const std::string red = RedText();
      const bool opened = row.then != Then::kOpenErrorWithCode && row.then != Then::kTipError;
      EXPECT_EQ(fake::CountOf(Call::kRegCloseKey), opened ? 1 : 0);
      EXPECT_EQ(fake::Fake().attributes, kStart);
      switch (row.then) {
        case Then::kOpenErrorWithCode:
          EXPECT_EQ(red, std::string("\n\n [*] Error: Failed to open Windows Registry. \n ") +
                             codeText + "\n\n");
          EXPECT_EQ(fake::RegistryCallSequence(), std::vector<Call>{Call::kRegOpenKeyExA});
          break;
        case Then::kTipError:
          EXPECT_TRUE(Contains(red, "Tip: Run the Command Prompt as Administrator")) << red;
          EXPECT_FALSE(Contains(text, "Error Code="));
          EXPECT_EQ(fake::RegistryCallSequence(), std::vector<Call>{Call::kRegCreateKeyExA});
          break;
        case Then::kReportedDisabled:
          EXPECT_TRUE(red.empty()) << red;
          EXPECT_TRUE(Contains(text, "currently Disabled on your System. \n\n")) << text;
          break;
        case Then::kNoteThenWrite:
          EXPECT_TRUE(red.empty()) << red;
          EXPECT_TRUE(Contains(text, "Failed to get the current status, Anyway going ahead now..."));
          EXPECT_TRUE(Contains(text, enable ? "Successfully Enabled" : "Successfully Disabled"));
          EXPECT_EQ(fake::StoredDword(), enable ? 1u : 0u);
          break;
        case Then::kWriteErrorWithCode:
          EXPECT_TRUE(Contains(red, std::string("Failed to ") + (enable ? "Enable" : "Disable") +
                                        " Automatic Reboot")) << red;
          EXPECT_TRUE(Contains(red, codeText)) << red;
          EXPECT_FALSE(Contains(text, "Successfully"));
          EXPECT_EQ(fake::StoredDword(), enable ? 0u : 1u);
          break;
        case Then::kIgnored:
          EXPECT_TRUE(red.empty()) << red;
          if (row.argument[0] == '-') {
            EXPECT_TRUE(Contains(text, "currently Enabled on your System\n\n"));
          } else {
            EXPECT_TRUE(Contains(text, enable ? "Successfully Enabled" : "Successfully Disabled"));
          }
          break;
      }
      if (!opened) {
        EXPECT_EQ(fake::CountOf(Call::kRegSetValueExA), 0);
        EXPECT_EQ(fake::CountOf(Call::kRegQueryValueExA), 0);
      }
    }
  }
}

}  // namespace
