#include "requests/Unit41.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Unit6.h"
#include "requests/Unit42.h"
#include "requests/Unit43.h"
#include "ui_Unit41.h"
#include "ui_Unit42.h"
#include "ui_Unit43.h"

TForm41 *Form41 = nullptr;

namespace {

const int CellButtonColumn = 7;

} // namespace

TForm41::TForm41(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm41>())
{
    m_ui->setupUi(this);
    cnt_order_in = new Dataset(DataModule6->ADO_DB, QStringLiteral("cnt_order_in"),
                               QStringLiteral("select count(as2.id) as cnt from mnf_app.app_spec as2  where "
                                              "as2.id_app_doc  = :id_app_doc and as2.state !=0 "),
                               this);
    DBGrid *grid = m_ui->DBGridEh1;
    grid->setDataset(DataModule6->app_doc);
    DBGrid::Column button;
    button.width = 24;
    button.cellButton = true;
    grid->setColumns({{QStringLiteral("id"), QStringLiteral("№ заявки"), 70, true},
                      {QStringLiteral("s_person_caption"), QStringLiteral("Исполнитель"), 190},
                      {QStringLiteral("s_jp_caption"), QStringLiteral("Контрагент"), 220},
                      {QStringLiteral("d_mnf"), QStringLiteral("Дата пр-ва"), 85, true},
                      {QStringLiteral("d_out"), QStringLiteral("Дата отгруз."), 85, true},
                      {QStringLiteral("d_date"), QStringLiteral("Дата заведения"), 120, true},
                      {QStringLiteral("s_state"), QStringLiteral("Статус"), 95},
                      button});
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm41::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm41::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm41::Button3Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid, &DBGrid::dblClick, this, Platform::handler(this, &TForm41::DBGridEh1DblClick));
    connect(grid, &DBGrid::cellButtonClick, this, [this](int column) {
        if (column == CellButtonColumn)
            Platform::guard([this] { DBGridEh1DblClick(); });
    });
}

TForm41::~TForm41() = default;

int TForm41::acceptedLines(int request)
{
    cnt_order_in->close();
    cnt_order_in->setParam(QStringLiteral("id_app_doc"), request);
    cnt_order_in->open();
    const int count = cnt_order_in->field(QStringLiteral("cnt")).asInt();
    cnt_order_in->close();
    return count;
}

void TForm41::Button1Click()
{
    Ui::TForm43 *card = Form43->ui();
    Form43->Tag = 1;
    Form43->EditId = 0;
    card->DateTimePicker1->setDate(QDate::currentDate());
    card->DateTimePicker2->setDate(QDate::currentDate());
    card->Edit1->clear();
    card->Edit2->clear();
    Form43->JurPersonId = 0;
    Form43->PersonId = 0;
    Platform::showModal(Form43);
}

void TForm41::Button2Click()
{
    Dataset *ds = DataModule6->app_doc;
    const int id = Catalog::currentId(ds);
    if (id == 0 || ds->field(QStringLiteral("state")).asInt() != 0)
        return;
    const int recNo = ds->recNo();
    Ui::TForm43 *card = Form43->ui();
    Form43->Tag = 0;
    Form43->EditId = id;
    const auto dateOf = [ds](const char *field) {
        const QDate d = ds->field(QLatin1String(field)).asDate();
        return d.isValid() ? d : QDate::currentDate();
    };
    card->DateTimePicker1->setDate(dateOf("d_mnf"));
    card->DateTimePicker2->setDate(dateOf("d_out"));
    card->Edit2->setText(ds->field(QStringLiteral("s_person_caption")).asString().trimmed());
    card->Edit1->setText(ds->field(QStringLiteral("s_jp_caption")).asString().trimmed());
    Form43->PersonId = ds->field(QStringLiteral("id_person")).asInt();
    Form43->JurPersonId = ds->field(QStringLiteral("id_jp")).asInt();
    Platform::showModal(Form43);
    Catalog::returnTo(ds, id, recNo);
}

void TForm41::Button3Click()
{
    Dataset *ds = DataModule6->app_doc;
    const int id = Catalog::currentId(ds);
    if (id == 0)
        return;
    const QString refusal =
        QStringLiteral("У ордера есть принятые строки спецификации!\nУдаление невозможно.");
    if (acceptedLines(id) > 0) {
        Platform::showError(refusal);
        return;
    }
    const int recNo = ds->recNo();
    if (!Platform::askDelete(QStringLiteral("Удалить заявку (будут удалены все строки спецификации)?")))
        return;
    bool refused = false;
    {
        Action action(DataModule6->ADO_DB);
        // The lines still being drawn up go first, locked; a line another workstation accepted
        // after the question stays, and so does the request.
        DataModule6->cmd_all->execute(QStringLiteral("delete from mnf_app.app_spec where id_app_doc=") +
                                      QString::number(id) + QStringLiteral(" and state=0"));
        refused = acceptedLines(id) > 0;
        if (!refused) {
            // The server removes the shipping counters with the request.
            DataModule6->cmd_all->execute(QStringLiteral("delete from mnf_app.app_doc where id=") +
                                          QString::number(id));
            action.commit();
        }
    }
    if (refused) {
        Platform::showError(refusal);
        return;
    }
    Catalog::reopenAt(ds, recNo);
}

void TForm41::DBGridEh1DblClick()
{
    Dataset *ds = DataModule6->app_doc;
    const int id = Catalog::currentId(ds);
    if (id == 0)
        return;
    Ui::TForm42 *lines = Form42->ui();
    const std::initializer_list<QPushButton *> editing{lines->Button1, lines->Button2, lines->Button3};
    // A shipped request is shown read-only.
    if (ds->field(QStringLiteral("state")).asInt() > 0)
        for (QPushButton *b : editing)
            b->setEnabled(false);
    Form42->Tag = 1;
    Form42->RequestId = id;
    Form42->app_spec->close();
    Form42->app_spec->setParam(QStringLiteral("id_app_doc"), id);
    Form42->app_spec->open();
    Platform::showModal(Form42);
    for (QPushButton *b : editing)
        b->setEnabled(true);
    Form42->app_spec->close();
}
