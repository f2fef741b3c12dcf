// The shift datasets: one day and shift each, accepted records shown or not by the parameter OK.
#include "tests/fixture/Fixture.h"

#include <QDate>

class TestShiftSets final : public DbTestCase
{
    Q_OBJECT
private:
    void addRecord(int shift, const QString &ok, const QString &day)
    {
        SQL_EXEC(
            QStringLiteral(
                "insert into accounts_dep.smena(data, smena, i_id, o_id, w_id, kol_vo, brak, cena, ok, "
                "id_doc, id_doc_item) select '%1', %2, s.id_ii, o.id, (select min(id) from "
                "cmn_contractor.person), 10, 1, 2.5, %3, s.id_app_doc, s.id from mnf_app.app_spec s join "
                "mnf_proc_tech.proc_tech pt on pt.id_inventory_items = s.id_ii join mnf_operation.operation "
                "o "
                "on o.id_proc_tech = pt.id order by s.id, o.orderby limit 1")
                .arg(day)
                .arg(shift)
                .arg(SqlText(ok)));
    }

    int count(Dataset *ds, const QDate &day, const QString &ok)
    {
        ds->close();
        ds->setParam(QStringLiteral("data"), day);
        ds->setParam(QStringLiteral("OK"), ok);
        ds->open();
        const int n = ds->recordCount();
        ds->close();
        return n;
    }

private Q_SLOTS:
    void acceptedAndNew()
    {
        Fixture::loadDemo();
        const QDate day(2026, 4, 3);
        addRecord(1, QStringLiteral("ok"), QStringLiteral("03.04.2026")); // read day first
        addRecord(1, QStringLiteral("no"), QStringLiteral("03.04.2026"));
        addRecord(1, QString(), QStringLiteral("03.04.2026"));
        addRecord(1, QStringLiteral("no"), QStringLiteral("04.03.2026")); // another day
        addRecord(4, QStringLiteral("no"), QStringLiteral("03.04.2026"));

        QCOMPARE(count(DataModule6->Smena1, day, QStringLiteral("ta")), 3);
        QCOMPARE(count(DataModule6->Smena1, day, QStringLiteral("ok")), 2);
        QCOMPARE(count(DataModule6->Smena2, day, QStringLiteral("ta")), 0);
        QCOMPARE(count(DataModule6->Smena4, day, QStringLiteral("ta")), 1);
        QCOMPARE(count(DataModule6->Smena1, QDate(2026, 3, 4), QStringLiteral("ta")), 1);

        // The fields the log reads; the sum is (kol_vo - brak) * cena rounded to 2 decimals.
        Dataset *s = DataModule6->Smena1;
        s->setParam(QStringLiteral("OK"), QStringLiteral("ta"));
        s->setParam(QStringLiteral("data"), day);
        s->open();
        QCOMPARE(s->field(QStringLiteral("summa")).asString(), QStringLiteral("22,5"));
        QCOMPARE(s->field(QStringLiteral("id_1")).asInt(), s->field(QStringLiteral("o_id")).asInt());
        QVERIFY(!s->field(QStringLiteral("fio")).asString().isEmpty());
        QCOMPARE(s->field(QStringLiteral("vvod")).asDate(), QDate::currentDate());
        s->close();
    }
};

QTEST_MAIN(TestShiftSets)
#include "tst_shift_sets.moc"
