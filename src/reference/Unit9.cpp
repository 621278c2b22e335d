// The operation kind editor: the name of one operation kind.
#include "Unit9.h"

#include "RefList.h"
#include "db/Unit6.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Widgets.h"
#include "platform/ui/Seams.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm9* Form9 = nullptr;

TForm9::TForm9(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form9"));

    GroupBox1 = new QGroupBox(QStringLiteral("Вид операции"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = reflist::makeEdit(GroupBox1, "Edit1");
    Edit1->setMinimumWidth(300);
    auto* fields = new QFormLayout(GroupBox1);
    fields->addRow(QStringLiteral("Операция"), Edit1);

    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Записать"));
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Отмена"));
    ui::layoutEditor(this, GroupBox1, Button1, Button2);

    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm9::FormActivate() { Edit1->setFocus(); }

// "Записать": a name is required and may be used by one kind only (letters compared in any case).
// The row is written through the list's query; a row the database refuses is taken back.
void TForm9::Button1Click()
{
    const QString name = Edit1->text().trimmed();
    if (name.isEmpty()) {
        ui::messageBox(QStringLiteral("Все поля должны быть заполнены!"), QStringLiteral("Ошибка"), 16);
        return;
    }
    Query* kinds = DataModule6->Vid_oper;
    QString count = QStringLiteral("select count(*) as cnt from accounts_dep.vid_oper where upper(vid)=")
                    + sqltext::quote(name.toUpper());
    if (Tag != 1) count += QStringLiteral(" and id<>") + sqltext::integer(reflist::currentInt(kinds, QStringLiteral("id")));
    if (DataModule6->CheckDuplicate(count, QStringLiteral("Такая операция уже заведена!"))) return;

    if (Tag == 1)
        kinds->append();
    else
        kinds->edit();
    try {
        kinds->fieldByName(QStringLiteral("vid")).setValue(name);
        kinds->post();
    } catch (...) {
        kinds->cancel();
        throw;
    }
    kinds->refresh();
    accept();
}
