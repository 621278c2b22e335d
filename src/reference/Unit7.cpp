// The item editor: an item's mark, its factor and its nomenclature group.
#include "Unit7.h"

#include "RefList.h"
#include "db/Unit6.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"
#include "platform/ui/Widgets.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

TForm7* Form7 = nullptr;

namespace {

// The factor box takes digits and a decimal point; a typed or pasted comma becomes a point, and
// every other character is refused.
class FactorValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input.replace(QLatin1Char(','), QLatin1Char('.'));
        for (const QChar c : input) {
            if (!c.isDigit() && c != QLatin1Char('.')) return Invalid;
            if (c.unicode() > 127) return Invalid; // digits of other scripts
        }
        return Acceptable;
    }
};

// The longest mark the items list can show.
constexpr int kMarkLength = 254;

} // namespace

TForm7::TForm7(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setCaption(QStringLiteral("Изделие"));

    item = new Table(DataModule6->ADO_DB, this);
    item->setObjectName(QStringLiteral("item"));
    item->setTableName(QStringLiteral("cmn_classifier.item"));
    item->setOrderBy(QStringLiteral("s_caption"));
    item->setFilter(QStringLiteral("id_level=2 and b_excluded=0"));
    item->setFiltered(true);

    GroupBox1 = new QGroupBox(QStringLiteral("Данные об изделии"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = reflist::makeEdit(GroupBox1, "Edit1");
    Edit1->setMaxLength(kMarkLength);
    Edit1->setMinimumWidth(300);
    Edit2 = reflist::makeEdit(GroupBox1, "Edit2");
    Edit2->setValidator(new FactorValidator(Edit2));
    cb_item = new LookupCombo(GroupBox1);
    cb_item->setObjectName(QStringLiteral("cb_item"));
    cb_item->setListSource(item, QStringLiteral("id"), QStringLiteral("s_caption"));
    auto* fields = new QFormLayout(GroupBox1);
    fields->addRow(QStringLiteral("Марка"), Edit1);
    fields->addRow(QStringLiteral("Расценка"), Edit2);
    fields->addRow(QString(), cb_item);

    Button1 = reflist::makeButton(this, "Button1", QStringLiteral("Записать"));
    Button2 = reflist::makeButton(this, "Button2", QStringLiteral("Отмена"));
    ui::layoutEditor(this, GroupBox1, Button1, Button2);

    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm7::FormActivate() { Edit1->setFocus(); }

// "Записать": mark, factor and group are required, and a mark may be used by one item only
// (letters compared in any case).
void TForm7::Button1Click()
{
    const QString mark = Edit1->text().trimmed();
    const QVariant group = cb_item->keyValue();
    if (mark.isEmpty() || Edit2->text().trimmed().isEmpty() || group.isNull() || group.toLongLong() == 0) {
        ui::messageBox(QStringLiteral("Все поля должны быть заполнены!"), QStringLiteral("Ошибка"), 16);
        return;
    }
    Query* izdel = DataModule6->Izdel;
    const QString upper = sqltext::quote(mark.toUpper());
    QString count = QStringLiteral("select count(*) as cnt from accounts_dep.izdel where upper(marka)=") + upper;
    if (Tag != 1) count += QStringLiteral("and id<>") + sqltext::integer(reflist::currentInt(izdel, QStringLiteral("id")));
    if (DataModule6->CheckDuplicate(count, QStringLiteral("Такая марка изделия уже заведена!"))) return;

    QString sql;
    if (Tag == 1) {
        sql = QStringLiteral("INSERT INTO cmn_gds_and_srv.gds_and_srv(s_caption, s_description, id_msm_bs, massa, "
                             "id_class_item)VALUES(%1, '', 6, %2,%3)")
                  .arg(sqltext::quote(mark), Edit2->text(), sqltext::integer(group.toLongLong()));
    } else {
        sql = QStringLiteral("UPDATE cmn_gds_and_srv.gds_and_srv SET s_caption=%1, s_description='', id_msm_bs=6, "
                             "massa=%2, id_class_item=%3 where id=%4")
                  .arg(sqltext::quote(mark), DataModule6->ToSqlDecimal(Edit2->text()),
                       sqltext::integer(group.toLongLong()),
                       sqltext::integer(reflist::currentInt(izdel, QStringLiteral("id"))));
    }
    DataModule6->SQL_exec->setSql(sql);
    DataModule6->SQL_exec->execute();
    izdel->refresh();
    accept();
}
