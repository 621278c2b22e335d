// The shift record editor: one shift record entered, copied or changed.
#include "Unit11.h"

#include "db/Unit6.h"
#include "platform/ui/Widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm11* Form11 = nullptr;

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* name, bool readOnly)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (readOnly) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus); // no tab stop
    }
    return e;
}

} // namespace

TForm11::TForm11(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setCaption(QStringLiteral("Заведение новой позиции (11)"));

    GroupBox1 = new QGroupBox(QStringLiteral("Закрыто мастером"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    QFont bold = GroupBox1->font();
    bold.setBold(true);
    GroupBox1->setFont(bold);
    QFont normal = bold;
    normal.setBold(false);

    Edit1 = makeEdit(GroupBox1, "Edit1", true);
    Edit1->setMinimumWidth(420); // wide enough for a mark, an operation and a product kind
    Button3 = new QPushButton(QStringLiteral("..."), GroupBox1);
    Button3->setObjectName(QStringLiteral("Button3"));
    Edit2 = makeEdit(GroupBox1, "Edit2", true);
    Button4 = new QPushButton(QStringLiteral("..."), GroupBox1);
    Button4->setObjectName(QStringLiteral("Button4"));
    Edit3 = makeEdit(GroupBox1, "Edit3", false);
    Edit6 = makeEdit(GroupBox1, "Edit6", false);
    Edit6->setText(QStringLiteral("0"));
    Edit5 = makeEdit(GroupBox1, "Edit5", false);
    DTimeP = new DatePicker(GroupBox1);
    DTimeP->setObjectName(QStringLiteral("DTimeP"));
    Edit4 = makeEdit(GroupBox1, "Edit4", false);
    Edit4->setText(QStringLiteral("0"));
    Edit8 = makeEdit(GroupBox1, "Edit8", true);
    Edit7 = makeEdit(GroupBox1, "Edit7", true);
    Edit9 = makeEdit(GroupBox1, "Edit9", true);
    for (QLineEdit* e : {Edit3, Edit6, Edit5, Edit4}) ui::digitsOnly(e);
    for (QPushButton* b : {Button3, Button4}) b->setFixedWidth(28);

    auto label = [&](const QString& text) {
        auto* l = new QLabel(text, GroupBox1);
        l->setFont(normal);
        return l;
    };
    Label6 = label(QStringLiteral("Цвет"));
    Label6->setObjectName(QStringLiteral("Label6"));

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(label(QStringLiteral("ФИО")), 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 4);
    grid->addWidget(Button3, 0, 5);
    grid->addWidget(label(QStringLiteral("Операция")), 1, 0);
    grid->addWidget(Edit2, 1, 1, 1, 4);
    grid->addWidget(Button4, 1, 5);
    grid->addWidget(label(QStringLiteral("Кол-во")), 2, 0);
    grid->addWidget(Edit3, 2, 1);
    grid->addWidget(label(QStringLiteral("Время")), 2, 2);
    grid->addWidget(Edit6, 2, 3);
    grid->addWidget(Label6, 3, 0);
    grid->addWidget(Edit5, 3, 1);
    grid->addWidget(label(QStringLiteral("Дата")), 3, 2);
    grid->addWidget(DTimeP, 3, 3);
    grid->addWidget(label(QStringLiteral("Брак")), 4, 0);
    grid->addWidget(Edit4, 4, 1);
    grid->addWidget(label(QStringLiteral("Цена база")), 5, 0);
    grid->addWidget(Edit8, 5, 1);
    grid->addWidget(label(QStringLiteral("Цена итог")), 5, 2);
    grid->addWidget(Edit7, 5, 3);
    grid->addWidget(label(QStringLiteral("Сумма")), 6, 2);
    grid->addWidget(Edit9, 6, 3);
    for (QWidget* w : GroupBox1->findChildren<QWidget*>()) {
        if (w != GroupBox1) w->setFont(normal);
    }

    Button1 = new QPushButton(QStringLiteral("Запись"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject); // Escape does the same

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(Button3, Button4);
    setTabOrder(Button4, Edit3);
    setTabOrder(Edit3, Edit6);
    setTabOrder(Edit6, Edit5);
    setTabOrder(Edit5, DTimeP);
    setTabOrder(DTimeP, Edit4);
    setTabOrder(Edit4, Button1);
    setTabOrder(Button1, Button2);

    SmenaIU = new Command(DataModule6->ADO_DB);
}

TForm11::~TForm11() { delete SmenaIU; }
