// The version check against a real version row.
#include "app/BuildStamp.h"
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "app/Version.h"
#include "tests/fixture/Fixture.h"

#include <QTimer>

using Platform::Testing::ShownBox;

class TestVersion final : public DbTestCase
{
    Q_OBJECT
private:
    void setVer(qint64 d, qint64 t, const QString &delim = QStringLiteral("."))
    {
        Fixture::exec(
            QStringLiteral("update ver set d=%1, t=%2, delim=%3").arg(d).arg(t).arg(SqlText(delim)));
    }
    QPair<qint64, qint64> ver()
    {
        return {Fixture::scalar(QStringLiteral("select d from ver")).toLongLong(),
                Fixture::scalar(QStringLiteral("select t from ver")).toLongLong()};
    }

private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        new TForm1; // creates the login window too; the data module exists already
        QVERIFY(Form1 && Form23);
    }

    void init()
    {
        DbTestCase::init();
        Form23->Timer1->stop();
    }

    void olderRowIsBroughtUp()
    {
        const BuildStamp s = currentBuildStamp();
        setVer(20000101, 5, QStringLiteral(","));
        CheckVersion();
        QCOMPARE(ver(), qMakePair(qint64(s.date), qint64(s.time)));
        QCOMPARE(Form1->BuildDate, s.date);
        QCOMPARE(Form1->BuildTime, s.time);
        QCOMPARE(DataModule6->DbDelimiter, QStringLiteral(","));
        QCOMPARE(SqlNumber(QStringLiteral("1.5")), QStringLiteral("1,5"));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QCOMPARE(Platform::Testing::terminateCount(), 0);
        QVERIFY(!DataModule6->ver->active());

        // Same day, earlier time: also older.
        if (s.time > 0) {
            setVer(s.date, s.time - 1);
            CheckVersion();
            QCOMPARE(ver(), qMakePair(qint64(s.date), qint64(s.time)));
        }
    }

    void equalRowDoesNothing()
    {
        const BuildStamp s = currentBuildStamp();
        setVer(s.date, s.time);
        CheckVersion();
        QCOMPARE(ver(), qMakePair(qint64(s.date), qint64(s.time)));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QCOMPARE(Platform::Testing::terminateCount(), 0);
        QVERIFY(!Form23->Timer1->isActive());
    }

    void newerRowEndsTheProgram_data()
    {
        QTest::addColumn<int>("dayOffset");
        QTest::addColumn<int>("timeOffset");
        QTest::newRow("later day") << 1 << 0;
        QTest::newRow("same day, later time") << 0 << 1;
    }
    void newerRowEndsTheProgram()
    {
        QFETCH(int, dayOffset);
        QFETCH(int, timeOffset);
        const BuildStamp s = currentBuildStamp();
        const qint64 d = dayOffset ? 29991231 : s.date;
        const qint64 t = s.time + timeOffset;
        setVer(d, t);
        CheckVersion();
        QCOMPARE(ver(), qMakePair(d, t)); // not touched
        const QList<ShownBox> boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text,
                 QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(boxes[0].icon, Platform::Icon::Error);
        QCOMPARE(Platform::Testing::terminateCount(), 1);
        // Armed before the box: it ends the program even if nobody presses OK.
        QVERIFY(Form23->Timer1->isActive());
        QCOMPARE(Form23->Timer1->interval(), 5500);
        Form23->Timer1Timer();
        QCOMPARE(Platform::Testing::terminateCount(), 2);
        Form23->Timer1->stop();
    }

    void emptyDelimiterCountsAsPoint()
    {
        setVer(20000101, 0, QString());
        CheckVersion();
        QCOMPARE(DataModule6->DbDelimiter, QString());
        QCOMPARE(SqlNumber(QStringLiteral("12,5")), QStringLiteral("12.5"));
    }

    void pausedCheckDoesNothing()
    {
        setVer(29991231, 0);
        {
            VersionCheckPause pause;
            CheckVersion();
        }
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QCOMPARE(Platform::Testing::terminateCount(), 0);
        // The main window's timer runs the same check.
        Form1->Timer1Timer();
        QCOMPARE(Platform::Testing::shownBoxes().size(), 1);
        QCOMPARE(Form1->Timer1->interval(), 30000);
        QVERIFY(Form1->Timer1->isActive());
        Form23->Timer1->stop();
    }
};

QTEST_MAIN(TestVersion)
#include "tst_version.moc"
