#include "app/Version.h"

#include "app/BuildStamp.h"
#include "app/Platform.h"
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "data/Unit6.h"

#include <QTimer>

namespace {
int pauses = 0;
}

VersionCheckPause::VersionCheckPause()
{
    ++pauses;
}

VersionCheckPause::~VersionCheckPause()
{
    --pauses;
}

void CheckVersion()
{
    if (pauses > 0 || !DataModule6 || !DataModule6->ADO_DB->connected())
        return;
    VersionCheckPause running;

    const BuildStamp stamp = currentBuildStamp();
    if (Form1) {
        Form1->BuildDate = stamp.date;
        Form1->BuildTime = stamp.time;
    }
    Dataset *ver = DataModule6->ver;
    ver->close();
    ver->open();
    ver->first();
    if (ver->isEmpty()) {
        ver->close();
        return;
    }
    DataModule6->DbDelimiter = ver->field(QStringLiteral("delim")).asString();
    const qint64 d = ver->field(QStringLiteral("d")).asInteger();
    const qint64 t = ver->field(QStringLiteral("t")).asInteger();
    ver->close();

    const QString date = QString::number(stamp.date), time = QString::number(stamp.time);
    // One conditional statement: two clients starting together cannot undo each other's update.
    DataModule6->cmd_all->execute(QStringLiteral("update ver set d=") + date + QStringLiteral(", t=") + time +
                                  QStringLiteral(" where d<") + date + QStringLiteral(" or (d=") + date +
                                  QStringLiteral(" and t<") + time + QStringLiteral(")"));

    if (stamp.date < d || (d == stamp.date && stamp.time < t)) {
        if (Form23)
            Form23->Timer1->start();
        Platform::showError(
            QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
        Platform::terminate();
    }
}
