// Technological processes: the list, the process card and the operation card.
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogs/Unit3.h"
#include "catalogs/Unit8.h"
#include "technology/Unit10.h"
#include "technology/Unit33.h"
#include "technology/Unit4.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit10.h"
#include "ui_Unit3.h"
#include "ui_Unit33.h"
#include "ui_Unit4.h"
#include "ui_Unit8.h"

#include <QAction>

namespace {

struct Plant
{
    int product, blank, paint, other;
    int cut, bend, coat;
};

Plant plant()
{
    Plant p;
    const int unit = Fixture::msm();
    p.product = Fixture::item(QStringLiteral("Балка Б-1"), 2, unit);
    p.blank = Fixture::item(QStringLiteral("Заготовка З-1"), 1, unit);
    p.paint = Fixture::item(QStringLiteral("RAL 9016"), 3, unit);
    p.other = Fixture::item(QStringLiteral("Кронштейн К-2"), 2, unit);
    const auto type = [](const char *name) {
        return Fixture::scalar(
                   QStringLiteral("insert into mnf_operation.operation_type(s_caption) values (%1) "
                                  "returning id")
                       .arg(SqlText(QString::fromUtf8(name))))
            .toInt();
    };
    p.cut = type("Резка");
    p.bend = type("Гибка");
    p.coat = type("Покраска");
    return p;
}

// The item list as a chooser: stands on the item and presses "Выбрать".
void chooseInItemList(const QString &marka)
{
    Platform::Testing::onModal(QStringLiteral("TForm3"), [marka](QDialog *) {
        QCOMPARE(Form3->ui()->Button2->text(), QStringLiteral("Выбрать"));
        QVERIFY(!Form3->ui()->Button1->isVisible());
        QVERIFY2(DataModule6->inventory_items->locate(QStringLiteral("marka"), marka), qPrintable(marka));
        Form3->ui()->Button2->click();
    });
}

void chooseOperationType(const QString &caption)
{
    Platform::Testing::onModal(QStringLiteral("TForm8"), [caption](QDialog *) {
        QVERIFY(DataModule6->operation_type->locate(QStringLiteral("s_caption"), caption));
        Form8->ui()->Button2->click();
    });
}

// Fills the operation card that "Добавить" or "Изменить" opens and writes it.
void expectOperation(const QString &number, const QString &type, int state, const QString &price,
                     QString *proposed = nullptr)
{
    Platform::Testing::onModal(QStringLiteral("TForm10"), [=](QDialog *) {
        Ui::TForm10 *o = Form10->ui();
        if (proposed)
            *proposed = o->Edit1->text();
        if (!number.isEmpty())
            o->Edit1->setText(number);
        if (!type.isEmpty()) {
            chooseOperationType(type);
            o->Button4->click();
            QCOMPARE(o->Edit2->text(), type);
        }
        if (state >= 0)
            o->cb_operation_state->setKeyValue(state);
        o->Edit3->setText(price);
        o->Button3->click();
    });
}

// Builds a new process for the product from the blank through the list's "Добавить".
void newProcess(const QString &name, const std::function<void(Ui::TForm33 *)> &thenInCard = {})
{
    Platform::Testing::onModal(QStringLiteral("TForm33"), [=](QDialog *) {
        Ui::TForm33 *c = Form33->ui();
        QCOMPARE(c->GroupBox1->title(), QStringLiteral("Техпроцесс № "));
        QVERIFY(!c->Button1->isEnabled() && !c->Button4->isEnabled());
        chooseInItemList(QStringLiteral("Балка Б-1"));
        c->Button5->click();
        QCOMPARE(c->Edit2->text(), QStringLiteral("Балка Б-1"));
        QCOMPARE(c->Edit3->text(), QStringLiteral("Балка Б-1"));
        chooseInItemList(QStringLiteral("Заготовка З-1"));
        c->Button7->click();
        QCOMPARE(c->Edit4->text(), QStringLiteral("Заготовка З-1"));
        c->Edit3->setText(name);
        Platform::Testing::answerNext(QMessageBox::Yes);
        c->Button6->click();
        if (thenInCard)
            thenInCard(c);
    });
    Form4->ui()->Button1->click();
}

QStringList operations()
{
    QStringList out;
    Dataset *ops = DataModule6->operation;
    for (ops->first(); !ops->eof(); ops->next())
        out << ops->field(QStringLiteral("orderby")).asString() + QLatin1Char(' ') +
                   ops->field(QStringLiteral("s_type")).asString() + QLatin1Char(' ') +
                   ops->field(QStringLiteral("price")).asString();
    return out;
}

// Runs `inList` with the process list shown from the main menu.
void withProcesses(const std::function<void()> &inList)
{
    Platform::Testing::onModal(QStringLiteral("TForm4"), [&](QDialog *) { inList(); });
    Form1->item(QStringLiteral("N4"))->trigger();
}

} // namespace

class TestProcesses final : public DbTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        createWindows();
    }

    void buildAProcessWithOperations()
    {
        const Plant p = plant();
        int id = 0;
        withProcesses([&] {
            newProcess(QStringLiteral("ТП балки О'Нил"), [&](Ui::TForm33 *c) {
                id = Form33->ProcId;
                QVERIFY(id > 0);
                QCOMPARE(c->GroupBox1->title(), QStringLiteral("Техпроцесс № ") + QString::number(id));
                QVERIFY(c->Button1->isEnabled() && c->Button4->isEnabled());
                QString proposed;
                expectOperation(QString(), QStringLiteral("Резка"), 1, QStringLiteral("12,5"), &proposed);
                c->Button1->click();
                QCOMPARE(proposed, QStringLiteral("1"));
                expectOperation(QString(), QStringLiteral("Гибка"), 1, QStringLiteral("12.5"), &proposed);
                c->Button1->click();
                QCOMPARE(proposed, QStringLiteral("2"));
                expectOperation(QStringLiteral("5"), QStringLiteral("Покраска"), 0, QString(), &proposed);
                c->Button1->click();
                QCOMPARE(operations(), QStringList({"1 Резка 12,5", "2 Гибка 12,5", "5 Покраска 0"}));
                QCOMPARE(c->price->text(), QStringLiteral("25"));
                expectOperation(QString(), QStringLiteral("Резка"), 1, QStringLiteral("1"), &proposed);
                c->Button1->click();
                QCOMPARE(proposed, QStringLiteral("6"));
                // Reorder: the painting becomes the first operation.
                DataModule6->operation->locate(QStringLiteral("s_type"), QStringLiteral("Покраска"));
                expectOperation(QStringLiteral("0"), QString(), -1, QStringLiteral("3"));
                c->Button2->click();
                QCOMPARE(operations().first(), QStringLiteral("0 Покраска 3"));
                QCOMPARE(c->price->text(), QStringLiteral("29"));
                // Delete one.
                DataModule6->operation->last();
                Platform::Testing::answerNext(QMessageBox::Yes);
                c->Button3->click();
                QCOMPARE(operations().size(), 3);
                QCOMPARE(c->price->text(), QStringLiteral("28"));
                c->Button8->click();
            });
            // The list shows the process with its price.
            QVERIFY(DataModule6->proc_tech->locate(QStringLiteral("id"), id));
            QCOMPARE(DataModule6->proc_tech->field(QStringLiteral("full_price")).asString(),
                     QStringLiteral("28"));
            QCOMPARE(DataModule6->proc_tech->field(QStringLiteral("s_gds")).asString(),
                     QStringLiteral("Заготовка З-1"));
        });
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select s_caption || '|' || id_inventory_items::int || '|' || "
                                           "id_gds::int from mnf_proc_tech.proc_tech where id=%1")
                                .arg(id))
                .toString(),
            QStringLiteral("ТП балки О'Нил|%1|%2").arg(p.product).arg(p.blank));
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select count(*) from mnf_operation.operation where id_proc_tech=%1 "
                                    "and id_inventory_items=%2")
                         .arg(id)
                         .arg(p.product))
                     .toInt(),
                 3);
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select price from mnf_operation.operation where id_type=%1").arg(p.bend))
                     .toDouble(),
                 12.5);
    }

    void headerChecks()
    {
        plant();
        withProcesses([] {
            // Blank name: refused, nothing inserted.
            newProcess(QStringLiteral("   "));
            QCOMPARE(Platform::Testing::shownBoxes().last().text,
                     QStringLiteral("Все поля должны быть заполнены."));
        });
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from mnf_proc_tech.proc_tech")).toInt(), 0);
        Platform::Testing::reset();
        withProcesses([] {
            newProcess(QStringLiteral("ТП"), [](Ui::TForm33 *c) {
                Platform::Testing::takeShownBoxes();
                // Nothing changed: nothing asked, nothing written.
                c->Button6->click();
                QVERIFY(Platform::Testing::shownBoxes().isEmpty());
                c->Button8->click();
            });
        });
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from mnf_proc_tech.proc_tech")).toInt(), 1);
    }

    void changingTheItemMovesItsOperations()
    {
        const Plant p = plant();
        withProcesses([&] {
            newProcess(QStringLiteral("ТП"), [&](Ui::TForm33 *c) {
                expectOperation(QString(), QStringLiteral("Резка"), 1, QStringLiteral("1"));
                c->Button1->click();
                // Another item with the same name shape: the ids decide that the header changed.
                chooseInItemList(QStringLiteral("Кронштейн К-2"));
                c->Button5->click();
                c->Edit3->setText(QStringLiteral("ТП"));
                Platform::Testing::answerNext(QMessageBox::Yes);
                c->Button6->click();
                c->Button8->click();
            });
        });
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select string_agg(distinct id_inventory_items::text, ',') from "
                                           "mnf_operation.operation"))
                .toInt(),
            p.other);
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select id_inventory_items::int from mnf_proc_tech.proc_tech"))
                .toInt(),
            p.other);
    }

    void operationCardChecks()
    {
        plant();
        withProcesses([] {
            newProcess(QStringLiteral("ТП"), [](Ui::TForm33 *c) {
                Platform::Testing::takeShownBoxes();
                expectOperation(QString(), QStringLiteral("Резка"), 1, QStringLiteral("1"));
                c->Button1->click();
                // The next new operation does not inherit the type: without one it is refused.
                Platform::Testing::onModal(QStringLiteral("TForm10"), [](QDialog *d) {
                    Ui::TForm10 *o = Form10->ui();
                    QCOMPARE(o->Edit2->text(), QString());
                    QCOMPARE(Form10->TypeId, 0);
                    o->cb_operation_state->setKeyValue(1);
                    o->Button3->click();
                    QVERIFY(d->isVisible());
                    chooseOperationType(QStringLiteral("Гибка"));
                    o->Button4->click();
                    o->cb_operation_state->setKeyValue(-1); // no result kind
                    o->Button3->click();
                    QVERIFY(d->isVisible());
                    o->cb_operation_state->setKeyValue(0);
                    o->Edit3->setText(QStringLiteral("1,2,3"));
                    o->Button3->click();
                    QVERIFY(d->isVisible());
                    o->Edit1->clear();
                    o->Edit3->setText(QStringLiteral("2"));
                    o->Button3->click();
                    QVERIFY(d->isVisible());
                    d->reject();
                });
                c->Button1->click();
                QCOMPARE(operations().size(), 1);
                c->Button8->click();
            });
        });
        QStringList texts;
        for (const auto &b : Platform::Testing::shownBoxes())
            texts << b.text;
        QCOMPARE(texts.size(), 4);
        QCOMPARE(texts[0], QStringLiteral("Все поля должны быть заполнены!"));
        QCOMPARE(texts[1], QStringLiteral("Все поля должны быть заполнены!"));
        QVERIFY(texts[2].startsWith(QStringLiteral("Неверное число")));
        QCOMPARE(texts[3], QStringLiteral("Все поля должны быть заполнены!"));
    }

    void operationsNeedItemAndSource()
    {
        plant();
        withProcesses([] {
            Platform::Testing::onModal(QStringLiteral("TForm33"), [](QDialog *) {
                Form33->setOperationsEnabled(true);
                Form33->ui()->Button1->click();
                Form33->ui()->Button8->click();
            });
            Form4->ui()->Button1->click();
        });
        QCOMPARE(Platform::Testing::shownBoxes().value(0).text,
                 QStringLiteral("Необходимо выбрать издение и материал."));
        QVERIFY(!Platform::Testing::shownModals().contains(QStringLiteral("TForm10")));
    }

    void deletingAProcessInUseIsRefused()
    {
        Fixture::loadDemo();
        const Plant p = plant();
        // A demo request line in production keeps its progress rows on a demo process.
        const int pt =
            Fixture::scalar(QStringLiteral("select min(id_proc_tech)::int from mnf_operation.operation"))
                .toInt();
        const int op =
            Fixture::scalar(
                QStringLiteral("select min(id) from mnf_operation.operation where id_proc_tech=%1").arg(pt))
                .toInt();
        Fixture::exec(
            QStringLiteral("insert into mnf_proc_tech.tp_operation(app_spec_id, tp_id, operation_id, cnt) "
                           "select min(id), %1, %2, 10 from mnf_app.app_spec")
                .arg(pt)
                .arg(op));
        const int unused =
            Fixture::scalar(QStringLiteral("insert into mnf_proc_tech.proc_tech(s_caption, "
                                           "id_inventory_items, id_gds) values ('Второй', %1, %2) "
                                           "returning id")
                                .arg(p.other)
                                .arg(p.blank))
                .toInt();
        const int operationsBefore =
            Fixture::scalar(QStringLiteral("select count(*) from mnf_operation.operation")).toInt();
        int processes = 0;
        withProcesses([&] {
            processes = DataModule6->proc_tech->recordCount();
            QVERIFY(DataModule6->proc_tech->locate(QStringLiteral("id"), pt));
            Platform::Testing::answerNext(QMessageBox::Yes);
            Form4->ui()->Button3->click();
            QCOMPARE(DataModule6->proc_tech->recordCount(), processes);
            QVERIFY(DataModule6->proc_tech->locate(QStringLiteral("id"), unused));
            Platform::Testing::answerNext(QMessageBox::Yes);
            Form4->ui()->Button3->click();
            QCOMPARE(DataModule6->proc_tech->recordCount(), processes - 1);
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes[0].text, QStringLiteral("Удалить строку (будет удалена вся спецификация ТП)?"));
        QVERIFY2(boxes[1].text.startsWith(QStringLiteral("Запись используется")), qPrintable(boxes[1].text));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from mnf_operation.operation")).toInt(),
                 operationsBefore);
    }

    void searchAndSort()
    {
        const Plant p = plant();
        for (int item : {p.product, p.other})
            Fixture::exec(
                QStringLiteral("insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds) "
                               "values ('ТП', %1, %2)")
                    .arg(item)
                    .arg(p.blank));
        withProcesses([] {
            Dataset *ds = DataModule6->proc_tech;
            Fixture::type(Form4->ui()->Edit1, QStringLiteral("Бал"));
            QCOMPARE(ds->recordCount(), 1);
            QCOMPARE(ds->field(QStringLiteral("s_ii")).asString(), QStringLiteral("Балка Б-1"));
            Form4->ui()->Edit1->clear();
            QCOMPARE(ds->recordCount(), 2);
            Form4->ui()->DBGrid1->clickTitle(1); // "Изделие"
            QCOMPARE(ds->sort(), QStringLiteral("s_ii DESC, id ASC"));
            ds->first();
            QCOMPARE(ds->field(QStringLiteral("s_ii")).asString(), QStringLiteral("Кронштейн К-2"));
            Form4->ui()->DBGrid1->clickTitle(1);
            QCOMPARE(ds->sort(), QStringLiteral("s_ii ASC"));
            Form4->ui()->DBGrid1->clickTitle(2); // "Материал" does not sort
            QCOMPARE(ds->sort(), QStringLiteral("s_ii ASC"));
        });
    }
};

QTEST_MAIN(TestProcesses)
#include "tst_processes.moc"
