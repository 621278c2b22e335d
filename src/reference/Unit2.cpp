// The worker editor: a worker's name and the department, position and role chosen for him.
#include "Unit2.h"

#include "RefList.h"
#include "db/Unit6.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"
#include "platform/ui/Widgets.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

TForm2* Form2 = nullptr;

namespace {

Table* referenceTable(QObject* owner, const char* name, const QString& table)
{
    auto* t = new Table(DataModule6->ADO_DB, owner);
    t->setObjectName(QString::fromLatin1(name));
    t->setTableName(table);
    t->setOrderBy(QStringLiteral("id"));
    return t;
}

LookupCombo* lookup(QWidget* parent, const char* name, Table* table)
{
    auto* box = new LookupCombo(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxVisibleItems(10);
    box->setListSource(table, QStringLiteral("id"), QStringLiteral("s_caption"));
    box->setMinimumWidth(300);
    return box;
}

} // namespace

TForm2::TForm2(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setCaption(QStringLiteral("Работники"));

    roles = referenceTable(this, "roles", QStringLiteral("adm_role.roles"));
    staffpos = referenceTable(this, "staffpos", QStringLiteral("hrms_staffpos.staffpos"));
    department = referenceTable(this, "department", QStringLiteral("cmn_department.department"));

    GroupBox1 = new QGroupBox(QStringLiteral("Данные о работнике"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = reflist::makeEdit(GroupBox1, "Edit1");
    Edit1->setMinimumWidth(300);
    LCB_department = lookup(GroupBox1, "LCB_department", department);
    LCB_staffpos = lookup(GroupBox1, "LCB_staffpos", staffpos);
    LCB_roles = lookup(GroupBox1, "LCB_roles", roles);
    auto* fields = new QFormLayout(GroupBox1);
    fields->addRow(QStringLiteral("ФИО"), Edit1);
    fields->addRow(QStringLiteral("Подразделение"), LCB_department);
    fields->addRow(QStringLiteral("Должность"), LCB_staffpos);
    fields->addRow(QStringLiteral("Роль"), LCB_roles);

    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Записать"));
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Отмена"));
    ui::layoutEditor(this, GroupBox1, Button1, Button2);

    cmd_person = new Command(DataModule6->ADO_DB);

    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

TForm2::~TForm2() { delete cmd_person; }

void TForm2::ReopenLookups()
{
    for (Table* t : {staffpos, roles, department}) t->refresh();
}

void TForm2::FormActivate() { Edit1->setFocus(); }

// The wheel steps through the list of the lookup box that has the focus, as its arrow keys do.
void TForm2::wheelEvent(QWheelEvent* event)
{
    QWidget* focused = focusWidget();
    if (focused != LCB_department && focused != LCB_staffpos && focused != LCB_roles) {
        Form::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        QKeyEvent key(QEvent::KeyPress, delta < 0 ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(focused, &key);
    }
    event->accept();
}

// "Записать": the name (required) and the chosen department's caption; position and role are
// not stored.
void TForm2::Button1Click()
{
    const QString name = Edit1->text().trimmed();
    if (name.isEmpty()) {
        ui::messageBox(QStringLiteral("ФИО нужно заполнить!"), QStringLiteral("Ошибка"), 16);
        return;
    }
    const QString dep = LCB_department->currentIndex() >= 0 ? LCB_department->currentText() : QString();
    if (Tag == 1) {
        cmd_person->setSql(QStringLiteral("INSERT INTO accounts_dep.person (fio, s_staffpos_hl)VALUES(%1, %2)")
                               .arg(sqltext::quote(name), sqltext::quote(dep)));
    } else {
        cmd_person->setSql(QStringLiteral("UPDATE accounts_dep.person SET fio=%1, s_staffpos_hl=%2 where "
                                          "accounts_dep.person.id=%3")
                               .arg(sqltext::quote(name), sqltext::quote(dep), sqltext::integer(worker_id)));
    }
    cmd_person->execute();
    accept();
}
