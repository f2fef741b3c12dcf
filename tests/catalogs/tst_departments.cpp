// Departments and positions: the catalog list and edit pattern on its two smallest catalogs.
#include "app/DBGrid.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogs/Unit26.h"
#include "catalogs/Unit27.h"
#include "catalogs/Unit30.h"
#include "catalogs/Unit31.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit26.h"
#include "ui_Unit27.h"
#include "ui_Unit30.h"
#include "ui_Unit31.h"

#include <QAction>
#include <QWheelEvent>

namespace {

void click(QAbstractButton *b)
{
    b->click();
}

// Runs `inList` with the departments list shown from the main menu.
void withDepartments(const std::function<void(Ui::TForm30 *)> &inList)
{
    Platform::Testing::onModal(QStringLiteral("TForm30"), [&](QDialog *) { inList(Form30->ui()); });
    Form1->item(QStringLiteral("N19"))->trigger();
    QVERIFY(!DataModule6->department->active()); // the menu closes what it opened
}

// Fills the department edit window when it is shown and presses "Записать".
void expectDepartmentEdit(const QString &name, const QString &description, const QString &parent, int kind)
{
    Platform::Testing::onModal(QStringLiteral("TForm31"), [=](QDialog *) {
        Ui::TForm31 *e = Form31->ui();
        e->Edit1->setText(name);
        e->Edit2->setText(description);
        e->p_department->setCurrentIndex(parent.isEmpty() ? -1 : e->p_department->findText(parent));
        if (kind >= 0) {
            if (!e->CheckBox1->isChecked())
                click(e->CheckBox1);
            QCOMPARE(e->type_combo->currentIndex() >= 0, true);
            e->type_combo->setCurrentIndex(kind);
        } else if (e->CheckBox1->isChecked()) {
            click(e->CheckBox1);
        }
        click(e->Button1);
    });
}

} // namespace

class TestDepartments final : public DbTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        createWindows();
    }

    void addWithoutParentAndWarehouseKinds()
    {
        withDepartments([](Ui::TForm30 *list) {
            expectDepartmentEdit(QStringLiteral("Цех О'Коннора"), QStringLiteral("сборка, \"покраска\""),
                                 QString(), -1);
            click(list->Button5);
            expectDepartmentEdit(QStringLiteral("Склад сырья №1"), QString(), QStringLiteral("Цех О'Коннора"),
                                 2);
            click(list->Button5);
            QCOMPARE(Fixture::column(DataModule6->department, "s_caption"),
                     QStringList({"Склад сырья №1", "Цех О'Коннора"}));
        });
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select id_parent::int::text || '|' || type::int::text || '|' || "
                                           "s_type || '|' || s_description from cmn_department.department "
                                           "where s_caption = 'Цех О''Коннора'"))
                .toString(),
            QStringLiteral("0|-1||сборка, \"покраска\""));
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select p.s_caption || '|' || d.type::int::text || '|' || d.s_type "
                                    "from cmn_department.department d join cmn_department.department p "
                                    "on p.id = d.id_parent where d.s_caption = 'Склад сырья №1'"))
                     .toString(),
                 QStringLiteral("Цех О'Коннора|2|Склад сырья"));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void checkingWarehousePreselectsFinishedGoods()
    {
        Ui::TForm31 *e = Form31->ui();
        Form31->show();
        e->CheckBox1->setChecked(false);
        click(e->CheckBox1);
        QCOMPARE(e->type_combo->currentText(), QStringLiteral("Склад ГП"));
        QVERIFY(e->type_combo->isEnabled() && e->Label3->isEnabled());
        click(e->CheckBox1);
        QCOMPARE(e->type_combo->currentIndex(), -1);
        QVERIFY(!e->type_combo->isEnabled() && !e->Label3->isEnabled());
        Form31->hide();
    }

    void changeFillsTheFormAndWritesTheSameRow()
    {
        const int shop = Fixture::department(QStringLiteral("Цех 1"));
        const int store = Fixture::department(QStringLiteral("Склад ГП"), 0, shop);
        withDepartments([&](Ui::TForm30 *list) {
            QVERIFY(DataModule6->department->locate(QStringLiteral("id"), store));
            Platform::Testing::onModal(QStringLiteral("TForm31"), [&](QDialog *) {
                Ui::TForm31 *e = Form31->ui();
                QCOMPARE(e->Edit1->text(), QStringLiteral("Склад ГП"));
                QVERIFY(e->CheckBox1->isChecked());
                QCOMPARE(e->type_combo->currentIndex(), 0);
                QCOMPARE(e->p_department->currentText(), QStringLiteral("Цех 1"));
                // Someone else adds a row that sorts first while the window is open.
                Fixture::exec(
                    QStringLiteral("insert into cmn_department.department(s_caption, id_parent, type) "
                                   "values ('Администрация', 0, -1)"));
                DataModule6->department->close();
                DataModule6->department->open();
                e->Edit1->setText(QStringLiteral("Склад готовой продукции"));
                click(e->Button1);
            });
            QTest::mouseDClick(list->DBGrid1->viewport(), Qt::LeftButton, {},
                               list->DBGrid1->visualRect(list->DBGrid1->currentIndex()).center());
        });
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select s_caption from cmn_department.department where id=%1").arg(store))
                     .toString(),
                 QStringLiteral("Склад готовой продукции"));
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select s_caption from cmn_department.department where id=%1").arg(shop))
                     .toString(),
                 QStringLiteral("Цех 1"));
    }

    void emptyNameIsRefused()
    {
        withDepartments([](Ui::TForm30 *list) {
            Platform::Testing::onModal(QStringLiteral("TForm31"), [](QDialog *d) {
                Form31->ui()->Edit1->setText(QStringLiteral("   "));
                click(Form31->ui()->Button1);
                QVERIFY(d->isVisible()); // stays open
            });
            click(list->Button5);
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Все поля должны быть заполнены!"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from cmn_department.department")).toInt(),
                 0);
    }

    void emptyListChangeAndDeleteDoNothing()
    {
        withDepartments([](Ui::TForm30 *list) {
            click(list->Button2);
            click(list->Button3);
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
        QVERIFY(!Platform::Testing::shownModals().contains(QStringLiteral("TForm31")));
    }

    void deleteLastAndOnlyRows()
    {
        for (const char *n : {"А", "Б", "В"})
            Fixture::department(QString::fromUtf8(n));
        withDepartments([](Ui::TForm30 *list) {
            Dataset *ds = DataModule6->department;
            ds->last();
            Platform::Testing::answerNext(QMessageBox::No);
            click(list->Button3);
            QCOMPARE(ds->recordCount(), 3);
            Platform::Testing::answerNext(QMessageBox::Yes);
            click(list->Button3);
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"А", "Б"}));
            QCOMPARE(ds->recNo(), 2); // the new last row
            QCOMPARE(list->DBGrid1->currentIndex().row(), 1);
            ds->first();
            Platform::Testing::answerNext(QMessageBox::Yes);
            click(list->Button3);
            Platform::Testing::answerNext(QMessageBox::Yes);
            click(list->Button3);
            QVERIFY(ds->isEmpty());
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 4);
        QCOMPARE(boxes[0].text, QStringLiteral("Удалить строку?"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Удаление"));
    }

    void deletingAReferencedRowIsRefused()
    {
        const int shop = Fixture::department(QStringLiteral("Цех 2"));
        Fixture::department(QStringLiteral("Участок"), -1, shop);
        withDepartments([&](Ui::TForm30 *list) {
            QVERIFY(DataModule6->department->locate(QStringLiteral("id"), shop));
            Platform::Testing::answerNext(QMessageBox::Yes);
            click(list->Button3);
            QCOMPARE(DataModule6->department->recordCount(), 2);
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].icon, Platform::Icon::Error);
        QVERIFY2(boxes[1].text.startsWith(QStringLiteral("Запись используется в других данных")),
                 qPrintable(boxes[1].text));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from cmn_department.department")).toInt(),
                 2);
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
    }

    void searchAsYouType()
    {
        for (const char *n : {"Склад сырья", "Склад ГП", "Цех покраски", "О'Нил"})
            Fixture::department(QString::fromUtf8(n));
        withDepartments([](Ui::TForm30 *list) {
            Dataset *ds = DataModule6->department;
            Fixture::type(list->Edit1, QStringLiteral("Скл"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Склад ГП", "Склад сырья"}));
            QTest::keyClick(list->Edit1, Qt::Key_Down);
            QCOMPARE(ds->recNo(), 2);
            QTest::keyClick(list->Edit1, Qt::Key_Up);
            QCOMPARE(ds->recNo(), 1);
            QTest::keyClick(list->Edit1, Qt::Key_Left); // consumed: the text stays as typed
            Fixture::type(list->Edit1, QStringLiteral("ад С"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"Склад сырья"}));
            list->Edit1->clear();
            QCOMPARE(ds->recordCount(), 4);
            Fixture::type(list->Edit1, QStringLiteral("О'"));
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"О'Нил"}));
            list->Edit1->clear();
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void positionsWithAndWithoutDepartment()
    {
        Fixture::department(QStringLiteral("Цех 1"));
        Platform::Testing::onModal(QStringLiteral("TForm26"), [](QDialog *) {
            Ui::TForm26 *list = Form26->ui();
            for (const QString &dep : {QStringLiteral("Цех 1"), QString()}) {
                Platform::Testing::onModal(QStringLiteral("TForm27"), [dep](QDialog *) {
                    Ui::TForm27 *e = Form27->ui();
                    e->Edit1->setText(dep.isEmpty() ? QStringLiteral("Сторож") : QStringLiteral("Маляр"));
                    e->p_department->setCurrentIndex(e->p_department->findText(dep));
                    click(e->Button1);
                });
                click(list->Button1);
            }
            // The position without a department is not listed (the list joins on it).
            QCOMPARE(Fixture::column(DataModule6->staffpos, "s_caption"), QStringList({"Маляр"}));
            QCOMPARE(Fixture::column(DataModule6->staffpos, "s_dep"), QStringList({"Цех 1"}));
        });
        Form1->item(QStringLiteral("N8"))->trigger();
        QCOMPARE(Fixture::scalar(QStringLiteral("select id_department::int from hrms_staffpos.staffpos where "
                                                "s_caption='Сторож'"))
                     .toInt(),
                 0);
    }

    void wheelStepsTheFocusedLookup()
    {
        Fixture::department(QStringLiteral("А"));
        Fixture::department(QStringLiteral("Б"));
        Form27->cb_department->open();
        Form27->show();
        Ui::TForm27 *e = Form27->ui();
        e->p_department->setCurrentIndex(0);
        QApplication::setActiveWindow(Form27);
        e->p_department->setFocus();
        QVERIFY(e->p_department->hasFocus());
        // The wheel over another control of the window steps the focused look-up.
        QWheelEvent down(QPointF(5, 5), Form27->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(e->Edit2, &down);
        QCOMPARE(e->p_department->currentText(), QStringLiteral("Б"));
        QWheelEvent up(QPointF(5, 5), Form27->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(e->Edit1, &up);
        QCOMPARE(e->p_department->currentText(), QStringLiteral("А"));
        Form27->hide();
        QVERIFY(!Form27->cb_department->active()); // closing the window closes its table
    }
};

QTEST_MAIN(TestDepartments)
#include "tst_departments.moc"
