// Operation types: the list and edit window, search, delete and the type chooser.
#include "app/DBGrid.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogs/Unit8.h"
#include "catalogs/Unit9.h"
#include "technology/Choosers.h"
#include "technology/Unit10.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit10.h"
#include "ui_Unit8.h"
#include "ui_Unit9.h"

#include <QAction>

namespace {

int operationType(const QString &caption, const QString &description = QString())
{
    return Fixture::scalar(
               QStringLiteral("insert into mnf_operation.operation_type(s_caption, s_description) "
                              "values (%1, %2) returning id")
                   .arg(SqlText(caption), SqlText(description)))
        .toInt();
}

// Runs `inList` with the operation types shown from the main menu.
void withTypes(const std::function<void(Ui::TForm8 *)> &inList)
{
    Platform::Testing::onModal(QStringLiteral("TForm8"), [&](QDialog *) { inList(Form8->ui()); });
    Form1->item(QStringLiteral("N6"))->trigger();
    QVERIFY(!DataModule6->operation_type->active());
}

// Shows the list through the operation card's own chooser (Tag 1 and its layout).
void choose(const std::function<void(Ui::TForm8 *)> &inList)
{
    Platform::Testing::onModal(QStringLiteral("TForm8"), [&](QDialog *) { inList(Form8->ui()); });
    Choosers::chooseOperationType();
}

QString typeRow(int id)
{
    return Fixture::scalar(QStringLiteral("select s_caption || '|' || coalesce(s_description, '<null>') from "
                                          "mnf_operation.operation_type where id=%1")
                               .arg(id))
        .toString();
}

} // namespace

class TestOperationTypes final : public DbTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        createWindows();
    }

    void changeThenAddOffersTheLastDescription()
    {
        const int cut = operationType(QStringLiteral("Резка"), QStringLiteral("ленточная пила"));
        const int paint = operationType(QStringLiteral("Покраска"));
        withTypes([&](Ui::TForm8 *list) {
            QVERIFY(DataModule6->operation_type->locate(QStringLiteral("id"), cut));
            Platform::Testing::onModal(QStringLiteral("TForm9"), [&](QDialog *d) {
                Ui::TForm9 *e = Form9->ui();
                QCOMPARE(Form9->focusWidget(), e->Edit1);
                QCOMPARE(e->Edit1->text(), QStringLiteral("Резка"));
                QCOMPARE(e->Edit2->text(), QStringLiteral("ленточная пила"));
                // Someone else adds a type that sorts first while the window is open.
                operationType(QStringLiteral("Гибка"));
                DataModule6->operation_type->close();
                DataModule6->operation_type->open();
                e->Edit1->setText(QStringLiteral("Резка д'Арк"));
                e->Edit2->setText(QStringLiteral("пила \"Bosch\"; 45°"));
                e->Button1->click();
                QVERIFY(!d->isVisible());
            });
            QTest::mouseDClick(list->DBGrid1->viewport(), Qt::LeftButton, {},
                               list->DBGrid1->visualRect(list->DBGrid1->currentIndex()).center());
            Platform::Testing::onModal(QStringLiteral("TForm9"), [](QDialog *) {
                Ui::TForm9 *e = Form9->ui();
                QCOMPARE(e->Edit1->text(), QString());
                QCOMPARE(e->Edit2->text(), QStringLiteral("пила \"Bosch\"; 45°"));
                e->Edit1->setText(QStringLiteral("Сварка"));
                e->Button1->click();
            });
            list->Button1->click();
            QCOMPARE(Fixture::column(DataModule6->operation_type, "s_caption"),
                     QStringList({"Гибка", "Покраска", "Резка д'Арк", "Сварка"}));
        });
        QCOMPARE(typeRow(cut), QStringLiteral("Резка д'Арк|пила \"Bosch\"; 45°"));
        QCOMPARE(typeRow(paint), QStringLiteral("Покраска|"));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void emptyNameIsRefused()
    {
        withTypes([](Ui::TForm8 *list) {
            Platform::Testing::onModal(QStringLiteral("TForm9"), [](QDialog *d) {
                Form9->ui()->Edit1->setText(QStringLiteral(" "));
                Form9->ui()->Edit2->setText(QStringLiteral("описание"));
                Form9->ui()->Button1->click();
                QVERIFY(d->isVisible());
            });
            list->Button1->click();
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Все поля должны быть заполнены!"));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from mnf_operation.operation_type")).toInt(),
                 0);
    }

    void deleteAndDeleteOfATypeInUse()
    {
        operationType(QStringLiteral("Гибка"));
        const int used = operationType(QStringLiteral("Резка"));
        const int item = Fixture::item(QStringLiteral("Кронштейн"), 2);
        const int pt =
            Fixture::scalar(QStringLiteral("insert into mnf_proc_tech.proc_tech(s_caption, "
                                           "id_inventory_items, id_gds) values ('ТП', %1, %1) returning "
                                           "id::int")
                                .arg(item))
                .toInt();
        SQL_EXEC(QStringLiteral(
                     "insert into mnf_operation.operation(id_proc_tech, id_type, id_state) values (%1, %2, "
                     "0)")
                     .arg(pt)
                     .arg(used));
        withTypes([&](Ui::TForm8 *list) {
            Dataset *ds = DataModule6->operation_type;
            ds->last();
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(ds->recordCount(), 2);
            ds->first();
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Резка"}));
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[0].text, QStringLiteral("Удалить строку?"));
        QCOMPARE(boxes[1].icon, Platform::Icon::Error);
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
    }

    void searchAsYouType()
    {
        for (const char *n : {"Покраска", "Полировка", "Резка", "О'Мэлли"})
            operationType(QString::fromUtf8(n));
        withTypes([](Ui::TForm8 *list) {
            Dataset *ds = DataModule6->operation_type;
            QCOMPARE(Form8->focusWidget(), list->Edit1);
            Fixture::type(list->Edit1, QStringLiteral("По"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Покраска", "Полировка"}));
            QTest::keyClick(list->Edit1, Qt::Key_Down);
            QCOMPARE(ds->recNo(), 2);
            QTest::keyClick(list->Edit1, Qt::Key_Delete); // consumed
            QCOMPARE(list->Edit1->text(), QStringLiteral("По"));
            Fixture::type(list->Edit1, QStringLiteral("к"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Покраска"}));
            list->Edit1->clear();
            Fixture::type(list->Edit1, QStringLiteral("О'"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"О'Мэлли"}));
            list->Edit1->clear();
            QCOMPARE(ds->recordCount(), 4);
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void chooseWritesIntoTheOperationCard()
    {
        operationType(QStringLiteral("Гибка"));
        const int cut = operationType(QStringLiteral("Резка"));
        Form10->TypeId = 0;
        Form10->ui()->Edit2->clear();
        choose([](Ui::TForm8 *list) {
            Fixture::type(list->Edit1, QStringLiteral("Ре"));
            list->Button2->click();
            QVERIFY(!Form8->isVisible());
        });
        QCOMPARE(Form10->TypeId, cut);
        QCOMPARE(Form10->ui()->Edit2->text(), QStringLiteral("Резка"));
        // A search that matches none: nothing is written, the list closes.
        choose([](Ui::TForm8 *list) {
            Fixture::type(list->Edit1, QStringLiteral("Щ"));
            list->Button2->click();
            QVERIFY(!Form8->isVisible());
        });
        QCOMPARE(Form10->TypeId, cut); // not written again
        QCOMPARE(Form10->ui()->Edit2->text(), QStringLiteral("Резка"));
        QVERIFY(!Platform::Testing::shownModals().contains(QStringLiteral("TForm9")));

        // The menu brings "Добавить" and "Удалить" back and "Изменить" edits again.
        withTypes([](Ui::TForm8 *list) {
            QCOMPARE(Form8->Tag, 0);
            QVERIFY(list->Button1->isVisible() && list->Button3->isVisible());
            QVERIFY(list->Edit1->isVisible()); // the chooser's search stays in sight, to be cleared
            QCOMPARE(list->Edit1->text(), QStringLiteral("Щ"));
            list->Edit1->clear();
            list->Button2->click();
        });
        QCOMPARE(Form10->TypeId, cut); // not written again
        QCOMPARE(Form10->ui()->Edit2->text(), QStringLiteral("Резка"));
        QVERIFY(Platform::Testing::shownModals().contains(QStringLiteral("TForm9")));
    }
};

QTEST_MAIN(TestOperationTypes)
#include "tst_operation_types.moc"
