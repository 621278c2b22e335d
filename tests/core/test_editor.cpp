// The shift record editor through the real windows: add, copy and change with the pickers, the
// duplicate key with colours, the hours grid of the days a record goes to and leaves, the price
// written with a point, numbers the columns cannot hold, the database's refusals, and the whole
// entry path walked with keyboard and mouse.
#include "AppFixture.h"
#include "TestMain.h"
#include "core/Unit1.h"
#include "core/Unit11.h"
#include "core/Unit23.h"
#include "db/Unit6.h"
#include "platform/Clock.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Widgets.h"
#include "reference/Unit4.h"
#include "reference/Unit5.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace {

const QDate kSunday(2024, 5, 5);  // shift 1: records 1 (Иванов, 8 h), 2 and 3 (Петрова, ПОКРАСКА, colours 5 and 1, 4 h each)
const QDate kMonday(2024, 5, 6);  // shift 1: record 5 (Иванов, 8 h)

// Logs in and runs the body while the journal is shown; the journal then closes.
void inJournal(AppFixture& app, const std::function<void()>& body)
{
    app.script.onModal("Form1", [&](Form* journal) {
        body();
        journal->close();
    });
    Form23->Edit1->setText("5829");
    Form23->Button1->click();
}

// Runs the action in the editor opened by a journal action.
void inEditor(AppFixture& app, const std::function<void()>& open, const std::function<void(Form*)>& action)
{
    app.script.onModal("Form11", [action](Form* editor) {
        action(editor);
        if (editor->isVisible()) editor->reject();
    });
    open();
}

void chooseWorker(AppFixture& app, const QString& fio)
{
    app.script.onModal("Form5", [fio](Form*) {
        QVERIFY(DataModule6->Workers->locate("fio", fio));
        Form5->Button2->click();
    });
    Form11->Button3->click();
}

void chooseOperation(AppFixture& app, int id)
{
    app.script.onModal("Form4", [id](Form*) {
        QVERIFY(DataModule6->Oper->locate("id", id));
        Form4->Button2->click();
    });
    Form11->Button4->click();
}

// Replaces a box's text as a user does: select everything, then type.
void retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    ui::typeText(box, text);
}

void selectRecord(int id) { QVERIFY(Form1->FCurQuery->locate("id", id)); }

// A shift record as "worker item operation price quantity defects date shift colour hours entered ok bonus".
QString record(FreshDatabase& db, int id)
{
    const ResultSet rs = db.exec(QString("select w_id, i_id, o_id, cena, kol_vo, brak, to_char(data, 'DD.MM.YYYY'), smena, color, "
                                         "time, to_char(vvod, 'DD.MM.YYYY'), ok, prize from accounts_dep.smena where id=%1").arg(id));
    if (rs.rows.isEmpty()) return "none";
    QStringList cells;
    for (const QVariant& v : rs.rows[0]) cells << v.toString().trimmed();
    return cells.join(' ');
}

int records(FreshDatabase& db) { return db.scalar("select count(*) from accounts_dep.smena").toInt(); }

// Day cells of a worker's shift row in May 2024, "d4=.. d5=.. d6=.. d7=..", or "no row".
QString hours(FreshDatabase& db, int worker, int shift)
{
    const ResultSet rs = db.exec(QString("select coalesce(d4::text, 'null'), coalesce(d5::text, 'null'), coalesce(d6::text, 'null'), "
                                         "coalesce(d7::text, 'null') from accounts_dep.h_tabel where w_id=%1 and smena=%2 "
                                         "and month=5 and year=2024").arg(worker).arg(shift));
    if (rs.rows.isEmpty()) return "no row";
    QStringList rows;
    for (const auto& r : rs.rows) rows << QString("d4=%1 d5=%2 d6=%3 d7=%4").arg(r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString());
    return rows.join("; ");
}

QList<int> shownIds()
{
    QList<int> ids;
    Dataset* q = Form1->DBGrid2->dataset();
    for (int r = 1; r <= q->recordCount(); ++r) ids << q->valueAt(r, q->fieldIndex("id")).toInt();
    return ids;
}

QStringList boxes()
{
    QStringList out;
    for (QLineEdit* e : {Form11->Edit1, Form11->Edit2, Form11->Edit3, Form11->Edit4, Form11->Edit5, Form11->Edit6,
                         Form11->Edit7, Form11->Edit8, Form11->Edit9})
        out << e->text();
    return out;
}

// The window comes to the front and takes the keyboard, as it does for a user.
void activate(QWidget* w)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

QWidget* focused() { return QApplication::focusWidget(); }

} // namespace

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void init() { appclock::setToday(kMonday); }
    void cleanup() { appclock::setToday(QDate()); }

    // Add with both pickers: one new record, not accepted, in the journal's shift, 8 more hours in
    // the grid; the same add again is refused as a duplicate.
    void addAndTheSameAddAgain()
    {
        AppFixture app;
        DataModule6->H_Tabel_1->paramByName("mnth").setValue(5);
        DataModule6->H_Tabel_1->paramByName("yea").setValue(2024);
        DataModule6->H_Tabel_1->paramByName("date1").setValue(QDate(2024, 5, 1));
        DataModule6->H_Tabel_1->paramByName("date2").setValue(QDate(2024, 6, 1));
        // What a previous use left behind is not offered to the new record.
        Form11->FWorkerId = 3;
        Form11->FOperId = 3;
        Form11->FPrice = 99;
        for (QLineEdit* e : {Form11->Edit7, Form11->Edit8, Form11->Edit9}) e->setText("99");
        Form11->Edit5->setEnabled(true);
        inJournal(app, [&] {
            DataModule6->H_Tabel_1->open();
            for (int attempt = 1; attempt <= 2; ++attempt) {
                inEditor(app, [] { Form1->Button1->click(); }, [&](Form* editor) {
                    QCOMPARE(editor->Tag, 1);
                    QCOMPARE(boxes(), (QStringList{"", "", "", "0", "", "0", "", "", ""}));
                    QCOMPARE((QList<double>{double(Form11->FWorkerId), double(Form11->FOperId), double(Form11->FItemId), Form11->FPrice}),
                             (QList<double>{0, 0, 0, 0}));
                    QVERIFY(!Form11->Edit5->isEnabled() && !Form11->Label6->isEnabled());
                    QCOMPARE(editor->focusWidget(), Form11->Button3);
                    app.script.onModal("Form5", [](Form* picker) {
                        // The worker list as picker.
                        QCOMPARE(picker->Tag, 1);
                        QCOMPARE(Form5->Button2->text(), QString("Выбрать"));
                        QVERIFY(Form5->Button2->isDefault() && !Form5->Button2->isHidden());
                        QVERIFY(Form5->Button1->isHidden() && Form5->Button3->isHidden());
                        QVERIFY(!Form5->Edit1->isHidden() && Form5->Edit1->text().isEmpty());
                        QVERIFY(DataModule6->Workers->active());
                        QVERIFY(DataModule6->Workers->locate("id", 1));
                        Form5->Button2->click();
                    });
                    Form11->Button3->click();
                    QVERIFY(!DataModule6->Workers->active());
                    QCOMPARE(Form11->Edit1->text(), QString("Иванов Иван Иванович"));
                    QCOMPARE(Form11->FWorkerId, 1);
                    chooseOperation(app, 2); // СТ-100 СВАРКА, 25 a piece
                    QCOMPARE(Form11->Edit2->text(), QString("СТ-100; СВАРКА; Готовая продукция"));
                    QVERIFY(!Form11->Edit5->isEnabled());
                    retype(Form11->Edit3, "10");
                    retype(Form11->Edit6, "8");
                    Form11->Button1->click();
                    QCOMPARE(editor->isVisible(), attempt == 2);
                });
            }
            QCOMPARE(shownIds(), (QList<int>{10, 5}));
            QCOMPARE(Form1->FCurQuery->recNo(), 1);
            QVERIFY(!DataModule6->H_Tabel_1->active());
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(record(app.db, 10), QString("1 1 2 25 10 0 06.05.2024 1 0 8 06.05.2024 no 0"));
        QCOMPARE(records(app.db), 10);
        QCOMPARE(hours(app.db, 1, 1), QString("d4=null d5=8 d6=16 d7=null"));
        QCOMPARE(app.script.messageTexts(), QStringList{"Позиция с такими параметрами уже заведена!"});
        QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
        QCOMPARE(app.script.messages[0].flags, 16);
        QCOMPARE(Form11->SmenaIU->sql(),
                 QString("insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, "
                         "prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(1, 1, 2, 25,10, 0, "
                         "to_date('06.05.2024', 'DD.MM.YYYY HH24:MI:SS'), 1, 0, 8, '06.05.2024', 'no', 0, 0, 0, 0, 0, 0)"));
    }

    // A painting operation opens the colour box; the colour is part of the key, so the same work may
    // be entered once per colour.
    void paintingColours_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("message");
        QTest::newRow("no colour") << "" << "Все поля должны быть заполнены!";
        QTest::newRow("a colour already entered") << "5" << "Позиция с такими параметрами уже заведена!";
        QTest::newRow("another colour") << "7" << "";
    }
    void paintingColours()
    {
        QFETCH(QString, colour);
        QFETCH(QString, message);
        appclock::setToday(kSunday);
        AppFixture app;
        inJournal(app, [&] {
            inEditor(app, [] { Form1->Button1->click(); }, [&](Form* editor) {
                chooseWorker(app, "Петрова Анна Сергеевна");
                chooseOperation(app, 3); // СТ-200 ПОКРАСКА
                QVERIFY(Form11->Edit5->isEnabled() && Form11->Label6->isEnabled());
                retype(Form11->Edit3, "6");
                retype(Form11->Edit6, "4");
                ui::typeText(Form11->Edit5, colour);
                Form11->Button1->click();
                QCOMPARE(editor->isVisible(), !message.isEmpty());
                if (!message.isEmpty()) QCOMPARE(Form11->Edit5->text(), colour); // the editor keeps its contents
                // A non-painting operation closes and clears the colour box again.
                if (editor->isVisible()) {
                    chooseOperation(app, 2);
                    QVERIFY(!Form11->Edit5->isEnabled() && !Form11->Label6->isEnabled());
                    QCOMPARE(Form11->Edit5->text(), QString());
                }
            });
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(records(app.db), message.isEmpty() ? 10 : 9);
        if (message.isEmpty()) QCOMPARE(record(app.db, 10), QString("2 2 3 15 6 0 05.05.2024 1 7 4 05.05.2024 no 0"));
        QCOMPARE(hours(app.db, 2, 1), message.isEmpty() ? QString("d4=null d5=12 d6=null d7=null") : QString("d4=null d5=8 d6=null d7=null"));
    }

    // A copy saved unchanged, or with other hours only, is the same record again; on another date it
    // is a second record, and the grid counts it on that day.
    void copy()
    {
        appclock::setToday(kSunday);
        AppFixture app;
        inJournal(app, [&] {
            selectRecord(1);
            inEditor(app, [] { Form1->N21->trigger(); }, [&](Form* editor) {
                QCOMPARE(editor->Tag, 3);
                Form11->Button1->click();
                retype(Form11->Edit6, "4");
                Form11->Button1->click();
                QVERIFY(editor->isVisible());
                Form11->DTimeP->setDate(QDate(2024, 5, 4));
                Form11->Button1->click();
                QVERIFY(!editor->isVisible());
            });
            QCOMPARE(Form11->Tag, 0);
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messageTexts(), (QStringList{"Позиция с такими параметрами уже заведена!",
                                                         "Позиция с такими параметрами уже заведена!"}));
        QCOMPARE(record(app.db, 10), QString("1 1 1 20 10 0 04.05.2024 1 0 4 05.05.2024 no 0"));
        QCOMPARE(record(app.db, 1), QString("1 1 1 20 10 0 05.05.2024 1 0 8 05.05.2024 ok 0"));
        QCOMPARE(hours(app.db, 1, 1), QString("d4=4 d5=8 d6=8 d7=null"));
    }

    // A record moved to another day is counted on the new day and no longer on the day it left,
    // which keeps the hours of the records still there (or is emptied).
    void changeMovesARecord_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QList<int>>("left");
        QTest::newRow("one of two records of the day") << 2 << kMonday << "2 2 3 15 20 1 06.05.2024 1 5 4 05.05.2024 no 0"
                                                       << "d4=null d5=4 d6=4 d7=null" << QList<int>{1, 3};
        QTest::newRow("the only record of the day") << 1 << QDate(2024, 5, 7) << "1 1 1 20 10 0 07.05.2024 1 0 8 05.05.2024 ok 0"
                                                    << "d4=null d5=null d6=8 d7=8" << QList<int>{3, 2};
    }
    void changeMovesARecord()
    {
        QFETCH(int, id);
        QFETCH(QDate, date);
        QFETCH(QString, stored);
        QFETCH(QString, grid);
        QFETCH(QList<int>, left);
        appclock::setToday(kSunday);
        AppFixture app;
        const int worker = id == 1 ? 1 : 2;
        inJournal(app, [&] {
            selectRecord(id);
            inEditor(app, [] { Form1->Button2->click(); }, [&](Form* editor) {
                QCOMPARE(editor->Tag, 2);
                Form11->DTimeP->setDate(date);
                Form11->Button1->click();
                QVERIFY(!editor->isVisible());
                QCOMPARE(boxes(), QStringList(9, QString()));
            });
            QCOMPARE(shownIds(), left);
        });
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
        QCOMPARE(record(app.db, id), stored); // acceptance kept, entered today
        QCOMPARE(hours(app.db, worker, 1), grid);
        QCOMPARE(records(app.db), 9);
    }

    // The price goes into the statement rounded to 4 decimals with a point, whatever the separator.
    void priceIsWrittenWithAPoint()
    {
        appclock::setToday(kSunday);
        AppFixture app;
        FormatSettings::current().decimalSeparator = ',';
        app.db.exec("update accounts_dep.smena set cena=12.34567 where id=1");
        inJournal(app, [&] {
            selectRecord(1);
            inEditor(app, [] { Form1->Button2->click(); }, [&](Form*) {
                QCOMPARE(Form11->Edit7->text(), QString("12,3457"));
                Form11->Button1->click();
            });
        });
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(Form11->SmenaIU->sql().contains("cena=12.3457, kol_vo=10,"));
        QCOMPARE(app.db.scalar("select cena from accounts_dep.smena where id=1").toDouble(), 12.3457);
    }

    // Numbers the columns cannot hold, and more defects than pieces, are refused with a clear message;
    // the editor keeps its contents and nothing is written.
    void numbersRefused_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("box"); // 3 quantity, 4 defects, 5 colour, 6 hours
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("quantity too big") << 1 << 3 << "2147483648" << "В поле \"Кол-во\" должно быть целое число от 0 до 2147483647!";
        QTest::newRow("defects far too big") << 1 << 4 << "99999999999999999999" << "В поле \"Брак\" должно быть целое число от 0 до 2147483647!";
        QTest::newRow("hours too big") << 1 << 6 << "3000000000" << "В поле \"Время\" должно быть целое число от 0 до 2147483647!";
        QTest::newRow("colour too big") << 2 << 5 << "4294967296" << "В поле \"Цвет\" должно быть целое число от 0 до 2147483647!";
        QTest::newRow("more defects than pieces") << 1 << 4 << "11" << "Брак не может быть больше количества!";
        QTest::newRow("no quantity") << 1 << 3 << "" << "Все поля должны быть заполнены!";
        QTest::newRow("no hours") << 1 << 6 << " " << "Все поля должны быть заполнены!";
    }
    void numbersRefused()
    {
        QFETCH(int, id);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        appclock::setToday(kSunday);
        AppFixture app;
        const QString before = record(app.db, id);
        inJournal(app, [&] {
            selectRecord(id);
            inEditor(app, [] { Form1->Button2->click(); }, [&](Form* editor) {
                QLineEdit* e = box == 3 ? Form11->Edit3 : box == 4 ? Form11->Edit4 : box == 5 ? Form11->Edit5 : Form11->Edit6;
                e->setText(typed);
                Form11->Button1->click();
                QVERIFY(editor->isVisible());
                QCOMPARE(e->text(), typed);
            });
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messageTexts(), QStringList{message});
        QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
        QCOMPARE(app.script.messages[0].flags, 16);
        QCOMPARE(record(app.db, id), before);
    }

    // Leaving the quantity or the hours fills an emptied box with 0 and recomputes the amount.
    void amountsOnLeavingABox()
    {
        appclock::setToday(kSunday);
        AppFixture app;
        inJournal(app, [&] {
            selectRecord(2); // 20 pieces at 15
            inEditor(app, [] { Form1->Button2->click(); }, [&](Form* editor) {
                activate(editor);
                QCOMPARE(Form11->Edit9->text(), QString("300"));
                Form11->Edit3->setFocus();
                retype(Form11->Edit3, "");
                QTest::keyClick(Form11->Edit3, Qt::Key_Tab);
                QCOMPARE(focused(), Form11->Edit6);
                QCOMPARE(Form11->Edit3->text(), QString("0"));
                QCOMPARE(Form11->Edit9->text(), QString("0"));
                QCOMPARE(Form11->Edit8->text(), QString("0")); // no operation chosen in this opening
                retype(Form11->Edit3, "3");
                retype(Form11->Edit6, "");
                QTest::keyClick(Form11->Edit6, Qt::Key_Tab);
                QCOMPARE(Form11->Edit6->text(), QString("0"));
                QCOMPARE(Form11->Edit9->text(), QString("45"));
                QCOMPARE(Form11->Edit7->text(), QString("15"));
            });
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    // A refusal of the database during the save (here the day's hours no longer fit the grid's cell)
    // is shown with its text and leaves records and hours as they were.
    void databaseRefusalLeavesEverything()
    {
        appclock::setToday(kSunday);
        AppFixture app;
        app.db.exec("update accounts_dep.smena set time=2000000000 where id=3");
        const QString before = record(app.db, 2);
        inJournal(app, [&] {
            selectRecord(2);
            inEditor(app, [] { Form1->Button2->click(); }, [&](Form* editor) {
                retype(Form11->Edit6, "2000000000");
                Form11->Button1->click();
                QVERIFY(editor->isVisible());
            });
            QCOMPARE(shownIds(), (QList<int>{1, 3, 2}));
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messages.size(), 1);
        QCOMPARE(app.script.messages[0].flags, 16);
        QVERIFY2(app.script.messages[0].text.contains("4000000000"), qPrintable(app.script.messages[0].text));
        QCOMPARE(record(app.db, 2), before);
        QCOMPARE(hours(app.db, 2, 1), QString("d4=null d5=8 d6=null d7=null"));
        QCOMPARE(app.db.scalar("select count(*) from accounts_dep.h_tabel").toInt(), 8);
    }

    // A record deleted at another workstation while it was being changed is not written over another
    // one: the user is told, and the editor closes.
    void recordDeletedElsewhere()
    {
        appclock::setToday(kSunday);
        AppFixture app;
        inJournal(app, [&] {
            selectRecord(2);
            inEditor(app, [] { Form1->Button2->click(); }, [&](Form* editor) {
                app.db.exec("delete from accounts_dep.smena where id=2");
                Form11->Button1->click();
                QVERIFY(!editor->isVisible());
            });
            QCOMPARE(shownIds(), (QList<int>{1, 3}));
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messageTexts(), QStringList{"Позиция не найдена: она удалена на другом рабочем месте."});
        QCOMPARE(record(app.db, 1), QString("1 1 1 20 10 0 05.05.2024 1 0 8 05.05.2024 ok 0"));
        QCOMPARE(record(app.db, 3), QString("2 2 3 15 10 0 05.05.2024 1 1 4 05.05.2024 да 0"));
        QCOMPARE(records(app.db), 8);
    }

    // The whole path as a user walks it, by keyboard and mouse only: log in, "Добавить", the worker by
    // a click in its box, the operation by keyboard, quantity, hours and defects by Tab and typing,
    // Enter to save; accept by double-click; change the record; copy it to the day before through the
    // right-click menu; "Добавить" again and leave by Escape.
    void walkTheEntryPathByKeyboardAndMouse()
    {
        AppFixture app;
        app.script.onModal("Form1", [&](Form* journal) {
            activate(journal);
            // Add.
            app.script.onModal("Form11", [&](Form* editor) {
                activate(editor);
                QCOMPARE(focused(), Form11->Button3);
                app.script.onModal("Form5", [&](Form* picker) {
                    activate(picker);
                    QCOMPARE(focused(), Form5->Edit1);
                    QTest::keyClick(Form5->Edit1, Qt::Key_Down);
                    QTest::keyClick(Form5->Edit1, Qt::Key_Down);
                    QTest::keyClick(Form5->Edit1, Qt::Key_Down);
                    QTest::keyClick(Form5->Edit1, Qt::Key_Up); // Авдеев, Ёлкин, Иванов
                    QTest::keyClick(Form5->Edit1, Qt::Key_Return);
                });
                QTest::mouseClick(Form11->Edit1, Qt::LeftButton);
                QCOMPARE(Form11->Edit1->text(), QString("Иванов Иван Иванович"));
                activate(editor);
                QCOMPARE(focused(), Form11->Button3);
                QTest::keyClick(focused(), Qt::Key_Tab);
                QCOMPARE(focused(), Form11->Button4);
                app.script.onModal("Form4", [&](Form* picker) {
                    activate(picker);
                    QCOMPARE(focused(), Form4->Edit1);
                    ui::typeText(Form4->Edit1, "100");
                    QTest::keyClick(Form4->Edit1, Qt::Key_Down); // СТ-100 РЕЗКА, then СВАРКА
                    QTest::keyClick(Form4->Edit1, Qt::Key_Return);
                });
                QTest::keyClick(focused(), Qt::Key_Return);
                QCOMPARE(Form11->Edit2->text(), QString("СТ-100; СВАРКА; Готовая продукция"));
                activate(editor);
                QTest::keyClick(focused(), Qt::Key_Tab);
                QTest::keyClick(focused(), Qt::Key_Tab);
                QCOMPARE(focused(), Form11->Edit3);
                ui::typeText(focused(), "12");
                QTest::keyClick(focused(), Qt::Key_Tab);
                QCOMPARE(Form11->Edit9->text(), QString("300"));
                QCOMPARE(focused(), Form11->Edit6);
                ui::typeText(focused(), "8"); // Tab selected the "0"
                QTest::keyClick(focused(), Qt::Key_Tab);
                QCOMPARE(focused(), Form11->DTimeP); // the colour box is closed for welding
                QTest::keyClick(focused(), Qt::Key_Tab);
                QCOMPARE(focused(), Form11->Edit4);
                ui::typeText(focused(), "2");
                QTest::keyClick(focused(), Qt::Key_Return);
                QVERIFY(!editor->isVisible());
            });
            QTest::mouseClick(Form1->Button1, Qt::LeftButton);
            QCOMPARE(shownIds(), (QList<int>{10, 5}));
            QCOMPARE(record(app.db, 10), QString("1 1 2 25 12 2 06.05.2024 1 0 8 06.05.2024 no 0"));
            QCOMPARE(hours(app.db, 1, 1), QString("d4=null d5=8 d6=16 d7=null"));

            // Accept it.
            DataGrid* grid = Form1->DBGrid2;
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 0)).center());
            QCOMPARE(record(app.db, 10).section(' ', 11, 11), QString("ok"));

            // Change it: 15 pieces in 6 hours.
            app.script.onModal("Form11", [&](Form* editor) {
                activate(editor);
                QTest::keyClick(focused(), Qt::Key_Tab);
                QTest::keyClick(focused(), Qt::Key_Tab);
                ui::typeText(focused(), "15");
                QTest::keyClick(focused(), Qt::Key_Tab);
                ui::typeText(focused(), "6");
                QTest::keyClick(focused(), Qt::Key_Return);
                QVERIFY(!editor->isVisible());
            });
            QTest::mouseClick(Form1->Button2, Qt::LeftButton);
            QCOMPARE(record(app.db, 10), QString("1 1 2 25 15 2 06.05.2024 1 0 6 06.05.2024 ok 0"));
            QCOMPARE(hours(app.db, 1, 1), QString("d4=null d5=8 d6=14 d7=null"));

            // Copy it to the day before: the right-click menu of "Добавить", then the date by Down.
            app.script.onModal("Form11", [&](Form* editor) {
                activate(editor);
                for (int i = 0; i < 4; ++i) QTest::keyClick(focused(), Qt::Key_Tab);
                QCOMPARE(focused(), Form11->DTimeP);
                QTest::keyClick(focused(), Qt::Key_Down);
                QCOMPARE(Form11->DTimeP->date(), kSunday);
                QTest::keyClick(focused(), Qt::Key_Return);
                QVERIFY(!editor->isVisible());
            });
            // A right-click reaches a widget as the press and the context menu event the window system
            // makes of it (Qt Test sends only the press to a widget).
            QTest::mouseClick(Form1->Button1, Qt::RightButton);
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), Form1->Button1->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(Form1->Button1, &rightClick);
            QVERIFY(Form1->PopupMenu1->isVisible());
            QTest::keyClick(Form1->PopupMenu1, Qt::Key_Down);
            QTest::keyClick(Form1->PopupMenu1, Qt::Key_Return);
            QCOMPARE(app.script.modalShown.count("Form11"), 3);
            QCOMPARE(record(app.db, 11), QString("1 1 2 25 15 2 05.05.2024 1 0 6 06.05.2024 no 0"));
            QCOMPARE(hours(app.db, 1, 1), QString("d4=null d5=14 d6=14 d7=null"));

            // "Добавить" and Escape: nothing is written.
            app.script.onModal("Form11", [&](Form* editor) {
                activate(editor);
                QTest::keyClick(focused(), Qt::Key_Escape);
                QVERIFY(!editor->isVisible());
            });
            QTest::mouseClick(Form1->Button1, Qt::LeftButton);
            QTest::keyClick(Form1->DBGrid2, Qt::Key_Escape);
        });
        activate(Form23);
        ui::typeText(Form23->Edit1, "5829");
        QTest::keyClick(Form23->Edit1, Qt::Key_Return);
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY2(app.script.messages.isEmpty(), qPrintable(app.script.messageTexts().join("; ")));
        QCOMPARE(records(app.db), 11);
        QCOMPARE(app.script.modalShown, (QStringList{"Form1", "Form11", "Form5", "Form4", "Form11", "Form11", "Form11"}));
    }
};

VARNEK_TEST_MAIN(TestEditor)
#include "test_editor.moc"
