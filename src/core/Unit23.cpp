// The login window, the application's main window.
#include "Unit23.h"

#include "Unit1.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TForm23* Form23 = nullptr;

TForm23::TForm23(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form23"));
    setCaption(QStringLiteral("Авторизация"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setMinimumWidth(200);

    Button1 = new QPushButton(QStringLiteral("Вход"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    auto* form = new QFormLayout();
    form->addRow(new QLabel(QStringLiteral("Код доступа"), this), Edit1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, [] { ui::terminateApplication(); });

    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TForm23::FormActivate()
{
    Form1->CheckVersion();
    setCaption(QStringLiteral("Авторизация (build: %1.%2)").arg(Form1->FBuildDate).arg(Form1->FBuildTime));
}

void TForm23::Button1Click()
{
    // The login action arrives with the journal.
}

void TForm23::Button2Click() { close(); }

void TForm23::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program.
    event->accept();
    ui::terminateApplication();
}
