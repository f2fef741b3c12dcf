#pragma once

#include <QStringList>

// Creates every window once, in the program's fixed order (the main window first: it creates
// the data module and the login window).
void createWindows();

// Applies the style the style file names (creating the file when needed); an unknown name is
// reported and the plain look used, the file left as it is.
void applyStartupStyle();

// The whole program: style, windows, message loop. Returns 0 in every case.
int runProgram(int argc, char **argv);
