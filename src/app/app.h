// The command-line front end.
#pragma once

// Runs the tool for one command line and returns the exit status, always 0.
// The console is back at the attribute word it had on entry.
int RunTollvane(int argc, char* argv[]);

// Prints the help screen and puts the colour back.
void ShowHelp();

// The action for a single argument, or null when it names no command.
// Keywords match as whole strings, ignoring ASCII letter case.
using CommandAction = void (*)();
CommandAction FindCommand(const char* argument);
