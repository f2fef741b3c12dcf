// The dataset layer against a real server: reading, client-side sort and filter, record numbers,
// and one transaction per action.
#include "data/Action.h"
#include "data/DatasetModel.h"
#include "tests/fixture/Fixture.h"

class TestDataset final : public DbTestCase
{
    Q_OBJECT
private:
    std::unique_ptr<Dataset> people()
    {
        Fixture::exec(QStringLiteral("create temp table t(id serial primary key, name text, qty "
                                     "numeric(28,6), d date, flag boolean, n int);"
                                     "insert into t(name, qty, d, flag, n) values "
                                     "('Иванов', 12.5, '2026-04-03', true, 3),"
                                     "('петров', 0.000001, '2026-03-04', false, 1),"
                                     "('Сидоров', 123456789012345.123456, null, true, 2),"
                                     "('Абрамов', 12.5, '2026-01-01', null, 2)"));
        auto ds = std::make_unique<Dataset>(DataModule6->ADO_DB, QStringLiteral("t"),
                                            QStringLiteral("select * from t order by id"));
        ds->open();
        return ds;
    }

    QStringList names(Dataset *ds)
    {
        QStringList out;
        for (ds->first(); !ds->eof(); ds->next())
            out << ds->field(QStringLiteral("name")).asString();
        return out;
    }

private Q_SLOTS:
    void readsValuesExactly()
    {
        auto ds = people();
        QCOMPARE(ds->recordCount(), 4);
        ds->setRecNo(3);
        QCOMPARE(ds->field(QStringLiteral("qty")).asDecimal(), QStringLiteral("123456789012345.123456"));
        QCOMPARE(ds->field(QStringLiteral("qty")).asString(), QStringLiteral("123456789012345,123456"));
        QVERIFY(ds->field(QStringLiteral("d")).isNull());
        QCOMPARE(ds->field(QStringLiteral("d")).asString(), QString());
        ds->first();
        QCOMPARE(ds->field(QStringLiteral("qty")).asString(), QStringLiteral("12,5"));
        QCOMPARE(ds->field(QStringLiteral("d")).asDate(), QDate(2026, 4, 3));
        QCOMPARE(ds->field(QStringLiteral("d")).asString(), QStringLiteral("03.04.2026"));
        QCOMPARE(ds->field(QStringLiteral("flag")).asBoolean(), true);
        QCOMPARE(ds->field(QStringLiteral("n")).asInt(), 3);
        QVERIFY_THROWS_EXCEPTION(DbError, ds->field(QStringLiteral("nope")));
    }

    void sortsOnTheClient()
    {
        auto ds = people();
        ds->setSort(QStringLiteral("name ASC"));
        QCOMPARE(names(ds.get()), QStringList({"Абрамов", "Иванов", "петров", "Сидоров"}));
        ds->setSort(QStringLiteral("qty DESC, name ASC"));
        QCOMPARE(names(ds.get()), QStringList({"Сидоров", "Абрамов", "Иванов", "петров"}));
        ds->setSort(QStringLiteral("d ASC"));
        QCOMPARE(names(ds.get()).first(), QStringLiteral("Сидоров")); // NULL first
        // The sort survives a reopen.
        ds->close();
        ds->open();
        QCOMPARE(names(ds.get()).first(), QStringLiteral("Сидоров"));
        QVERIFY_THROWS_EXCEPTION(DbError, ds->setSort(QStringLiteral("nope ASC")));
    }

    void filters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("number") << "qty>1" << QStringList({"Иванов", "Сидоров", "Абрамов"});
        QTest::newRow("equal decimal") << "qty=12.5" << QStringList({"Иванов", "Абрамов"});
        QTest::newRow("text equal any case") << "name='ПЕТРОВ'" << QStringList({"петров"});
        QTest::newRow("like prefix") << "name like 'ив%'" << QStringList({"Иванов"});
        QTest::newRow("like both") << "name like '%ро%'" << QStringList({"петров", "Сидоров"});
        QTest::newRow("and or") << "n=2 and qty>1000 or name='Иванов'" << QStringList({"Иванов", "Сидоров"});
        QTest::newRow("parentheses") << "n=2 and (qty>1000 or name='Абрамов')"
                                     << QStringList({"Сидоров", "Абрамов"});
        QTest::newRow("date as shown") << "d>='04.03.2026'" << QStringList({"Иванов", "петров"});
        QTest::newRow("not equal") << "n<>2" << QStringList({"Иванов", "петров"});
        QTest::newRow("boolean") << "flag=true" << QStringList({"Иванов", "Сидоров"});
        QTest::newRow("apostrophe") << "name='О''Коннор'" << QStringList();
    }
    void filters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        auto ds = people();
        ds->setFilter(filter);
        QCOMPARE(names(ds.get()).size(), 4); // not switched on yet
        ds->setFiltered(true);
        QCOMPARE(names(ds.get()), expected);
    }

    void filterSurvivesReopen()
    {
        auto ds = people();
        ds->setFilter(QStringLiteral("n=2"));
        ds->setFiltered(true);
        Fixture::exec(QStringLiteral("insert into t(name, n) values ('Новиков', 2)"));
        ds->close();
        ds->open();
        QCOMPARE(names(ds.get()), QStringList({"Сидоров", "Абрамов", "Новиков"}));
        ds->setFiltered(false);
        QCOMPARE(ds->recordCount(), 5);
        QVERIFY_THROWS_EXCEPTION(DbError, (ds->setFilter(QStringLiteral("n=")), ds->setFiltered(true)));
    }

    void recordNumbers()
    {
        auto ds = people();
        QCOMPARE(ds->recNo(), 1);
        ds->last();
        QCOMPARE(ds->recNo(), 4);
        ds->next();
        QVERIFY(ds->eof());
        QCOMPARE(ds->recNo(), 0);
        ds->setRecNo(2);
        QCOMPARE(ds->field(QStringLiteral("name")).asString(), QStringLiteral("петров"));
        ds->setRecNo(99); // clamped
        QCOMPARE(ds->recNo(), 4);
        ds->first();
        ds->prior();
        QVERIFY(ds->bof());
        QVERIFY(ds->locate(QStringLiteral("name"), QStringLiteral("Сидоров")));
        QCOMPARE(ds->recNo(), 3);
        QVERIFY(!ds->locate(QStringLiteral("name"), QStringLiteral("Нет")));
        QCOMPARE(ds->recNo(), 3);
        QVERIFY(ds->locate(QStringLiteral("qty"), 12.5));
        QCOMPARE(ds->recNo(), 1);
    }

    void refreshReturnsToTheSameRow()
    {
        auto ds = people();
        ds->setSort(QStringLiteral("name ASC"));
        ds->setRecNo(3); // петров
        const int id = ds->field(QStringLiteral("id")).asInt();
        Fixture::exec(QStringLiteral("insert into t(name) values ('Аааа')"));
        ds->refresh();
        QCOMPARE(ds->field(QStringLiteral("id")).asInt(), id);
        QCOMPARE(ds->recNo(), 4);
        Fixture::exec(QStringLiteral("delete from t where id=%1").arg(id));
        ds->refresh(); // the row is gone: same record number
        QCOMPARE(ds->recNo(), 4);
    }

    void emptyResult()
    {
        auto ds = people();
        ds->setFilter(QStringLiteral("n=42"));
        ds->setFiltered(true);
        QVERIFY(ds->isEmpty());
        QVERIFY(ds->eof());
        QCOMPARE(ds->recNo(), 0);
        QVERIFY_THROWS_EXCEPTION(DbError, ds->field(QStringLiteral("name")));
    }

    void duplicateColumnNames()
    {
        Dataset ds(DataModule6->ADO_DB, QStringLiteral("d"), QStringLiteral("select 1 as id, 2 as id"));
        ds.open();
        QCOMPARE(ds.field(QStringLiteral("id")).asInt(), 1);
        QCOMPARE(ds.field(QStringLiteral("id_1")).asInt(), 2);
    }

    void parametersBound()
    {
        auto ds = people();
        Dataset q(DataModule6->ADO_DB, QStringLiteral("q"),
                  QStringLiteral("select name from t where d=:data and name<>:name"));
        q.setParam(QStringLiteral("data"), QDate(2026, 4, 3));
        q.setParam(QStringLiteral("NAME"), QStringLiteral("О'Коннор"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.field(QStringLiteral("name")).asString(), QStringLiteral("Иванов"));
    }

    void modelFollowsTheDataset()
    {
        auto ds = people();
        DatasetModel model;
        model.setDataset(ds.get());
        model.setColumns({{QStringLiteral("name"), QStringLiteral("ФИО")},
                          {QStringLiteral("qty"), QStringLiteral("Кол-во")}});
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("ФИО"));
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("12,5"));
        model.toggleSort(0);
        QCOMPARE(ds->sort(), QStringLiteral("name ASC"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("Абрамов"));
        model.toggleSort(0);
        QCOMPARE(ds->sort(), QStringLiteral("name DESC"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("Сидоров"));
        ds->close();
        QCOMPARE(model.rowCount(), 0);
    }

    void actionCommitsAllOrNothing()
    {
        Fixture::exec(QStringLiteral("create temp table a(id int primary key)"));
        try {
            Action action(DataModule6->ADO_DB);
            DataModule6->cmd_all->execute(QStringLiteral("insert into a values (1)"));
            DataModule6->cmd_all->execute(QStringLiteral("insert into a values (1)")); // duplicate key
            action.commit();
            QFAIL("the second insert must fail");
        } catch (const DbError &e) {
            QVERIFY(e.text().contains(QStringLiteral("duplicate")) ||
                    e.text().contains(QStringLiteral("повтор")));
        }
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from a")).toInt(), 0);
        {
            Action action(DataModule6->ADO_DB);
            DataModule6->cmd_all->execute(QStringLiteral("insert into a values (1)"));
            {
                Action inner(DataModule6->ADO_DB); // joins the outer one
                DataModule6->cmd_all->execute(QStringLiteral("insert into a values (2)"));
                inner.commit();
            }
            action.commit();
        }
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from a")).toInt(), 2);
    }
};

QTEST_MAIN(TestDataset)
#include "tst_dataset.moc"
