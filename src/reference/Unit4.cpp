// The prices list: the operations with their lowest norm price; maintains the operations and serves
// as the operation picker of the shift record editor.
#include "Unit4.h"

#include "RefList.h"
#include "Unit10.h"
#include "Unit22.h"
#include "core/Unit1.h"
#include "core/Unit11.h"
#include "db/Unit6.h"
#include "platform/Format.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"
#include "platform/ui/Widgets.h"
#include "reports/ExcelLink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm4* Form4 = nullptr;

namespace {

const char* const kXlsRep =
    "select izdel.MARKA, vid_oper.VID, oper.NAIMEN,(SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE "
    "'Заготовки' END)) as nmn, oper.CENA_new as cena, oper.id, oper.i_id,\n"
    " oper.VID as oper_vid from accounts_dep.OPER,accounts_dep.IZDEL,accounts_dep.VID_OPER where OPER.i_id=IZDEL.id \n"
    "and oper.vid=vid_oper.id order by izdel.marka, vid_oper.vid, oper.naimen";

GridColumn hidden(const QString& field)
{
    GridColumn c = reflist::column(field, field, 0);
    c.visible = false;
    return c;
}

// The mark of an item, read through the data module's ad-hoc query.
QString markOf(int itemId)
{
    Query* control = DataModule6->Control;
    control->close();
    control->clearSql();
    control->addSql(QStringLiteral("select marka from accounts_dep.izdel where id=") + sqltext::integer(itemId));
    control->open();
    const QString mark = reflist::currentText(control, QStringLiteral("marka"));
    control->close();
    return mark;
}

} // namespace

TForm4::TForm4(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setCaption(QStringLiteral("Цены (4)"));
    // Tahoma 8, the size the grid's column widths were laid out for ("Цена (min)" in 74 points).
    QFont f = font();
    f.setPointSize(8);
    setFont(f);

    Query* oper = DataModule6->Oper;
    DBGrid1 = reflist::makeGrid(this, "DBGrid1", oper,
                                {reflist::column(QStringLiteral("marka"), QStringLiteral("Марка"), 300),
                                 reflist::column(QStringLiteral("s_caption"), QStringLiteral("Ном. гр. "), 300),
                                 reflist::column(QStringLiteral("vid"), QStringLiteral("Опреция"), 243),
                                 reflist::column(QStringLiteral("cena"), QStringLiteral("Цена (min)"), 74),
                                 reflist::column(QStringLiteral("nmn"), QStringLiteral("Вид"), 139),
                                 hidden(QStringLiteral("id")), hidden(QStringLiteral("i_id")),
                                 hidden(QStringLiteral("oper_vid")),
                                 reflist::column(QStringLiteral("norma"), QStringLiteral("Нормы (шт.)"), 76)});
    DBGrid1->setMinimumHeight(420);
    Edit1 = reflist::makeEdit(this, "Edit1");
    Edit1->setMinimumWidth(260);
    Edit1->setPlaceholderText(QStringLiteral("Марка"));
    CheckBox1 = new QCheckBox(QStringLiteral("Цены"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Добавить"));
    Button1->setDefault(true);
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Изменить"));
    Button3 = reflist::makeButton(this, "Button3", QStringLiteral("Удалить"));
    Button5 = reflist::makeButton(this, "Button5", QStringLiteral("Excel"));
    Button4 = reflist::makeButton(this, "Button4", QStringLiteral("Выход"));

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(Edit1);
    bottom->addSpacing(12);
    bottom->addWidget(CheckBox1);
    bottom->addStretch();
    for (QPushButton* b : {Button1, Button2, Button3, Button5, Button4}) bottom->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    XLS_Rep = new Query(DataModule6->ADO_DB, this);
    XLS_Rep->setObjectName(QStringLiteral("XLS_Rep"));
    XLS_Rep->setSql(QString::fromUtf8(kXlsRep));

    reflist::bindSearchBox(Edit1, oper, QStringLiteral("marka"), reflist::SearchKeys::TypingOnly,
                           reflist::SearchMatch::Contains);
    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    ui::on(DBGrid1, &DataGrid::dblClick, this, [this] { DBGrid1DblClick(); });
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm4::ApplySearch()
{
    reflist::applySearch(Edit1, DataModule6->Oper, QStringLiteral("marka"), reflist::SearchMatch::Contains);
}

// The list is read afresh (the shift record editor may have left older rows open), and the search
// text left from last time narrows it again (the journal uses the same query's filter for itself).
void TForm4::ShowAsList()
{
    reflist::prepareListMode(this, {Button1, Button2, Button3}, true);
    Query* oper = DataModule6->Oper;
    oper->close();
    oper->open();
    ApplySearch();
    ShowModal();
    oper->close();
}

void TForm4::ShowAsPicker(int operId)
{
    reflist::preparePickerMode(this, 1, {Button1, Button2, Button3}, Edit1);
    Query* oper = DataModule6->Oper;
    // Read afresh every time, so that prices changed since the last choice are the ones handed back.
    oper->close();
    oper->setFiltered(false);
    oper->open();
    if (operId != 0) oper->locate(QStringLiteral("id"), operId);
    ShowModal();
    Button2->setDefault(false);
    // Switching the filter off would go to the first row; the chosen row stays current.
    const int current = reflist::currentInt(oper, QStringLiteral("id"));
    oper->setFiltered(false);
    if (current != 0) oper->locate(QStringLiteral("id"), current);
}

void TForm4::FormActivate()
{
    if (!Edit1->isHidden()) Edit1->setFocus();
}

double TForm4::RaisedPrice(double cena, bool dayOff, int shift)
{
    double price = dayOff ? cena * 2 : cena;
    if (shift == 3)
        price *= 1.2;
    else if (shift == 4)
        price *= 1.5;
    return price;
}

// "Добавить": a new operation. It shows in the list with the first norm row the database gives it.
void TForm4::Button1Click()
{
    Form10->Edit1->clear();
    Form10->Edit2->clear();
    Form10->ComboBox1->setCurrentIndex(0);
    Form10->setCaption(QStringLiteral("Заведение новой цены за операцию"));
    Form10->Tag = 1;
    Form10->ShowModal();
}

// "Изменить" changes the current operation; "Выбрать" hands it back to the shift record editor (from
// an empty list nothing is handed back). The operations of the hourly works are left alone.
void TForm4::Button2Click()
{
    Query* oper = DataModule6->Oper;
    if (!oper->active() || oper->isEmpty()) {
        if (Tag != 0) accept();
        return;
    }
    if (reflist::isReserved(reflist::currentInt(oper, QStringLiteral("id")))) return;
    if (Tag != 0) {
        HandBack();
        accept();
        return;
    }
    Form10->setCaption(QStringLiteral("Изменение данных о цене за операцию"));
    Form10->Tag = 2;
    Form10->Edit1->setText(reflist::currentText(oper, QStringLiteral("marka")));
    Form10->Edit2->setText(reflist::currentText(oper, QStringLiteral("vid")));
    Form10->Edit1->setCursorPosition(0);
    Form10->Edit2->setCursorPosition(0);
    Form10->ComboBox1->setCurrentIndex(reflist::currentInt(oper, QStringLiteral("naimen")) == 0 ? 0 : 1);
    Form10->item_id = reflist::currentInt(oper, QStringLiteral("i_id"));
    Form10->kind_id = reflist::currentInt(oper, QStringLiteral("oper_vid"));
    Form10->ShowModal();
}

// "Удалить": the current operation, after one question; its norm rows go with it, and the database
// refuses an operation that shift records use.
void TForm4::Button3Click()
{
    Query* oper = DataModule6->Oper;
    if (!oper->active() || oper->isEmpty()) return;
    const int id = reflist::currentInt(oper, QStringLiteral("id"));
    if (reflist::isReserved(id)) return;
    if (ui::messageBox(QStringLiteral("Удалить операцию?"), QStringLiteral("Удаление"), 36) != ui::IDYES) return;
    DataModule6->Oper_del->paramByName(QStringLiteral("id")).setValue(id);
    DataModule6->Oper_del->execute();
    oper->refresh();
}

// With "Цены" checked a double-click in the list opens the operation's norms (also those of the hourly
// works); otherwise it acts as "Изменить" or "Выбрать".
void TForm4::DBGrid1DblClick()
{
    Query* oper = DataModule6->Oper;
    if (Tag == 0 && CheckBox1->isChecked()) {
        if (!oper->active() || oper->isEmpty()) return;
        Form22->ShowForOperation(reflist::currentInt(oper, QStringLiteral("id")));
        return;
    }
    Button2Click();
}

// The chosen operation goes to the shift record editor: its item, its id, its price raised for the
// journal's day off and shift, and its text "{mark}; {kind}; {product kind}".
void TForm4::HandBack()
{
    Query* oper = DataModule6->Oper;
    const int itemId = reflist::currentInt(oper, QStringLiteral("i_id"));
    const QString text = TForm11::OperationText(markOf(itemId), reflist::currentText(oper, QStringLiteral("vid")),
                                                reflist::currentInt(oper, QStringLiteral("naimen")));
    Form11->FItemId = itemId;
    Form11->FOperId = reflist::currentInt(oper, QStringLiteral("id"));
    Form11->FPrice = RaisedPrice(oper->fieldByName(QStringLiteral("cena")).asFloat(), Form1->CBox1->isChecked(),
                                 Form1->FShift);
    Form11->Edit2->setText(text);
    Form11->Edit2->setCursorPosition(0);
}

// "Excel": every operation, with or without norm rows, into a new workbook: mark, kind, the
// operation's own price and product kind, one row per operation under a header row.
void TForm4::Button5Click()
{
    XLS_Rep->close();
    XLS_Rep->open();
    {
        ui::BusyCursor busy;
        ExcelLink link(ExcelLink::Plain, ReportsExcelHandle());
        if (link.ExcelOpen(QString()) == -1) {
            XLS_Rep->close();
            return;
        }
        const QStringList header{QStringLiteral("Марка"), QStringLiteral("Операция"), QStringLiteral("Цена"),
                                 QStringLiteral("Вид")};
        for (int c = 0; c < header.size(); ++c) link.ExcelPutCell(1, c + 1, 1, header[c]);
        int row = 2;
        for (XLS_Rep->first(); !XLS_Rep->eof(); XLS_Rep->next(), ++row) {
            link.ExcelPutCell(1, 1, row, XLS_Rep->fieldByName(QStringLiteral("marka")).asString().trimmed());
            link.ExcelPutCell(1, 2, row, XLS_Rep->fieldByName(QStringLiteral("vid")).asString().trimmed());
            link.ExcelPutCell(1, 3, row, floatToStr(XLS_Rep->fieldByName(QStringLiteral("cena")).asFloat()));
            link.ExcelPutCell(1, 4, row, reflist::productKindText(XLS_Rep->fieldByName(QStringLiteral("naimen")).asInteger()));
        }
        link.ExcelShow(true);
    }
    XLS_Rep->close();
}
