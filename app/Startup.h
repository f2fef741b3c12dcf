#pragma once

#include <QStringList>

// Creates every window once, in the program's fixed order (the main window first: it creates
// the data module and the login window).
void createWindows();

// The whole program: style, windows, message loop. Returns 0 in every case.
int runProgram(int argc, char **argv);
