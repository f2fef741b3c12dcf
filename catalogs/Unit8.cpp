#include "catalogs/Unit8.h"

#include "app/Platform.h"
#include "catalogs/Unit9.h"
#include "data/Unit6.h"
#include "ui_Unit8.h"
#include "ui_Unit9.h"

TForm8 *Form8 = nullptr;

TForm8::TForm8(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm8>())
{
    m_ui->setupUi(this);
    m_ui->DBGrid1->setDataset(DataModule6->operation_type);
    m_ui->DBGrid1->setColumns({{QStringLiteral("s_caption"), QStringLiteral("Операции"), 260},
                               {QStringLiteral("s_description"), QStringLiteral("Описание"), 300}});
    Catalog::installSearchKeys(m_ui->Edit1, DataModule6->operation_type, true);
    applyConventions();
    // No system menu in the title bar.
    setWindowFlags(windowFlags() & ~Qt::WindowSystemMenuHint);
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm8::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm8::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm8::Button3Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->DBGrid1, &DBGrid::dblClick, this, Platform::handler(this, &TForm8::Button2Click));
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm8::Edit1Change));
}

TForm8::~TForm8() = default;

void TForm8::KeepingLayout()
{
    m_ui->Button1->setVisible(true);
    m_ui->Button3->setVisible(true);
    // The chooser leaves the search box hidden; its filter must not hide rows from the keeper.
    m_ui->Edit1->setVisible(true);
    m_ui->Label_Edit1->setVisible(true);
}

void TForm8::FormActivate()
{
    if (m_ui->Edit1->isVisible())
        m_ui->Edit1->setFocus();
}

void TForm8::Button1Click()
{
    // The description keeps what it last showed.
    Form9->ui()->Edit1->clear();
    Form9->Tag = 1;
    Form9->EditId = 0;
    Platform::showModal(Form9);
}

void TForm8::Button2Click()
{
    Dataset *ds = DataModule6->operation_type;
    const int recNo = ds->recNo();
    if (Tag != 0) {
        if (Catalog::currentId(ds) != 0)
            ChooseTargets.run(Tag, ds);
        if (ds->active() && recNo > 0)
            ds->setRecNo(recNo);
        accept();
        return;
    }
    if (Catalog::currentId(ds) == 0)
        return;
    Ui::TForm9 *edit = Form9->ui();
    Form9->Tag = 2;
    Form9->EditId = Catalog::currentId(ds);
    edit->Edit1->setText(ds->field(QStringLiteral("s_caption")).asString().trimmed());
    edit->Edit2->setText(ds->field(QStringLiteral("s_description")).asString().trimmed());
    Platform::showModal(Form9);
    if (ds->active())
        ds->setRecNo(recNo);
}

void TForm8::Button3Click()
{
    Catalog::deleteCurrent(DataModule6->operation_type, QStringLiteral("mnf_operation.operation_type"));
}

void TForm8::Edit1Change(const QString &text)
{
    Catalog::prefixSearch(DataModule6->operation_type, text);
}
