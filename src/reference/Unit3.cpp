// The items list: maintains the items and serves as the item picker of the operation editor.
#include "Unit3.h"

#include "RefList.h"
#include "Unit10.h"
#include "Unit7.h"
#include "core/HoursGrid.h"
#include "db/Unit6.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"
#include "platform/ui/Widgets.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setCaption(QStringLiteral("Изделия (3)"));

    Query* izdel = DataModule6->Izdel;
    DBGrid1 = reflist::makeGrid(
        this, "DBGrid1", izdel,
        {reflist::column(QStringLiteral("marka"), QStringLiteral("Марка изделия"), 315),
         reflist::column(QStringLiteral("nom"), QStringLiteral("Номенклатурная группа"), 162),
         reflist::column(QStringLiteral("massa"), QStringLiteral("Коробки"), 67, Qt::AlignLeft)});
    DBGrid1->setMinimumHeight(380);
    Edit1 = reflist::makeEdit(this, "Edit1");
    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Добавить"));
    Button1->setDefault(true);
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Изменить"));
    Button3 = reflist::makeButton(this, "Button3", QStringLiteral("Удалить"));
    Button4 = reflist::makeButton(this, "Button4", QStringLiteral("Выход"));

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    for (QPushButton* b : {Button1, Button2, Button3, Button4}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Izdel_Smena = new Query(DataModule6->ADO_DB, this);
    Izdel_Smena->setObjectName(QStringLiteral("Izdel_Smena"));
    Izdel_Smena->setSql(QStringLiteral(
        "select count(*) as cnt from accounts_dep.smena s where s.i_id =:id_ii and s.\"data\">=:dt"));
    ii_oper = new Query(DataModule6->ADO_DB, this);
    ii_oper->setObjectName(QStringLiteral("ii_oper"));
    ii_oper->setSql(QStringLiteral("select count(*) as cnt from accounts_dep.oper o where o.i_id =:id_ii"));

    reflist::bindSearchBox(Edit1, izdel, QStringLiteral("marka"), reflist::SearchKeys::ArrowsOnly);
    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(DBGrid1, &DataGrid::dblClick, this, [this] { Button2Click(); });
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm3::ShowAsList()
{
    reflist::prepareListMode(this, {Button1, Button2, Button3}, true);
    DataModule6->Izdel->open();
    ShowModal();
    DataModule6->Izdel->close();
}

void TForm3::ShowAsPicker()
{
    reflist::preparePickerMode(this, 1, {Button1, Button2, Button3}, Edit1);
    DataModule6->Izdel->open();
    ShowModal();
    DataModule6->Izdel->close();
    Button2->setDefault(false);
    // The box goes away with its text, so that the list shown from the menu afterwards is not
    // narrowed by a search the user can no longer see.
    Edit1->clear();
    Edit1->setVisible(false);
}

void TForm3::FormActivate()
{
    if (!Edit1->isHidden())
        Edit1->setFocus();
    else
        DBGrid1->setFocus();
}

// "Добавить": a new item; the list returns to the row it was on.
void TForm3::Button1Click()
{
    Query* izdel = DataModule6->Izdel;
    const int row = izdel->recNo();
    Form7->Edit1->clear();
    Form7->Edit2->clear();
    Form7->setCaption(QStringLiteral("Заведение нового изделия (7)"));
    Form7->Tag = 1;
    Form7->item->open();
    Form7->ShowModal();
    Form7->item->close();
    reflist::returnToRow(izdel, row);
}

// "Изменить" changes the current item; "Выбрать" hands it back. Reserved items are left alone.
void TForm3::Button2Click()
{
    Query* izdel = DataModule6->Izdel;
    if (reflist::isReserved(reflist::currentInt(izdel, QStringLiteral("id")))) return;
    const int row = izdel->recNo();
    if (Tag == 0) {
        Form7->setCaption(QStringLiteral("Изменение данных изделия (7)"));
        Form7->Tag = 2;
        Form7->Edit1->setText(reflist::currentText(izdel, QStringLiteral("marka")));
        Form7->Edit2->setText(reflist::currentText(izdel, QStringLiteral("massa")));
        Form7->item->open();
        Form7->cb_item->setKeyValue(reflist::currentInt(izdel, QStringLiteral("id_class_item")));
        Form7->ShowModal();
    } else {
        HandBack();
        accept();
    }
    Form7->item->close();
    reflist::returnToRow(izdel, row);
}

QString TForm3::CutOffText(const QDate& today)
{
    const int m = today.month() == 1 ? 13 : today.month();
    return QStringLiteral("01.%1.2000").arg(m - 1);
}

// "Удалить": the current item, with its prices and its shift records when the user agrees to each.
// The questions come first; the deletes then run in the order the database needs (shift records,
// operations, the item) as one unit, so that a refusal leaves everything as it was. The hours grid
// is recounted for the days the deleted shift records occupied.
void TForm3::Button3Click()
{
    Query* izdel = DataModule6->Izdel;
    if (!izdel->active() || izdel->isEmpty()) return;
    const int id = reflist::currentInt(izdel, QStringLiteral("id"));
    if (reflist::isReserved(id)) return;

    Izdel_Smena->close();
    Izdel_Smena->paramByName(QStringLiteral("id_ii")).setValue(id);
    Izdel_Smena->paramByName(QStringLiteral("dt")).setValue(CutOffText(QDate::currentDate()));
    Izdel_Smena->open();
    const int records = Izdel_Smena->fieldByName(QStringLiteral("cnt")).asInteger();
    Izdel_Smena->close();
    ii_oper->close();
    ii_oper->paramByName(QStringLiteral("id_ii")).setValue(id);
    ii_oper->open();
    const int operations = ii_oper->fieldByName(QStringLiteral("cnt")).asInteger();
    ii_oper->close();

    const QString caption = QStringLiteral("Удаление");
    bool deleteOperations = false;
    if (operations > 0)
        deleteOperations = ui::messageBox(QStringLiteral("По изделию есть расценки они будут удалены!!!"), caption, 36)
                           == ui::IDYES;
    bool deleteItem = false;
    if (records > 0)
        deleteItem = ui::messageBox(QStringLiteral("По изделию есть операции в текущем, предыдущем месяцах и ранее, "
                                                   "они будут удалены. Удалить изделие? "),
                                    caption, 36)
                     == ui::IDYES;
    else
        deleteItem = ui::messageBox(QStringLiteral("Удалить изделие? "), caption, 36) == ui::IDYES;

    DeleteItem(id, deleteOperations, records > 0 && deleteItem, deleteItem);
    izdel->refresh();
}

void TForm3::DeleteItem(int id, bool operations, bool records, bool item)
{
    if (!operations && !records && !item) return;
    Command* del = DataModule6->DelSmena;
    const QString key = sqltext::integer(id);
    Transaction unit(DataModule6->ADO_DB);
    if (records) {
        // The days the records occupy in the hours grid, read before they go.
        Query* control = DataModule6->Control;
        control->clearSql();
        control->addSql(QStringLiteral("select distinct w_id, data, smena from accounts_dep.smena where i_id=") + key
                       + QStringLiteral(" order by w_id, smena, data"));
        control->open();
        QList<std::tuple<int, QDate, int>> days;
        for (control->first(); !control->eof(); control->next()) {
            days.append({control->fieldByName(QStringLiteral("w_id")).asInteger(),
                         control->fieldByName(QStringLiteral("data")).asDate(),
                         control->fieldByName(QStringLiteral("smena")).asInteger()});
        }
        control->close();
        del->setSql(QStringLiteral("delete from accounts_dep.smena s where s.i_id =") + key);
        del->execute();
        for (const auto& [worker, date, shift] : days) RecountDayHours(worker, date, shift, RecountMode::Delete);
    }
    if (operations) {
        del->setSql(QStringLiteral("delete from accounts_dep.oper o where o.i_id =") + key);
        del->execute();
    }
    if (item) {
        del->setSql(QStringLiteral("delete from cmn_gds_and_srv.gds_and_srv  where id=") + key);
        del->execute();
    }
    unit.commit();
}

// The chosen item's mark and id go to the operation editor (an empty mark and 0 from an empty list).
void TForm3::HandBack()
{
    Query* izdel = DataModule6->Izdel;
    Form10->Edit1->setText(reflist::currentText(izdel, QStringLiteral("marka")));
    Form10->item_id = reflist::currentInt(izdel, QStringLiteral("id"));
}
