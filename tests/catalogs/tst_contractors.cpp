// Contractors: the list and edit window, search in the short name, "Заявки" and the chooser.
#include "app/DBGrid.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogs/Unit14.h"
#include "catalogs/Unit34.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit14.h"
#include "ui_Unit34.h"

#include <QAction>

namespace {

int contractor(const QString &shortName, const QString &fullName)
{
    return Fixture::scalar(
               QStringLiteral("insert into cmn_contractor.jur_person(s_caption, s_full_caption) values "
                              "(%1, %2) returning id")
                   .arg(SqlText(shortName), SqlText(fullName)))
        .toInt();
}

void purchaseDoc(int contractorId)
{
    int buyer =
        Fixture::scalar(QStringLiteral("select coalesce(max(id), 0) from cmn_contractor.person")).toInt();
    if (buyer == 0)
        buyer = Fixture::scalar(
                    QStringLiteral("insert into cmn_contractor.person(s_caption) values ('Снабженец') "
                                   "returning id"))
                    .toInt();
    SQL_EXEC(QStringLiteral("insert into stk_purchase.purchase_doc(id_jur_person, id_person) values (%1, %2)")
                 .arg(contractorId)
                 .arg(buyer));
}

// Runs `inList` with the contractor list shown from the main menu.
void withContractors(const std::function<void(Ui::TForm34 *)> &inList)
{
    Platform::Testing::onModal(QStringLiteral("TForm34"), [&](QDialog *) { inList(Form34->ui()); });
    Form1->item(QStringLiteral("N24"))->trigger();
    QVERIFY(!DataModule6->jur_person->active());
    QVERIFY(!Form34->ui()->CheckBox1->isHidden()); // visible again for the choosers
}

// Shows the list as a chooser with the given Tag.
int choose(int tag, const std::function<void(Ui::TForm34 *)> &inList)
{
    Form34->ChooseLayout(tag);
    DataModule6->jur_person->open();
    Platform::Testing::onModal(QStringLiteral("TForm34"), [&](QDialog *) { inList(Form34->ui()); });
    const int result = Platform::showModal(Form34);
    DataModule6->jur_person->close();
    return result;
}

// Fills the edit window (short name, full name, INN, OGRN) and presses "Записать".
void expectEdit(const QStringList &texts)
{
    Platform::Testing::onModal(QStringLiteral("TForm14"), [=](QDialog *) {
        Ui::TForm14 *e = Form14->ui();
        e->Edit2->setText(texts.value(0));
        e->Edit1->setText(texts.value(1));
        e->Edit3->setText(texts.value(2));
        e->Edit4->setText(texts.value(3));
        e->Button5->click();
    });
}

QString row(int id)
{
    return Fixture::scalar(
               QStringLiteral("select s_caption || '|' || s_full_caption || '|' || s_inn || '|' || "
                              "s_ogrn from cmn_contractor.jur_person where id=%1")
                   .arg(id))
        .toString();
}

} // namespace

class TestContractors final : public DbTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        createWindows();
    }

    void addChangeAndSearchInTheShortName()
    {
        int dartagnan = 0;
        withContractors([&](Ui::TForm34 *list) {
            QVERIFY(list->CheckBox1->isHidden());
            expectEdit({QString(), QStringLiteral("ООО «Рога и копыта»")});
            list->Button1->click();
            expectEdit({QStringLiteral("Д'Артаньян и Ко"), QStringLiteral("ООО \"Д'Артаньян и Компания\""),
                        QStringLiteral("7701234567"), QStringLiteral("1027700132195")});
            list->Button1->click();
            Dataset *ds = DataModule6->jur_person;
            QCOMPARE(ds->recordCount(), 2);
            QVERIFY(ds->locate(QStringLiteral("s_caption"), QStringLiteral("Д'Артаньян и Ко")));
            dartagnan = Catalog::currentId(ds);

            // The text anywhere in the short name; the row with only a full name is never found.
            Fixture::type(list->Edit1, QStringLiteral("артань"));
            QCOMPARE(Fixture::column(ds, "s_full_caption"), QStringList({"ООО \"Д'Артаньян и Компания\""}));
            list->Edit1->clear();
            Fixture::type(list->Edit1, QStringLiteral("Рога"));
            QVERIFY(ds->isEmpty());
            list->Edit1->clear();
            Fixture::type(list->Edit1, QStringLiteral("Д'А"));
            QCOMPARE(ds->recordCount(), 1);

            Platform::Testing::onModal(QStringLiteral("TForm14"), [](QDialog *) {
                Ui::TForm14 *e = Form14->ui();
                QCOMPARE(e->Edit2->text(), QStringLiteral("Д'Артаньян и Ко"));
                QCOMPARE(e->Edit1->text(), QStringLiteral("ООО \"Д'Артаньян и Компания\""));
                QCOMPARE(e->Edit3->text(), QStringLiteral("7701234567"));
                QCOMPARE(e->Edit4->text(), QStringLiteral("1027700132195"));
                // Someone else adds a contractor that sorts first while the window is open.
                contractor(QStringLiteral("Альфа"), QStringLiteral("АО «Альфа»"));
                DataModule6->jur_person->close();
                DataModule6->jur_person->open();
                e->Edit3->setText(QStringLiteral("7701234568"));
                e->Button5->click();
            });
            QTest::mouseDClick(list->DBGrid1->viewport(), Qt::LeftButton, {},
                               list->DBGrid1->visualRect(list->DBGrid1->currentIndex()).center());
            list->Edit1->clear();
        });
        QCOMPARE(row(dartagnan),
                 QStringLiteral("Д'Артаньян и Ко|ООО \"Д'Артаньян и Компания\"|7701234568|1027700132195"));
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select s_caption || '|' || s_inn || '|' || s_ogrn from "
                                    "cmn_contractor.jur_person where s_full_caption like 'ООО «Рога%'"))
                     .toString(),
                 QStringLiteral("||"));
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select s_inn from cmn_contractor.jur_person where s_caption='Альфа'"))
                     .toString(),
                 QString());
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void emptyFullNameIsRefused()
    {
        withContractors([](Ui::TForm34 *list) {
            Platform::Testing::onModal(QStringLiteral("TForm14"), [](QDialog *d) {
                Form14->ui()->Edit2->setText(QStringLiteral("Короткое"));
                Form14->ui()->Edit1->setText(QStringLiteral("  "));
                Form14->ui()->Button5->click();
                QVERIFY(d->isVisible());
            });
            list->Button1->click();
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Все поля должны быть заполнены!"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from cmn_contractor.jur_person")).toInt(),
                 0);
    }

    void deleteAndDeleteOfAContractorWithDocuments()
    {
        const int used = contractor(QStringLiteral("Б"), QStringLiteral("Бета"));
        contractor(QStringLiteral("А"), QStringLiteral("Альфа"));
        contractor(QStringLiteral("В"), QStringLiteral("Вега"));
        purchaseDoc(used);
        withContractors([&](Ui::TForm34 *list) {
            Dataset *ds = DataModule6->jur_person;
            ds->last();
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"А", "Б"}));
            QCOMPARE(ds->recNo(), 2);
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click(); // "Б" has a purchase document
            QCOMPARE(ds->recordCount(), 2);
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[0].text, QStringLiteral("Удалить строку?"));
        QCOMPARE(boxes[2].icon, Platform::Icon::Error);
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select count(*) from cmn_contractor.jur_person where id=%1").arg(used))
                     .toInt(),
                 1);
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
    }

    void requestsBoxListsContractorsWithPurchases()
    {
        const int b = contractor(QStringLiteral("Б"), QStringLiteral("Бета"));
        const int a = contractor(QStringLiteral("А"), QStringLiteral("Альфа"));
        contractor(QStringLiteral("В"), QStringLiteral("Вега"));
        purchaseDoc(a);
        purchaseDoc(a);
        purchaseDoc(b);
        Form34->ChooseTargets.set(99, [](Dataset *) {});
        choose(99, [&](Ui::TForm34 *list) {
            QVERIFY(list->CheckBox1->isVisible());
            list->CheckBox1->click();
            Dataset *ds = DataModule6->jur_person;
            // Each once, in order of id.
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Б", "А"}));
            list->CheckBox1->click();
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"А", "Б", "В"}));
            list->CheckBox1->click();
            QCOMPARE(ds->recordCount(), 2);
        });
        // Closed with the box ticked: the next opening lists everyone by name again.
        choose(99, [](Ui::TForm34 *list) {
            QVERIFY(!list->CheckBox1->isChecked());
            QCOMPARE(Fixture::column(DataModule6->jur_person, "s_caption"), QStringList({"А", "Б", "В"}));
        });
    }

    void chooseWritesIntoTheOpenerAndTheMenuRestoresKeeping()
    {
        contractor(QStringLiteral("Альфа"), QStringLiteral("АО «Альфа»"));
        const int id = contractor(QStringLiteral("О'Брайен"), QStringLiteral(" ООО «О'Брайен» "));
        QList<QPair<int, QString>> chosen;
        Form34->ChooseTargets.set(99, [&](Dataset *r) {
            chosen << qMakePair(r->field(QStringLiteral("id")).asInt(),
                                r->field(QStringLiteral("s_full_caption")).asString().trimmed());
        });
        const int result = choose(99, [](Ui::TForm34 *list) {
            QVERIFY(!list->Button1->isVisible() && !list->Button3->isVisible());
            QCOMPARE(list->Button2->text(), QStringLiteral("Выбрать"));
            QVERIFY(list->Button2->isDefault());
            Fixture::type(list->Edit1, QStringLiteral("Брай"));
            list->Button2->click();
            QVERIFY(!Form34->isVisible());
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(chosen, (QList<QPair<int, QString>>{{id, QStringLiteral("ООО «О'Брайен»")}}));

        choose(99, [](Ui::TForm34 *list) {
            QVERIFY(list->Edit1->text().isEmpty());
            Fixture::type(list->Edit1, QStringLiteral("Щ"));
            list->Button2->click();
            QVERIFY(!Form34->isVisible());
        });
        choose(98, [](Ui::TForm34 *list) {
            list->Button2->click();
            QVERIFY(Form34->isVisible());
        });
        QCOMPARE(chosen.size(), 1);

        withContractors([](Ui::TForm34 *list) {
            QCOMPARE(Form34->Tag, 0);
            QVERIFY(list->Button1->isVisible() && list->Button3->isVisible() && list->Edit1->isVisible());
            QVERIFY(!list->CheckBox1->isVisible());
            QCOMPARE(list->Button2->text(), QStringLiteral("Изменить"));
            QVERIFY(list->Button1->isDefault() && !list->Button2->isDefault());
            list->Button2->click();
        });
        QCOMPARE(chosen.size(), 1);
        QVERIFY(Platform::Testing::shownModals().contains(QStringLiteral("TForm14")));
    }
};

QTEST_MAIN(TestContractors)
#include "tst_contractors.moc"
