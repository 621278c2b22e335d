// The norms window: the norm rows (norm quantity, price, bonus) of one operation, edited in a grid.
#include "Unit22.h"

#include "RefList.h"
#include "db/Unit6.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Guard.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

TForm22* Form22 = nullptr;

TForm22::TForm22(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form22"));
    setCaption(QStringLiteral("Норматив"));

    norm = new Table(DataModule6->ADO_DB, this);
    norm->setObjectName(QStringLiteral("norm"));
    norm->setTableName(QStringLiteral("accounts_dep.norm"));
    norm->setOrderBy(QStringLiteral("norma"));

    GridColumn price = reflist::column(QStringLiteral("price"), QStringLiteral("Цена"), 105);
    price.displayFormat = QStringLiteral("#0.00#");
    DBGrid1 = reflist::makeGrid(this, "DBGrid1", norm,
                                {reflist::column(QStringLiteral("norma"), QStringLiteral("Норматив"), 133), price,
                                 reflist::column(QStringLiteral("prize"), QStringLiteral("Премия, %"), 82)});
    DBGrid1->setEditable(true);
    DBGrid1->setRowIndicator(true);
    DBGrid1->setMinimumWidth(DBGrid1->minimumWidth() + 16);
    DBGrid1->setMinimumHeight(220);
    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Сохранить"));
    Button1->setDefault(true);
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Удалить"));

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(Button2);
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(norm, &Dataset::newRecord, this, [this] { NormNewRecord(); });
    ui::on(DBGrid1, &DataGrid::colEnter, this, [this] { DBGrid1ColEnter(); });
    ui::on(DBGrid1, &DataGrid::colExit, this, [this] { DBGrid1ColExit(); });
    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TForm22::ShowForOperation(int operId)
{
    FOperId = operId;
    norm->close();
    norm->setFilter(QStringLiteral("o_id=") + QString::number(operId));
    norm->setFiltered(true);
    norm->open();
    ShowModal();
}

// Escape saves and closes, as Enter does: "Сохранить" is both the default and the cancel button.
// (The title bar's close box closes without writing.)
void TForm22::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Button1->click();
        return;
    }
    Form::keyPressEvent(event);
}

// Every row started in this window belongs to the operation shown, whoever starts it.
void TForm22::NormNewRecord()
{
    norm->fieldByName(QStringLiteral("o_id")).setValue(FOperId);
    new_row = true;
}

// Entering a cell: an operation without rows, or a new row not yet written, gets a new row to
// type into; otherwise the current row is edited.
void TForm22::DBGrid1ColEnter()
{
    if (!norm->active()) return;
    if (norm->isEmpty() || norm->state() == Dataset::State::Insert) {
        if (norm->state() != Dataset::State::Insert) norm->append();
        new_row = true;
    } else {
        norm->edit();
        new_row = false;
    }
}

// Leaving a cell writes a changed row at once and re-reads the rows, staying on that row.
void TForm22::DBGrid1ColExit()
{
    if (!norm->active() || !norm->modified()) return;
    WriteRow();
    const QVariant id = norm->fieldByName(QStringLiteral("id")).value();
    norm->refresh();
    norm->locate(QStringLiteral("id"), id);
}

void TForm22::WriteRow()
{
    if (new_row && norm->state() == Dataset::State::Insert)
        norm->fieldByName(QStringLiteral("o_id")).setValue(FOperId);
    norm->post();
}

// "Удалить": the current row at once, without a question, but never the operation's last row.
void TForm22::Button2Click()
{
    DBGrid1->commitEdit();
    if (norm->state() == Dataset::State::Insert)
        norm->cancel(); // a row not yet written is simply dropped
    else if (norm->recordCount() > 1)
        norm->deleteRecord();
    norm->refresh();
}

// "Сохранить": writes a pending change, re-reads the prices list (new count and lowest price) on
// the row it was on, and closes. A value the database refuses keeps the window open.
void TForm22::Button1Click()
{
    if (!DBGrid1->commitEdit()) return;
    if (norm->modified())
        WriteRow();
    else
        norm->cancel();
    Query* oper = DataModule6->Oper;
    if (oper->active()) {
        const int row = oper->recNo();
        oper->refresh();
        reflist::returnToRow(oper, row);
    }
    accept();
}
