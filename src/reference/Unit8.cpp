// The operation kinds list: maintains the kinds and serves as the kind picker of the operation
// editor.
#include "Unit8.h"

#include "RefList.h"
#include "Unit10.h"
#include "Unit9.h"
#include "db/Unit6.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm8* Form8 = nullptr;

TForm8::TForm8(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setCaption(QStringLiteral("Виды операций (8)"));

    Query* kinds = DataModule6->Vid_oper;
    DBGrid1 = reflist::makeGrid(this, "DBGrid1", kinds,
                                {reflist::column(QStringLiteral("vid"), QStringLiteral("Операции"), 309)});
    DBGrid1->setMinimumHeight(380);
    Edit1 = reflist::makeEdit(this, "Edit1");
    Edit1->setVisible(false);
    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Добавить"));
    Button1->setDefault(true);
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Изменить"));
    Button3 = reflist::makeButton(this, "Button3", QStringLiteral("Удалить"));
    Button4 = reflist::makeButton(this, "Button4", QStringLiteral("Выход"));

    auto* buttons = new QVBoxLayout();
    for (QPushButton* b : {Button1, Button2, Button3}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Button4);
    auto* top = new QHBoxLayout();
    top->addWidget(DBGrid1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Edit1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    reflist::bindSearchBox(Edit1, kinds, QStringLiteral("vid"), reflist::SearchKeys::TypingOnly);
    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(DBGrid1, &DataGrid::dblClick, this, [this] { Button2Click(); });
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm8::ShowAsList()
{
    reflist::prepareListMode(this, {Button1, Button2, Button3}, true);
    DataModule6->Vid_oper->setFiltered(false);
    DataModule6->Vid_oper->open();
    ShowModal();
    DataModule6->Vid_oper->close();
}

void TForm8::ShowAsPicker()
{
    reflist::preparePickerMode(this, 1, {Button1, Button2, Button3}, Edit1);
    DataModule6->Vid_oper->open();
    ShowModal();
    DataModule6->Vid_oper->close();
    Button2->setDefault(false);
    Edit1->setVisible(false);
}

void TForm8::FormActivate()
{
    if (!Edit1->isHidden()) Edit1->setFocus();
}

// "Добавить": a new kind.
void TForm8::Button1Click()
{
    Form9->Edit1->clear();
    Form9->setCaption(QStringLiteral("Заведение нового вида операций"));
    Form9->Tag = 1;
    Form9->ShowModal();
}

// "Изменить" changes the current kind; "Выбрать" hands it back to the operation editor (an empty
// name and 0 from an empty list). Reserved kinds are left alone.
void TForm8::Button2Click()
{
    Query* kinds = DataModule6->Vid_oper;
    const int id = reflist::currentInt(kinds, QStringLiteral("id"));
    if (reflist::isReserved(id)) return;
    if (Tag != 0) {
        Form10->Edit2->setText(reflist::currentText(kinds, QStringLiteral("vid")));
        Form10->kind_id = id;
        accept();
        return;
    }
    Form9->setCaption(QStringLiteral("Изменение данных вида операции"));
    Form9->Tag = 2;
    Form9->Edit1->setText(reflist::currentText(kinds, QStringLiteral("vid")));
    Form9->ShowModal();
}

// "Удалить": the current kind, after one question; the database refuses a kind still in use.
void TForm8::Button3Click()
{
    Query* kinds = DataModule6->Vid_oper;
    if (!kinds->active() || kinds->isEmpty()) return;
    if (reflist::isReserved(reflist::currentInt(kinds, QStringLiteral("id")))) return;
    if (ui::messageBox(QStringLiteral("Удалить вид операции?"), QStringLiteral("Удаление"), 36) != ui::IDYES) return;
    kinds->deleteRecord();
    kinds->refresh();
}
