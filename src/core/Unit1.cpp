// The daily work journal, the working window of the system.
#include "Unit1.h"

#include "BuildStamp.h"
#include "HoursGrid.h"
#include "Unit11.h"
#include "Unit23.h"
#include "db/Unit6.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/data/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"
#include "platform/ui/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

TForm1* Form1 = nullptr;

namespace {

const QColor kCurrentShiftColor(0, 128, 0);
const QColor kDayOffColor(255, 0, 0);
const QColor kAcceptedColor(0, 128, 0);
const QColor kNotAcceptedColor(255, 0, 0);

bool isWeekend(const QDate& day) { return day.dayOfWeek() >= Qt::Saturday; }

// A control stands out (a background colour and a bold caption) or looks like the rest.
void markControl(QWidget* w, bool marked, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, marked ? colour : QApplication::palette().color(QPalette::Window));
    w->setPalette(p);
    w->setBackgroundRole(QPalette::Window); // buttons paint on the Button role otherwise
    w->setAutoFillBackground(true);
    QFont f = w->font();
    f.setBold(marked);
    w->setFont(f);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false); // Enter changes the date in DateT and presses no button
    return b;
}

// An item of the main menu, connected to its handler through the guard.
template <class F>
QAction* menuItem(QMenu* menu, const char* name, const QString& caption, QObject* context, F handler)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    ui::on(a, &QAction::triggered, context, handler);
    return a;
}

QMenu* subMenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* m = new QMenu(caption, parent);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

const int kDefaultWidth = 64;

GridColumn gridColumn(const char* field, const char* title, int width = kDefaultWidth, Qt::Alignment alignment = {},
                      bool visible = true)
{
    GridColumn c;
    c.field = QString::fromLatin1(field);
    c.title = QString::fromUtf8(title);
    c.width = width;
    c.alignment = alignment;
    c.visible = visible;
    return c;
}

// Puts the editor's mode back however the action that set it ends.
class TagReset {
public:
    explicit TagReset(Form* form) : form_(form) {}
    ~TagReset() { form_->Tag = 0; }
    TagReset(const TagReset&) = delete;
    TagReset& operator=(const TagReset&) = delete;

private:
    Form* form_;
};

} // namespace

TForm1::TForm1(const QStringList& arguments, QWidget* parent) : Form(parent)
{
    Form1 = this; // the windows created from here reach the journal through it at once
    setObjectName(QStringLiteral("Form1"));
    setCaption(QStringLiteral("Табель"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(30000);
    ui::on(Timer1, &QTimer::timeout, this, [this] { CheckVersion(); });

    FormCreate(arguments);
    if (FStarted) Timer1->start();
}

TForm1::~TForm1() { delete updtOK; }

void TForm1::FormCreate(const QStringList& arguments)
{
    DataModule6 = new TDataModule6();
    ver = new Table(DataModule6->ADO_DB, this);
    ver->setObjectName(QStringLiteral("ver"));
    ver->setTableName(QStringLiteral("accounts_dep.ver"), {QStringLiteral("id")});
    ver->setOrderBy(QStringLiteral("id"));
    CreateControls();
    try {
        DataModule6->ADO_DB->close();
        DataModule6->ADO_DB->setConnectionString(TDataModule6::ConnectionStringFor(arguments));
        DataModule6->ADO_DB->open();
        Form23 = new TForm23();
        FStarted = true;
        Form23->ShowMain();
    } catch (const std::exception&) {
        if (!FStarted) {
            ui::messageBox(QStringLiteral("Подключение к БД отсутсвует!!!"), QStringLiteral("Ошибка!"), ui::MB_ICONSTOP);
            ui::terminateApplication();
        } else {
            throw;
        }
    }
}

void TForm1::CheckVersion()
{
    FBuildDate = buildstamp::date();
    FBuildTime = buildstamp::time();
    try {
        ver->open();
        ver->first();
        DataModule6->SetDecimalDelim(ver->fieldByName(QStringLiteral("delim")).asString());
        int d = ver->fieldByName(QStringLiteral("d")).asInteger();
        int t = ver->fieldByName(QStringLiteral("t")).asInteger();
        if (ver->isEmpty() || d < FBuildDate || (d == FBuildDate && t < FBuildTime)) {
            ver->edit(); // an empty table gets its row here
            ver->fieldByName(QStringLiteral("d")).setValue(FBuildDate);
            ver->fieldByName(QStringLiteral("t")).setValue(FBuildTime);
            ver->post();
        }
        d = ver->fieldByName(QStringLiteral("d")).asInteger();
        t = ver->fieldByName(QStringLiteral("t")).asInteger();
        if (d > FBuildDate || (d == FBuildDate && t > FBuildTime)) {
            Form23->Timer1->start();
            ui::messageBox(QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."),
                           QStringLiteral("Ошибка"), ui::MB_ICONSTOP);
            ui::terminateApplication();
        }
    } catch (...) {
        // A failed check leaves nothing open, so the next check reads the row afresh.
        ver->cancel();
        ver->close();
        throw;
    }
    ver->close();
}

// ---------------------------------------------------------------------------------------------
// The window

void TForm1::CreateControls()
{
    // Tahoma 8, the size the grid's column widths were laid out for.
    QFont f = font();
    f.setPointSize(8);
    setFont(f);

    RadioButton1 = new QRadioButton(QStringLiteral("Смена №1"), this);
    RadioButton2 = new QRadioButton(QStringLiteral("Смена №2"), this);
    RadioButton3 = new QRadioButton(QStringLiteral("Смена №3"), this);
    RadioButton4 = new QRadioButton(QStringLiteral("Переработка"), this);
    RadioButton1->setChecked(true);
    auto* shifts = new QHBoxLayout();
    for (int shift = 1; shift <= 4; ++shift) {
        QRadioButton* b = ShiftButton(shift);
        b->setObjectName(QStringLiteral("RadioButton%1").arg(shift));
        b->setContentsMargins(6, 3, 6, 3);
        b->setMinimumWidth(120);
        markControl(b, shift == 1, kCurrentShiftColor);
        shifts->addWidget(b);
        ui::on(b, &QRadioButton::toggled, this, [this, shift] { RadioButtonClick(shift); });
    }

    DateT = new DatePicker(this);
    DateT->setObjectName(QStringLiteral("DateT"));
    DateT->setMinimumWidth(110);
    ui::on(DateT, &DatePicker::closeUp, this, [this] { DateTChange(); });
    ui::on(DateT, &DatePicker::enterPressed, this, [this] { DateTChange(); });

    CBox1 = new QCheckBox(QStringLiteral("Выходной"), this);
    CBox1->setObjectName(QStringLiteral("CBox1"));
    markControl(CBox1, false, kDayOffColor);
    ui::on(CBox1, &QCheckBox::toggled, this, [this] { CBox1Click(); });

    shifts->addSpacing(24);
    shifts->addWidget(DateT);
    shifts->addSpacing(12);
    shifts->addWidget(CBox1);
    shifts->addStretch();

    DBGrid2 = new DataGrid(this);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setShowGrid(true);
    const QList<GridColumn> columns = {
        gridColumn("fio", "Фамилия И.О.", 250),
        gridColumn("marka", "Марка изделия", 260),
        gridColumn("vid", "Операция", 155),
        gridColumn("nmn", "Вид", 157),
        gridColumn("color", "Цвет", kDefaultWidth, Qt::AlignCenter),
        gridColumn("time", "Часы"),
        gridColumn("kol_vo", "Кол-во", 57),
        gridColumn("brak", "Брак", 49),
        gridColumn("summa", "Итого (р.)", 78),
        gridColumn("prize", "Премия (%)", kDefaultWidth, {}, false),
        gridColumn("ok", "OK", 37, Qt::AlignCenter),
        gridColumn("vvod", "Заведен", 72, Qt::AlignCenter),
    };
    DBGrid2->setColumns(columns);
    int width = 0;
    for (const GridColumn& c : columns) width += c.visible ? c.width : 0;
    DBGrid2->setFixedSize(width + DBGrid2->verticalScrollBar()->sizeHint().width() + 2 * DBGrid2->frameWidth() + 2, 440);
    DBGrid2->setDataset(DataModule6->Smena1);
    DBGrid2->setDrawHook([this](int recNo, const GridColumn& column, QStyleOptionViewItem& option) {
        DBGrid2DrawColumnCell(recNo, column, option);
    });
    ui::on(DBGrid2, &DataGrid::dblClick, this, [this] { DBGrid2DblClick(); });
    FCurQuery = DataModule6->Smena1;

    Button1 = makeButton(this, "Button1", QStringLiteral("Добавить"));
    Button2 = makeButton(this, "Button2", QStringLiteral("Изменить"));
    Button3 = makeButton(this, "Button3", QStringLiteral("Удалить"));
    Button8 = makeButton(this, "Button8", QStringLiteral("Обновить"));
    Button5 = makeButton(this, "Button5", QStringLiteral("Ср.сд./хоз. работы"));
    Button4 = makeButton(this, "Button4", QStringLiteral("Выход"));
    ui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    ui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::on(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
    ui::on(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    ui::on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N21 = menuItem(PopupMenu1, "N21", QStringLiteral("Копия"), this, [this] { N21Click(); });
    Button1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Button1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(Button1->mapToGlobal(pos)); });

    auto* buttons = new QHBoxLayout();
    for (QPushButton* b : {Button1, Button2, Button3, Button8}) {
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    Button5->setMinimumWidth(150);
    Button4->setMinimumWidth(110);
    buttons->addWidget(Button5);
    buttons->addWidget(Button4);

    updtOK = new Command(DataModule6->ADO_DB);
    updtOK->setSql(QStringLiteral("update accounts_dep.smena set ok=:ok where id=:id"));

    CreateMainMenu();

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(MainMenu1);
    layout->addLayout(shifts);
    layout->addWidget(DBGrid2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::CreateMainMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    N2 = subMenu(this, "N2", QStringLiteral("Справочники"));
    N1 = menuItem(N2, "N1", QStringLiteral("Рабочие"), this, [this] { N1Click(); });
    N3 = menuItem(N2, "N3", QStringLiteral("Изделия"), this, [this] { N3Click(); });
    N4 = menuItem(N2, "N4", QStringLiteral("Цены"), this, [this] { N4Click(); });
    N6 = menuItem(N2, "N6", QStringLiteral("Операции"), this, [this] { N6Click(); });
    N8 = menuItem(N2, "N8", QStringLiteral("Ном. группы"), this, [this] { N8Click(); });
    MainMenu1->addMenu(N2);

    N11 = subMenu(this, "N11", QStringLiteral("Табель"));
    N9 = menuItem(N11, "N9", QStringLiteral("Табель сделка"), this, [this] { N9Click(); });
    N13 = menuItem(N11, "N13", QStringLiteral("Табель по сменам"), this, [this] { N13Click(); });
    N14 = subMenu(this, "N14", QStringLiteral("Табель хоз. работ"));
    N20 = menuItem(N14, "N20", QStringLiteral("По людям"), this, [this] { N20Click(); });
    N22 = menuItem(N14, "N22", QStringLiteral("По номенклатуре"), this, [this] { N22Click(); });
    N11->addMenu(N14);
    N15 = subMenu(this, "N15", QStringLiteral("Табель ср. сдельная"));
    N18 = menuItem(N15, "N18", QStringLiteral("По людям"), this, [this] { N18Click(); });
    N19 = menuItem(N15, "N19", QStringLiteral("По номенклатуре"), this, [this] { N19Click(); });
    N11->addMenu(N15);
    N17 = menuItem(N11, "N17", QStringLiteral("Общий табель"), this, [this] { N17Click(); });
    N23 = menuItem(N11, "N23", QStringLiteral("Общий табель ЗП"), this, [this] { N23Click(); });
    MainMenu1->addMenu(N11);

    N7 = subMenu(this, "N7", QStringLiteral("Отчеты"));
    N10 = menuItem(N7, "N10", QStringLiteral("Сводные отчеты"), this, [this] { N10Click(); });
    MainMenu1->addMenu(N7);

    N5 = MainMenu1->addAction(QStringLiteral("Выход"));
    N5->setObjectName(QStringLiteral("N5"));
    ui::on(N5, &QAction::triggered, this, [this] { N5Click(); });
}

QRadioButton* TForm1::ShiftButton(int shift) const
{
    switch (shift) {
    case 2: return RadioButton2;
    case 3: return RadioButton3;
    case 4: return RadioButton4;
    default: return RadioButton1;
    }
}

// ---------------------------------------------------------------------------------------------
// Date, shift and day off

void TForm1::FormActivate()
{
    // Every return to the journal starts again from today; the shift stays as chosen.
    const QDate today = appclock::today();
    DateT->setDate(today);
    if (isWeekend(today)) CBox1->setChecked(true);
    for (int shift = 1; shift <= 4; ++shift) DataModule6->SmenaQuery(shift)->setFiltered(false);
    ReopenJournal();
}

void TForm1::ReopenJournal()
{
    for (int shift = 1; shift <= 4; ++shift) {
        Query* q = DataModule6->SmenaQuery(shift);
        q->close();
        q->paramByName(QStringLiteral("data")).setValue(DateT->date());
        q->open();
    }
}

void TForm1::DateTChange()
{
    {
        ui::BusyCursor busy;
        ReopenJournal();
        CBox1->setChecked(isWeekend(DateT->date()));
    }
    DBGrid2->setFocus();
}

void TForm1::RadioButtonClick(int shift)
{
    if (!ShiftButton(shift)->isChecked()) return;
    // All four queries are open for the date: the grid only changes the one it shows.
    DBGrid2->setDataset(DataModule6->SmenaQuery(shift));
    for (int other = 1; other <= 4; ++other) markControl(ShiftButton(other), other == shift, kCurrentShiftColor);
    FShift = shift;
    FCurQuery = DataModule6->SmenaQuery(shift);
}

void TForm1::CBox1Click() { markControl(CBox1, CBox1->isChecked(), kDayOffColor); }

// ---------------------------------------------------------------------------------------------
// Records

void TForm1::Button1Click()
{
    FCurQuery = DataModule6->SmenaQuery(FShift);
    Form11->PrepareAdd(DateT->date());
    Form11->setCaption(QStringLiteral("Заведение новой позиции (11)"));
    Form11->Tag = 1;
    Form11->ShowModal();
}

void TForm1::N21Click()
{
    const TagReset reset(Form11);
    Form11->Tag = 3; // the editor saves a new record from a copy of the current one
    Button2Click();
}

void TForm1::Button2Click()
{
    FCurQuery = DataModule6->SmenaQuery(FShift);
    const int row = FCurQuery->recNo();
    if (FCurQuery->isEmpty()) return;
    Form11->setCaption(QStringLiteral("Изменение данных о позиции (11)"));
    if (Form11->Tag != 3) Form11->Tag = 2;

    Query* r = FCurQuery;
    auto field = [r](const char* name) { return r->fieldByName(QString::fromLatin1(name)); };
    Form11->FPrice = field("cena").asFloat();
    Form11->Edit7->setText(floatToStr(roundHalfEven(Form11->FPrice, 4)));
    Form11->Edit9->setText(floatToStr(roundHalfEven(field("kol_vo").asFloat() * Form11->FPrice, 4)));
    Form11->DTimeP->setDate(field("data").asDate());
    Form11->Edit1->setText(field("fio").asString().trimmed());
    const QString kind = field("vid").asString().trimmed();
    Form11->Edit2->setText(TForm11::OperationText(field("marka").asString(), kind, field("naimen").asInteger()));
    Form11->Edit8->clear(); // the base price is known again once an operation is chosen
    Form11->Edit1->setCursorPosition(0); // long texts show their beginning
    Form11->Edit2->setCursorPosition(0);
    Form11->Edit3->setText(field("kol_vo").asString().trimmed());
    Form11->Edit4->setText(field("brak").asString().trimmed());
    Form11->FWorkerId = field("w_id").asInteger();
    Form11->FItemId = field("i_id").asInteger();
    Form11->FOperId = field("o_id").asInteger();
    Form11->Edit6->setText(sqltext::integer(field("time").asInteger()));

    Query* oper = DataModule6->Oper;
    oper->setFilter(QStringLiteral("id=") + sqltext::integer(Form11->FOperId));
    oper->setFiltered(true);
    oper->open();
    oper->setFiltered(false);
    oper->close();

    const bool painting = TForm11::IsPainting(kind);
    Form11->Edit5->setEnabled(painting);
    Form11->Label6->setEnabled(painting);
    Form11->Edit5->setText(painting ? sqltext::integer(field("color").asInteger()) : QString());

    Form11->ShowModal();
    FCurQuery->setRecNo(row);
}

void TForm1::Button3Click()
{
    FCurQuery = DataModule6->SmenaQuery(FShift);
    const QString id = FCurQuery->fieldByName(QStringLiteral("id")).asString();
    if (id.isEmpty()) return;
    const bool yes = ui::messageBox(QStringLiteral("Удалить позицию из списка?"), QStringLiteral("Удаление"),
                                    ui::MB_ICONQUESTION | ui::MB_YESNO) == ui::IDYES;
    int worker = 0;
    QDate day;
    if (yes) {
        // The hours of the record's own day are recounted, even when the date box has been typed
        // into since the journal was read.
        worker = FCurQuery->fieldByName(QStringLiteral("w_id")).asInteger();
        day = FCurQuery->fieldByName(QStringLiteral("data")).asDate();
        DataModule6->DelSmena->setSql(QStringLiteral("delete from accounts_dep.smena where id=") + sqltext::integer(id.toLongLong()));
        DataModule6->DelSmena->execute();
    }
    FCurQuery->refresh();
    if (yes) RecountDayHours(worker, day, FShift, RecountMode::Delete);
}

void TForm1::Button8Click()
{
    ui::BusyCursor busy;
    for (int shift = 1; shift <= 4; ++shift) DataModule6->SmenaQuery(shift)->close();
    for (int shift = 1; shift <= 4; ++shift) DataModule6->SmenaQuery(shift)->open();
}

void TForm1::DBGrid2DblClick()
{
    if (FLoginCode == QLatin1String(logincodes::ShiftLeader)) return; // the shift leader does not accept work
    FCurQuery = DataModule6->SmenaQuery(FShift);
    if (FCurQuery->isEmpty()) return;
    const QString ok = FCurQuery->fieldByName(QStringLiteral("ok")).asString().trimmed();
    const bool accepted = ok == QStringLiteral("да") || ok == QStringLiteral("ok");
    updtOK->paramByName(QStringLiteral("ok")).setValue(accepted ? QStringLiteral("no") : QStringLiteral("ok"));
    updtOK->paramByName(QStringLiteral("id")).setValue(FCurQuery->fieldByName(QStringLiteral("id")).asInteger());
    updtOK->execute();
    const int row = FCurQuery->recNo();
    FCurQuery->refresh();
    FCurQuery->setRecNo(row);
}

void TForm1::DBGrid2DrawColumnCell(int recNo, const GridColumn& column, QStyleOptionViewItem& option)
{
    if (column.field != QLatin1String("ok")) return;
    const Dataset* ds = DBGrid2->dataset();
    const QString ok = ds->valueAt(recNo, ds->fieldIndex(QStringLiteral("ok"))).toString().trimmed();
    const QColor colour = ok == QStringLiteral("ok") || ok == QStringLiteral("да") ? kAcceptedColor : kNotAcceptedColor;
    option.font.setBold(true);
    option.palette.setColor(QPalette::Text, colour);
    option.palette.setColor(QPalette::HighlightedText, colour);
}

void TForm1::Button5Click()
{
    // Place of "Ср.сд./хоз. работы": it opens the auxiliary works list (TForm25) on the journal's
    // date, set into its DTPcker1, and shows it modally. That window is not part of this build yet,
    // so the button does nothing for now.
}

void TForm1::Button4Click() { close(); }

void TForm1::N5Click() { close(); }
