// The workers list: maintains the workers and serves as the worker picker.
#include "Unit5.h"

#include "RefList.h"
#include "Unit2.h"
#include "core/Unit11.h"
#include "db/Unit6.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"
#include "timesheets/Unit24.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setCaption(QStringLiteral("Список рабочих"));

    Query* workers = DataModule6->Workers;
    DBGrid1 = reflist::makeGrid(this, "DBGrid1", workers,
                                {reflist::column(QStringLiteral("fio"), QStringLiteral("ФИО"), 300),
                                 reflist::column(QStringLiteral("s_staffpos_hl"), QStringLiteral("Должность"), 300)});
    DBGrid1->setMinimumHeight(380);
    Edit1 = reflist::makeEdit(this, "Edit1");
    Edit1->setMinimumWidth(260);
    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Добавить"));
    Button1->setDefault(true);
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Изменить"));
    Button3 = reflist::makeButton(this, "Button3", QStringLiteral("Удалить"));
    Button4 = reflist::makeButton(this, "Button4", QStringLiteral("Выход"));

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(Edit1);
    bottom->addStretch();
    for (QPushButton* b : {Button1, Button2, Button3, Button4}) bottom->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    reflist::bindSearchBox(Edit1, workers, QStringLiteral("fio"), reflist::SearchKeys::TypingOnly);
    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(DBGrid1, &DataGrid::dblClick, this, [this] { Button2Click(); });
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm5::ShowAsList()
{
    reflist::prepareListMode(this, {Button1, Button2, Button3}, true);
    DataModule6->Workers->open();
    ShowModal();
    DataModule6->Workers->close();
}

void TForm5::ShowAsPicker(int tag)
{
    reflist::preparePickerMode(this, tag, {Button1, Button2, Button3}, Edit1);
    DataModule6->Workers->open();
    ShowModal();
    DataModule6->Workers->close();
}

void TForm5::FormActivate()
{
    if (!Edit1->isHidden()) Edit1->setFocus();
}

// "Добавить": a new worker; the list then stands on its first row.
void TForm5::Button1Click()
{
    Form2->Edit1->clear();
    Form2->setCaption(QStringLiteral("Заведение данных нового работника"));
    Form2->Tag = 1;
    Form2->ReopenLookups();
    Form2->ShowModal();
    DataModule6->Workers->refresh();
}

// "Изменить" changes the current worker and closes the list; "Выбрать" hands the worker back.
void TForm5::Button2Click()
{
    if (Tag != 0) {
        HandBack();
        accept();
        return;
    }
    Query* workers = DataModule6->Workers;
    const int row = workers->recNo();
    Form2->setCaption(QStringLiteral("Изменение данных работника"));
    Form2->Tag = 2;
    Form2->ReopenLookups();
    Form2->Edit1->setText(reflist::currentText(workers, QStringLiteral("fio")));
    Form2->worker_id = reflist::currentInt(workers, QStringLiteral("id"));
    Form2->ShowModal();
    workers->refresh();
    reflist::returnToRow(workers, row);
    accept();
}

// "Удалить": the current worker, after one question; the database refuses a worker still in use.
void TForm5::Button3Click()
{
    Query* workers = DataModule6->Workers;
    if (!workers->active() || workers->isEmpty()) return;
    if (ui::messageBox(QStringLiteral("Удалить работника?"), QStringLiteral("Удаление"), 36) != ui::IDYES) return;
    const int row = workers->recNo();
    Form2->cmd_person->setSql(QStringLiteral("delete from accounts_dep.person where id =")
                              + sqltext::integer(reflist::currentInt(workers, QStringLiteral("id"))));
    Form2->cmd_person->execute();
    workers->refresh();
    reflist::returnToRow(workers, row);
}

// The chosen worker's name and number go to the window that opened the picker.
void TForm5::HandBack()
{
    Query* workers = DataModule6->Workers;
    if (!workers->active() || workers->isEmpty()) return;
    const QString name = reflist::currentText(workers, QStringLiteral("fio"));
    const int id = reflist::currentInt(workers, QStringLiteral("id"));
    if (Tag == 1) {
        Form11->Edit1->setText(name);
        Form11->FWorkerId = id;
    } else if (Tag == 24) {
        Form24->Edit1->setText(name);
        Form24->FWorkerId = id;
    }
}
