// The operation editor: the item, the operation kind and the product kind of one operation.
#include "Unit10.h"

#include "RefList.h"
#include "Unit3.h"
#include "Unit8.h"
#include "db/Unit6.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Widgets.h"
#include "platform/ui/Seams.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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
    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Записать"));
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Отмена"));
    ui::layoutEditor(this, GroupBox1, Button1, Button2);

    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
}

void TForm10::FormActivate() { Button3->setFocus(); }

// "Записать": item and kind are required, and one kind, product kind and item make one operation
// only. The operation's price is not written here: its norm rows hold it.
void TForm10::Button1Click()
{
    if (Edit1->text().trimmed().isEmpty() || Edit2->text().trimmed().isEmpty()) {
        ui::messageBox(QStringLiteral("Все поля должны быть заполнены!"), QStringLiteral("Ошибка"), 16);
        return;
    }
    Query* oper = DataModule6->Oper;
    const QString kind = sqltext::integer(kind_id);
    const QString naimen = sqltext::integer(ComboBox1->currentIndex());
    const QString item = sqltext::integer(item_id);
    const bool add = Tag == 1;
    const QString id = sqltext::integer(reflist::currentInt(oper, QStringLiteral("id")));
    const QString count =
        add ? QStringLiteral("select count(ID) as cnt from accounts_dep.OPER where vid=%1 and naimen=%2 and i_id=%3")
                  .arg(kind, naimen, item)
            : QStringLiteral("select count(*) as cnt from accounts_dep.OPER where vid=%1 and naimen=%2 and i_id=%3 and id<>%4")
                  .arg(kind, naimen, item, id);
    if (DataModule6->CheckDuplicate(count, QStringLiteral("Операция с такими параметрами уже заведена!"))) return;

    Command* write = add ? DataModule6->Oper_ins : DataModule6->Oper_ed;
    write->setSql(add ? QStringLiteral("insert into accounts_dep.oper(vid, naimen, i_id, cena_new)values (%1, %2, %3, 0)")
                            .arg(kind, naimen, item)
                      : QStringLiteral("update accounts_dep.oper set vid=%1, naimen=%2,  i_id=%3 where id=%4")
                            .arg(kind, naimen, item, id));
    write->execute();
    oper->refresh();
    accept();
}

// "..." beside the item: the items list as picker fills Edit1 and item_id.
void TForm10::Button3Click() { Form3->ShowAsPicker(); }

// "..." beside the operation: the operation kinds list as picker fills Edit2 and kind_id.
void TForm10::Button4Click() { Form8->ShowAsPicker(); }
