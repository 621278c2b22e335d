// The summary reports window: the period, the product kind, and the report and export buttons.
#include "Unit18.h"

#include "platform/ui/Guard.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm18* Form18 = nullptr;

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false); // no button of this window answers Enter
    return b;
}

} // namespace

TForm18::TForm18(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form18"));
    setCaption(QStringLiteral("Отчеты (8)"));

    // The group captions are bold, their contents regular.
    QFont bold = font();
    bold.setBold(true);
    QFont normal = bold;
    normal.setBold(false);

    RadioGroup1 = new RadioGroup(QStringLiteral("Вид продукции"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItems({QStringLiteral("Все"), QStringLiteral("Готовая продукция"), QStringLiteral("Заготовки")});
    RadioGroup1->setItemIndex(0);
    RadioGroup1->setFont(bold);
    for (int i = 0; i < RadioGroup1->count(); ++i) RadioGroup1->button(i)->setFont(normal);

    GroupBox1 = new QGroupBox(QStringLiteral("Период отбора"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFont(bold);
    Label1 = new QLabel(QStringLiteral("с"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    DTPicker1 = new DatePicker(GroupBox1);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    Label2 = new QLabel(QStringLiteral("по"), GroupBox1);
    Label2->setObjectName(QStringLiteral("Label2"));
    DTPicker2 = new DatePicker(GroupBox1);
    DTPicker2->setObjectName(QStringLiteral("DTPicker2"));
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(DTPicker1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(DTPicker2)})
        w->setFont(normal);
    auto* period = new QGridLayout(GroupBox1);
    period->addWidget(Label1, 0, 0);
    period->addWidget(DTPicker1, 0, 1);
    period->addWidget(Label2, 1, 0);
    period->addWidget(DTPicker2, 1, 1);

    Button4 = makeButton(this, "Button4", QStringLiteral("Отчет по рабочим"));
    Button2 = makeButton(this, "Button2", QStringLiteral("Отчет по продукции"));
    Button1 = makeButton(this, "Button1", QStringLiteral("Детальный отчет по рабочим"));
    Button3 = makeButton(this, "Button3", QStringLiteral("Детальный отчет по продукции"));
    Button6 = makeButton(this, "Button6", QStringLiteral("Excel (0 из 0)"));
    Button5 = makeButton(this, "Button5", QStringLiteral("Выход"));

    auto* left = new QVBoxLayout();
    left->addWidget(RadioGroup1);
    left->addWidget(GroupBox1);
    left->addStretch();
    auto* buttons = new QVBoxLayout();
    for (QPushButton* b : {Button4, Button2, Button1, Button3, Button6, Button5}) {
        b->setMinimumWidth(230);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(RadioGroup1->button(0), RadioGroup1->button(1));
    setTabOrder(RadioGroup1->button(1), RadioGroup1->button(2));
    setTabOrder(RadioGroup1->button(2), DTPicker1);
    setTabOrder(DTPicker1, DTPicker2);
    setTabOrder(DTPicker2, Button4);
    setTabOrder(Button4, Button2);
    setTabOrder(Button2, Button1);
    setTabOrder(Button1, Button3);
    setTabOrder(Button3, Button5);
    setTabOrder(Button5, Button6);

    // The reports and the export arrive with their report forms; "Выход" and Escape close the window.
    ui::on(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
}

void TForm18::Button5Click() { close(); }
