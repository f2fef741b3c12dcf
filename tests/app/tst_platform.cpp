// The platform layer: message boxes, modal windows, the handler wrapper, the program's end.
#include "app/Forms.h"
#include "app/Platform.h"
#include "data/DbError.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class TFormTest final : public TFormBase
{
    Q_OBJECT
public:
    TFormTest()
    {
        resize(200, 100);
        Edit1 = new QLineEdit(this);
        Edit1->setObjectName(QStringLiteral("Edit1"));
        Button1 = new QPushButton(QStringLiteral("OK"), this);
        Button1->setObjectName(QStringLiteral("Button1"));
        connect(Button1, &QPushButton::clicked, this, Platform::handler(this, &TFormTest::Button1Click));
        applyConventions();
    }
    void FormActivate() override { ++activations; }
    void Button1Click()
    {
        typed = Edit1->text();
        if (typed == QLatin1String("bad"))
            throw DbError(QStringLiteral("server said no"));
        if (typed == QLatin1String("ask") && Platform::askDelete(QStringLiteral("Удалить?")))
            typed = QStringLiteral("deleted");
        done(QDialog::Accepted);
    }
    QLineEdit *Edit1;
    QPushButton *Button1;
    QString typed;
    int activations = 0;
};

} // namespace

class TestPlatform final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        Platform::Testing::setEnabled(true);
        Platform::Testing::reset();
    }

    void messageKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("yesNo");
        QTest::newRow("error") << 0 << "Ошибка" << int(Platform::Icon::Error) << false;
        QTest::newRow("delete") << 1 << "Удаление" << int(Platform::Icon::Question) << true;
        QTest::newRow("shortage") << 2 << "Запрос" << int(Platform::Icon::Question) << true;
        QTest::newRow("notice") << 3 << "Сообщение" << int(Platform::Icon::Information) << false;
        QTest::newRow("warning") << 4 << "Внимание" << int(Platform::Icon::Warning) << true;
    }
    void messageKinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(int, icon);
        QFETCH(bool, yesNo);
        const QString text = QStringLiteral("текст");
        for (QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
            Platform::Testing::answerNext(answer);
            bool result = false;
            switch (kind) {
            case 0:
                Platform::showError(text);
                break;
            case 1:
                result = Platform::askDelete(text);
                break;
            case 2:
                result = Platform::askShortage(text);
                break;
            case 3:
                Platform::showNotice(text);
                break;
            case 4:
                result = Platform::askWarning(text);
                break;
            }
            if (yesNo)
                QCOMPARE(result, answer == QMessageBox::Yes);
        }
        const auto boxes = Platform::Testing::takeShownBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0].text, text);
        QCOMPARE(boxes[0].caption, caption);
        QCOMPARE(int(boxes[0].icon), icon);
        QCOMPARE(bool(boxes[0].buttons & QMessageBox::No), yesNo);
        QVERIFY(boxes[0].scripted);
    }

    void unscriptedBoxIsRecorded()
    {
        QVERIFY(Platform::askDelete(QStringLiteral("?"))); // default Yes
        QVERIFY(!Platform::Testing::shownBoxes().first().scripted);
    }

    void modalWindowRunsItsScript()
    {
        TFormTest form;
        Platform::Testing::onModal(QStringLiteral("TFormTest"), [](QDialog *d) {
            QVERIFY(d->isVisible());
            d->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("5"));
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        });
        QCOMPARE(Platform::showModal(&form), int(QDialog::Accepted));
        QCOMPARE(form.typed, QStringLiteral("5"));
        QVERIFY(!form.isVisible());
        QCOMPARE(form.activations, 1);
        QCOMPARE(Platform::Testing::shownModals(), QStringList({"TFormTest"}));
        QVERIFY(Platform::Testing::unscriptedModals().isEmpty());
        // Conventions: fixed border, no minimise/maximise, the icon.
        QVERIFY(!(form.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!form.windowIcon().isNull());
    }

    void nestedModalReactivatesTheOpener()
    {
        TFormTest outer, inner;
        Platform::Testing::onModal(QStringLiteral("TFormTest"), [&inner](QDialog *) {
            Platform::Testing::onModal(QStringLiteral("TFormTest"), [](QDialog *d) { d->done(7); });
            QCOMPARE(Platform::showModal(&inner), 7);
        });
        QCOMPARE(Platform::showModal(&outer), 0); // left open by its script: closed with 0
        QCOMPARE(outer.activations, 2);           // shown, then again when the inner one returned
        QCOMPARE(inner.activations, 1);
    }

    void unscriptedModalReturnsAtOnce()
    {
        TFormTest form;
        QCOMPARE(Platform::showModal(&form), 0);
        QCOMPARE(Platform::Testing::unscriptedModals(), QStringList({"TFormTest"}));
    }

    void handlerErrorsAreShownNotThrown()
    {
        TFormTest form;
        form.show();
        form.Edit1->setText(QStringLiteral("bad"));
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("server said no"));
        QCOMPARE(boxes[0].icon, Platform::Icon::Error);
        QVERIFY(form.isVisible()); // the action stopped
        Platform::guard([] { throw InputError(QStringLiteral("Неверное число")); });
        QCOMPARE(Platform::Testing::shownBoxes().last().caption, QStringLiteral("Ошибка"));
        Platform::guard([] { throw 42; });
        QCOMPARE(Platform::Testing::shownBoxes().size(), 3);
    }

    void answersReachTheHandler()
    {
        TFormTest form;
        form.show();
        form.Edit1->setText(QStringLiteral("ask"));
        Platform::Testing::answerNext(QMessageBox::Yes);
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        QCOMPARE(form.typed, QStringLiteral("deleted"));
    }

    void terminateIsObserved()
    {
        Platform::terminate();
        QCOMPARE(Platform::Testing::terminateCount(), 1);
        QVERIFY(!Platform::terminated());
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
