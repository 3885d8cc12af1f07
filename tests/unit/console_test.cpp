#include "console/console.h"

#include "test_support.h"

using fake::Call;
using fake::Piece;

namespace {

class ConsoleTest : public FakeTest {};

// The words applied to the console, in order.
std::vector<int> AppliedWords() {
  std::vector<int> words;
  for (const fake::CallRecord& record : fake::CallsOf(Call::kSetConsoleAttributeWord)) {
    words.push_back(record.word);
  }
  return words;
}

TEST_F(ConsoleTest, BannerFormsAreBrightWhiteAndPutTheWordBack) {
  for (const int start : {0x07, 0x1F}) {
    for (const BannerForm form : {BannerForm::kStandalone, BannerForm::kHelp}) {
      SCOPED_TRACE(testing::Message() << "start word " << start << ", form "
                                      << static_cast<int>(form));
      fake::Reset();
      fake::Fake().attributes = static_cast<std::uint16_t>(start);
      ShowBanner(form);
      const std::string& text =
          form == BannerForm::kStandalone ? expected::kBanner : expected::kBannerHelpForm;
      EXPECT_EQ(fake::Fake().output, (std::vector<Piece>{{text, expected::kBrightWhite}}));
      EXPECT_EQ(AppliedWords(), (std::vector<int>{0x0F, start}));
    }
  }
}

TEST_F(ConsoleTest, HighlightsDropTheBackgroundAndRestoreIsExact) {
  fake::Fake().attributes = 0x1F;
  const int kept = GetTextAttributes();
  EXPECT_EQ(kept, 0x1F);
  SetTextColour(kColourGreen);
  SetTextColour(kColourRed);
  SetTextColour(kColourWhite);
  RestoreTextAttributes(kept);
  EXPECT_EQ(AppliedWords(), (std::vector<int>{0x0A, 0x0C, 0x0F, 0x1F}));
  EXPECT_EQ(fake::Fake().attributes, 0x1F);
}

TEST_F(ConsoleTest, UnreadableConsoleCountsAsBrightWhite) {
  fake::Fake().hasConsole = false;
  EXPECT_EQ(GetTextAttributes(), 15);
  ShowBanner();
  // The text still comes out; the restore hands back the default word.
  EXPECT_EQ(fake::Text(), expected::kBanner);
  EXPECT_EQ(AppliedWords(), (std::vector<int>{0x0F, 15}));
}

TEST_F(ConsoleTest, ReportErrorPrintsPercentSignsLiterally) {
  ReportError("\n value %s at %d%%", "100%s%d%n", 5);
  EXPECT_EQ(fake::Fake().output,
            (std::vector<Piece>{{"\n value 100%s%d%n at 5%", expected::kBrightRed}}));
  EXPECT_EQ(fake::Fake().attributes, 0x07);
}

TEST_F(ConsoleTest, ReportErrorLeavesTheColourItFoundInForce) {
  SetTextColour(kColourGreen);
  PrintText("before");
  ReportError("%s", " Error: failed");
  PrintText("after");
  EXPECT_EQ(fake::Fake().output, (std::vector<Piece>{{"before", expected::kBrightGreen},
                                                     {" Error: failed", expected::kBrightRed},
                                                     {"after", expected::kBrightGreen}}));
}

TEST_F(ConsoleTest, ReportErrorCutsAnOverlongReportToTheBuffer) {
  const std::string longText(5000, 'x');
  ReportError("%s", longText.c_str());
  EXPECT_EQ(fake::Text(), std::string(4095, 'x'));
}

}  // namespace
