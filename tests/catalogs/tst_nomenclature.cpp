// Nomenclature kinds: the list TForm28 and the edit window TForm29.
#include "app/DBGrid.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogs/Unit28.h"
#include "catalogs/Unit29.h"
#include "catalogs/Unit3.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit28.h"
#include "ui_Unit29.h"

#include <QAction>

namespace {

int kind(const QString &caption, int department)
{
    return Fixture::scalar(
               QStringLiteral("insert into cmn_inventory_items.nomenclature(s_caption, id_department) "
                              "values (%1, %2) returning id")
                   .arg(SqlText(caption))
                   .arg(department))
        .toInt();
}

// Runs `inList` with the kinds list shown from the main menu "Вид номенклатуры".
void withKinds(const std::function<void(Ui::TForm28 *)> &inList)
{
    Platform::Testing::onModal(QStringLiteral("TForm28"), [&](QDialog *) { inList(Form28->ui()); });
    Form1->item(QStringLiteral("N9"))->trigger();
    QVERIFY(!DataModule6->nomenclature->active()); // the menu closes what it opened
}

// Fills the kind edit window when it is shown and presses "Записать".
void expectKindEdit(const QString &name, const QString &warehouse)
{
    Platform::Testing::onModal(QStringLiteral("TForm29"), [=](QDialog *d) {
        Ui::TForm29 *e = Form29->ui();
        e->Edit1->clear();
        Fixture::type(e->Edit1, name);
        e->p_department->setCurrentIndex(warehouse.isEmpty() ? -1 : e->p_department->findText(warehouse));
        e->Button1->click();
        QVERIFY2(!d->isVisible(), "the edit window stays open");
    });
}

} // namespace

class TestNomenclature final : public DbTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        createWindows();
    }

    void addWithAndWithoutWarehouse()
    {
        Fixture::department(QStringLiteral("Склад О'Нила"), 2);
        withKinds([](Ui::TForm28 *list) {
            QVERIFY(Form1->item(QStringLiteral("N9"))->isEnabled());
            expectKindEdit(QStringLiteral("Крепёж \"М\" д'Арк"), QStringLiteral("Склад О'Нила"));
            list->Button5->click();
            expectKindEdit(QStringLiteral("Прочее"), QString());
            list->Button5->click();
            // A kind without a warehouse is not listed (the list joins on the department).
            QCOMPARE(Fixture::column(DataModule6->nomenclature, "s_caption"),
                     QStringList({"Крепёж \"М\" д'Арк"}));
            QCOMPARE(Fixture::column(DataModule6->nomenclature, "s_department"),
                     QStringList({"Склад О'Нила"}));
        });
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select d.s_caption from cmn_inventory_items.nomenclature n join "
                                           "cmn_department.department d on d.id = n.id_department where "
                                           "n.s_caption = 'Крепёж \"М\" д''Арк'"))
                .toString(),
            QStringLiteral("Склад О'Нила"));
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select id_department::int from cmn_inventory_items.nomenclature "
                                           "where s_caption='Прочее'"))
                .toInt(),
            0);
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QVERIFY(!Form29->cb_department->active()); // closing the window closes its table
    }

    void changeFillsTheFormAndWritesTheRememberedRow()
    {
        const int store = Fixture::department(QStringLiteral("Склад сырья"), 2);
        const int other = Fixture::department(QStringLiteral("Склад заготовок"), 1);
        const int pipes = kind(QStringLiteral("Трубы"), store);
        withKinds([&](Ui::TForm28 *list) {
            Dataset *ds = DataModule6->nomenclature;
            QVERIFY(ds->locate(QStringLiteral("id"), pipes));
            Platform::Testing::onModal(QStringLiteral("TForm29"), [&](QDialog *) {
                Ui::TForm29 *e = Form29->ui();
                QCOMPARE(Form29->Tag, 0);
                QCOMPARE(e->Edit1->text(), QStringLiteral("Трубы"));
                QCOMPARE(e->p_department->currentText(), QStringLiteral("Склад сырья"));
                // Someone adds a kind that sorts first while the window is open.
                kind(QStringLiteral("Арматура"), store);
                ds->close();
                ds->open();
                e->Edit1->setText(QStringLiteral("Трубы стальные"));
                e->p_department->setCurrentIndex(
                    e->p_department->findText(QStringLiteral("Склад заготовок")));
                e->Button1->click();
            });
            QTest::mouseDClick(list->DBGridEh1->viewport(), Qt::LeftButton, {},
                               list->DBGridEh1->visualRect(list->DBGridEh1->currentIndex()).center());
            QCOMPARE(Catalog::currentId(ds), pipes);
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Арматура", "Трубы стальные"}));
        });
        QCOMPARE(Fixture::scalar(QStringLiteral("select s_caption || '|' || id_department::int from "
                                                "cmn_inventory_items.nomenclature where id=%1")
                                     .arg(pipes))
                     .toString(),
                 QStringLiteral("Трубы стальные|%1").arg(other));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from cmn_inventory_items.nomenclature where "
                                                "s_caption='Арматура'"))
                     .toInt(),
                 1);
    }

    void emptyNameIsRefused()
    {
        withKinds([](Ui::TForm28 *list) {
            Platform::Testing::onModal(QStringLiteral("TForm29"), [](QDialog *d) {
                Form29->ui()->Edit1->setText(QStringLiteral("  "));
                Form29->ui()->Button1->click();
                QVERIFY(d->isVisible());
            });
            list->Button5->click();
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Все поля должны быть заполнены!"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select count(*) from cmn_inventory_items.nomenclature")).toInt(),
            0);
    }

    void emptyListChangeDeleteAndCellButtonDoNothing()
    {
        withKinds([](Ui::TForm28 *list) {
            list->Button2->click();
            list->Button3->click();
            list->DBGridEh1->clickCellButton(2);
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QCOMPARE(Platform::Testing::shownModals(), QStringList({"TForm28"}));
    }

    void deleteAndAKindItemsUseIsRefused()
    {
        const int store = Fixture::department(QStringLiteral("Склад сырья"), 2);
        const int used = kind(QStringLiteral("Крепёж"), store);
        kind(QStringLiteral("Лишний"), store);
        Fixture::scalar(
            QStringLiteral("insert into cmn_inventory_items.inventory_items(marka, id_nom, id_type, "
                           "id_msm) values ('Болт', %1, 0, 4) returning id")
                .arg(used));
        withKinds([&](Ui::TForm28 *list) {
            Dataset *ds = DataModule6->nomenclature;
            QVERIFY(ds->locate(QStringLiteral("s_caption"), QStringLiteral("Лишний")));
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Крепёж"}));
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Крепёж"}));
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[2].icon, Platform::Icon::Error);
        QVERIFY2(boxes[2].text.startsWith(QStringLiteral("Запись используется в других данных")),
                 qPrintable(boxes[2].text));
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select count(*) from cmn_inventory_items.nomenclature")).toInt(),
            1);
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
    }

    void searchAsYouType()
    {
        const int store = Fixture::department(QStringLiteral("Склад"), 2);
        for (const char *n : {"Трубы", "Трубки", "Листы", "О'Нил"})
            kind(QString::fromUtf8(n), store);
        withKinds([](Ui::TForm28 *list) {
            Dataset *ds = DataModule6->nomenclature;
            Fixture::type(list->Edit1, QStringLiteral("Тру"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Трубки", "Трубы"}));
            QTest::keyClick(list->Edit1, Qt::Key_Down);
            QCOMPARE(ds->recNo(), 2);
            QTest::keyClick(list->Edit1, Qt::Key_Left); // consumed
            Fixture::type(list->Edit1, QStringLiteral("бы"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Трубы"}));
            list->Edit1->clear();
            QCOMPARE(ds->recordCount(), 4);
            Fixture::type(list->Edit1, QStringLiteral("О'"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"О'Нил"}));
            list->Edit1->clear();
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void cellButtonShowsTheKindsItems()
    {
        const int store = Fixture::department(QStringLiteral("Склад"), 2);
        const int pipes = kind(QStringLiteral("Трубы"), store);
        const int sheets = kind(QStringLiteral("Листы"), store);
        for (const auto &[name, nom] :
             {std::pair{"Труба 20", pipes}, {"Труба 25", pipes}, {"Лист 2", sheets}})
            Fixture::scalar(
                QStringLiteral("insert into cmn_inventory_items.inventory_items(marka, id_nom, id_type, "
                               "id_msm) values ('%1', %2, 0, 4) returning id")
                    .arg(QString::fromUtf8(name))
                    .arg(nom));
        QStringList shown;
        withKinds([&](Ui::TForm28 *list) {
            QVERIFY(DataModule6->nomenclature->locate(QStringLiteral("id"), pipes));
            Platform::Testing::onModal(QStringLiteral("TForm3"), [&](QDialog *) {
                shown = Fixture::column(DataModule6->inventory_items, "marka");
                QCOMPARE(Form3->PresetNomenclature, pipes);
            });
            list->DBGridEh1->clickCellButton(2);
            QCOMPARE(Catalog::currentId(DataModule6->nomenclature), pipes);
        });
        QCOMPARE(shown, QStringList({"Труба 20", "Труба 25"}));
        QVERIFY(!DataModule6->inventory_items->filtered());
        QVERIFY(DataModule6->inventory_items->filter().isEmpty());
        QCOMPARE(Form3->PresetNomenclature, -1);
    }
};

QTEST_MAIN(TestNomenclature)
#include "tst_nomenclature.moc"
