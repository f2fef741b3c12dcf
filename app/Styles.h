#pragma once
#include <QString>
#include <QStringList>
namespace Styles {
// Every style name offered to the user, sorted (case-insensitively), 40 names including "Windows".
QStringList names();
// The listed spelling of a name compared without regard to case; empty when unknown.
QString canonicalName(const QString &name);
// Switches the whole application (qApp: style, palette, style sheet) to the named style,
// name compared without regard to case. Returns false and changes nothing when unknown.
bool apply(const QString &name);
// The listed name of the style now active ("Windows" before any apply()).
QString activeName();
} // namespace Styles
