// Roles: the administration window with its edit window (activation dates) and the plain list.
#include "app/DBGrid.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogs/Unit32.h"
#include "catalogs/Unit35.h"
#include "catalogs/Unit58.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit32.h"
#include "ui_Unit35.h"
#include "ui_Unit58.h"

#include <QAction>

namespace {

int role(const QString &name, const QString &caption, const QString &begin, const QString &end, bool active)
{
    return Fixture::scalar(
               QStringLiteral("insert into adm_role.roles(s_name, s_caption, d_begin, d_end, b_active) "
                              "values (%1, %2, %3, %4, %5) returning id::int")
                   .arg(SqlText(name), SqlText(caption), begin, end,
                        active ? QStringLiteral("true") : QStringLiteral("false")))
        .toInt();
}

// "caption|name|begin|end|active" with dates relative to today: "today", "old" or "-".
QString roleRow(int id)
{
    return Fixture::scalar(
               QStringLiteral(
                   "select s_caption || '|' || s_name || '|' || case when d_begin is null then '-' when "
                   "d_begin = current_date then 'today' else 'old' end || '|' || case when d_end is null "
                   "then '-' when d_end = current_date then 'today' else 'old' end || '|' || b_active "
                   "from adm_role.roles where id=%1")
                   .arg(id))
        .toString();
}

// Runs `inList` with the administration window shown from the main menu.
void withAdministration(const std::function<void(Ui::TForm35 *)> &inList)
{
    Platform::Testing::onModal(QStringLiteral("TForm35"), [&](QDialog *) { inList(Form35->ui()); });
    Form1->item(QStringLiteral("N20"))->trigger();
    QVERIFY(!DataModule6->role->active());
}

// Changes the current role in the edit window: the active flag and, when given, the caption.
void change(Ui::TForm35 *list, bool active, const QString &caption = QString())
{
    Platform::Testing::onModal(QStringLiteral("TForm58"), [=](QDialog *) {
        Ui::TForm58 *e = Form58->ui();
        if (!caption.isEmpty())
            e->Edit2->setText(caption);
        e->CheckBox1->setChecked(active);
        e->Button5->click();
    });
    list->Button2->click();
}

} // namespace

class TestRoles final : public DbTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        createWindows();
    }

    void addActiveAndInactiveRoles()
    {
        withAdministration([](Ui::TForm35 *list) {
            for (const bool active : {true, false}) {
                Platform::Testing::onModal(QStringLiteral("TForm58"), [active](QDialog *d) {
                    Ui::TForm58 *e = Form58->ui();
                    QVERIFY(e->Edit1->text().isEmpty() && e->Edit2->text().isEmpty());
                    QVERIFY(e->CheckBox1->isChecked());
                    Fixture::type(e->Edit2,
                                  active ? QStringLiteral("Мастер д'Артаньян") : QStringLiteral("Гость"));
                    Fixture::type(e->Edit1, active ? QStringLiteral("o'master") : QStringLiteral("guest"));
                    e->CheckBox1->setChecked(active);
                    e->Button5->click();
                    QVERIFY(!d->isVisible());
                });
                list->Button1->click();
            }
            Dataset *ds = DataModule6->role;
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Гость", "Мастер д'Артаньян"}));
            QCOMPARE(Fixture::column(ds, "yesno"), QStringList({"-", "+"}));
            QCOMPARE(Fixture::column(ds, "d_begin"),
                     QStringList(2, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
        });
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select string_agg(s_name || ':' || b_active || ':' || "
                                    "coalesce(d_end::text, '-'), ',' order by s_name) from adm_role.roles"))
                     .toString(),
                 QStringLiteral("guest:false:-,o'master:true:-"));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void savingMovesTheActivationDates()
    {
        const int id = role(QStringLiteral("planner"), QStringLiteral("Плановик"),
                            QStringLiteral("'2024-01-09'"), "NULL", true);
        role(QStringLiteral("admin"), QStringLiteral("Администратор"), QStringLiteral("'2024-01-09'"), "NULL",
             true);
        withAdministration([&](Ui::TForm35 *list) {
            Dataset *ds = DataModule6->role;
            QVERIFY(ds->locate(QStringLiteral("id"), id));
            const int recNo = ds->recNo();
            Platform::Testing::onModal(QStringLiteral("TForm58"), [](QDialog *) {
                Ui::TForm58 *e = Form58->ui();
                QCOMPARE(e->Edit2->text(), QStringLiteral("Плановик"));
                QCOMPARE(e->Edit1->text(), QStringLiteral("planner"));
                QVERIFY(e->CheckBox1->isChecked());
                e->Button5->click();
            });
            list->Button2->click(); // saved active again: the activation date moves to today
            QCOMPARE(roleRow(id), QStringLiteral("Плановик|planner|today|-|true"));
            QCOMPARE(ds->recNo(), recNo);
            SQL_EXEC(QStringLiteral("update adm_role.roles set d_begin = '2024-01-09' where id=%1").arg(id));

            change(list, false); // inactive: the activation date stays, the deactivation is today
            QCOMPARE(roleRow(id), QStringLiteral("Плановик|planner|old|today|false"));
            QCOMPARE(ds->field(QStringLiteral("yesno")).asString(), QStringLiteral("-"));

            Platform::Testing::onModal(QStringLiteral("TForm58"), [](QDialog *) {
                QVERIFY(!Form58->ui()->CheckBox1->isChecked());
                Form58->ui()->Button5->click();
            });
            list->Button2->click(); // inactive again: nothing but the deactivation date
            QCOMPARE(roleRow(id), QStringLiteral("Плановик|planner|old|today|false"));

            change(list, true, QStringLiteral("Плановик О'Нил")); // active again: the deactivation is cleared
            QCOMPARE(roleRow(id), QStringLiteral("Плановик О'Нил|planner|today|-|true"));
        });
        QCOMPARE(Fixture::scalar(QStringLiteral("select s_caption from adm_role.roles where s_name='admin'"))
                     .toString(),
                 QStringLiteral("Администратор"));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void bothNamesAreRequired_data()
    {
        QTest::addColumn<QString>("systemName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no system name") << QStringLiteral(" ") << QStringLiteral("Мастер");
        QTest::newRow("no caption") << QStringLiteral("master") << QString();
    }

    void bothNamesAreRequired()
    {
        QFETCH(QString, systemName);
        QFETCH(QString, caption);
        const int id = role(QStringLiteral("old"), QStringLiteral("Старая"), QStringLiteral("'2024-01-09'"),
                            "NULL", true);
        withAdministration([&](Ui::TForm35 *list) {
            for (QPushButton *b : {list->Button1, list->Button2}) {
                Platform::Testing::onModal(QStringLiteral("TForm58"), [&](QDialog *d) {
                    Form58->ui()->Edit1->setText(systemName);
                    Form58->ui()->Edit2->setText(caption);
                    Form58->ui()->Button5->click();
                    QVERIFY(d->isVisible());
                });
                b->click();
            }
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0].text, QStringLiteral("Все поля должны быть заполнены!"));
        QCOMPARE(boxes[1].caption, QStringLiteral("Ошибка"));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from adm_role.roles")).toInt(), 1);
        QCOMPARE(roleRow(id), QStringLiteral("Старая|old|old|-|true"));
    }

    void systemNameIsCutToItsColumn()
    {
        withAdministration([](Ui::TForm35 *list) {
            Platform::Testing::onModal(QStringLiteral("TForm58"), [](QDialog *) {
                Fixture::type(Form58->ui()->Edit1, QString(40, QChar(0x042F))); // "Я" x 40
                Form58->ui()->Edit2->setText(QStringLiteral("Длинная"));
                Form58->ui()->Button5->click();
            });
            list->Button1->click();
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QCOMPARE(Fixture::scalar(QStringLiteral("select s_name from adm_role.roles")).toString(),
                 QString(30, QChar(0x042F)));
    }

    void administrationOwnsItsDatasetAndDeleteDoesNothing()
    {
        role(QStringLiteral("guest"), QStringLiteral("Гость"), QStringLiteral("'2024-01-09'"), "'2024-06-03'",
             false);
        // Shown without the menu, the window opens the roles itself and closes them when it closes.
        Platform::Testing::onModal(QStringLiteral("TForm35"), [](QDialog *) {
            QVERIFY(DataModule6->role->active());
            QCOMPARE(Fixture::column(DataModule6->role, "d_end"), QStringList({"03.06.2024"}));
            Form35->ui()->Button3->click();
            Fixture::type(Form35->ui()->Edit1, QStringLiteral("Гость"));
            QCOMPARE(DataModule6->role->recordCount(), 1);
        });
        Platform::showModal(Form35);
        QVERIFY(!DataModule6->role->active());
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from adm_role.roles")).toInt(), 1);
    }

    void plainListSearchesAndItsButtonsDoNothing()
    {
        for (const char *n : {"Мастер", "Маляр-бригадир", "Плановик", "О'Нил"})
            role(QStringLiteral("r"), QString::fromUtf8(n), "NULL", "NULL", true);
        Platform::Testing::onModal(QStringLiteral("TForm32"), [](QDialog *d) {
            Ui::TForm32 *list = Form32->ui();
            Dataset *ds = DataModule6->role;
            QCOMPARE(ds->recordCount(), 4);
            for (QPushButton *b : {list->Button1, list->Button2, list->Button3})
                b->click();
            QVERIFY(d->isVisible());
            Fixture::type(list->Edit1, QStringLiteral("Ма"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Маляр-бригадир", "Мастер"}));
            QTest::keyClick(list->Edit1, Qt::Key_Down);
            QCOMPARE(ds->recNo(), 2);
            QTest::keyClick(list->Edit1, Qt::Key_End); // consumed
            Fixture::type(list->Edit1, QStringLiteral("с"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Мастер"}));
            list->Edit1->clear();
            Fixture::type(list->Edit1, QStringLiteral("О'"));
            QCOMPARE(ds->recordCount(), 1);
            list->Edit1->clear();
            list->Button4->click();
            QVERIFY(!d->isVisible());
        });
        Form1->item(QStringLiteral("N21"))->trigger();
        QVERIFY(!DataModule6->role->active());
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QCOMPARE(Platform::Testing::shownModals(), QStringList({"TForm32"}));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from adm_role.roles")).toInt(), 4);
    }
};

QTEST_MAIN(TestRoles)
#include "tst_roles.moc"
