// Number and text pieces of composed SQL.
#include "data/DbError.h"
#include "data/Numbers.h"
#include "data/Sql.h"

#include <QDate>
#include <QTest>
#include <cmath>

class TestNumbers final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sqlNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "."
                               << "0";
        QTest::newRow("comma to point") << "3,75"
                                        << "."
                                        << "3.75";
        QTest::newRow("point to comma") << "1.5"
                                        << ","
                                        << "1,5";
        QTest::newRow("only first comma") << "1,234,5"
                                          << "."
                                          << "1.234,5";
        QTest::newRow("comma before point") << "1.234,5"
                                            << "."
                                            << "1.234.5";
        QTest::newRow("integer") << "7"
                                 << "."
                                 << "7";
        QTest::newRow("12,5") << "12,5"
                              << "."
                              << "12.5";
    }
    void sqlNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, delimiter);
        QFETCH(QString, expected);
        QCOMPARE(Numbers::sqlNumber(text, delimiter), expected);
    }

    void floatToStr_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("half") << 0.5 << "0,5";
        QTest::newRow("tenth sum") << (0.1 + 0.2) << "0,3";
        QTest::newRow("integer") << 125.0 << "125";
        QTest::newRow("negative") << -12.25 << "-12,25";
        QTest::newRow("small") << 0.00001234 << "0,00001234";
        QTest::newRow("large") << 123456789012.5 << "123456789012,5";
        QTest::newRow("15 digits") << (2.0 / 3.0) << "0,666666666666667";
    }
    void floatToStr()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(Numbers::floatToStr(value), expected);
    }

    void floatToStrRefusesNaN()
    {
        QVERIFY_THROWS_EXCEPTION(InputError, Numbers::floatToStr(std::nan("")));
        QVERIFY_THROWS_EXCEPTION(InputError, Numbers::floatToStr(1.0 / 0.0 * 1e308 * 1e308));
    }

    void readNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << "0,5" << true << 0.5;
        QTest::newRow("point") << "0.5" << true << 0.5;
        QTest::newRow("blanks") << " 12 " << true << 12.0;
        QTest::newRow("leading sep") << ",5" << true << 0.5;
        QTest::newRow("trailing sep") << "5," << true << 5.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("comma alone") << "," << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0;
        QTest::newRow("letters") << "12a" << false << 0.0;
        QTest::newRow("exponent") << "1e5" << false << 0.0;
    }
    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const auto v = Numbers::readNumber(text);
        QCOMPARE(v.has_value(), ok);
        if (ok)
            QCOMPARE(*v, value);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("half down to even") << 0.125 << 2 << 0.12;
        QTest::newRow("half up to even") << 0.135 << 2 << 0.14;
        QTest::newRow("2.5") << 2.5 << 0 << 2.0;
        QTest::newRow("3.5") << 3.5 << 0 << 4.0;
        QTest::newRow("not a half") << 1.00006 << 4 << 1.0001;
        QTest::newRow("4 decimals half") << 1.00005 << 4 << 1.0;
        QTest::newRow("negative half") << -2.5 << 0 << -2.0;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(Numbers::roundHalfEven(value, decimals), expected);
    }

    void sqlText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Цех"
                               << "'Цех'";
        QTest::newRow("trimmed") << "  Цех 1 "
                                 << "'Цех 1'";
        QTest::newRow("apostrophe") << "О'Коннор"
                                    << "'О''Коннор'";
        QTest::newRow("quotes") << "ООО \"Ромашка\""
                                << "'ООО \"Ромашка\"'";
        QTest::newRow("backslash stays") << "a\\b"
                                         << "'a\\b'";
        QTest::newRow("empty") << ""
                               << "''";
    }
    void sqlText()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(SqlText(text), expected);
    }

    void parameters()
    {
        const QString sql = QStringLiteral("select (a)::t_money, ':skip', \"x:y\" from t where d=:data and "
                                           "ok!=:OK -- :comment\n and n=:n /* :c */");
        QCOMPARE(Sql::parameterNames(sql), QStringList({"data", "OK", "n"}));
        const QString bound = Sql::bind(sql, [](const QString &name, QVariant *v) {
            if (name == QLatin1String("data"))
                *v = QDate(2026, 4, 3);
            else if (name == QLatin1String("OK"))
                *v = QStringLiteral("t'a");
            else
                *v = 5;
            return true;
        });
        QCOMPARE(bound,
                 QStringLiteral("select (a)::t_money, ':skip', \"x:y\" from t where d='2026-04-03' and "
                                "ok!='t''a' -- :comment\n and n=5 /* :c */"));
        QVERIFY_THROWS_EXCEPTION(DbError, Sql::bind(sql, [](const QString &, QVariant *) { return false; }));
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
