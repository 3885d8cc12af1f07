// Who the tool says it is: the title banner, the usage lines and the
// executable's version record all take their words from here.
#pragma once

#define TOLLVANE_DISPLAY_NAME "Tollvane"
#define TOLLVANE_FILE_NAME "Tollvane"
#define TOLLVANE_MAKER_NAME "Quenlight"
#define TOLLVANE_VERSION_TEXT "1.5"
#define TOLLVANE_ORIGINAL_FILENAME "Tollvane.exe"
#define TOLLVANE_VERSION_NUMBERS 1, 5, 0, 0
#define TOLLVANE_VERSION_STRING "1.5.0.0"
#define TOLLVANE_DESCRIPTION "Command-line Tool to Control Automatic Reboot on Windows"
#define TOLLVANE_HOME_PAGE "https://www.quenlight.com/tollvane/"

#ifndef RC_INVOKED
constexpr const char* kDisplayName = TOLLVANE_DISPLAY_NAME;
constexpr const char* kFileName = TOLLVANE_FILE_NAME;
constexpr const char* kMakerName = TOLLVANE_MAKER_NAME;
constexpr const char* kVersionText = TOLLVANE_VERSION_TEXT;
constexpr const char* kHomePageAddress = TOLLVANE_HOME_PAGE;
#endif
