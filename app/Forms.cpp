#include "app/Forms.h"

#include "app/Platform.h"

#include <QIcon>
#include <QShowEvent>

QIcon windowIcon()
{
    static const QIcon icon(QStringLiteral(":/Icon_1.png"));
    return icon;
}

TFormBase::TFormBase(QWidget *parent) : QDialog(parent) {}

void TFormBase::applyConventions()
{
    setWindowIcon(windowIcon());
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
