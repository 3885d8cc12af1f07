// Coloured console output: the attribute word, the title banner and the
// error report. Everything the tool prints goes through PrintText or
// ReportError.
#pragma once

// Console attribute word (wAttributes), widened to int.
constexpr int kDefaultTextAttributes = 0x0F;  // when the console can't be read
constexpr int kForegroundIntensity = 0x08;

// Highlight colours for SetTextColour, which adds the intensity bit.
constexpr int kColourGreen = 0x02;  // progress and results
constexpr int kColourRed = 0x04;    // errors
constexpr int kColourWhite = 0x07;  // the title banner

enum class BannerForm {
  kStandalone,  // ends with a line break after the closing rule
  kHelp,        // ends right after the closing rule's asterisks
};

// The attribute word of the standard output console, or 15 where there is none.
int GetTextAttributes();
// Switches to the bright form of colour on a black background.
void SetTextColour(int colour);
// Puts back a word that GetTextAttributes returned.
void RestoreTextAttributes(int attributes);

// printf-style output to standard output in the colour now in force.
void PrintText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Prints the title banner in bright white and puts the colour back.
void ShowBanner(BannerForm form = BannerForm::kStandalone);

// Formats the message and prints it in bright red, then puts back the colour
// that was in force.
void ReportError(const char* format, ...) __attribute__((format(printf, 1, 2)));
