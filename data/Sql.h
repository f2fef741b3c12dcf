#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

// Pieces of composed SQL. Every text that a user typed reaches SQL through SqlText.
namespace Sql {

// The trimmed text as a single-quoted SQL literal, apostrophes doubled (standard_conforming_strings
// is on, so backslashes stay literal); NUL characters, which no server text can hold, are dropped.
QString text(const QString &value);

// A parameter value as an SQL literal: NULL, numbers in decimal with ".", booleans, dates and
// times in ISO form (unambiguous whatever the DateStyle), anything else as quoted text.
QString literal(const QVariant &value);

// Names of the :name parameters of a statement, in order of first appearance. Quoted strings,
// quoted identifiers, comments and "::" casts are skipped.
QStringList parameterNames(const QString &sql);

// The statement with each :name replaced by literal(values(name)). Names without a value
// raise DbError.
QString bind(const QString &sql, const std::function<bool(const QString &, QVariant *)> &values);

} // namespace Sql

// The short spelling used by handlers: SqlText(Edit1->text()).
inline QString SqlText(const QString &value)
{
    return Sql::text(value);
}
