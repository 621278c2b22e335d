// The nomenclature groups list: maintains the groups and serves as the group picker of the
// auxiliary works entry dialog.
#include "Unit26.h"

#include "RefList.h"
#include "Unit29.h"
#include "db/Unit6.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"
#include "timesheets/Unit24.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm26* Form26 = nullptr;

namespace {

// The designed width of the window, and its width while it serves as the picker.
constexpr int kListWidth = 585;
constexpr int kPickerWidth = 460;

} // namespace

TForm26::TForm26(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form26"));
    setCaption(QStringLiteral("Номенклатура (26)"));
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    item = new Query(DataModule6->ADO_DB, this);
    item->setObjectName(QStringLiteral("item"));
    item->setSql(QStringLiteral("select *, case when b_excluded=1  then 'V' else '' end as s_excl from "
                                "cmn_classifier.item where id_level=2 order by s_caption"));
    item_gds = new Query(DataModule6->ADO_DB, this);
    item_gds->setObjectName(QStringLiteral("item_gds"));
    item_gds->setSql(QStringLiteral(
        "select (select count(gds.*) cnt_gds from cmn_gds_and_srv.gds_and_srv gds where gds.id_class_item = :id_nom3),\n"
        "(select count(f.*) cnt_f from accounts_dep.fatigue f where f.id_nom = :id_nom1),\n"
        "(select count(s.*) cnt_s from accounts_dep.smena s,cmn_gds_and_srv.gds_and_srv gds where gds.id = s.i_id and "
        "gds.id_class_item = :id_nom2)"));

    DBGrid1 = reflist::makeGrid(
        this, "DBGrid1", item,
        {reflist::column(QStringLiteral("s_caption"), QStringLiteral("Наименование"), 407),
         reflist::column(QStringLiteral("s_excl"), QStringLiteral("Не используется"), 125, Qt::AlignCenter)});
    DBGrid1->setMinimumWidth(0);
    Edit1 = reflist::makeEdit(this, "Edit1");
    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Удалить"));
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Добавить"));
    Button3 = reflist::makeButton(this, "Button3", QStringLiteral("Изменить"));
    Button4 = reflist::makeButton(this, "Button4", QStringLiteral("Выход"));
    // No default button: Enter in the search box or the grid does nothing.
    for (QPushButton* b : {Button1, Button2, Button3, Button4}) b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(Edit1, 1);
    for (QPushButton* b : {Button2, Button3, Button1, Button4}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1);
    layout->addLayout(buttons);
    setFixedSize(kListWidth, 460);

    reflist::bindSearchBox(Edit1, item, QStringLiteral("s_caption"), reflist::SearchKeys::TypingOnly);
    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(DBGrid1, &DataGrid::dblClick, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm26::ShowAsList()
{
    reflist::prepareListMode(this, {Button2, Button3, Button1}, false);
    item->open();
    ShowModal();
    item->close();
}

// The picker offers the groups in use (typing into the search box offers every group); the
// column "Не используется" is hidden and the window narrower meanwhile. The search box is cleared
// before and after, so that what it shows always agrees with the rows listed.
void TForm26::ShowAsPicker()
{
    Tag = 24;
    Edit1->clear();
    item->setFilter(QStringLiteral("b_excluded=0"));
    item->setFiltered(true);
    Button3->setText(QStringLiteral("Выбрать"));
    Button1->setVisible(false);
    Button2->setVisible(false);
    DBGrid1->setGridColumnVisible(1, false);
    setFixedWidth(kPickerWidth);
    item->open();
    ShowModal();
    Button1->setVisible(true);
    Button2->setVisible(true);
    DBGrid1->setGridColumnVisible(1, true);
    Edit1->clear();
    item->close();
    setFixedWidth(kListWidth);
    item->setFiltered(false);
}

// "Удалить": only a group nothing refers to, after one question.
void TForm26::Button1Click()
{
    if (!item->active() || item->isEmpty()) return;
    const int id = reflist::currentInt(item, QStringLiteral("id"));
    item_gds->close();
    for (const char* p : {"id_nom1", "id_nom2", "id_nom3"}) item_gds->paramByName(QString::fromLatin1(p)).setValue(id);
    item_gds->open();
    const long long goods = item_gds->fieldByName(QStringLiteral("cnt_gds")).asLargeInt();
    const long long records = item_gds->fieldByName(QStringLiteral("cnt_f")).asLargeInt()
                              + item_gds->fieldByName(QStringLiteral("cnt_s")).asLargeInt();
    item_gds->close();
    const QString caption = QStringLiteral("Удаление");
    if (goods > 0) {
        ui::messageBox(QStringLiteral("В номенклатурной группе есть изделия."), caption, 16);
        return;
    }
    if (records > 0) {
        ui::messageBox(QStringLiteral("В номенклатурной группе есть операции."), caption, 16);
        return;
    }
    if (ui::messageBox(QStringLiteral("Удалить позицию из списка?"), caption, 36) == ui::IDYES) {
        DataModule6->DelSmena->setSql(QStringLiteral("DELETE FROM cmn_classifier.item WHERE id=") + sqltext::integer(id));
        DataModule6->DelSmena->execute();
    }
    const int row = item->recNo();
    item->refresh();
    reflist::returnToRow(item, row);
}

// "Добавить": a new group; the list returns to the row it was on.
void TForm26::Button2Click()
{
    const int row = item->recNo();
    Form29->Edit1->clear();
    Form29->Tag = 1;
    Form29->ShowModal();
    reflist::returnToRow(item, row);
}

// "Изменить" changes the current group; "Выбрать" hands it back to the auxiliary works entry.
void TForm26::Button3Click()
{
    const int row = item->recNo();
    if (Tag == 0) {
        Form29->Tag = 2;
        Form29->Edit1->setText(reflist::currentText(item, QStringLiteral("s_caption")));
        Form29->CheckBox1->setChecked(reflist::currentInt(item, QStringLiteral("b_excluded")) != 0);
        Form29->ShowModal();
    } else {
        HandBack();
        accept();
    }
    reflist::returnToRow(item, row);
}

// The chosen group's id and caption (as stored, blanks included); nothing from an empty list.
void TForm26::HandBack()
{
    if (!item->active() || item->isEmpty()) return;
    Form24->FGroupId = reflist::currentInt(item, QStringLiteral("id"));
    Form24->Edit2->setText(item->fieldByName(QStringLiteral("s_caption")).asString());
}
