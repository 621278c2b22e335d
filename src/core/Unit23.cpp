// The login window, the application's main window.
#include "Unit23.h"

#include "Unit1.h"
#include "db/Unit6.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Guard.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Seams.h"
#include "platform/ui/Widgets.h"
#include "reports/Unit18.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

TForm23* Form23 = nullptr;

namespace {

void disable(std::initializer_list<QWidget*> controls)
{
    for (QWidget* w : controls) w->setEnabled(false);
}

// A submenu of the main menu is switched on and off at its entry in the menu bar.
void enableMenu(QMenu* menu, bool enabled) { menu->menuAction()->setEnabled(enabled); }

// The journal queries of the four shifts list every mark except this one.
void excludeMark(const QString& mark)
{
    for (int shift = 1; shift <= 4; ++shift) DataModule6->SmenaQuery(shift)->paramByName(QStringLiteral("ok")).setValue(mark);
}

} // namespace

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
    Button2->setAutoDefault(false);

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
    const QString T = Edit1->text().trimmed();
    const bool administrator = T == QLatin1String(logincodes::Administrator) || T == QLatin1String(logincodes::Administrator2);
    Form1->FShift = 1;
    Form1->FLoginCode = T;
    enableMenu(Form1->N11, administrator);

    if (T == QLatin1String(logincodes::Planner)) {
        // The planner only looks at today's first shift.
        disable({Form1->Button1, Form1->Button2, Form1->Button3, Form1->RadioButton1, Form1->RadioButton2,
                 Form1->RadioButton3, Form1->RadioButton4, Form1->CBox1, Form1->Button8, Form1->DBGrid2, Form1->DateT});
        enableMenu(Form1->N2, false);
        enableMenu(Form1->N11, false);
        excludeMark(QStringLiteral("ta"));
        OpenJournal();
        return;
    }
    if (T == QLatin1String(logincodes::ShiftLeader)) {
        disable({Form1->Button2, Form1->Button3});
        enableMenu(Form1->N2, false);
        enableMenu(Form1->N11, false);
        disable({Form18->Button1, Form18->Button2, Form18->Button4, Form18->Button6});
        excludeMark(QStringLiteral("ta"));
        OpenJournal();
        return;
    }
    excludeMark(QStringLiteral("ta"));
    if (T == QLatin1String(logincodes::Storekeeper)) {
        disable({Form1->Button1, Form1->Button2, Form1->Button3});
        disable({Form18->Button1, Form18->Button2, Form18->Button6, Form18->Button4});
        enableMenu(Form1->N2, false);
        enableMenu(Form1->N11, false);
        Form18->RadioGroup1->setItemIndex(1); // finished goods only
        Form18->RadioGroup1->setEnabled(false);
        OpenJournal();
    } else if (administrator) {
        OpenJournal();
    } else {
        ui::messageBox(QStringLiteral("Введены неверные данные."), QStringLiteral("Ошибка"), ui::MB_ICONSTOP);
    }
}

void TForm23::OpenJournal()
{
    hide();
    Form1->ShowModal();
    close();
}

void TForm23::Button2Click() { close(); }

void TForm23::reject() { close(); }

void TForm23::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program.
    event->accept();
    ui::terminateApplication();
}
