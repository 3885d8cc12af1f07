#include "app/app.h"

#include "crashcontrol/crash_control.h"
#include "test_support.h"

using fake::Call;
using fake::Piece;

namespace {

class AppTest : public FakeTest {};

TEST_F(AppTest, HelpScreenTextColoursAndRestore) {
  fake::Fake().attributes = 0x1F;
  ShowHelp();
  EXPECT_EQ(fake::Fake().output, expected::HelpPieces());
  EXPECT_EQ(fake::Fake().attributes, 0x1F);
}

TEST_F(AppTest, HelpArgumentShowsHelpOnlyWhateverItsCase) {
  for (const char* argument : {"-h", "-H"}) {
    SCOPED_TRACE(argument);
    fake::Reset();
    RunWith({argument});
    EXPECT_EQ(fake::Fake().output, expected::HelpPieces());
    EXPECT_EQ(fake::Fake().attributes, 0x07);
    EXPECT_TRUE(fake::RegistryCallSequence().empty());
    EXPECT_EQ(fake::CountOf(Call::kGetEnvironmentVariableA), 0);
  }
}

TEST_F(AppTest, CommandTableMatchesWholeKeywordsIgnoringCase) {
  EXPECT_EQ(FindCommand("-s"), FindCommand("-S"));
  EXPECT_EQ(FindCommand("-s"), &ShowAutoRebootStatus);
  EXPECT_EQ(FindCommand("-h"), &ShowHelp);
  EXPECT_NE(FindCommand("0"), nullptr);
  EXPECT_NE(FindCommand("1"), nullptr);
  EXPECT_NE(FindCommand("0"), FindCommand("1"));
  for (const char* argument : {"01", "+1", "-x", "--s", "/s", "", "-", "s", "-s ", " -s", "10",
                               "-sh", "h", "\xE9", "-\xD3"}) {
    SCOPED_TRACE(testing::Message() << '"' << argument << '"');
    EXPECT_EQ(FindCommand(argument), nullptr);
  }
}

TEST_F(AppTest, InvalidInputGetsHelpAndRedErrorAndNoRegistryCall) {
  struct Case {
    std::vector<const char*> arguments;
    const std::string& error;
  };
  const Case cases[] = {
      {{"01"}, expected::kInvalidParameter},  {{"+1"}, expected::kInvalidParameter},
      {{"-x"}, expected::kInvalidParameter},  {{"--s"}, expected::kInvalidParameter},
      {{"/s"}, expected::kInvalidParameter},  {{""}, expected::kInvalidParameter},
      {{"1", "-s"}, expected::kInvalidCount}, {{"-h", "-h"}, expected::kInvalidCount},
      {{"0", "1", "-s"}, expected::kInvalidCount},
  };
  for (const Case& c : cases) {
    std::string name;
    for (const char* argument : c.arguments) name += std::string("[") + argument + "]";
    SCOPED_TRACE(name);
    for (const int start : {0x07, 0x1F}) {
      fake::Reset();
      fake::SetDword(1);
      fake::Fake().attributes = static_cast<std::uint16_t>(start);
      RunWith(c.arguments);

      std::vector<Piece> pieces = expected::HelpPieces();
      pieces.push_back({c.error, expected::kBrightRed});
      EXPECT_EQ(fake::Fake().output, pieces);
      EXPECT_EQ(fake::Fake().attributes, start);
      EXPECT_TRUE(fake::RegistryCallSequence().empty());
      EXPECT_EQ(fake::CountOf(Call::kCallIsWow64Process), 0);
      EXPECT_EQ(fake::StoredDword(), 1u);
    }
  }
}

TEST_F(AppTest, NoArgumentChecksWhereItWasStartedFrom) {
  struct Case {
    const char* name;
    std::optional<std::string> prompt;
    bool waits;
  };
  const Case cases[] = {
      {"PROMPT absent", std::nullopt, true},
      {"PROMPT empty", std::string(), true},
      {"PROMPT set", std::string("$P$G"), false},
      {"PROMPT of 127 characters", std::string(127, 'p'), false},
      {"PROMPT of 128 characters", std::string(128, 'p'), false},
      {"PROMPT of 500 characters", std::string(500, 'p'), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::Reset();
    fake::Fake().attributes = 0x1F;
    fake::Fake().prompt = c.prompt;
    RunWith({});

    std::vector<Piece> pieces = expected::HelpPieces();
    if (c.waits) {
      pieces.push_back({"\n This is a console application. Kindly Run it from the CMD Prompt!"
                        "\n\n Press any key to exit....\n",
                        expected::kBrightRed});
    }
    EXPECT_EQ(fake::Fake().output, pieces);
    EXPECT_EQ(fake::CountOf(Call::kWaitForKeyPress), c.waits ? 1 : 0);
    const auto probes = fake::CallsOf(Call::kGetEnvironmentVariableA);
    ASSERT_EQ(probes.size(), 1u);
    EXPECT_EQ(probes[0].name, "PROMPT");
    EXPECT_EQ(probes[0].size, 128u);
    EXPECT_EQ(fake::Fake().attributes, 0x1F);
    EXPECT_TRUE(fake::RegistryCallSequence().empty());
  }
}

TEST_F(AppTest, KeyWaitComesAfterTheNoteIsShown) {
  fake::Fake().prompt.reset();
  RunWith({});
  // The restore is the last thing: the note is still red while the user reads it.
  const auto& calls = fake::Fake().calls;
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2].call, Call::kWaitForKeyPress);
  EXPECT_EQ(calls.back().call, Call::kSetConsoleAttributeWord);
  EXPECT_EQ(calls.back().word, 0x07);
}

}  // namespace
