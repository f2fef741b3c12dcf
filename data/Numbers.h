#pragma once

#include <QString>
#include <optional>

namespace Numbers {

// The text of a number in the form written into SQL: empty text gives "0"; otherwise the first ","
// (or, when there is none, the first ".") is replaced by the database's decimal delimiter.
// Only that first separator is touched.
QString sqlNumber(const QString &text, const QString &delimiter);

// A computed value as general decimal text with up to 15 significant digits and the workstation's
// decimal comma ("12,5"), never in exponent form. NaN and infinities raise InputError: they must
// never reach the database.
QString floatToStr(double value);

// A number typed by the user: digits with at most one "," or "." and an optional leading minus,
// blanks around it ignored. Empty, "," alone, "1,2,3" and letters give no value.
std::optional<double> readNumber(const QString &text);

// Rounds to the given number of decimals, halves to the even neighbour. The value is first
// snapped to 15 significant digits so that 0.125 typed as text rounds like the decimal it is.
double roundHalfEven(double value, int decimals);

} // namespace Numbers
