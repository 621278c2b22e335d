// The shift record editor: one shift record entered, copied or changed.
#include "Unit11.h"

#include "HoursGrid.h"
#include "Unit1.h"
#include "db/Unit6.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/data/SqlText.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"
#include "platform/ui/Widgets.h"
#include "reference/RefList.h"
#include "reference/Unit4.h"
#include "reference/Unit5.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm11* Form11 = nullptr;

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* name, bool readOnly)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (readOnly) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus); // no tab stop
    }
    return e;
}

// The largest number the integer columns of a shift record hold.
constexpr long long kMaxColumnValue = 2147483647;

void refuse(const QString& text) { ui::messageBox(text, QStringLiteral("Ошибка"), ui::MB_ICONSTOP); }

// Shows a number the way the price and amount boxes show it: 4 decimals at most, halves to even.
QString amountText(double value) { return floatToStr(roundHalfEven(value, 4)); }

// The worker, date and shift a record has in the database now, read before it is changed (and
// locked until the change is committed); false when the record is gone.
bool readRecordKey(const QString& id, int& worker, QDate& day, int& shift)
{
    Query* control = DataModule6->Control;
    control->close();
    control->clearSql();
    control->addSql(QStringLiteral("select w_id, data, smena from accounts_dep.smena where id=%1 for update").arg(id));
    control->open();
    const bool found = !control->isEmpty();
    if (found) {
        worker = control->fieldByName(QStringLiteral("w_id")).asInteger();
        day = control->fieldByName(QStringLiteral("data")).asDate();
        shift = control->fieldByName(QStringLiteral("smena")).asInteger();
    }
    control->close();
    return found;
}

// The values of the record being saved as its statements write them; id only for a change.
struct RecordTexts {
    bool add = true;
    QString W, I, O, S, P, Q, B, H, C, date, today, id;
};

// Counts the records with the same worker, operation, item, date, shift and colour (for a change,
// other than the record itself).
QString duplicateCheck(const RecordTexts& r)
{
    const QString check = QStringLiteral("select count(id) as cnt from accounts_dep.SMENA where w_id=%1 and o_id=%2 and i_id=%3 "
                                         "and data=to_date('%4', 'DD.MM.YYYY') and smena=%5")
                              .arg(r.W, r.O, r.I, r.date, r.S);
    return check + (r.add ? QStringLiteral(" and color=%1").arg(r.C) : QStringLiteral(" and id<>%1 and color=%2").arg(r.id, r.C));
}

// A new record is not accepted; a change keeps the record's acceptance and marks it entered today.
QString saveStatement(const RecordTexts& r)
{
    if (r.add)
        return QStringLiteral("insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "
                              "time, vvod,ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) "
                              "values(%1, %2, %3, %4,%5, %6, to_date('%7', 'DD.MM.YYYY HH24:MI:SS'), %8, %9, %10, "
                              "'%11', 'no', 0, 0, 0, 0, 0, 0)")
            .arg(r.W, r.I, r.O, r.P, r.Q, r.B, r.date, r.S, r.C, r.H, r.today);
    return QStringLiteral("update accounts_dep.SMENA set w_id=%1, i_id=%2, o_id=%3, cena=%4, kol_vo=%5, brak=%6, "
                          "data=to_date('%7', 'DD.MM.YYYY'), smena=%8, color=%9, time=%10, vvod='%11', prize=0, "
                          "id_doc=0, id_doc_item=0, f_gds_qty_use=0, id_gds_use=0, id_cons_use=0 where id=%12")
        .arg(r.W, r.I, r.O, r.P, r.Q, r.B, r.date, r.S, r.C, r.H, r.today, r.id);
}

} // namespace

TForm11::TForm11(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setCaption(QStringLiteral("Заведение новой позиции (11)"));

    GroupBox1 = new QGroupBox(QStringLiteral("Закрыто мастером"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    QFont bold = GroupBox1->font();
    bold.setBold(true);
    GroupBox1->setFont(bold);
    QFont normal = bold;
    normal.setBold(false);

    Edit1 = makeEdit(GroupBox1, "Edit1", true);
    Edit1->setMinimumWidth(420); // wide enough for a mark, an operation and a product kind
    Button3 = new QPushButton(QStringLiteral("..."), GroupBox1);
    Button3->setObjectName(QStringLiteral("Button3"));
    Edit2 = makeEdit(GroupBox1, "Edit2", true);
    Button4 = new QPushButton(QStringLiteral("..."), GroupBox1);
    Button4->setObjectName(QStringLiteral("Button4"));
    Edit3 = makeEdit(GroupBox1, "Edit3", false);
    Edit6 = makeEdit(GroupBox1, "Edit6", false);
    Edit6->setText(QStringLiteral("0"));
    Edit5 = makeEdit(GroupBox1, "Edit5", false);
    DTimeP = new DatePicker(GroupBox1);
    DTimeP->setObjectName(QStringLiteral("DTimeP"));
    Edit4 = makeEdit(GroupBox1, "Edit4", false);
    Edit4->setText(QStringLiteral("0"));
    Edit8 = makeEdit(GroupBox1, "Edit8", true);
    Edit7 = makeEdit(GroupBox1, "Edit7", true);
    Edit9 = makeEdit(GroupBox1, "Edit9", true);
    for (QLineEdit* e : {Edit3, Edit6, Edit5, Edit4}) ui::digitsOnly(e);
    for (QPushButton* b : {Button3, Button4}) b->setFixedWidth(28);

    auto label = [&](const QString& text) {
        auto* l = new QLabel(text, GroupBox1);
        l->setFont(normal);
        return l;
    };
    Label6 = label(QStringLiteral("Цвет"));
    Label6->setObjectName(QStringLiteral("Label6"));

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(label(QStringLiteral("ФИО")), 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 4);
    grid->addWidget(Button3, 0, 5);
    grid->addWidget(label(QStringLiteral("Операция")), 1, 0);
    grid->addWidget(Edit2, 1, 1, 1, 4);
    grid->addWidget(Button4, 1, 5);
    grid->addWidget(label(QStringLiteral("Кол-во")), 2, 0);
    grid->addWidget(Edit3, 2, 1);
    grid->addWidget(label(QStringLiteral("Время")), 2, 2);
    grid->addWidget(Edit6, 2, 3);
    grid->addWidget(Label6, 3, 0);
    grid->addWidget(Edit5, 3, 1);
    grid->addWidget(label(QStringLiteral("Дата")), 3, 2);
    grid->addWidget(DTimeP, 3, 3);
    grid->addWidget(label(QStringLiteral("Брак")), 4, 0);
    grid->addWidget(Edit4, 4, 1);
    grid->addWidget(label(QStringLiteral("Цена база")), 5, 0);
    grid->addWidget(Edit8, 5, 1);
    grid->addWidget(label(QStringLiteral("Цена итог")), 5, 2);
    grid->addWidget(Edit7, 5, 3);
    grid->addWidget(label(QStringLiteral("Сумма")), 6, 2);
    grid->addWidget(Edit9, 6, 3);
    for (QWidget* w : GroupBox1->findChildren<QWidget*>()) {
        if (w != GroupBox1) w->setFont(normal);
    }

    Button1 = new QPushButton(QStringLiteral("Запись"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    ui::layoutEditor(this, GroupBox1, Button1, Button2);

    setTabOrder(Button3, Button4);
    setTabOrder(Button4, Edit3);
    setTabOrder(Edit3, Edit6);
    setTabOrder(Edit6, Edit5);
    setTabOrder(Edit5, DTimeP);
    setTabOrder(DTimeP, Edit4);
    setTabOrder(Edit4, Button1);
    setTabOrder(Button1, Button2);

    SmenaIU = new Command(DataModule6->ADO_DB);

    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    ui::onClick(Edit1, [this] { Button3Click(); });
    ui::onClick(Edit2, [this] { Button4Click(); });
    ui::onExit(Edit3, [this] { Amounts(); });
    ui::onExit(Edit6, [this] { Amounts(); });
}

TForm11::~TForm11() { delete SmenaIU; }

void TForm11::FormActivate() { Button3->setFocus(); }

QString TForm11::OperationText(const QString& mark, const QString& kind, int naimen)
{
    return mark.trimmed() + QStringLiteral("; ") + kind.trimmed() + QStringLiteral("; ") + reflist::productKindText(naimen);
}

bool TForm11::IsPainting(const QString& text) { return text.toUpper().contains(QStringLiteral("КРАСКА")); }

void TForm11::ShowColourBox(bool painting)
{
    if (!painting) Edit5->clear();
    Edit5->setEnabled(painting);
    Label6->setEnabled(painting);
}

void TForm11::PrepareAdd(const QDate& date)
{
    DTimeP->setDate(date);
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit5, Edit7, Edit8, Edit9}) e->clear();
    Edit4->setText(QStringLiteral("0"));
    Edit6->setText(QStringLiteral("0"));
    FWorkerId = 0;
    FOperId = 0;
    FItemId = 0;
    FPrice = 0;
    ShowColourBox(false);
}

// "..." beside the name, or a click in it: the workers list as picker fills Edit1 and FWorkerId.
void TForm11::Button3Click() { Form5->ShowAsPicker(1); }

// "..." beside the operation, or a click in it: the prices list as picker, on the record's operation
// (on the first row for a new record), fills Edit2, FItemId, FOperId and FPrice.
void TForm11::Button4Click()
{
    int operId = 0;
    if (Tag != 1) {
        Query* journal = Form1->FCurQuery;
        if (journal && journal->active() && !journal->isEmpty())
            operId = journal->fieldByName(QStringLiteral("o_id")).asInteger();
    }
    Form4->ShowAsPicker(operId);
    ShowColourBox(IsPainting(Edit2->text()));
    Amounts();
}

void TForm11::Amounts()
{
    if (Edit6->text().trimmed().isEmpty()) Edit6->setText(QStringLiteral("0"));
    if (Edit3->text().trimmed().isEmpty()) Edit3->setText(QStringLiteral("0"));
    Edit7->setText(amountText(FPrice));
    // The base price is that of the chosen operation: the row of Oper the picker closed on, when it
    // is the chosen one (a picker left without a choice may stand on another operation).
    Query* oper = DataModule6->Oper;
    double base = 0;
    if (oper->active() && !oper->isEmpty() && FOperId != 0
        && oper->fieldByName(QStringLiteral("id")).asInteger() == FOperId)
        base = oper->fieldByName(QStringLiteral("cena")).asFloat();
    Edit8->setText(amountText(base));
    Edit9->setText(amountText(Edit3->text().trimmed().toDouble() * FPrice));
    for (QLineEdit* e : {Edit7, Edit8, Edit9}) e->setCursorPosition(0);
}

bool TForm11::FieldsComplete() const
{
    auto empty = [](const QLineEdit* e) { return e->text().trimmed().isEmpty(); };
    if (empty(Edit1) || empty(Edit2) || empty(Edit3) || empty(Edit4) || empty(Edit6)) return false;
    return !(IsPainting(Edit2->text()) && empty(Edit5));
}

// Quantity, defects, hours and colour as whole numbers the database columns hold; defects no more
// than the quantity, so that the pay of a record is never negative. Refuses with a message.
bool TForm11::ReadNumbers(QList<long long>& values) const
{
    const QList<QPair<const QLineEdit*, QString>> boxes{
        {Edit3, QStringLiteral("Кол-во")}, {Edit4, QStringLiteral("Брак")},
        {Edit6, QStringLiteral("Время")}, {Edit5, QStringLiteral("Цвет")}};
    values.clear();
    for (const auto& [box, label] : boxes) {
        const QString text = box->text().trimmed();
        if (text.isEmpty()) { // only the colour may be empty: 0
            values << 0;
            continue;
        }
        bool ok = false;
        const long long value = text.toLongLong(&ok);
        if (!ok || value < 0 || value > kMaxColumnValue) {
            refuse(QStringLiteral("В поле \"%1\" должно быть целое число от 0 до %2!").arg(label).arg(kMaxColumnValue));
            return false;
        }
        values << value;
    }
    if (values[1] > values[0]) {
        refuse(QStringLiteral("Брак не может быть больше количества!"));
        return false;
    }
    return true;
}

// "Запись": the record is checked, refused when the same worker, operation, item, date, shift and
// colour are already entered, and written; the journal is read again on its row, and the editor
// closes.
void TForm11::Button1Click()
{
    if (!FieldsComplete()) {
        refuse(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    QList<long long> numbers;
    if (!ReadNumbers(numbers)) return;
    const int shift = Form1->FShift;
    Query* journal = DataModule6->SmenaQuery(shift);
    const bool add = Tag == 1 || Tag == 3;
    if (!add && (!journal->active() || journal->isEmpty())) return;

    RecordTexts r;
    r.add = add;
    r.W = sqltext::integer(FWorkerId);
    r.I = sqltext::integer(FItemId);
    r.O = sqltext::integer(FOperId);
    r.S = sqltext::integer(shift);
    r.P = floatToSqlText(roundHalfEven(FPrice, 4)); // a point whatever the separator
    r.Q = sqltext::integer(numbers[0]);
    r.B = sqltext::integer(numbers[1]);
    r.H = sqltext::integer(numbers[2]);
    r.C = sqltext::integer(numbers[3]);
    r.date = sqltext::date(DTimeP->date());
    r.today = sqltext::date(appclock::today());
    if (!add) r.id = sqltext::integer(journal->fieldByName(QStringLiteral("id")).asLargeInt());
    if (DataModule6->CheckDuplicate(duplicateCheck(r), QStringLiteral("Позиция с такими параметрами уже заведена!"))) return;

    if (!WriteRecord(saveStatement(r), add, r.id, shift)) {
        // Deleted at another workstation since the journal was read. The journal then stands on
        // another record, so the editor closes rather than write onto it.
        refuse(QStringLiteral("Позиция не найдена: она удалена на другом рабочем месте."));
        journal->refresh();
        reject();
        return;
    }
    const int row = journal->recNo();
    journal->refresh();
    reflist::returnToRow(journal, row);
    for (Query* q : {DataModule6->H_Tabel_1, DataModule6->H_Tabel_2, DataModule6->H_Tabel_3}) q->close();
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9}) e->clear();
    accept();
}

// Runs the statement and recounts the hours of the record's day (for a changed record also the day
// it left) in one transaction, so that a refusal leaves records and hours as they were. False when
// the record to change is gone.
bool TForm11::WriteRecord(const QString& statement, bool add, const QString& id, int shift)
{
    Transaction unit(DataModule6->ADO_DB);
    int oldWorker = 0, oldShift = 0;
    QDate oldDay;
    if (!add && !readRecordKey(id, oldWorker, oldDay, oldShift)) return false;
    SmenaIU->setSql(statement);
    SmenaIU->execute();
    if (add)
        RecountDayHours(FWorkerId, DTimeP->date(), shift, RecountMode::Save);
    else
        RecountChangedRecord(oldWorker, oldDay, oldShift, FWorkerId, DTimeP->date(), shift);
    unit.commit();
    return true;
}
