// The daily work journal against the test data: its window, activation and today's date, date and
// shift changes, the day-off box, preparing the shift record editor, delete with the hours recount,
// refresh, acceptance by double-click and its colours, the menu and the database's refusals.
#include "AppFixture.h"
#include "TestMain.h"
#include "core/Unit1.h"
#include "core/Unit11.h"
#include "core/Unit23.h"
#include "db/Unit6.h"
#include "platform/Clock.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Widgets.h"
#include "reports/Unit18.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace {

const QDate kSunday(2024, 5, 5);  // records 1-3 in shift 1 (record 4 'ta' in shift 2 is never listed)
const QDate kMonday(2024, 5, 6);  // record 5 in shift 1, record 9 in shift 2 (6 is null), 7 and 8 in overtime
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

// Logs in with the code and runs the body while the journal is shown; the journal then closes.
void inJournal(AppFixture& app, const std::function<void()>& body, const QString& code = "5829")
{
    app.script.onModal("Form1", [&](Form* journal) {
        body();
        journal->close();
    });
    Form23->Edit1->setText(code);
    Form23->Button1->click();
}

Query* shown() { return qobject_cast<Query*>(Form1->DBGrid2->dataset()); }

// Ids of the records the grid shows, in its order.
QList<int> shownIds()
{
    QList<int> ids;
    Dataset* q = Form1->DBGrid2->dataset();
    const int f = q->fieldIndex("id");
    for (int r = 1; r <= q->recordCount(); ++r) ids << q->valueAt(r, f).toInt();
    return ids;
}

void selectRecord(int id) { QVERIFY(shown()->locate("id", id)); }

QString okOf(FreshDatabase& db, int id)
{
    return db.scalar(QString("select ok from accounts_dep.smena where id=%1").arg(id)).toString();
}

QString hoursRow(FreshDatabase& db, int hTabelId)
{
    const ResultSet rs = db.exec(QString("select coalesce(d5::text, 'null'), coalesce(d6::text, 'null') from accounts_dep.h_tabel where id=%1").arg(hTabelId));
    if (rs.rows.isEmpty()) return "no row";
    return QString("d5=%1 d6=%2").arg(rs.rows[0][0].toString(), rs.rows[0][1].toString());
}

bool marked(QWidget* w, const QColor& colour)
{
    return w->font().bold() && w->palette().color(w->backgroundRole()) == colour && w->autoFillBackground();
}

bool plain(QWidget* w)
{
    return !w->font().bold() && w->palette().color(w->backgroundRole()) == QApplication::palette().color(QPalette::Window);
}

QStringList actionTexts(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions) out << (a->isSeparator() ? "-" : a->text());
    return out;
}

void doubleClickRow(int row)
{
    DataGrid* grid = Form1->DBGrid2;
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Sets a fixed record's price and quantity (for the editor's amounts).
void setPrice(FreshDatabase& db, int id, const QString& price, int quantity)
{
    db.exec(QString("update accounts_dep.smena set cena=%1, kol_vo=%2 where id=%3").arg(price).arg(quantity).arg(id));
}

} // namespace

class TestJournal : public QObject {
    Q_OBJECT
private slots:
    void init() { appclock::setToday(kSunday); }
    void cleanup() { appclock::setToday(QDate()); }

    void window()
    {
        AppFixture app;
        QCOMPARE(Form1->caption(), QString("Табель"));
        QCOMPARE(Form1->font().family(), QString("Tahoma"));
        QCOMPARE(Form1->layout()->sizeConstraint(), QLayout::SetFixedSize);
        QCOMPARE((QStringList{Form1->RadioButton1->text(), Form1->RadioButton2->text(), Form1->RadioButton3->text(),
                              Form1->RadioButton4->text()}),
                 (QStringList{"Смена №1", "Смена №2", "Смена №3", "Переработка"}));
        QVERIFY(Form1->RadioButton1->isChecked());
        QVERIFY(marked(Form1->RadioButton1, kGreen));
        QVERIFY(plain(Form1->RadioButton2) && plain(Form1->RadioButton3) && plain(Form1->RadioButton4));
        QCOMPARE(Form1->CBox1->text(), QString("Выходной"));
        QCOMPARE((QStringList{Form1->Button1->text(), Form1->Button2->text(), Form1->Button3->text(),
                              Form1->Button8->text(), Form1->Button5->text(), Form1->Button4->text()}),
                 (QStringList{"Добавить", "Изменить", "Удалить", "Обновить", "Ср.сд./хоз. работы", "Выход"}));
        QCOMPARE(actionTexts(Form1->PopupMenu1->actions()), QStringList{"Копия"});
        QCOMPARE(Form1->PopupMenu1->actions()[0], Form1->N21);
        QCOMPARE(Form1->Button1->contextMenuPolicy(), Qt::CustomContextMenu);
        emit Form1->Button1->customContextMenuRequested(QPoint(5, 5)); // right-click on "Добавить"
        QVERIFY(Form1->PopupMenu1->isVisible());
        Form1->PopupMenu1->hide();

        // Grid: the journal query of the shift, titles centred and bold, "prize" hidden.
        DataGrid* grid = Form1->DBGrid2;
        QCOMPARE(grid->dataset(), static_cast<Dataset*>(DataModule6->Smena1));
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
        QStringList layout;
        for (const GridColumn& c : grid->columns()) {
            QVERIFY(c.titleBold);
            QCOMPARE(c.titleAlignment, Qt::Alignment(Qt::AlignCenter));
            layout << QString("%1|%2|%3%4%5").arg(c.field, c.title).arg(c.width)
                          .arg(c.visible ? "" : "|hidden")
                          .arg(c.alignment == Qt::AlignCenter ? "|centred" : "");
        }
        QCOMPARE(layout, (QStringList{"fio|Фамилия И.О.|250", "marka|Марка изделия|260", "vid|Операция|155",
                                      "nmn|Вид|157", "color|Цвет|64|centred", "time|Часы|64", "kol_vo|Кол-во|57",
                                      "brak|Брак|49", "summa|Итого (р.)|78", "prize|Премия (%)|64|hidden",
                                      "ok|OK|37|centred", "vvod|Заведен|72|centred"}));

        // Main menu.
        QCOMPARE(actionTexts(Form1->MainMenu1->actions()), (QStringList{"Справочники", "Табель", "Отчеты", "Выход"}));
        QCOMPARE(Form1->MainMenu1->actions()[3], Form1->N5);
        QCOMPARE(actionTexts(Form1->N2->actions()), (QStringList{"Рабочие", "Изделия", "Цены", "Операции", "Ном. группы"}));
        QCOMPARE(Form1->N2->actions(), (QList<QAction*>{Form1->N1, Form1->N3, Form1->N4, Form1->N6, Form1->N8}));
        QCOMPARE(actionTexts(Form1->N11->actions()), (QStringList{"Табель сделка", "Табель по сменам", "Табель хоз. работ",
                                                                  "Табель ср. сдельная", "Общий табель", "Общий табель ЗП"}));
        QCOMPARE(Form1->N11->actions(), (QList<QAction*>{Form1->N9, Form1->N13, Form1->N14->menuAction(),
                                                         Form1->N15->menuAction(), Form1->N17, Form1->N23}));
        QCOMPARE(Form1->N14->actions(), (QList<QAction*>{Form1->N20, Form1->N22}));
        QCOMPARE(Form1->N15->actions(), (QList<QAction*>{Form1->N18, Form1->N19}));
        QCOMPARE(actionTexts(Form1->N14->actions()), (QStringList{"По людям", "По номенклатуре"}));
        QCOMPARE(actionTexts(Form1->N15->actions()), (QStringList{"По людям", "По номенклатуре"}));
        QCOMPARE(Form1->N7->actions(), QList<QAction*>{Form1->N10});
        QCOMPARE(Form1->N10->text(), QString("Сводные отчеты"));
    }

    void activation_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("dayOff");
        QTest::addColumn<QList<int>>("shift1");
        QTest::addColumn<int>("shift2");
        QTest::addColumn<int>("overtime");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("Sunday") << kSunday << true << QList<int>{1, 3, 2} << 0 << 0
                                << "Иванов Иван Иванович|СТ-100|РЕЗКА|Заготовки|0|8|10|0|200|ok|05.05.2024";
        QTest::newRow("Monday") << kMonday << false << QList<int>{5} << 1 << 2
                                << "Иванов Иван Иванович|ШК-10|РЕЗКА|Готовая продукция|0|8|3|0|120|no|06.05.2024";
        QTest::newRow("Saturday without records") << QDate(2024, 5, 11) << true << QList<int>{} << 0 << 0 << "";
    }
    void activation()
    {
        QFETCH(QDate, today);
        QFETCH(bool, dayOff);
        QFETCH(QList<int>, shift1);
        QFETCH(int, shift2);
        QFETCH(int, overtime);
        QFETCH(QString, firstRow);
        appclock::setToday(today);
        AppFixture app;
        DataModule6->Smena1->setFiltered(true); // filtering "i_id<>7777" is switched off on activation
        inJournal(app, [&] {
            QCOMPARE(Form1->DateT->date(), today);
            QCOMPARE(Form1->CBox1->isChecked(), dayOff);
            QCOMPARE(marked(Form1->CBox1, kRed), dayOff);
            QCOMPARE(shown(), DataModule6->Smena1);
            QVERIFY(!DataModule6->Smena1->filtered());
            // Shift 1 lists names in order (Иванов, Петрова twice); 'ta' and null marks are never listed.
            QCOMPARE(shownIds(), shift1);
            QCOMPARE(DataModule6->Smena2->recordCount(), shift2);
            QCOMPARE(DataModule6->Smena3->recordCount(), 0);
            QCOMPARE(DataModule6->Smena4->recordCount(), overtime);
            if (!shift1.isEmpty()) QCOMPARE(shown()->recNo(), 1);
            QStringList cells; // as shown: fixed-length texts without their trailing blanks
            for (int c = 0; c < Form1->DBGrid2->columnCount(); ++c) {
                if (Form1->DBGrid2->gridColumnVisible(c)) cells << Form1->DBGrid2->cellText(1, c);
            }
            QCOMPARE(shift1.isEmpty() ? QString() : cells.join('|'), firstRow);
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    void dateChange_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<bool>("dayOff");
        QTest::addColumn<QList<int>>("shift1");
        QTest::newRow("Monday by Enter") << kMonday << true << false << QList<int>{5};
        QTest::newRow("Monday from the calendar") << kMonday << false << false << QList<int>{5};
        QTest::newRow("Saturday") << QDate(2024, 5, 11) << true << true << QList<int>{};
        QTest::newRow("Sunday again") << kSunday << true << true << QList<int>{1, 3, 2};
    }
    void dateChange()
    {
        QFETCH(QDate, date);
        QFETCH(bool, byEnter);
        QFETCH(bool, dayOff);
        QFETCH(QList<int>, shift1);
        AppFixture app;
        inJournal(app, [&] {
            Form1->RadioButton4->setChecked(true);
            Form1->DateT->setDate(date);
            QCOMPARE(DataModule6->Smena4->recordCount(), 0); // nothing is read before the change is confirmed
            if (byEnter) QTest::keyClick(Form1->DateT, Qt::Key_Return);
            else emit Form1->DateT->closeUp();
            QCOMPARE(DataModule6->Smena1->recordCount(), int(shift1.size()));
            Form1->RadioButton1->setChecked(true);
            QCOMPARE(shownIds(), shift1);
            QCOMPARE(DataModule6->Smena4->recordCount(), date == kMonday ? 2 : 0);
            QCOMPARE(Form1->CBox1->isChecked(), dayOff);
            QCOMPARE(Form1->focusWidget(), static_cast<QWidget*>(Form1->DBGrid2));
            QCOMPARE(Form1->FShift, 1);
        });
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
    }

    void returningFromADialogGoesBackToToday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("chosen");
        QTest::addColumn<bool>("dayOffAfter");
        QTest::newRow("weekend day: the box is checked again") << kSunday << QDate(2024, 5, 8) << true;
        QTest::newRow("weekday: a checked box is never unchecked") << kMonday << QDate(2024, 5, 11) << true;
    }
    void returningFromADialogGoesBackToToday()
    {
        QFETCH(QDate, today);
        QFETCH(QDate, chosen);
        QFETCH(bool, dayOffAfter);
        appclock::setToday(today);
        AppFixture app;
        inJournal(app, [&] {
            Form1->RadioButton2->setChecked(true);
            Form1->DateT->setDate(chosen);
            QTest::keyClick(Form1->DateT, Qt::Key_Return);
            QCOMPARE(Form1->CBox1->isChecked(), chosen.dayOfWeek() >= 6);
            app.script.onModal("Form11", [](Form* editor) { editor->reject(); });
            Form1->Button1->click();
            QCOMPARE(Form1->DateT->date(), today);
            QCOMPARE(Form1->CBox1->isChecked(), dayOffAfter);
            QCOMPARE(DataModule6->Smena1->paramByName("data").value.toDate(), today);
            QCOMPARE(Form1->FShift, 2); // the shift stays as chosen
            QVERIFY(Form1->RadioButton2->isChecked());
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    void shiftChangeShowsTheOpenQuery()
    {
        appclock::setToday(kMonday);
        AppFixture app;
        inJournal(app, [&] {
            // A record entered elsewhere after the journal was read shows only after a re-read.
            app.db.exec("insert into accounts_dep.smena(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok) "
                        "values(5, 1, 1, 15, 1, 0, '06.05.2024', 4, 0, 1, '06.05.2024', 'no')");
            Form1->RadioButton4->click();
            QCOMPARE(Form1->FShift, 4);
            QCOMPARE(shown(), DataModule6->Smena4);
            QCOMPARE(shownIds(), (QList<int>{7, 8})); // Ёлкин before Иванов
            QVERIFY(marked(Form1->RadioButton4, kGreen));
            QVERIFY(plain(Form1->RadioButton1) && plain(Form1->RadioButton2) && plain(Form1->RadioButton3));
            // "Добавить" now prepares an overtime record.
            app.script.onModal("Form11", [](Form* editor) {
                QCOMPARE(Form1->FCurQuery, DataModule6->Smena4);
                editor->reject();
            });
            Form1->Button1->click();
            Form1->Button8->click();
            QCOMPARE(DataModule6->Smena4->recordCount(), 3);
            Form1->RadioButton2->click();
            QCOMPARE(Form1->FShift, 2);
            QCOMPARE(shownIds(), QList<int>{9});
            QVERIFY(marked(Form1->RadioButton2, kGreen) && plain(Form1->RadioButton4));
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    void dayOffBox()
    {
        appclock::setToday(kMonday);
        AppFixture app;
        inJournal(app, [&] {
            QVERIFY(plain(Form1->CBox1));
            Form1->CBox1->click();
            QVERIFY(marked(Form1->CBox1, kRed));
            Form1->CBox1->click();
            QVERIFY(plain(Form1->CBox1));
        });
    }

    void addPreparesAnEmptyEditor()
    {
        AppFixture app;
        for (QLineEdit* e : {Form11->Edit1, Form11->Edit2, Form11->Edit3, Form11->Edit4, Form11->Edit5, Form11->Edit6})
            e->setText("прежнее");
        Form11->Tag = 2;
        inJournal(app, [&] {
            app.script.onModal("Form11", [](Form* editor) {
                QCOMPARE(editor->Tag, 1);
                QCOMPARE(editor->caption(), QString("Заведение новой позиции (11)"));
                QCOMPARE(Form11->DTimeP->date(), kSunday);
                QCOMPARE((QStringList{Form11->Edit1->text(), Form11->Edit2->text(), Form11->Edit3->text(),
                                      Form11->Edit4->text(), Form11->Edit5->text(), Form11->Edit6->text()}),
                         (QStringList{"", "", "", "0", "", "0"}));
                editor->reject();
            });
            Form1->Button1->click();
            QCOMPARE(Form1->FCurQuery, DataModule6->Smena1);
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.modalShown, (QStringList{"Form1", "Form11"}));
    }

    void changeFillsTheEditor_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("texts"); // Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit9
        QTest::addColumn<bool>("painting");
        QTest::addColumn<QList<int>>("ids");    // FWorkerId, FItemId, FOperId
        QTest::newRow("painting record")
            << 2 << QStringList{"Петрова Анна Сергеевна", "СТ-200; ПОКРАСКА; Готовая продукция", "20", "1", "5", "4", "15", "300"}
            << true << QList<int>{2, 2, 3};
        QTest::newRow("blanks cutting")
            << 1 << QStringList{"Иванов Иван Иванович", "СТ-100; РЕЗКА; Заготовки", "10", "0", "", "8", "20", "200"}
            << false << QList<int>{1, 1, 1};
    }
    void changeFillsTheEditor()
    {
        QFETCH(int, id);
        QFETCH(QStringList, texts);
        QFETCH(bool, painting);
        QFETCH(QList<int>, ids);
        AppFixture app;
        Form11->Edit5->setEnabled(!painting);
        Form11->Edit5->setText("77");
        inJournal(app, [&] {
            selectRecord(id);
            const int row = shown()->recNo();
            app.script.onModal("Form11", [&](Form* editor) {
                QCOMPARE(editor->Tag, 2);
                QCOMPARE(editor->caption(), QString("Изменение данных о позиции (11)"));
                QCOMPARE((QStringList{Form11->Edit1->text(), Form11->Edit2->text(), Form11->Edit3->text(),
                                      Form11->Edit4->text(), Form11->Edit5->text(), Form11->Edit6->text(),
                                      Form11->Edit7->text(), Form11->Edit9->text()}),
                         texts);
                QCOMPARE(Form11->Edit5->isEnabled(), painting);
                QCOMPARE(Form11->Label6->isEnabled(), painting);
                QCOMPARE((QList<int>{Form11->FWorkerId, Form11->FItemId, Form11->FOperId}), ids);
                QCOMPARE(Form11->DTimeP->date(), kSunday);
                // The operations query was read for the record's operation and left closed, unfiltered.
                QVERIFY(!DataModule6->Oper->active());
                QVERIFY(!DataModule6->Oper->filtered());
                QCOMPARE(DataModule6->Oper->filter(), QString("id=%1").arg(ids[2]));
                editor->reject();
            });
            Form1->Button2->click();
            QCOMPARE(shown()->recNo(), row); // back on the record after the journal was read again
            QCOMPARE(Form1->FCurQuery, DataModule6->Smena1);
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.modalShown, (QStringList{"Form1", "Form11"}));
    }

    void changeRoundsThePriceHalfToEven()
    {
        AppFixture app;
        setPrice(app.db, 1, "12.34565", 3);
        inJournal(app, [&] {
            selectRecord(1);
            app.script.onModal("Form11", [](Form* editor) {
                QCOMPARE(Form11->FPrice, 12.34565);
                QCOMPARE(Form11->Edit7->text(), QString("12,3456"));
                QCOMPARE(Form11->Edit9->text(), QString("37,037")); // 37.03695
                editor->reject();
            });
            Form1->Button2->click();
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    void copyOpensTheEditorInCopyMode()
    {
        AppFixture app;
        inJournal(app, [&] {
            selectRecord(3);
            int tag = -1;
            app.script.onModal("Form11", [&](Form* editor) {
                tag = editor->Tag;
                QCOMPARE(editor->caption(), QString("Изменение данных о позиции (11)"));
                QCOMPARE(Form11->Edit3->text(), QString("10"));
                QCOMPARE(Form11->Edit5->text(), QString("1"));
                editor->reject();
            });
            Form1->N21->trigger();
            QCOMPARE(tag, 3);
            QCOMPARE(Form11->Tag, 0);
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    void recordActionsOnAnEmptyShiftDoNothing()
    {
        AppFixture app;
        inJournal(app, [&] {
            Form1->RadioButton3->click();
            Form1->Button2->click();
            Form1->N21->trigger();
            Form1->Button3->click();
            doubleClickRow(1);
            QCOMPARE(Form11->Tag, 0);
        });
        QCOMPARE(app.script.modalShown, QStringList{"Form1"});
        QVERIFY(app.script.messages.isEmpty());
        QVERIFY(app.script.errors.isEmpty());
    }

    void deleteAnsweredNoKeepsEverything()
    {
        AppFixture app;
        inJournal(app, [&] {
            selectRecord(2);
            QCOMPARE(shown()->recNo(), 3);
            Form1->Button3->click(); // the scripted user answers No
            QCOMPARE(shownIds(), (QList<int>{1, 3, 2}));
            QCOMPARE(shown()->recNo(), 1);
        });
        QCOMPARE(app.script.messages.size(), 1);
        QCOMPARE(app.script.messages[0].text, QString("Удалить позицию из списка?"));
        QCOMPARE(app.script.messages[0].caption, QString("Удаление"));
        QCOMPARE(app.script.messages[0].flags, 36);
        QCOMPARE(app.db.scalar("select count(*) from accounts_dep.smena").toInt(), 9);
        QCOMPARE(hoursRow(app.db, 2), QString("d5=8 d6=null"));
    }

    void deleteRecountsTheDay_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("hTabelId");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QList<int>>("left");
        QTest::newRow("one of two records of the day") << 2 << 2 << "d5=4 d6=null" << QList<int>{1, 3};
        QTest::newRow("the last record of the day") << 1 << 1 << "d5=null d6=8" << QList<int>{3, 2};
    }
    void deleteRecountsTheDay()
    {
        QFETCH(int, id);
        QFETCH(int, hTabelId);
        QFETCH(QString, hours);
        QFETCH(QList<int>, left);
        AppFixture app;
        inJournal(app, [&] {
            selectRecord(id);
            app.script.answer(ui::IDYES);
            Form1->Button3->click();
            QCOMPARE(shownIds(), left);
            QCOMPARE(shown()->recNo(), 1);
        });
        QCOMPARE(app.db.scalar(QString("select count(*) from accounts_dep.smena where id=%1").arg(id)).toInt(), 0);
        QCOMPARE(hoursRow(app.db, hTabelId), hours);
    }

    void deleteRecountsTheRecordsDayWhateverTheDateBoxSays()
    {
        AppFixture app;
        inJournal(app, [&] {
            selectRecord(2);
            Form1->DateT->setDate(kMonday); // typed, not yet confirmed: the grid still shows Sunday
            app.script.answer(ui::IDYES);
            Form1->Button3->click();
        });
        QCOMPARE(hoursRow(app.db, 2), QString("d5=4 d6=null"));
        QCOMPARE(app.db.scalar("select count(*) from accounts_dep.h_tabel where w_id=2 and smena=1").toInt(), 1);
    }

    void refreshReadsEveryShiftAgain()
    {
        AppFixture app;
        inJournal(app, [&] {
            for (int shift : {1, 3}) {
                app.db.exec(QString("insert into accounts_dep.smena(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok) "
                                    "values(5, 1, 1, 15, 1, 0, '05.05.2024', %1, 0, 1, '05.05.2024', 'no')").arg(shift));
            }
            QCOMPARE(DataModule6->Smena1->recordCount(), 3);
            Form1->Button8->click();
            QCOMPARE(shownIds(), (QList<int>{10, 1, 3, 2})); // Авдеев comes first
            QCOMPARE(DataModule6->Smena3->recordCount(), 1);
            QCOMPARE(DataModule6->Smena1->paramByName("data").value.toDate(), kSunday);
        });
    }

    void acceptanceToggles()
    {
        AppFixture app;
        inJournal(app, [&] {
            doubleClickRow(1); // record 1, "ok"
            QCOMPARE(okOf(app.db, 1), QString("no"));
            QCOMPARE(shown()->recNo(), 1);
            doubleClickRow(1);
            QCOMPARE(okOf(app.db, 1), QString("ok"));
            doubleClickRow(2); // record 3, "да"
            QCOMPARE(okOf(app.db, 3), QString("no"));
            QCOMPARE(shown()->recNo(), 2);
            QCOMPARE(Form1->DBGrid2->cellText(2, 10), QString("no"));
            doubleClickRow(3); // record 2, "no"
            QCOMPARE(okOf(app.db, 2), QString("ok"));
            QCOMPARE(shown()->recNo(), 3);
        });
        QVERIFY(app.script.messages.isEmpty());
    }

    void acceptanceByRole_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("ok");
        QTest::newRow("administrator") << "57316204" << "no";
        QTest::newRow("storekeeper") << "kordo" << "no";
        QTest::newRow("shift leader") << "vostrel" << "ok";
        QTest::newRow("planner (grid disabled)") << "planer" << "ok";
    }
    void acceptanceByRole()
    {
        QFETCH(QString, code);
        QFETCH(QString, ok);
        AppFixture app;
        inJournal(app, [&] { doubleClickRow(1); }, code);
        QCOMPARE(okOf(app.db, 1), ok);
        QVERIFY(app.script.errors.isEmpty());
    }

    void okColumnColours()
    {
        AppFixture app;
        inJournal(app, [&] {
            DataGrid* grid = Form1->DBGrid2;
            const GridColumn okColumn = grid->columns()[10];
            const GridColumn nameColumn = grid->columns()[0];
            const QList<QPair<int, QColor>> rows{{1, kGreen}, {2, kGreen}, {3, kRed}}; // ok, да, no
            for (const auto& [row, colour] : rows) {
                QStyleOptionViewItem option;
                option.palette = grid->palette();
                grid->drawHook()(row, okColumn, option);
                QVERIFY(option.font.bold());
                QCOMPARE(option.palette.color(QPalette::Text), colour);
                QCOMPARE(option.palette.color(QPalette::HighlightedText), colour);
                QCOMPARE(option.palette.color(QPalette::Base), grid->palette().color(QPalette::Base));
            }
            QStyleOptionViewItem other;
            other.palette = grid->palette();
            grid->drawHook()(1, nameColumn, other);
            QVERIFY(!other.font.bold());
            QCOMPARE(other.palette.color(QPalette::Text), grid->palette().color(QPalette::Text));
        });
    }

    void databaseErrorIsShownAndTheJournalGoesOn()
    {
        AppFixture app;
        app.db.exec("alter table accounts_dep.smena add constraint no_withdrawal check (ok <> 'no') not valid");
        inJournal(app, [&] {
            doubleClickRow(1);
            QCOMPARE(app.script.messages.size(), 1);
            QVERIFY2(app.script.messages[0].text.contains("no_withdrawal"), qPrintable(app.script.messages[0].text));
            QCOMPARE(app.script.messages[0].flags, 16);
            QCOMPARE(okOf(app.db, 1), QString("ok"));
            doubleClickRow(3); // record 2 "no" -> "ok" is allowed
            QCOMPARE(okOf(app.db, 2), QString("ok"));
        });
        QCOMPARE(app.script.messages.size(), 1);
        QCOMPARE(app.script.terminations, 1);
    }

    void leavingTheJournalEndsTheProgram_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Выход") << 0;
        QTest::newRow("menu Выход") << 1;
        QTest::newRow("Escape") << 2;
    }
    void leavingTheJournalEndsTheProgram()
    {
        QFETCH(int, how);
        AppFixture app;
        app.script.onModal("Form1", [&](Form*) {
            if (how == 0) Form1->Button4->click();
            if (how == 1) Form1->N5->trigger();
            if (how == 2) QTest::keyClick(Form1->DBGrid2, Qt::Key_Escape);
        });
        Form23->Edit1->setText("5829");
        Form23->Button1->click();
        QVERIFY(!Form1->isVisible());
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.terminations, 1);
    }

    void summaryReportsOpenOnThePreviousMonth_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("May") << kSunday << QDate(2024, 4, 1) << QDate(2024, 5, 1);
        QTest::newRow("January") << QDate(2024, 1, 31) << QDate(2023, 12, 1) << QDate(2024, 1, 1);
    }
    void summaryReportsOpenOnThePreviousMonth()
    {
        QFETCH(QDate, today);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        appclock::setToday(today);
        AppFixture app;
        inJournal(app, [&] {
            Form1->DateT->setDate(QDate(2022, 7, 15)); // the journal date plays no part
            app.script.onModal("Form18", [&](Form* reports) {
                QCOMPARE(Form18->DTPicker1->date(), from);
                QCOMPARE(Form18->DTPicker2->date(), to);
                QTest::keyClick(Form18->DTPicker1, Qt::Key_Escape); // "Выход" is the cancel button
            });
            Form1->N10->trigger();
            Form18->DTPicker1->setDate(QDate(2020, 1, 1));
            app.script.onModal("Form18", [&](Form* reports) {
                QCOMPARE(Form18->DTPicker1->date(), from); // preset again at every opening
                Form18->Button5->click();
                QVERIFY(!reports->isVisible());
            });
            Form1->N10->trigger();
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.modalShown, (QStringList{"Form1", "Form18", "Form18"}));
    }

    void summaryReportsWindow()
    {
        AppFixture app;
        QCOMPARE(Form18->caption(), QString("Отчеты (8)"));
        QCOMPARE(Form18->RadioGroup1->title(), QString("Вид продукции"));
        QCOMPARE(Form18->RadioGroup1->items(), (QStringList{"Все", "Готовая продукция", "Заготовки"}));
        QCOMPARE(Form18->RadioGroup1->itemIndex(), 0);
        QCOMPARE(Form18->GroupBox1->title(), QString("Период отбора"));
        QCOMPARE((QStringList{Form18->Label1->text(), Form18->Label2->text()}), (QStringList{"с", "по"}));
        QCOMPARE((QStringList{Form18->Button4->text(), Form18->Button2->text(), Form18->Button1->text(),
                              Form18->Button3->text(), Form18->Button6->text(), Form18->Button5->text()}),
                 (QStringList{"Отчет по рабочим", "Отчет по продукции", "Детальный отчет по рабочим",
                              "Детальный отчет по продукции", "Excel (0 из 0)", "Выход"}));
        // Top to bottom in that order.
        Form18->show();
        QVERIFY(Form18->Button4->y() < Form18->Button2->y() && Form18->Button2->y() < Form18->Button1->y()
                && Form18->Button1->y() < Form18->Button3->y() && Form18->Button3->y() < Form18->Button6->y()
                && Form18->Button6->y() < Form18->Button5->y());
        Form18->hide();
        Form18->RadioGroup1->setItemIndex(2);
        QCOMPARE(Form18->RadioGroup1->itemIndex(), 2);
        Form18->RadioGroup1->setItemIndex(-1);
        QCOMPARE(Form18->RadioGroup1->itemIndex(), -1);
    }
};

VARNEK_TEST_MAIN(TestJournal)
#include "test_journal.moc"
