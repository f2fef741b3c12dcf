#include "data/Numbers.h"

#include "data/DbError.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Numbers {

QString sqlNumber(const QString &text, const QString &delimiter)
{
    if (text.isEmpty())
        return QStringLiteral("0");
    QString t = text;
    qsizetype at = t.indexOf(QLatin1Char(','));
    if (at < 0)
        at = t.indexOf(QLatin1Char('.'));
    if (at >= 0)
        t.replace(at, 1, delimiter);
    return t;
}

QString floatToStr(double value)
{
    if (!std::isfinite(value))
        throw InputError(QStringLiteral("Недопустимое числовое значение"));
    if (value == 0)
        return QStringLiteral("0");
    // 15 significant digits, then written out in fixed form without trailing zeros.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const double rounded = std::strtod(buf, nullptr);
    const int exponent = int(std::floor(std::log10(std::fabs(rounded))));
    const int decimals = std::max(0, 14 - exponent);
    QString s = QString::number(rounded, 'f', std::min(decimals, 300));
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

std::optional<double> readNumber(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral(R"(^-?(\d+([.,]\d*)?|[.,]\d+)$)"));
    const QString t = text.trimmed();
    if (!shape.match(t).hasMatch())
        return std::nullopt;
    QString c = t;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        throw InputError(QStringLiteral("Недопустимое числовое значение"));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const double snapped = std::strtod(buf, nullptr);
    const double scale = std::pow(10.0, decimals);
    const double scaled = snapped * scale;
    double whole = std::floor(scaled);
    const double frac = scaled - whole;
    // Compare the fraction with a half at the precision of the scaled value.
    const double eps = std::max(1e-9, std::fabs(scaled) * 1e-14);
    if (std::fabs(frac - 0.5) <= eps) {
        if (std::fmod(whole, 2.0) != 0)
            whole += 1;
    } else if (frac > 0.5) {
        whole += 1;
    }
    return whole / scale;
}

} // namespace Numbers
