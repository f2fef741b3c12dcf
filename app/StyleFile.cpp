#include "app/StyleFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace StyleFile {

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/t_style.txt");
}

void write(const QString &name)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    QFile f(path());
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(name.toLocal8Bit() + "\r\n");
}

QString readOrCreate()
{
    const QString defaultName = QStringLiteral("Windows");
    QFile f(path());
    if (!f.open(QIODevice::ReadOnly)) {
        write(defaultName);
        return defaultName;
    }
    const QByteArray all = f.readAll();
    f.close();
    const qsizetype eol = all.indexOf('\n');
    QByteArray first = eol < 0 ? all : all.left(eol);
    if (first.endsWith('\r'))
        first.chop(1);
    const QString name = QString::fromLocal8Bit(first);
    if (!name.isEmpty())
        return name;
    // Keep the lines after the empty first one: only line 1 is ours.
    QByteArray rest = eol < 0 ? QByteArray() : all.mid(eol + 1);
    QFile out(path());
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(defaultName.toLocal8Bit() + "\r\n" + rest);
    return defaultName;
}

} // namespace StyleFile
