#pragma once

#include <QString>
#include <stdexcept>

// The one exception type of the data layer. It carries the server's (or our own) text, which the
// handler wrapper shows in the standard error box.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

// A value typed by the user that cannot be used; shown as a plain message, nothing is written.
class InputError : public std::runtime_error
{
public:
    explicit InputError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
