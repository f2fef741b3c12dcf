// Production requests: the register, the header card, the line list and the line card, on the
// demo plant (customers, staff, items with processes, RAL paints and two requests).
#include "app/DBGrid.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogs/Unit3.h"
#include "catalogs/Unit34.h"
#include "catalogs/Unit5.h"
#include "requests/Unit41.h"
#include "requests/Unit42.h"
#include "requests/Unit43.h"
#include "requests/Unit44.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit3.h"
#include "ui_Unit34.h"
#include "ui_Unit41.h"
#include "ui_Unit42.h"
#include "ui_Unit43.h"
#include "ui_Unit44.h"
#include "ui_Unit5.h"

#include <QAction>

namespace {

// Demo rows.
const int Post = 12, Shelf = 13;

// Groups of one item come in no particular order.
QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList boxTexts()
{
    QStringList out;
    for (const auto &b : Platform::Testing::takeShownBoxes())
        out << b.text;
    return out;
}

// The request's lines as item/colour/count/price/cost/source/state, in the order they were made.
QString linesOf(int request)
{
    return Fixture::scalar(
               QStringLiteral(
                   "select coalesce(string_agg(id_ii::int || '/' || id_ral::int || '/' || cnt::float8 || "
                   "'/' || price::float8 || '/' || cost_price::float8 || '/' || id_gds::int || '/' || "
                   "state, ' ' order by id), '') from mnf_app.app_spec where id_app_doc=%1")
                   .arg(request))
        .toString();
}

// The request's shipping counters as item/colour/count.
QString shipsOf(int request)
{
    return Fixture::scalar(
               QStringLiteral("select coalesce(string_agg(id_ii::int || '/' || id_ral::int || '/' || "
                              "cnt::float8, ' ' order by id_ii, id_ral), '') from "
                              "mnf_app.app_spec_ship where id_app_doc=%1")
                   .arg(request))
        .toString();
}

void dblClickCurrent(DBGrid *grid)
{
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->currentIndex()).center());
}

// Runs `inRegister` with the register shown from the main menu.
void withRegister(const std::function<void(Ui::TForm41 *)> &inRegister)
{
    Platform::Testing::onModal(QStringLiteral("TForm41"), [&](QDialog *) { inRegister(Form41->ui()); });
    const int shown = Platform::Testing::shownModals().count(QStringLiteral("TForm41"));
    Form1->item(QStringLiteral("N17"))->trigger();
    QCOMPARE(Platform::Testing::shownModals().count(QStringLiteral("TForm41")), shown + 1);
    // The menu closes what it opened.
    QVERIFY(!DataModule6->app_doc->active());
    QVERIFY(!DataModule6->stock->active());
}

// Runs `inLines` with the lines of the request shown by a double click in the register.
void withLines(int request, const std::function<void(Ui::TForm42 *)> &inLines)
{
    withRegister([&](Ui::TForm41 *reg) {
        QVERIFY(DataModule6->app_doc->locate(QStringLiteral("id"), request));
        const int shown = Platform::Testing::shownModals().count(QStringLiteral("TForm42"));
        Platform::Testing::onModal(QStringLiteral("TForm42"), [&](QDialog *) { inLines(Form42->ui()); });
        dblClickCurrent(reg->DBGridEh1);
        QCOMPARE(Platform::Testing::shownModals().count(QStringLiteral("TForm42")), shown + 1);
        QVERIFY(!Form42->app_spec->active());
    });
}

void chooseContractor(const QString &fullCaption)
{
    Platform::Testing::onModal(QStringLiteral("TForm34"), [=](QDialog *) {
        Ui::TForm34 *list = Form34->ui();
        QCOMPARE(Form34->Tag, 43);
        QCOMPARE(list->Button2->text(), QStringLiteral("Выбрать"));
        QVERIFY(!list->Button1->isVisible() && !list->Button3->isVisible());
        QVERIFY(DataModule6->jur_person->locate(QStringLiteral("s_full_caption"), fullCaption));
        list->Button2->click();
    });
}

void chooseWorker(const QString &name)
{
    Platform::Testing::onModal(QStringLiteral("TForm5"), [=](QDialog *) {
        QCOMPARE(Form5->Tag, 43);
        QCOMPARE(Form5->ui()->Button2->text(), QStringLiteral("Выбрать"));
        QVERIFY(DataModule6->workers->locate(QStringLiteral("s_caption"), name));
        Form5->ui()->Button2->click();
    });
}

void chooseItem(const QString &marka)
{
    Platform::Testing::onModal(QStringLiteral("TForm3"), [=](QDialog *) {
        QCOMPARE(Form3->Tag, 44);
        QVERIFY2(DataModule6->inventory_items->locate(QStringLiteral("marka"), marka), qPrintable(marka));
        Form3->ui()->Button2->click();
    });
}

struct Line
{
    QString item; // chosen through the item list; empty: keep what the card shows
    QString ral;  // shown in LCB_ral; empty: no colour
    QString count;
    QString price;
};

// Fills the line card when it is shown and presses "Записать"; `closed` tells whether it closed.
void expectLineCard(const Line &line, bool *closed = nullptr)
{
    Platform::Testing::onModal(QStringLiteral("TForm44"), [=](QDialog *d) {
        Ui::TForm44 *card = Form44->ui();
        if (!line.item.isEmpty()) {
            chooseItem(line.item);
            card->Button5->click();
        }
        card->LCB_ral->setCurrentIndex(line.ral.isEmpty() ? -1 : card->LCB_ral->findText(line.ral));
        card->Edit3->setText(line.count);
        card->Edit1->setText(line.price);
        card->Button1->click();
        if (closed)
            *closed = !d->isVisible();
    });
}

} // namespace

class TestRequests final : public DbTestCase
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
        Fixture::loadDemo();
    }

    void cleanup()
    {
        QCOMPARE(Platform::Testing::shownInTransaction(), QStringList());
        QCOMPARE(Platform::Testing::unscriptedModals(), QStringList());
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
        DbTestCase::cleanup();
    }

    void menuShowsCustomerRequestsNewestFirst()
    {
        // A sub-request (blanks for a line of request 1) is not a customer request.
        SQL_EXEC(
            QStringLiteral("insert into mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out, id_app_doc, "
                           "id_app_spec) values (7777, 2, '20.03.2025', '21.03.2025', 1, 1)"));
        QAction *item = Form1->item(QStringLiteral("N17"));
        QVERIFY(item->isEnabled());
        Form41->ui()->Button1->setVisible(false);
        withRegister([](Ui::TForm41 *reg) {
            QCOMPARE(Form41->Tag, 0);
            QVERIFY(reg->Button1->isVisible() && reg->Button3->isVisible());
            Dataset *ds = DataModule6->app_doc;
            QCOMPARE(ds->sort(), QStringLiteral("d_date DESC, s_person_caption ASC"));
            QCOMPARE(Fixture::column(ds, "id"), QStringList({"2", "1"}));
            QCOMPARE(Fixture::column(ds, "s_jp_caption"),
                     QStringList({"ИП Петров Николай Степанович", "ООО «СтройМонтаж»"}));
            QCOMPARE(Fixture::column(ds, "s_state"), QStringList({"Оформление", "Оформление"}));
            DatasetModel *model = reg->DBGridEh1->datasetModel();
            QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("№ заявки"));
            QCOMPARE(model->data(model->index(1, 3)).toString(), QStringLiteral("17.03.2025"));
            QCOMPARE(model->data(model->index(1, 4)).toString(), QStringLiteral("28.03.2025"));
            // The last column's cell button opens the lines, as a double click does.
            Platform::Testing::onModal(QStringLiteral("TForm42"), [](QDialog *) {
                QCOMPARE(Form42->RequestId, 1);
                QCOMPARE(Form42->ui()->DBEdit1->text(), QStringLiteral("1"));
            });
            ds->setRecNo(2);
            reg->DBGridEh1->clickCellButton(7);
        });
        QCOMPARE(Platform::Testing::shownModals(), QStringList({"TForm41", "TForm42"}));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void newRequestWithThreeLines()
    {
        int request = 0;
        withRegister([&](Ui::TForm41 *reg) {
            Platform::Testing::onModal(QStringLiteral("TForm43"), [&](QDialog *) {
                Ui::TForm43 *card = Form43->ui();
                QCOMPARE(Form43->Tag, 1);
                QCOMPARE(card->DateTimePicker1->date(), QDate::currentDate());
                QVERIFY(card->Edit1->text().isEmpty() && card->Edit2->text().isEmpty());
                // A click in the read-only box chooses, as "..." does.
                chooseContractor(QStringLiteral("ООО «Д'Арт Металл»"));
                QTest::mouseClick(card->Edit1, Qt::LeftButton);
                chooseWorker(QStringLiteral("Орлов Максим Евгеньевич"));
                card->Button5->click();
                QCOMPARE(card->Edit1->text(), QStringLiteral("ООО «Д'Арт Металл»"));
                QCOMPARE(card->Edit2->text(), QStringLiteral("Орлов Максим Евгеньевич"));
                // Days above 12 catch a month read for a day.
                card->DateTimePicker1->setDate(QDate(2025, 4, 13));
                card->DateTimePicker2->setDate(QDate(2025, 5, 2));
                card->Button1->click();
            });
            reg->Button1->click();
            Dataset *ds = DataModule6->app_doc;
            QCOMPARE(ds->recordCount(), 3);
            QCOMPARE(ds->field(QStringLiteral("s_jp_caption")).asString(),
                     QStringLiteral("ООО «Д'Арт Металл»"));
            request = Catalog::currentId(ds);
            QCOMPARE(ds->recNo(), 1);

            Platform::Testing::onModal(QStringLiteral("TForm42"), [&](QDialog *) {
                Ui::TForm42 *lines = Form42->ui();
                QCOMPARE(lines->DBEdit1->text(), QString::number(request));
                QCOMPARE(lines->DBEdit2->text(), QStringLiteral("13.04.2025"));
                QCOMPARE(lines->DBEdit3->text(), QStringLiteral("ООО «Д'Арт Металл»"));
                QCOMPARE(lines->DBEdit4->text(), QStringLiteral("02.05.2025"));
                QCOMPARE(lines->DBEdit5->text(), QStringLiteral("Орлов Максим Евгеньевич"));
                QVERIFY(lines->DBGridEh1->isColumnHidden(7)); // "!" only for other openers

                Platform::Testing::onModal(QStringLiteral("TForm44"), [&](QDialog *) {
                    Ui::TForm44 *card = Form44->ui();
                    QCOMPARE(card->GroupBox1->title(),
                             QStringLiteral("Заявка в производство № %1").arg(request));
                    QCOMPARE(card->LCB_ral->currentIndex(), -1);
                    QCOMPARE(card->LCB_ral->count(), 4);
                    chooseItem(QStringLiteral("Кронштейн КР-1"));
                    card->Button5->click();
                    QCOMPARE(card->Label2->text(), QStringLiteral("шт"));
                    QCOMPARE(card->DBText1->text(), QStringLiteral("372"));
                    card->LCB_ral->setCurrentIndex(card->LCB_ral->findText(QStringLiteral("RAL 9016")));
                    Fixture::type(card->Edit3, QStringLiteral("120"));
                    Fixture::type(card->Edit1, QStringLiteral("400.5"));
                    QCOMPARE(card->Edit1->text(), QStringLiteral("400,5"));
                    card->Button1->click();
                });
                lines->Button1->click();
                // Not painted: stored without colour whatever the combo shows.
                Platform::Testing::onModal(QStringLiteral("TForm44"), [](QDialog *) {
                    Ui::TForm44 *card = Form44->ui();
                    QVERIFY(card->Edit2->text().isEmpty() && card->Label2->text().isEmpty());
                    QVERIFY(card->DBText1->text().isEmpty());
                    chooseItem(QStringLiteral("Заготовка кронштейна КР-1"));
                    QTest::mouseClick(card->Edit2, Qt::LeftButton);
                    card->LCB_ral->setCurrentIndex(card->LCB_ral->findText(QStringLiteral("RAL 3020")));
                    Fixture::type(card->Edit3, QStringLiteral("12.5"));
                    Fixture::type(card->Edit1, QStringLiteral("130"));
                    card->Button1->click();
                });
                lines->Button1->click();
                // The same item in a second colour is another line.
                expectLineCard({QStringLiteral("Кронштейн КР-1"), QStringLiteral("RAL 3020"),
                                QStringLiteral("30"), QStringLiteral("410")});
                lines->Button1->click();

                Dataset *groups = Form42->app_spec;
                QCOMPARE(Fixture::column(groups, "ii_s_caption"),
                         QStringList({"Заготовка кронштейна КР-1", "Кронштейн КР-1", "Кронштейн КР-1"}));
                QCOMPARE(sorted(Fixture::column(groups, "cnt")), QStringList({"12,5", "120", "30"}));
                QCOMPARE(Fixture::column(groups, "s_state"),
                         QStringList({"Оформление", "Оформление", "Оформление"}));
                QCOMPARE(Fixture::column(groups, "cost_price"), QStringList({"126", "372", "372"}));
                DatasetModel *model = lines->DBGridEh1->datasetModel();
                QCOMPARE(model->data(model->index(0, 3)).toString(), QString()); // no colour: the placeholder
                QCOMPARE(model->data(model->index(0, 0), Qt::BackgroundRole).value<QColor>(),
                         QColor(255, 238, 238));
            });
            dblClickCurrent(reg->DBGridEh1);
        });
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select id_jur_person::int || '|' || id_person::int || '|' || "
                                    "to_char(d_mnf, 'DD.MM.YYYY') || '|' || to_char(d_out, 'DD.MM.YYYY') "
                                    "|| '|' || state || '|' || id_app_doc::int from mnf_app.app_doc "
                                    "where id=%1")
                         .arg(request))
                     .toString(),
                 QStringLiteral("3|12|13.04.2025|02.05.2025|0|0"));
        QCOMPARE(linesOf(request),
                 QStringLiteral("11/5/120/400.5/310/9/0 9/0/12.5/130/105/1/0 11/6/30/410/310/9/0"));
        QCOMPARE(shipsOf(request), QStringLiteral("9/0/12.5 11/5/120 11/6/30"));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from mnf_app.app_spec where master_id<>0"))
                     .toInt(),
                 0);
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        // The choosers are back in their keeping layout.
        QCOMPARE(Form34->ui()->Button2->text(), QStringLiteral("Изменить"));
        QCOMPARE(Form5->ui()->Button2->text(), QStringLiteral("Изменить"));
        QCOMPARE(Form3->Tag, 0);
    }

    void headerCardNeedsCustomerAndEmployee()
    {
        withRegister([](Ui::TForm41 *reg) {
            Platform::Testing::onModal(QStringLiteral("TForm43"), [](QDialog *d) {
                Ui::TForm43 *card = Form43->ui();
                card->Button1->click();
                QVERIFY(d->isVisible());
                chooseContractor(QStringLiteral("ООО «СтройМонтаж»"));
                card->Button3->click();
                card->Button1->click();
                QVERIFY(d->isVisible());
                // Leaving the chooser without a choice keeps what was chosen.
                Platform::Testing::onModal(QStringLiteral("TForm34"), [](QDialog *list) { list->reject(); });
                card->Button3->click();
                QCOMPARE(Form43->JurPersonId, 1);
                QCOMPARE(card->Edit1->text(), QStringLiteral("ООО «СтройМонтаж»"));
            });
            reg->Button1->click();
        });
        QCOMPARE(boxTexts(),
                 QStringList({"Все поля должны быть заполнены!", "Все поля должны быть заполнены!"}));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from mnf_app.app_doc")).toInt(), 2);
    }

    void changeHeaderKeepsItsRow()
    {
        withRegister([](Ui::TForm41 *reg) {
            Dataset *ds = DataModule6->app_doc;
            QVERIFY(ds->locate(QStringLiteral("id"), 1));
            Platform::Testing::onModal(QStringLiteral("TForm43"), [](QDialog *) {
                Ui::TForm43 *card = Form43->ui();
                QCOMPARE(Form43->Tag, 0);
                QCOMPARE(card->Edit1->text(), QStringLiteral("ООО «СтройМонтаж»"));
                QCOMPARE(card->Edit2->text(), QStringLiteral("Морозова Елена Сергеевна"));
                QCOMPARE(card->DateTimePicker1->date(), QDate(2025, 3, 17));
                QCOMPARE(card->DateTimePicker2->date(), QDate(2025, 3, 28));
                QCOMPARE(Form43->JurPersonId, 1);
                QCOMPARE(Form43->PersonId, 2);
                // Someone adds a request that sorts first while the card is open.
                Fixture::exec(
                    QStringLiteral("insert into mnf_app.app_doc(id_jur_person, id_person) values (2, 3)"));
                chooseContractor(QStringLiteral("ООО «Д'Арт Металл»"));
                card->Button3->click();
                card->DateTimePicker2->setDate(QDate(2025, 4, 30));
                card->Button1->click();
            });
            reg->Button2->click();
            QCOMPARE(Catalog::currentId(ds), 1);
            QCOMPARE(ds->field(QStringLiteral("s_jp_caption")).asString(),
                     QStringLiteral("ООО «Д'Арт Металл»"));
        });
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select id_jur_person::int || '|' || id_person::int || '|' || "
                                           "to_char(d_out, 'DD.MM.YYYY') from mnf_app.app_doc where id=1"))
                .toString(),
            QStringLiteral("3|2|30.04.2025"));
        QCOMPARE(Fixture::scalar(QStringLiteral("select id_jur_person::int from mnf_app.app_doc where id=2"))
                     .toInt(),
                 6);
    }

    void shippedRequestIsReadOnly()
    {
        SQL_EXEC(QStringLiteral("update mnf_app.app_doc set state=1 where id=2"));
        SQL_EXEC(QStringLiteral("update mnf_app.app_spec set state=5 where id_app_doc=2"));
        withRegister([](Ui::TForm41 *reg) {
            Dataset *ds = DataModule6->app_doc;
            QVERIFY(ds->locate(QStringLiteral("id"), 2));
            QCOMPARE(ds->field(QStringLiteral("s_state")).asString(), QStringLiteral("Отгружено"));
            reg->Button2->click(); // nothing to change
            Platform::Testing::onModal(QStringLiteral("TForm42"), [](QDialog *) {
                Ui::TForm42 *lines = Form42->ui();
                QCOMPARE(Fixture::column(Form42->app_spec, "s_state"), QStringList({"Отгружено"}));
                QVERIFY(!lines->Button1->isEnabled() && !lines->Button2->isEnabled() &&
                        !lines->Button3->isEnabled());
            });
            dblClickCurrent(reg->DBGridEh1);
            Ui::TForm42 *lines = Form42->ui();
            QVERIFY(lines->Button1->isEnabled() && lines->Button2->isEnabled() &&
                    lines->Button3->isEnabled());
        });
        QCOMPARE(Platform::Testing::shownModals(), QStringList({"TForm41", "TForm42"}));
    }

    void deleteRequest_data()
    {
        QTest::addColumn<int>("request");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("deleted");
        const QString question = QStringLiteral("Удалить заявку (будут удалены все строки спецификации)?");
        const QString refused =
            QStringLiteral("У ордера есть принятые строки спецификации!\nУдаление невозможно.");
        QTest::newRow("all lines drawn up")
            << 1 << QString() << QMessageBox::Yes << QStringList{question} << true;
        QTest::newRow("answered No") << 1 << QString() << QMessageBox::No << QStringList{question} << false;
        QTest::newRow("one line in stock")
            << 1 << QStringLiteral("update mnf_app.app_spec set state=1 where id=2") << QMessageBox::Yes
            << QStringList{refused} << false;
        QTest::newRow("empty request") << 0 << QString() << QMessageBox::Yes << QStringList{question} << true;
    }

    void deleteRequest()
    {
        QFETCH(int, request);
        QFETCH(QString, setup);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, boxes);
        QFETCH(bool, deleted);
        if (request == 0)
            request = Fixture::scalar(
                          QStringLiteral("insert into mnf_app.app_doc(id_jur_person, id_person, d_date) "
                                         "values (2, 3, '01.01.2025') returning id"))
                          .toInt();
        if (!setup.isEmpty())
            SQL_EXEC(setup);
        const QString before = linesOf(request);
        withRegister([&](Ui::TForm41 *reg) {
            Dataset *ds = DataModule6->app_doc;
            QVERIFY(ds->locate(QStringLiteral("id"), request));
            const int recNo = ds->recNo();
            const int rows = ds->recordCount();
            Platform::Testing::answerNext(answer);
            reg->Button3->click();
            QCOMPARE(ds->recordCount(), deleted ? rows - 1 : rows);
            QCOMPARE(ds->recNo(), std::min(recNo, ds->recordCount()));
        });
        QCOMPARE(boxTexts(), boxes);
        const int left =
            Fixture::scalar(QStringLiteral("select (select count(*) from mnf_app.app_doc where id=%1) + "
                                           "(select count(*) from mnf_app.app_spec where id_app_doc=%1) + "
                                           "(select count(*) from mnf_app.app_spec_ship where "
                                           "id_app_doc=%1)")
                                .arg(request))
                .toInt();
        if (deleted)
            QCOMPARE(left, 0);
        else
            QCOMPARE(linesOf(request), before);
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from mnf_app.app_doc where id=2")).toInt(),
                 1);
    }

    void lineCardRefusals_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("ral");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("message");
        const QString fill = QStringLiteral("Все поля должны быть заполнены!");
        const QString twice = QStringLiteral("Такая позиция есть в спецификации!");
        QTest::newRow("no item") << QString() << QString() << "5"
                                 << "400" << fill;
        QTest::newRow("no count") << "Стойка стеллажа С-2000"
                                  << "RAL 9016"
                                  << "  "
                                  << "400" << fill;
        QTest::newRow("no price") << "Стойка стеллажа С-2000"
                                  << "RAL 9016"
                                  << "5"
                                  << "" << fill;
        QTest::newRow("painted without colour") << "Стойка стеллажа С-2000"
                                                << ""
                                                << "5"
                                                << "400" << QStringLiteral("Необходимо указать RAL!");
        QTest::newRow("same item and colour") << "Кронштейн КР-1"
                                              << "RAL 9016"
                                              << "5"
                                              << "400" << twice;
        // The existing blank line has colour 0: another colour in the combo changes nothing.
        QTest::newRow("unpainted item again") << "Заготовка кронштейна КР-1"
                                              << "RAL 5005"
                                              << "5"
                                              << "400" << twice;
        QTest::newRow("zero count") << "Стойка стеллажа С-2000"
                                    << "RAL 9016"
                                    << "0"
                                    << "400" << QStringLiteral("Количество должно быть больше нуля!");
        QTest::newRow("negative count") << "Стойка стеллажа С-2000"
                                        << "RAL 9016"
                                        << "-3"
                                        << "400" << QStringLiteral("Количество должно быть больше нуля!");
        QTest::newRow("zero price") << "Стойка стеллажа С-2000"
                                    << "RAL 9016"
                                    << "5"
                                    << "0,00" << QStringLiteral("Цена должна быть больше нуля!");
        QTest::newRow("count that does not read")
            << "Стойка стеллажа С-2000"
            << "RAL 9016"
            << "1,2,3"
            << "400" << QStringLiteral("Неверное число: «1,2,3» в поле «Количество»");
        QTest::newRow("price that does not read")
            << "Стойка стеллажа С-2000"
            << "RAL 9016"
            << "5"
            << "," << QStringLiteral("Неверное число: «,» в поле «Цена»");
    }

    void lineCardRefusals()
    {
        QFETCH(QString, item);
        QFETCH(QString, ral);
        QFETCH(QString, count);
        QFETCH(QString, price);
        QFETCH(QString, message);
        SQL_EXEC(QStringLiteral(
            "insert into mnf_app.app_spec(id_app_doc, id_ii, cnt, id_ral, id_gds, price) values "
            "(1, 9, 10, 0, 1, 120)"));
        SQL_EXEC(QStringLiteral(
            "insert into mnf_app.app_spec_ship(id_app_doc, id_ii, id_ral, cnt) values (1, 9, 0, 10)"));
        const QString lines = linesOf(1), ships = shipsOf(1);
        bool closed = true;
        withLines(1, [&](Ui::TForm42 *list) {
            expectLineCard({item, ral, count, price}, &closed);
            list->Button1->click();
        });
        QVERIFY(!closed); // the card stays open with what was typed
        QCOMPARE(boxTexts(), QStringList{message});
        QCOMPARE(linesOf(1), lines);
        QCOMPARE(shipsOf(1), ships);
    }

    void itemListOffersOnlyItemsWithAProcess()
    {
        const QString kept = DataModule6->inventory_items->sql();
        withLines(2, [](Ui::TForm42 *list) {
            Platform::Testing::onModal(QStringLiteral("TForm44"), [](QDialog *) {
                Platform::Testing::onModal(QStringLiteral("TForm3"), [](QDialog *d) {
                    Ui::TForm3 *items = Form3->ui();
                    Dataset *ds = DataModule6->inventory_items;
                    QVERIFY(!items->Button1->isVisible() && !items->Button3->isVisible());
                    QCOMPARE(items->Button2->text(), QStringLiteral("Выбрать"));
                    QVERIFY(!items->DBGridEh1->columns()[12].cellButton);
                    // Bought material and items without a process are not offered.
                    QCOMPARE(Fixture::column(ds, "marka"),
                             QStringList(
                                 {"Заготовка кронштейна КР-1", "Кронштейн КР-1", "Стойка стеллажа С-2000"}));
                    // The search shows a whole kind, the shelf without a process among it.
                    Fixture::type(items->Edit1, QStringLiteral("Стеллаж"));
                    QCOMPARE(Fixture::column(ds, "marka"),
                             QStringList({"Полка стеллажная П-600", "Стойка стеллажа С-2000"}));
                    QVERIFY(ds->locate(QStringLiteral("id"), Shelf));
                    items->Button2->click();
                    QVERIFY(d->isVisible());
                    QCOMPARE(Form44->ItemId, 0);
                    QVERIFY(ds->locate(QStringLiteral("id"), Post));
                    items->Button2->click();
                    QVERIFY(!d->isVisible());
                });
                Form44->ui()->Button5->click();
                QCOMPARE(Form44->ItemId, Post);
                QCOMPARE(Form44->SourceId, 3);
                QVERIFY(Form44->Painted);
                QCOMPARE(Form44->ui()->Edit2->text(), QStringLiteral("Стойка стеллажа С-2000"));
                QCOMPARE(Form44->ui()->DBText1->text(), QStringLiteral("0"));
            });
            list->Button1->click();
        });
        QCOMPARE(boxTexts(), QStringList({"Техпроцесс не найден!"}));
        Dataset *ds = DataModule6->inventory_items;
        QCOMPARE(ds->sql(), kept);
        QVERIFY(!ds->active() && !ds->filtered());
        QVERIFY(Form3->ui()->DBGridEh1->columns()[12].cellButton);
        QCOMPARE(Form3->ui()->Button2->text(), QStringLiteral("Изменить"));
        QVERIFY(!Form44->cost_price->active());
        QCOMPARE(linesOf(2), QStringLiteral("11/6/20/365/310/9/0")); // cancelled: nothing written
    }

    void priceAgainstCostPrice_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("written");
        // Кронштейн КР-1 costs 310, 372 with VAT.
        QTest::newRow("equal to the cost") << "372" << QMessageBox::No << false << true;
        QTest::newRow("a kopeck lower, refused") << "371,99" << QMessageBox::No << true << false;
        QTest::newRow("a kopeck lower, accepted") << "371.99" << QMessageBox::Yes << true << true;
    }

    void priceAgainstCostPrice()
    {
        QFETCH(QString, price);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, asked);
        QFETCH(bool, written);
        bool closed = false;
        withLines(2, [&](Ui::TForm42 *list) {
            if (asked)
                Platform::Testing::answerNext(answer);
            expectLineCard(
                {QStringLiteral("Кронштейн КР-1"), QStringLiteral("RAL 7024"), QStringLiteral("4"), price},
                &closed);
            list->Button1->click();
        });
        const auto boxes = Platform::Testing::takeShownBoxes();
        QCOMPARE(boxes.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(boxes[0].text, QStringLiteral("Цена НИЖЕ себестоимости! Принять цену?"));
            QCOMPARE(boxes[0].caption, QStringLiteral("Внимание"));
            QCOMPARE(boxes[0].icon, Platform::Icon::Warning);
        }
        QCOMPARE(closed, written);
        const QString line = QStringLiteral(" 11/7/4/%1/310/9/0").arg(QString(price).replace(',', '.'));
        QCOMPARE(linesOf(2), QStringLiteral("11/6/20/365/310/9/0") + (written ? line : QString()));
        QCOMPARE(shipsOf(2), QStringLiteral("11/6/20") + (written ? QStringLiteral(" 11/7/4") : QString()));
    }

    void changeLine()
    {
        withLines(1, [](Ui::TForm42 *list) {
            Dataset *groups = Form42->app_spec;
            QCOMPARE(Fixture::column(groups, "ii_s_caption"),
                     QStringList({"Кронштейн КР-1", "Стойка стеллажа С-2000"}));
            groups->setRecNo(1);
            Platform::Testing::onModal(QStringLiteral("TForm44"), [](QDialog *d) {
                Ui::TForm44 *card = Form44->ui();
                QCOMPARE(Form44->Tag, 0);
                QCOMPARE(card->Edit2->text(), QStringLiteral("Кронштейн КР-1"));
                QCOMPARE(card->Label2->text(), QStringLiteral("шт"));
                QCOMPARE(card->Edit3->text(), QStringLiteral("120"));
                QCOMPARE(card->Edit1->text(), QStringLiteral("350"));
                QCOMPARE(card->LCB_ral->currentText(), QStringLiteral("RAL 9016"));
                QCOMPARE(card->DBText1->text(), QStringLiteral("372"));
                card->Edit3->setText(QStringLiteral("150"));
                card->Edit1->setText(QStringLiteral("380"));
                card->LCB_ral->setCurrentIndex(card->LCB_ral->findText(QStringLiteral("RAL 5005")));
                card->Button1->click();
                QVERIFY(!d->isVisible());
            });
            list->Button2->click();
            QCOMPARE(Fixture::column(groups, "cnt"), QStringList({"150", "40"}));
            QCOMPARE(Fixture::column(groups, "ral_s_code"), QStringList({"RAL 5005", "RAL 7024"}));
            QCOMPARE(groups->recNo(), 1);

            // Changing the post into the bracket's colour would make a second identical line.
            groups->setRecNo(2);
            bool closed = true;
            expectLineCard({QStringLiteral("Кронштейн КР-1"), QStringLiteral("RAL 5005"),
                            QStringLiteral("40"), QStringLiteral("920")},
                           &closed);
            list->Button2->click();
            QVERIFY(!closed);
            QCOMPARE(boxTexts(), QStringList({"Такая позиция есть в спецификации!"}));
        });
        QCOMPARE(linesOf(1), QStringLiteral("11/8/150/380/310/9/0 12/7/40/920/0/3/0"));
        QCOMPARE(shipsOf(1), QStringLiteral("11/8/150 12/7/40"));
    }

    void acceptedLineIsNeitherChangedNorDeleted_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("message");
        const QString change = QStringLiteral("Невозможно изменить принятую в работу строку спецификации!");
        const QString remove = QStringLiteral("Невозможно удалить принятую в работу строку спецификации!");
        const QString inStock = QStringLiteral("update mnf_app.app_spec set state=1 where id=1");
        // A split line: part of the item and colour, at another price, went into production while
        // the group at 350 is still drawn up.
        const QString split =
            QStringLiteral("insert into mnf_app.app_spec(id_app_doc, id_ii, cnt, id_ral, id_gds, "
                           "price, cost_price, state) values (1, 11, 20, 5, 9, 360, 310, 2)");
        QTest::newRow("change, line in stock") << inStock << 2 << change;
        QTest::newRow("delete, line in stock") << inStock << 3 << remove;
        QTest::newRow("change, part in production") << split << 2 << change;
        QTest::newRow("delete, part in production") << split << 3 << remove;
    }

    void acceptedLineIsNeitherChangedNorDeleted()
    {
        QFETCH(QString, setup);
        QFETCH(int, button);
        QFETCH(QString, message);
        SQL_EXEC(setup);
        const QString lines = linesOf(1), ships = shipsOf(1);
        withLines(1, [&](Ui::TForm42 *list) {
            Dataset *groups = Form42->app_spec;
            QVERIFY(groups->locate(QStringLiteral("price"), 350));
            (button == 2 ? list->Button2 : list->Button3)->click();
        });
        QCOMPARE(boxTexts(), QStringList{message});
        QVERIFY(!Platform::Testing::shownModals().contains(QStringLiteral("TForm44")));
        QCOMPARE(linesOf(1), lines);
        QCOMPARE(shipsOf(1), ships);
    }

    void acceptedMeanwhileIsNotRewritten()
    {
        withLines(1, [](Ui::TForm42 *list) {
            Form42->app_spec->setRecNo(1);
            Platform::Testing::onModal(QStringLiteral("TForm44"), [](QDialog *d) {
                // The storekeeper releases the material while the card is open.
                Fixture::exec(QStringLiteral("update mnf_app.app_spec set state=1 where id=1"));
                Form44->ui()->Edit3->setText(QStringLiteral("200"));
                Form44->ui()->Button1->click();
                QVERIFY(d->isVisible());
            });
            list->Button2->click();
        });
        QCOMPARE(boxTexts(), QStringList({"Невозможно изменить принятую в работу строку спецификации!"}));
        QCOMPARE(linesOf(1), QStringLiteral("11/5/120/350/310/9/1 12/7/40/920/0/3/0"));
        QCOMPARE(shipsOf(1), QStringLiteral("11/5/120 12/7/40"));
    }

    void deleteLineTakesItsCounter()
    {
        withLines(1, [](Ui::TForm42 *list) {
            Dataset *groups = Form42->app_spec;
            groups->setRecNo(1);
            Platform::Testing::answerNext(QMessageBox::No);
            list->Button3->click();
            QCOMPARE(groups->recordCount(), 2);
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(Fixture::column(groups, "ii_s_caption"), QStringList({"Стойка стеллажа С-2000"}));
            // The item and colour again: one counter with the new count.
            expectLineCard({QStringLiteral("Кронштейн КР-1"), QStringLiteral("RAL 9016"),
                            QStringLiteral("70"), QStringLiteral("390")});
            list->Button1->click();
            groups->last();
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(groups->recNo(), 1); // the new last row
        });
        QCOMPARE(boxTexts(), QStringList({"Удалить строку?", "Удалить строку?", "Удалить строку?"}));
        QCOMPARE(linesOf(1), QStringLiteral("11/5/70/390/310/9/0"));
        QCOMPARE(shipsOf(1), QStringLiteral("11/5/70"));
    }

    void lineStatesAsText()
    {
        // One group per state, each with its own colour.
        SQL_EXEC(QStringLiteral("delete from mnf_app.app_spec where id_app_doc=2"));
        SQL_EXEC(QStringLiteral(
            "insert into mnf_app.app_spec(id_app_doc, id_ii, cnt, id_ral, id_gds, price, state) values "
            "(2, 11, 1, 5, 9, 400, 0), (2, 11, 1, 6, 9, 400, 1), (2, 11, 1, 7, 9, 400, 2), "
            "(2, 11, 1, 8, 9, 400, 3), (2, 12, 1, 5, 3, 900, 4), (2, 12, 1, 6, 3, 900, 5)"));
        Form42->Tag = 2; // an opener that shows the "!" column
        Form42->RequestId = 2;
        Form42->app_spec->setParam(QStringLiteral("id_app_doc"), 2);
        Form42->app_spec->open();
        Platform::Testing::onModal(QStringLiteral("TForm42"), [](QDialog *) {
            Ui::TForm42 *list = Form42->ui();
            QVERIFY(!list->DBGridEh1->isColumnHidden(7));
            DatasetModel *model = list->DBGridEh1->datasetModel();
            QStringList rows;
            for (int r = 0; r < model->rowCount(); ++r)
                rows << model->data(model->index(r, 0)).toString() + QLatin1Char(' ') +
                            model->data(model->index(r, 3)).toString() + QLatin1Char('|') +
                            model->data(model->index(r, 6)).toString() + QLatin1Char('|') +
                            (model->data(model->index(r, 7), Qt::CheckStateRole).toInt() == Qt::Checked
                                 ? "!"
                                 : "") +
                            QLatin1Char('|') +
                            (model->data(model->index(r, 0), Qt::BackgroundRole).isValid() ? "pink" : "");
            QCOMPARE(
                sorted(rows),
                QStringList({"Кронштейн КР-1 RAL 3020|Склад||", "Кронштейн КР-1 RAL 5005|Готово|!|",
                             "Кронштейн КР-1 RAL 7024|Пр-во||", "Кронштейн КР-1 RAL 9016|Оформление||pink",
                             "Стойка стеллажа С-2000 RAL 3020|Отгружено||",
                             "Стойка стеллажа С-2000 RAL 9016|Отгрузка||"}));
        });
        Platform::showModal(Form42);
        Form42->app_spec->close();
        Form42->Tag = 1;
    }
};

QTEST_MAIN(TestRequests)
#include "tst_requests.moc"
