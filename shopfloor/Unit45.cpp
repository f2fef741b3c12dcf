#include "shopfloor/Unit45.h"

#include "ui_Unit45.h"

TForm45 *Form45 = nullptr;

TForm45::TForm45(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm45>())
{
    m_ui->setupUi(this);
    applyConventions();
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
}

TForm45::~TForm45() = default;

void TForm45::setLogRights(bool edit, bool accept)
{
    m_ui->Button1->setEnabled(edit);
    m_ui->Button2->setEnabled(edit);
    m_ui->Button3->setEnabled(edit);
    m_ui->Button5->setEnabled(accept);
}

void TForm45::restrictForEconom()
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->RadioButton1, m_ui->RadioButton2,
             m_ui->RadioButton3, m_ui->RadioButton4, m_ui->CBox1, m_ui->Button8, m_ui->DBGrid2, m_ui->DateT})
        w->setEnabled(false);
}
