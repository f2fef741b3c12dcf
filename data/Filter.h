#pragma once

#include "data/ResultSet.h"

#include <QString>
#include <functional>
#include <memory>

// A record filter text as the windows write it: comparisons of a field with a number or a quoted
// text (= <> != < > <= >=), "like" with % on either side, "is null", joined by "and" / "or",
// with "not" and parentheses. Names and "like" compare without regard to case.
class Filter
{
public:
    virtual ~Filter() = default;
    virtual bool matches(const ResultSet &rows, int row) const = 0;

    // Compiles a filter against the columns of a result; resolve(name) gives the column or -1.
    // A text that does not read raises DbError.
    static std::unique_ptr<Filter> compile(const QString &text,
                                           const std::function<int(const QString &)> &resolve,
                                           const std::function<FieldKind(int)> &kindOf);
};

class QCollator;
// The collation of text columns.
const QCollator &textCollator();
// A numeric cell's value (for sorting).
double numberOf(QByteArrayView v);

// Comparison of two cell texts of the given kind: <0, 0, >0.
int compareValues(FieldKind kind, QByteArrayView a, QByteArrayView b);
