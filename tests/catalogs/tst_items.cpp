// Inventory items: the item list TForm3, the edit window TForm7 and the chooser TForm303.
#include "app/DBGrid.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogs/Unit28.h"
#include "catalogs/Unit3.h"
#include "catalogs/Unit303.h"
#include "catalogs/Unit7.h"
#include "technology/Unit33.h"
#include "technology/Unit4.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit28.h"
#include "ui_Unit3.h"
#include "ui_Unit303.h"
#include "ui_Unit33.h"
#include "ui_Unit4.h"
#include "ui_Unit7.h"

#include <QAction>
#include <QHeaderView>

namespace {

QString text(const QString &sql)
{
    return Fixture::scalar(sql).toString();
}

int count(const QString &sql)
{
    return Fixture::scalar(sql).toInt();
}

int itemCount()
{
    return count(QStringLiteral("select count(*) from cmn_inventory_items.inventory_items where id<>0"));
}

int kind(const QString &caption, int department = 0)
{
    return Fixture::scalar(
               QStringLiteral("insert into cmn_inventory_items.nomenclature(s_caption, id_department) "
                              "values (%1, %2) returning id")
                   .arg(SqlText(caption))
                   .arg(department))
        .toInt();
}

// An item of type 2 ("Готовая продукция") in pieces (unit 4), of a kind when given.
int item(const QString &marka, int nom = 0, int type = 2)
{
    return Fixture::scalar(
               QStringLiteral("insert into cmn_inventory_items.inventory_items(marka, id_nom, id_type, "
                              "id_msm) values (%1, %2, %3, 4) returning id")
                   .arg(SqlText(marka))
                   .arg(nom)
                   .arg(type))
        .toInt();
}

void process(int made, int source, const QString &caption = QStringLiteral("ТП"))
{
    SQL_EXEC(QStringLiteral("insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds) "
                            "values (%1, %2, %3)")
                 .arg(SqlText(caption))
                 .arg(made)
                 .arg(source));
}

// Runs `inList` with the item list shown from the main menu "ТМЦ".
void withItems(const std::function<void(Ui::TForm3 *)> &inList)
{
    Platform::Testing::onModal(QStringLiteral("TForm3"), [&](QDialog *) { inList(Form3->ui()); });
    Form1->item(QStringLiteral("N3"))->trigger();
    QVERIFY(!DataModule6->inventory_items->active()); // the list closes what it opened
}

struct Entry
{
    QString name;
    QString type = QStringLiteral("Готовая продукция");
    QString unit = QStringLiteral("шт");
    QString kind;    // empty: leave the look-up as the list set it
    QString massa;   // Edit2
    QString width;   // Edit3
    QString thick;   // Edit4
    QString ralCons; // Edit5
    QString massaKg; // Edit6
};

// Types the entry into the item edit window, key by key into the number boxes.
void fill(const Entry &entry)
{
    Ui::TForm7 *e = Form7->ui();
    e->Edit1->clear();
    Fixture::type(e->Edit1, entry.name);
    e->cb_operation_state->setCurrentIndex(e->cb_operation_state->findText(entry.type));
    e->cb_msm->setCurrentIndex(e->cb_msm->findText(entry.unit));
    if (!entry.kind.isEmpty())
        e->combo_nomenclature->setCurrentIndex(e->combo_nomenclature->findText(entry.kind));
    const QList<QPair<QLineEdit *, QString>> numbers = {{e->Edit2, entry.massa},
                                                        {e->Edit3, entry.width},
                                                        {e->Edit4, entry.thick},
                                                        {e->Edit5, entry.ralCons},
                                                        {e->Edit6, entry.massaKg}};
    for (const auto &[box, value] : numbers) {
        box->clear();
        Fixture::type(box, value);
    }
}

// Fills the edit window when it is shown and presses "Записать"; it must close.
void expectEdit(const Entry &entry)
{
    Platform::Testing::onModal(QStringLiteral("TForm7"), [=](QDialog *d) {
        fill(entry);
        Form7->ui()->Button1->click();
        QVERIFY2(!d->isVisible(), "the edit window stays open");
    });
}

// Fills the edit window, presses "Записать" and expects it to refuse with one error box.
void expectRefused(const Entry &entry, const std::function<void(Ui::TForm7 *)> &adjust = {})
{
    Platform::Testing::onModal(QStringLiteral("TForm7"), [=](QDialog *d) {
        fill(entry);
        if (adjust)
            adjust(Form7->ui());
        Form7->ui()->Button1->click();
        QVERIFY2(d->isVisible(), "the edit window closed");
    });
}

} // namespace

class TestItems final : public DbTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        createWindows();
    }

    void init()
    {
        DbTestCase::init();
        // Filter and sort live on the shared dataset for the whole run: start every case clean.
        Form3->ui()->Edit1->clear();
        Dataset *ds = DataModule6->inventory_items;
        ds->setFiltered(false);
        ds->setFilter(QString());
        ds->setSort(QString());
    }

    void menuItemsAreEnabled()
    {
        QVERIFY(Form1->item(QStringLiteral("N3"))->isEnabled());
        QVERIFY(Form1->item(QStringLiteral("N9"))->isEnabled());
        withItems([](Ui::TForm3 *list) {
            QCOMPARE(Form3->Tag, 0);
            QVERIFY(list->Button1->isVisible() && list->Button3->isVisible());
            QCOMPARE(list->Button2->text(), QStringLiteral("Изменить"));
            QVERIFY(DataModule6->inventory_items->active());
            QCOMPARE(DataModule6->inventory_items->sort(), QStringLiteral("marka, s_nom ASC"));
            QCOMPARE(list->DBGridEh1->model()->columnCount(), 13);
            QCOMPARE(list->DBGridEh1->model()->headerData(11, Qt::Horizontal).toString(),
                     QStringLiteral("ТП"));
        });
        QCOMPARE(Platform::Testing::shownModals(), QStringList({"TForm3"}));
    }

    void addWritesEveryField()
    {
        const int nom = kind(QStringLiteral("Крепёж"));
        withItems([](Ui::TForm3 *list) {
            Entry e;
            e.name = QStringLiteral("Кронштейн К-1");
            e.kind = QStringLiteral("Крепёж");
            e.unit = QStringLiteral("кг");
            e.massa = QStringLiteral("12,5");
            e.width = QStringLiteral("200");
            e.thick = QStringLiteral("1.5");
            e.ralCons = QStringLiteral("0,125");
            e.massaKg = QStringLiteral("3,25");
            expectEdit(e);
            list->Button1->click();
            QCOMPARE(Fixture::column(DataModule6->inventory_items, "marka"), QStringList({"Кронштейн К-1"}));
            QCOMPARE(Fixture::column(DataModule6->inventory_items, "s_ral"), QStringList({"+"}));
            QCOMPARE(Fixture::column(DataModule6->inventory_items, "s_nom"), QStringList({"Крепёж"}));
        });
        QCOMPARE(
            text(QStringLiteral("select concat_ws('|', id_nom, id_type, id_msm, massa, width, thick, ral, "
                                "ral_cons, massa_kg) from cmn_inventory_items.inventory_items where id<>0")),
            QStringLiteral("%1|2|1|12.500000|200.000000|1.500000|t|0.125000|3.2500").arg(nom));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void paintFlagFromPaintConsumption_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << QString() << QStringLiteral("false|0.000000");
        QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("false|0.000000");
        QTest::newRow("0,5") << QStringLiteral("0,5") << QStringLiteral("true|0.500000");
        QTest::newRow("0.5") << QStringLiteral("0.5") << QStringLiteral("true|0.500000");
    }

    void paintFlagFromPaintConsumption()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        withItems([&](Ui::TForm3 *list) {
            Entry e;
            e.name = QStringLiteral("Кронштейн");
            e.ralCons = typed;
            expectEdit(e);
            list->Button1->click();
        });
        QCOMPARE(text(QStringLiteral("select ral::text || '|' || ral_cons::text from "
                                     "cmn_inventory_items.inventory_items where marka='Кронштейн'")),
                 stored);
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void lettersAreRefusedInNumberFields()
    {
        withItems([](Ui::TForm3 *list) {
            Platform::Testing::onModal(QStringLiteral("TForm7"), [](QDialog *) {
                Ui::TForm7 *e = Form7->ui();
                for (QLineEdit *box : {e->Edit2, e->Edit3, e->Edit4, e->Edit5, e->Edit6}) {
                    box->clear();
                    Fixture::type(box, QStringLiteral("1a2,б5 x"));
                    QCOMPARE(box->text(), QStringLiteral("12,5"));
                    QTest::keyClicks(box, QStringLiteral("q.7"));
                    QCOMPARE(box->text(), QStringLiteral("12,5.7"));
                }
                e->Button2->click(); // "Отмена"
            });
            list->Button1->click();
        });
        QCOMPARE(itemCount(), 0);
    }

    void malformedNumbersAreRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("value");
        const QList<QPair<const char *, const char *>> boxes = {{"Edit2", "Расх. МТР"},
                                                                {"Edit3", "Длина (мм)"},
                                                                {"Edit4", "Толщина (мм)"},
                                                                {"Edit5", "Расх. краски"},
                                                                {"Edit6", "Масса"}};
        for (const auto &[box, label] : boxes)
            for (const char *value : {"1,2,3", ",", "1..2"})
                QTest::addRow("%s %s", box, value)
                    << QString::fromLatin1(box) << QString::fromUtf8(label) << QString::fromLatin1(value);
    }

    void malformedNumbersAreRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, label);
        QFETCH(QString, value);
        withItems([&](Ui::TForm3 *list) {
            Entry e;
            e.name = QStringLiteral("Кронштейн");
            expectRefused(e, [&](Ui::TForm7 *) {
                auto *edit = Form7->findChild<QLineEdit *>(box);
                Fixture::type(edit, value);
                QCOMPARE(edit->text(), value);
            });
            list->Button1->click();
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].text.startsWith(QStringLiteral("Неверное число")), qPrintable(boxes[0].text));
        QVERIFY2(boxes[0].text.contains(label) && boxes[0].text.contains(value), qPrintable(boxes[0].text));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(boxes[0].icon, Platform::Icon::Error);
        QCOMPARE(itemCount(), 0);
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
    }

    void missingNameTypeOrUnitIsRefused_data()
    {
        QTest::addColumn<bool>("name");
        QTest::addColumn<bool>("type");
        QTest::addColumn<bool>("unit");
        QTest::newRow("no name") << false << true << true;
        QTest::newRow("no type") << true << false << true;
        QTest::newRow("no unit") << true << true << false;
        QTest::newRow("neither type nor unit") << true << false << false;
    }

    void missingNameTypeOrUnitIsRefused()
    {
        QFETCH(bool, name);
        QFETCH(bool, type);
        QFETCH(bool, unit);
        withItems([&](Ui::TForm3 *list) {
            Entry e;
            e.name = name ? QStringLiteral("Кронштейн") : QStringLiteral("  ");
            e.type = type ? e.type : QString();
            e.unit = unit ? e.unit : QString();
            e.massa = QStringLiteral("1,5");
            expectRefused(e);
            list->Button1->click();
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Все поля должны быть заполнены!"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(boxes[0].icon, Platform::Icon::Error);
        QCOMPARE(itemCount(), 0);
    }

    void apostrophesAndQuotesRoundTrip()
    {
        const QString oconnor = QStringLiteral("Кронштейн О'Коннора");
        const QString romashka = QStringLiteral("Панель ООО \"Ромашка\" 'люкс'");
        withItems([&](Ui::TForm3 *list) {
            for (const QString &name : {oconnor, romashka}) {
                Entry e;
                e.name = name;
                expectEdit(e);
                list->Button1->click();
            }
            Dataset *ds = DataModule6->inventory_items;
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({oconnor, romashka}));
            // Shown back unchanged in the edit window, and saved again unchanged.
            QVERIFY(ds->locate(QStringLiteral("marka"), romashka));
            Platform::Testing::onModal(QStringLiteral("TForm7"), [&](QDialog *) {
                QCOMPARE(Form7->ui()->Edit1->text(), romashka);
                Form7->ui()->Button1->click();
            });
            list->Button2->click();
            QVERIFY(ds->locate(QStringLiteral("marka"), oconnor));
            Platform::Testing::onModal(QStringLiteral("TForm7"), [&](QDialog *) {
                QCOMPARE(Form7->ui()->Edit1->text(), oconnor);
                Form7->ui()->Edit1->setText(oconnor + QStringLiteral(" д'Артаньяна"));
                Form7->ui()->Button1->click();
            });
            list->Button2->click();
            QCOMPARE(Fixture::column(ds, "marka"),
                     QStringList({oconnor + QStringLiteral(" д'Артаньяна"), romashka}));
        });
        QCOMPARE(
            count(QStringLiteral("select count(*) from cmn_inventory_items.inventory_items where marka = %1")
                      .arg(SqlText(romashka))),
            1);
        QCOMPARE(
            count(QStringLiteral("select count(*) from cmn_inventory_items.inventory_items where marka = %1")
                      .arg(SqlText(oconnor + QStringLiteral(" д'Артаньяна")))),
            1);
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void changeFillsTheFormAndWritesTheRememberedRow()
    {
        const int nom = kind(QStringLiteral("Кронштейны"));
        const int bracket = item(QStringLiteral("Кронштейн"), nom);
        SQL_EXEC(
            QStringLiteral("update cmn_inventory_items.inventory_items set massa=1.5, width=200, thick=2, "
                           "ral_cons=0.25, ral=true, massa_kg=0.75, id_msm=1 where id=%1")
                .arg(bracket));
        withItems([&](Ui::TForm3 *list) {
            Dataset *ds = DataModule6->inventory_items;
            QVERIFY(ds->locate(QStringLiteral("id"), bracket));
            Platform::Testing::onModal(QStringLiteral("TForm7"), [&](QDialog *) {
                Ui::TForm7 *e = Form7->ui();
                QCOMPARE(Form7->Tag, 2);
                QCOMPARE(e->Edit1->text(), QStringLiteral("Кронштейн"));
                QCOMPARE(e->Edit2->text(), QStringLiteral("1,5"));
                QCOMPARE(e->Edit3->text(), QStringLiteral("200"));
                QCOMPARE(e->Edit4->text(), QStringLiteral("2"));
                QCOMPARE(e->Edit5->text(), QStringLiteral("0,25"));
                QCOMPARE(e->Edit6->text(), QStringLiteral("0,75"));
                QCOMPARE(e->combo_nomenclature->currentText(), QStringLiteral("Кронштейны"));
                QCOMPARE(e->cb_operation_state->currentText(), QStringLiteral("Готовая продукция"));
                QCOMPARE(e->cb_msm->currentText(), QStringLiteral("кг"));
                // Someone adds an item that sorts first, and the list is refreshed meanwhile.
                item(QStringLiteral("Анкер"));
                ds->close();
                ds->open();
                QVERIFY(Catalog::currentId(ds) != bracket);
                e->Edit5->clear(); // no paint any more
                e->Edit2->setText(QStringLiteral("2,5"));
                e->Button1->click();
            });
            QTest::mouseDClick(list->DBGridEh1->viewport(), Qt::LeftButton, {},
                               list->DBGridEh1->visualRect(list->DBGridEh1->currentIndex()).center());
            QCOMPARE(Catalog::currentId(ds), bracket); // back on the changed row
        });
        QCOMPARE(text(QStringLiteral("select concat_ws('|', marka, massa, ral, ral_cons) from "
                                     "cmn_inventory_items.inventory_items where id=%1")
                          .arg(bracket)),
                 QStringLiteral("Кронштейн|2.500000|f|0.000000"));
        QCOMPARE(
            text(QStringLiteral("select concat_ws('|', massa, ral) from cmn_inventory_items.inventory_items "
                                "where marka='Анкер'")),
            QStringLiteral("0.000000|f"));
    }

    void itemWithTwoProcessesIsListedTwice()
    {
        const int frame = item(QStringLiteral("Рама"));
        const int tube20 = item(QStringLiteral("Труба 20"), 0, 0);
        const int tube25 = item(QStringLiteral("Труба 25"), 0, 0);
        process(frame, tube20, QStringLiteral("Рама из трубы 20"));
        process(frame, tube25, QStringLiteral("Рама из трубы 25"));
        withItems([](Ui::TForm3 *list) {
            Dataset *ds = DataModule6->inventory_items;
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Рама", "Рама", "Труба 20", "Труба 25"}));
            QCOMPARE(Fixture::column(ds, "tp_cnt"), QStringList({"2", "2", "0", "0"}));
            QStringList sources = Fixture::column(ds, "s_caption_gds").mid(0, 2);
            sources.sort();
            QCOMPARE(sources, QStringList({"Труба 20", "Труба 25"}));
            QCOMPARE(list->DBGridEh1->model()->rowCount(), 4);
            QCOMPARE(list->DBGridEh1->model()->index(0, 11).data().toString(), QStringLiteral("2"));
        });
    }

    void searchFilterAndProcessesAfterClearing()
    {
        const int fasteners = kind(QStringLiteral("Крепёж"));
        const int bar = item(QStringLiteral("Пруток"), 0, 0);
        const int bolt8 = item(QStringLiteral("Болт М8"));
        item(QStringLiteral("Болт М10"));
        item(QStringLiteral("Шайба"), fasteners);
        const int nut = item(QStringLiteral("Гайка"));
        const int oneil = item(QStringLiteral("Болт О'Нила"));
        for (int made : {bolt8, nut, oneil})
            process(made, bar);
        withItems([](Ui::TForm3 *list) {
            Dataset *ds = DataModule6->inventory_items;
            QCOMPARE(ds->recordCount(), 6);
            Fixture::type(list->Edit1, QStringLiteral("Болт"));
            QCOMPARE(ds->filter(), QStringLiteral("tp_cnt>0 and marka like '%Болт%' or s_nom like '%Болт%'"));
            QVERIFY(ds->filtered());
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Болт М8", "Болт О'Нила"}));
            QTest::keyClick(list->Edit1, Qt::Key_Down);
            QCOMPARE(ds->recNo(), 2);
            QTest::keyClick(list->Edit1, Qt::Key_Up);
            QCOMPARE(ds->recNo(), 1);
            QCOMPARE(list->Edit1->text(), QStringLiteral("Болт"));
            // The kind matches without a process.
            list->Edit1->clear();
            Fixture::type(list->Edit1, QStringLiteral("креп"));
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Шайба"}));
            // An apostrophe filters, never errors.
            list->Edit1->clear();
            Fixture::type(list->Edit1, QStringLiteral("О'Н"));
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Болт О'Нила"}));
            // Cleared: only the items that have a technological process.
            list->Edit1->clear();
            QCOMPARE(ds->filter(), QStringLiteral("tp_cnt>0"));
            QVERIFY(ds->filtered());
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Болт М8", "Болт О'Нила", "Гайка"}));
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void clearingAnUntouchedSearchKeepsEveryItem()
    {
        item(QStringLiteral("Лист"));
        withItems([](Ui::TForm3 *list) {
            // The filter was never switched on: its text changes, the list does not.
            list->Edit1->setText(QStringLiteral("x"));
            DataModule6->inventory_items->setFiltered(false);
            list->Edit1->clear();
            QCOMPARE(DataModule6->inventory_items->recordCount(), 1);
        });
    }

    void addingFromAKindPresetsTheKindAndFromTheMenuNone()
    {
        const int store = Fixture::department(QStringLiteral("Склад сырья"), 2);
        const int fasteners = kind(QStringLiteral("Крепёж"), store);
        const int tubes = kind(QStringLiteral("Трубы"), store);
        item(QStringLiteral("Болт"), fasteners);
        item(QStringLiteral("Труба"), tubes);
        Platform::Testing::onModal(QStringLiteral("TForm28"), [&](QDialog *) {
            Ui::TForm28 *kinds = Form28->ui();
            QVERIFY(DataModule6->nomenclature->locate(QStringLiteral("id"), fasteners));
            Platform::Testing::onModal(QStringLiteral("TForm3"), [&](QDialog *) {
                QCOMPARE(Form3->PresetNomenclature, fasteners);
                QCOMPARE(Form3->Tag, 0);
                Dataset *ds = DataModule6->inventory_items;
                QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Болт"}));
                Platform::Testing::onModal(QStringLiteral("TForm7"), [&](QDialog *) {
                    QCOMPARE(Form7->ui()->combo_nomenclature->currentText(), QStringLiteral("Крепёж"));
                    Entry e;
                    e.name = QStringLiteral("Винт");
                    fill(e);
                    Form7->ui()->Button1->click();
                });
                Form3->ui()->Button1->click();
                QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Болт", "Винт"}));
            });
            kinds->DBGridEh1->clickCellButton(2);
            Dataset *ds = DataModule6->inventory_items;
            QVERIFY(!ds->active());
            QVERIFY(!ds->filtered());
            QVERIFY(ds->filter().isEmpty());
            QCOMPARE(Form3->PresetNomenclature, -1);
        });
        Form1->item(QStringLiteral("N9"))->trigger();
        QCOMPARE(count(QStringLiteral(
                     "select id_nom from cmn_inventory_items.inventory_items where marka='Винт'")),
                 fasteners);

        withItems([](Ui::TForm3 *list) {
            QCOMPARE(DataModule6->inventory_items->recordCount(), 3);
            Platform::Testing::onModal(QStringLiteral("TForm7"), [](QDialog *) {
                QCOMPARE(Form7->ui()->combo_nomenclature->currentIndex(), -1);
                Entry e;
                e.name = QStringLiteral("Гвоздь");
                fill(e);
                Form7->ui()->Button1->click();
            });
            list->Button1->click();
        });
        QCOMPARE(count(QStringLiteral("select id_nom from cmn_inventory_items.inventory_items where "
                                      "marka='Гвоздь'")),
                 0);
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void titleClicksToggleTheSort()
    {
        const int kindA = kind(QStringLiteral("Вид А")), kindB = kind(QStringLiteral("Вид Б")),
                  kindC = kind(QStringLiteral("Вид В"));
        item(QStringLiteral("Альфа"), kindC);
        const int beta = item(QStringLiteral("Бета"), kindA);
        item(QStringLiteral("Гамма"), kindB);
        withItems([&](Ui::TForm3 *list) {
            Dataset *ds = DataModule6->inventory_items;
            DBGrid *grid = list->DBGridEh1;
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Альфа", "Бета", "Гамма"}));
            // A real click on the title "Наименование".
            QHeaderView *header = grid->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
            QCOMPARE(ds->sort(), QStringLiteral("marka DESC, s_nom ASC"));
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Гамма", "Бета", "Альфа"}));
            grid->clickTitle(0);
            QCOMPARE(ds->sort(), QStringLiteral("marka, s_nom ASC"));
            grid->clickTitle(1);
            QCOMPARE(ds->sort(), QStringLiteral("s_nom DESC, marka ASC"));
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Альфа", "Гамма", "Бета"}));
            grid->clickTitle(2); // "Себес.": nothing
            QCOMPARE(ds->sort(), QStringLiteral("s_nom DESC, marka ASC"));
            grid->clickTitle(0); // the sort text holds DESC
            QCOMPARE(ds->sort(), QStringLiteral("marka, s_nom ASC"));
            grid->clickTitle(1);
            grid->clickTitle(1);
            QCOMPARE(ds->sort(), QStringLiteral("s_nom, marka ASC"));
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Бета", "Гамма", "Альфа"}));
            // Changing an item keeps the sort the user chose.
            QVERIFY(ds->locate(QStringLiteral("id"), beta));
            Platform::Testing::onModal(QStringLiteral("TForm7"),
                                       [](QDialog *) { Form7->ui()->Button1->click(); });
            list->Button2->click();
            QCOMPARE(ds->sort(), QStringLiteral("s_nom, marka ASC"));
            QCOMPARE(Catalog::currentId(ds), beta);
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void emptyListChangeAndDeleteDoNothing()
    {
        withItems([](Ui::TForm3 *list) {
            QVERIFY(DataModule6->inventory_items->isEmpty());
            list->Button2->click();
            list->Button3->click();
            list->DBGridEh1->clickCellButton(12);
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QCOMPARE(Platform::Testing::shownModals(), QStringList({"TForm3"}));
    }

    void deleteAndReferencedItemRefused()
    {
        const int frame = item(QStringLiteral("Рама"));
        const int tube = item(QStringLiteral("Труба"), 0, 0);
        item(QStringLiteral("Уголок"), 0, 0);
        process(frame, tube);
        withItems([&](Ui::TForm3 *list) {
            Dataset *ds = DataModule6->inventory_items;
            QVERIFY(ds->locate(QStringLiteral("marka"), QStringLiteral("Уголок")));
            Platform::Testing::answerNext(QMessageBox::No);
            list->Button3->click();
            QCOMPARE(ds->recordCount(), 3);
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Рама", "Труба"}));
            // The source of a process: the server refuses, nothing is lost.
            QVERIFY(ds->locate(QStringLiteral("id"), tube));
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Рама", "Труба"}));
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 4);
        QCOMPARE(boxes[0].text, QStringLiteral("Удалить строку?"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Удаление"));
        QCOMPARE(boxes[3].icon, Platform::Icon::Error);
        QVERIFY2(boxes[3].text.startsWith(QStringLiteral("Запись используется в других данных")),
                 qPrintable(boxes[3].text));
        QCOMPARE(itemCount(), 2);
        QCOMPARE(count(QStringLiteral("select count(*) from mnf_proc_tech.proc_tech")), 1);
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
    }

    void cellButtonShowsTheItemsProcesses()
    {
        const int frame = item(QStringLiteral("Рама"));
        const int tube = item(QStringLiteral("Труба"), 0, 0);
        process(frame, tube);
        process(frame, tube);
        process(tube, tube);
        withItems([&](Ui::TForm3 *list) {
            QVERIFY(DataModule6->inventory_items->locate(QStringLiteral("id"), frame));
            Platform::Testing::onModal(QStringLiteral("TForm4"), [&](QDialog *) {
                QCOMPARE(Form4->Tag, 2);
                QCOMPARE(Form4->ItemId, frame);
                QCOMPARE(DataModule6->proc_tech->recordCount(), 2); // only this item's
                // A new process from here is for the item already.
                Platform::Testing::onModal(QStringLiteral("TForm33"), [](QDialog *d) {
                    QCOMPARE(Form33->Tag, 11);
                    QCOMPARE(Form33->ui()->Edit2->text(), QStringLiteral("Рама"));
                    d->reject();
                });
                Form4->ui()->Button1->click();
            });
            list->DBGridEh1->clickCellButton(12);
        });
        QCOMPARE(Form4->Tag, 0);
        QVERIFY(!DataModule6->proc_tech->filtered());
        QVERIFY(!DataModule6->proc_tech->active());
    }

    void chooseModeWritesThroughTheOpenersTarget()
    {
        const int frame = item(QStringLiteral("Рама"));
        const int tube = item(QStringLiteral("Труба"), 0, 0);
        process(frame, tube);
        SQL_EXEC(QStringLiteral(
                     "update cmn_inventory_items.inventory_items set ral=true, ral_cons=0.2 where id=%1")
                     .arg(frame));
        QStringList written;
        Form3->ChooseTargets.set(44, [&](Dataset *row) {
            written << QStringLiteral("%1|%2|%3|%4|%5")
                           .arg(row->field(QStringLiteral("id")).asInt())
                           .arg(row->field(QStringLiteral("marka")).asString().trimmed(),
                                row->field(QStringLiteral("s_identification")).asString())
                           .arg(row->field(QStringLiteral("ral")).asBoolean() ? 1 : 0)
                           .arg(row->field(QStringLiteral("id_gds")).asInt());
        });
        Form3->ChooseLayout(44);
        Platform::Testing::onModal(QStringLiteral("TForm3"), [&](QDialog *d) {
            Ui::TForm3 *list = Form3->ui();
            QVERIFY(!list->Button1->isVisible() && !list->Button3->isVisible());
            QCOMPARE(list->Button2->text(), QStringLiteral("Выбрать"));
            QVERIFY(list->Button2->isDefault());
            Dataset *ds = DataModule6->inventory_items;
            QVERIFY(ds->locate(QStringLiteral("id"), tube));
            list->Button2->click();
            QVERIFY(d->isVisible());
            QVERIFY(written.isEmpty());
            QCOMPARE(Catalog::currentId(ds), tube);
            QVERIFY(ds->locate(QStringLiteral("id"), frame));
            QTest::mouseDClick(list->DBGridEh1->viewport(), Qt::LeftButton, {},
                               list->DBGridEh1->visualRect(list->DBGridEh1->currentIndex()).center());
            QVERIFY(!d->isVisible());
        });
        Platform::showModal(Form3);
        QCOMPARE(written, QStringList({QStringLiteral("%1|Рама|шт|1|%2").arg(frame).arg(tube)}));
        auto boxes = Platform::Testing::takeShownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Техпроцесс не найден!"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QVERIFY(!Form3->pt_cnt->active());

        // Another opener's number takes any item; an unknown number chooses nothing.
        written.clear();
        Form3->ChooseTargets.set(
            63, [&](Dataset *row) { written << row->field(QStringLiteral("marka")).asString(); });
        Form3->ChooseLayout(63);
        Platform::Testing::onModal(QStringLiteral("TForm3"), [&](QDialog *d) {
            QVERIFY(DataModule6->inventory_items->locate(QStringLiteral("id"), tube));
            Form3->ui()->Button2->click();
            QVERIFY(!d->isVisible());
        });
        Platform::showModal(Form3);
        QCOMPARE(written, QStringList({"Труба"}));
        Form3->ChooseLayout(99);
        Platform::Testing::onModal(QStringLiteral("TForm3"), [&](QDialog *d) {
            Form3->ui()->Button2->click();
            QVERIFY(d->isVisible());
        });
        Platform::showModal(Form3);
        QCOMPARE(written, QStringList({"Труба"}));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());

        // The menu puts the list back into keeping the catalog.
        withItems([](Ui::TForm3 *list) {
            QCOMPARE(Form3->Tag, 0);
            QVERIFY(list->Button1->isVisible() && list->Button3->isVisible());
            QCOMPARE(list->Button2->text(), QStringLiteral("Изменить"));
        });
    }

    void theChooserListsItemsSearchesAndChooses()
    {
        const int frame = item(QStringLiteral("Рама сварная"));
        item(QStringLiteral("Рама О'Нила"));
        item(QStringLiteral("Лист"), 0, 0);
        int chosen = 0;
        QString chosenName;
        Form303->ChooseTargets.set(3, [&](Dataset *row) {
            chosen = row->field(QStringLiteral("id")).asInt();
            chosenName = row->field(QStringLiteral("marka")).asString().trimmed();
        });
        Form303->Tag = 3;
        Platform::Testing::onModal(QStringLiteral("TForm303"), [&](QDialog *d) {
            Ui::TForm303 *list = Form303->ui();
            Dataset *ds = Form303->inventory_items;
            QVERIFY(ds->active());
            QCOMPARE(ds->sort(), QStringLiteral("marka, s_nom ASC"));
            // The placeholder item 0 is not offered.
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Лист", "Рама О'Нила", "Рама сварная"}));
            Fixture::type(list->Edit1, QStringLiteral("ама"));
            QCOMPARE(ds->filter(), QStringLiteral("marka like '%ама%'"));
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Рама О'Нила", "Рама сварная"}));
            list->Edit1->clear();
            Fixture::type(list->Edit1, QStringLiteral("О'"));
            QCOMPARE(Fixture::column(ds, "marka"), QStringList({"Рама О'Нила"}));
            list->Edit1->clear();
            QVERIFY(!ds->filtered());
            QCOMPARE(ds->recordCount(), 3);
            list->DBGridEh1->clickTitle(0);
            QCOMPARE(ds->sort(), QStringLiteral("marka DESC, s_nom ASC"));
            QVERIFY(ds->locate(QStringLiteral("id"), frame));
            QTest::keyClick(list->Edit1, Qt::Key_Down);
            QTest::keyClick(list->Edit1, Qt::Key_Up);
            list->Button2->click();
            QVERIFY(!d->isVisible());
        });
        Platform::showModal(Form303);
        QCOMPARE(chosen, frame);
        QCOMPARE(chosenName, QStringLiteral("Рама сварная"));
        QVERIFY(!Form303->inventory_items->active());
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }
};

QTEST_MAIN(TestItems)
#include "tst_items.moc"
