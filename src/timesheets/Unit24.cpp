// The auxiliary works entry dialog: one record of auxiliary works or average piecework.
#include "Unit24.h"

#include "platform/ui/Guard.h"
#include "reference/Unit26.h"
#include "reference/Unit5.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm24* Form24 = nullptr;

TForm24::TForm24(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form24"));
    setCaption(QStringLiteral("Хоз. работы/среднесдельная (24)"));
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    GroupBox1 = new QGroupBox(QStringLiteral("Закрыто мастером"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(GroupBox1);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        e->setMinimumWidth(300);
        return e;
    };
    auto button = [this](const char* name) {
        auto* b = new QPushButton(QStringLiteral("..."), GroupBox1);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedWidth(28);
        return b;
    };
    Edit1 = edit("Edit1");
    Button3 = button("Button3");
    Edit2 = edit("Edit2");
    Button4 = button("Button4");

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(new QLabel(QStringLiteral("ФИО"), GroupBox1), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Button3, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Номенклатура"), GroupBox1), 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(Button4, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
}

// "..." after "ФИО": the workers list as picker fills Edit1 and the worker id.
void TForm24::Button3Click() { Form5->ShowAsPicker(24); }

// "..." after "Номенклатура": the groups in use as picker fill Edit2 and the group id.
void TForm24::Button4Click() { Form26->ShowAsPicker(); }
