#pragma once

#include <QString>

// The one-line file naming the chosen visual style, in the per-user data folder.
namespace StyleFile {

// Full path of t_style.txt.
QString path();
// The style name to start with: line 1 of the file. A missing file is created holding
// "Windows"; a file whose first line is empty (or that has no lines) gets "Windows" written
// as its first line. Only line 1 is read.
QString readOrCreate();
// Rewrites the file so that it holds exactly one line, the name (CR LF).
void write(const QString &name);

} // namespace StyleFile
