#include "app/Forms.h"

#include "app/Platform.h"

#include <QHideEvent>
#include <QIcon>
#include <QShowEvent>

static void initResources()
{
    // The resources live in a static library: nothing would pull them in otherwise.
    Q_INIT_RESOURCE(resources);
}

QIcon formIcon()
{
    static const QIcon icon = [] {
        initResources();
        return QIcon(QStringLiteral(":/Icon_1.png"));
    }();
    return icon;
}

TFormBase::TFormBase(QWidget *parent) : QDialog(parent) {}

void TFormBase::applyConventions()
{
    setWindowIcon(formIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    setSizeGripEnabled(false);
}

void TFormBase::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Platform::guard([this] { FormShow(); });
}

void TFormBase::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        Platform::guard([this] { FormClose(); });
}
