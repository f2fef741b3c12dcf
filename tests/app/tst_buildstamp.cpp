// The build stamp and the style file.
#include "app/BuildStamp.h"
#include "app/StyleFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestStartup final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit());
    }

    void buildStamp_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("stampDate");
        QTest::addColumn<int>("stampTime");
        QTest::newRow("Jan") << "Jan  5 2026"
                             << "00:00:01" << 20260105 << 1;
        QTest::newRow("Feb") << "Feb 28 2025"
                             << "23:59:59" << 20250228 << 86399;
        QTest::newRow("Mar") << "Mar 15 2026"
                             << "14:27:21" << 20260315 << 52041;
        QTest::newRow("Apr") << "Apr  1 2026"
                             << "12:00:00" << 20260401 << 43200;
        QTest::newRow("May") << "May 10 2026"
                             << "01:02:03" << 20260510 << 3723;
        QTest::newRow("Jun") << "Jun 30 2026"
                             << "00:00:00" << 20260630 << 0;
        QTest::newRow("Jul") << "Jul  4 2026"
                             << "00:00:00" << 20260704 << 0;
        QTest::newRow("Aug") << "Aug 31 2026"
                             << "00:00:00" << 20260831 << 0;
        QTest::newRow("Sep") << "Sep  9 2026"
                             << "00:00:00" << 20260909 << 0;
        QTest::newRow("Oct") << "Oct 10 2026"
                             << "00:00:00" << 20261010 << 0;
        QTest::newRow("Nov") << "Nov 11 2026"
                             << "00:00:00" << 20261111 << 0;
        QTest::newRow("Dec") << "Dec 11 2026"
                             << "13:12:52" << 20261211 << 47572;
        QTest::newRow("unknown date") << "??? ?? ????"
                                      << "10:00:00" << 19000101 << 36000;
        QTest::newRow("unknown time") << "Dec 11 2026"
                                      << "??:??:??" << 19000101 << 0;
    }
    void buildStamp()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(int, stampDate);
        QFETCH(int, stampTime);
        const BuildStamp s = parseBuildStamp(date.toLatin1().constData(), time.toLatin1().constData());
        QCOMPARE(s.date, stampDate);
        QCOMPARE(s.time, stampTime);
    }

    void currentStampIsPlausible()
    {
        const BuildStamp s = currentBuildStamp();
        QVERIFY(s.date > 20200101 && s.date < 21000101);
        QVERIFY(s.time >= 0 && s.time < 86400);
    }

    void styleFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("missing") << false << QByteArray() << "Windows" << QByteArray("Windows\r\n");
        QTest::newRow("empty file") << true << QByteArray() << "Windows" << QByteArray("Windows\r\n");
        QTest::newRow("empty first line")
            << true << QByteArray("\r\nOnyx Blue\r\n") << "Windows" << QByteArray("Windows\r\nOnyx Blue\r\n");
        QTest::newRow("name and more") << true << QByteArray("Onyx Blue\r\nother\r\n") << "Onyx Blue"
                                       << QByteArray("Onyx Blue\r\nother\r\n");
        QTest::newRow("lower case kept")
            << true << QByteArray("onyx blue\r\n") << "onyx blue" << QByteArray("onyx blue\r\n");
        QTest::newRow("LF only") << true << QByteArray("Carbon\nx") << "Carbon" << QByteArray("Carbon\nx");
    }
    void styleFile()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QByteArray, after);
        QFile::remove(StyleFile::path());
        if (exists) {
            QFile f(StyleFile::path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QCOMPARE(StyleFile::readOrCreate(), name);
        QFile f(StyleFile::path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), after);
    }

    void styleFileWriteHoldsOneLine()
    {
        StyleFile::write(QStringLiteral("Sky"));
        StyleFile::write(QStringLiteral("Carbon"));
        QFile f(StyleFile::path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("Carbon\r\n"));
        QCOMPARE(StyleFile::path(), m_home.path() + QStringLiteral("/t_style.txt"));
    }

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_buildstamp.moc"
