// Expected texts and helpers shared by the unit tests. The texts are spelled
// out here rather than taken from the product, so a wrong character shows.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app.h"
#include "fake_platform.h"

namespace expected {

constexpr int kBrightWhite = 0x0F;
constexpr int kBrightGreen = 0x0A;
constexpr int kBrightRed = 0x0C;

inline const std::string kRule =
    "\n\n****************************************************************";
inline const std::string kBannerHelpForm =
    kRule + "\n\n    Tollvane v1.5 by Quenlight\n\n    https://www.quenlight.com/tollvane/" + kRule;
inline const std::string kBanner = kBannerHelpForm + "\n";

inline const std::string kHelpBody =
    "\n\n\n Usage: \n\t Tollvane [1 | 0 | -s | -h]  "
    "\n\n\n Examples:\n"
    "\n\n\t // Enable Automatic Reboot on Your System\n\t Tollvane.exe 1"
    "\n\n\t // Disable Automatic Reboot on Your System\n\t Tollvane.exe 0"
    "\n\n\t //Show Current Status of 'Automatic Reboot' setting\n\t Tollvane.exe -s"
    "\n\n\t // Show this help screen\n\t Tollvane.exe -h"
    "\n\n";

inline const std::string kInvalidParameter = "\n\n Error: Invalid parameters specified.\n\n";
inline const std::string kInvalidCount =
    "\n\n Error: Invalid input parameters. Kindly see the above examples and try again.\n\n";
inline const std::string kChecking =
    "\n\n\n [*] Checking for the current status of Automatic Reboot Setting";

// The access mask asked for the crash-control key, by what IsWow64Process says.
struct Wow64Case {
  const char* name;
  fake::Wow64 wow64;
  std::uint32_t access;
};
constexpr Wow64Case kWow64Cases[] = {
    {"no IsWow64Process", fake::Wow64::kNoIsWow64Process, 0x2001F},
    {"IsWow64Process says FALSE", fake::Wow64::kFalse, 0x2001F},
    {"IsWow64Process says TRUE", fake::Wow64::kTrue, 0x2011F},
};

// The help screen as printed on a console whose word is not white or green.
inline std::vector<fake::Piece> HelpPieces() {
  return {{kBannerHelpForm, kBrightWhite}, {kHelpBody, kBrightGreen}};
}

}  // namespace expected

// Runs the whole tool with these arguments after the program path; expects
// exit status 0.
inline void RunWith(const std::vector<const char*>& arguments) {
  std::vector<std::string> storage{"C:\\Tools\\Tollvane.exe"};
  storage.insert(storage.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : storage) argv.push_back(argument.data());
  argv.push_back(nullptr);
  EXPECT_EQ(RunTollvane(static_cast<int>(storage.size()), argv.data()), 0);
}

class FakeTest : public ::testing::Test {
 protected:
  void SetUp() override { fake::Reset(); }
};
