#include "catalogs/Unit32.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Unit6.h"
#include "ui_Unit32.h"

TForm32 *Form32 = nullptr;

TForm32::TForm32(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm32>())
{
    m_ui->setupUi(this);
    m_ui->DBGrid1->setDataset(DataModule6->role);
    m_ui->DBGrid1->setColumns({{QStringLiteral("s_caption"), QStringLiteral("Наименование"), 260},
                               {QStringLiteral("s_name"), QStringLiteral("Системное имя"), 200}});
    Catalog::installSearchKeys(m_ui->Edit1, DataModule6->role, true);
    applyConventions();
    // "Добавить", "Изменить" and "Удалить" have no action here.
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm32::Edit1Change));
}

TForm32::~TForm32() = default;

void TForm32::Edit1Change(const QString &text)
{
    Catalog::prefixSearch(DataModule6->role, text);
}
