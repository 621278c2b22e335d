// The operation editor: the item, the operation kind and the product kind of one operation.
#include "Unit10.h"

#include "RefList.h"
#include "Unit3.h"
#include "Unit8.h"
#include "platform/ui/Guard.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm10* Form10 = nullptr;

TForm10::TForm10(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form10"));

    GroupBox1 = new QGroupBox(QStringLiteral("Цена операции"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = reflist::makeEdit(GroupBox1, "Edit1");
    Edit2 = reflist::makeEdit(GroupBox1, "Edit2");
    for (QLineEdit* e : {Edit1, Edit2}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus); // skipped by Tab
        e->setMinimumWidth(300);
    }
    Button3 = reflist::makeButton(GroupBox1, "Button3", QStringLiteral("..."));
    Button4 = reflist::makeButton(GroupBox1, "Button4", QStringLiteral("..."));
    for (QPushButton* b : {Button3, Button4}) b->setFixedWidth(28);
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("Готовая продукция"), QStringLiteral("Заготовки")});

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(new QLabel(QStringLiteral("Марка изделия"), GroupBox1), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Button3, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Операция"), GroupBox1), 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(Button4, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Вид"), GroupBox1), 2, 0);
    grid->addWidget(ComboBox1, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
}

void TForm10::FormActivate() { Button3->setFocus(); }

// "..." beside the item: the items list as picker fills Edit1 and item_id.
void TForm10::Button3Click() { Form3->ShowAsPicker(); }

// "..." beside the operation: the operation kinds list as picker fills Edit2 and kind_id.
void TForm10::Button4Click() { Form8->ShowAsPicker(); }
