#include "app/Startup.h"

#include "app/Platform.h"
#include "app/StyleFile.h"
#include "app/Styles.h"
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "data/DbError.h"
#include "shopfloor/Unit45.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

template <class T> void create(T *&reference)
{
    if (!reference)
        reference = new T;
}

void loadTranslations(QApplication &app)
{
    // Qt's own texts (standard buttons "Да", "Нет", ...) in Russian.
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
}

} // namespace

void createWindows()
{
    // The order is the program's; windows of later work join it in place.
    create(Form1);
    create(Form45);
}

void applyStartupStyle()
{
    const QString style = StyleFile::readOrCreate();
    if (!Styles::apply(style)) {
        Platform::showError(QStringLiteral("Стиль \"%1\" не найден").arg(style));
        Styles::apply(QStringLiteral("Windows"));
    }
}

int runProgram(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zemra-erp"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZEMRA.ERP"));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    loadTranslations(app);
    try {
        applyStartupStyle();
        createWindows();
        QStringList args = QApplication::arguments();
        args.removeFirst();
        Form23->Arguments = args;
        Platform::showMain(Form23);
        app.exec();
    } catch (const DbError &e) {
        Platform::showException(e.text());
    } catch (const std::exception &e) {
        Platform::showException(QString::fromUtf8(e.what()));
    } catch (...) {
        Platform::showException(QString());
    }
    return 0;
}
