// The nomenclature group editor: a group's caption and whether it is still in use.
#include "Unit29.h"

#include "RefList.h"
#include "Unit26.h"
#include "db/Unit6.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm29* Form29 = nullptr;

TForm29::TForm29(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form29"));
    setCaption(QStringLiteral("Ведение групп (29)"));
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    GroupBox1 = new QGroupBox(QStringLiteral("Номенклатурная группа"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = reflist::makeEdit(GroupBox1, "Edit1");
    Edit1->setFocusPolicy(Qt::ClickFocus); // skipped by Tab
    Edit1->setMinimumWidth(320);
    CheckBox1 = new QCheckBox(QStringLiteral("Не используется"), GroupBox1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    auto* fields = new QFormLayout(GroupBox1);
    fields->addRow(QStringLiteral("Наименование"), Edit1);
    fields->addRow(QString(), CheckBox1);

    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Записать"));
    Button6 = reflist::makeButton(this, "Button6", QStringLiteral("Выход"));
    ui::layoutEditor(this, GroupBox1, Button1, Button6);

    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

// The caption is where the user starts typing, though Tab passes it by.
void TForm29::FormActivate() { Edit1->setFocus(); }

// "Записать": the caption (an empty one too) and the mark of a group not in use.
void TForm29::Button1Click()
{
    const QString name = sqltext::quote(Edit1->text().trimmed());
    const QString excluded = CheckBox1->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    Query* item = Form26->item;
    QString sql;
    if (Tag == 1) {
        sql = QStringLiteral("INSERT INTO cmn_classifier.item(s_caption, b_excluded) VALUES(%1, %2)").arg(name, excluded);
    } else {
        sql = QStringLiteral("UPDATE cmn_classifier.item SET s_caption=%1, b_excluded=%2 where id=%3")
                  .arg(name, excluded, sqltext::integer(reflist::currentInt(item, QStringLiteral("id"))));
    }
    DataModule6->SQL_exec->setSql(sql);
    DataModule6->SQL_exec->execute();
    item->refresh();
    accept();
}
