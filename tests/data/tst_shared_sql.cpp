// Every shared dataset's text runs against the schema, on an empty database and on the demo plant.
#include "tests/fixture/Fixture.h"

#include <QDate>
#include <QFile>

class TestSharedSql final : public DbTestCase
{
    Q_OBJECT
private:
    static void setSampleParameters(Dataset *ds)
    {
        for (const QString &p : ds->parameterNames()) {
            const QString n = p.toLower();
            if (n == QLatin1String("data"))
                ds->setParam(p, QDate(2026, 4, 3));
            else if (n == QLatin1String("ok"))
                ds->setParam(p, QStringLiteral("ta"));
            else if (n == QLatin1String("mnth"))
                ds->setParam(p, 4);
            else if (n == QLatin1String("yea"))
                ds->setParam(p, 2026);
            else
                ds->setParam(p, 1);
        }
    }

    void openAll()
    {
        for (Dataset *ds : DataModule6->datasets()) {
            if (ds == DataModule6->Control)
                continue;
            setSampleParameters(ds);
            try {
                ds->open();
            } catch (const DbError &e) {
                QFAIL(qPrintable(ds->name() + QStringLiteral(": ") + e.text()));
            }
            ds->close();
        }
    }

private Q_SLOTS:
    void emptyDatabase() { openAll(); }

    void demoPlant()
    {
        Fixture::loadDemo();
        openAll();
        // The demo plant shows up in the lists the first run opens.
        for (Dataset *ds : {DataModule6->department, DataModule6->workers, DataModule6->inventory_items,
                            DataModule6->proc_tech, DataModule6->app_doc, DataModule6->jur_person}) {
            ds->open();
            QVERIFY2(!ds->isEmpty(), qPrintable(ds->name()));
            ds->close();
        }
    }
};

QTEST_MAIN(TestSharedSql)
#include "tst_shared_sql.moc"
