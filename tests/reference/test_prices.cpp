// The prices list and the operation editor: the list from the menu, its search and keys, add,
// change and delete of operations with their refusals, the reserved operations, the norms by
// double-click, the export read back from the written workbook, and the operation picker of the
// shift record editor with its raised prices.
#include "AppFixture.h"
#include "RefTest.h"
#include "TestMain.h"
#include "XlsxReadBack.h"
#include "core/Unit1.h"
#include "core/Unit11.h"
#include "core/Unit23.h"
#include "db/Unit6.h"
#include "platform/Clock.h"
#include "platform/sheet/Sheet.h"
#include "platform/ui/DataGrid.h"
#include "reference/Unit10.h"
#include "reference/Unit22.h"
#include "reference/Unit3.h"
#include "reference/Unit4.h"
#include "reference/Unit8.h"
#include "reports/ExcelLink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using reftest::shown;

namespace {

const QDate kSunday(2024, 5, 5);
const QDate kMonday(2024, 5, 6);

Query* oper() { return DataModule6->Oper; }

// The list as "{mark}|{kind}|{product kind}|{lowest price}|{norms}" per row.
QStringList rows()
{
    QStringList out;
    Dataset* ds = oper();
    for (int r = 1; r <= ds->recordCount(); ++r) {
        QStringList cells;
        for (int c : {0, 2, 4, 3, 8}) cells << Form4->DBGrid1->cellText(r, c).trimmed();
        out << cells.join('|');
    }
    return out;
}

const QStringList kAll{"СРЕДНЕСДЕЛЬНАЯ|СРЕДНЕСДЕЛЬНАЯ|Готовая продукция|0|1",
                       "СТ-100|РЕЗКА|Заготовки|10|2",
                       "СТ-100|СВАРКА|Готовая продукция|25|1",
                       "СТ-200|ПОКРАСКА|Готовая продукция|7,5|3",
                       "ХОЗ. РАБОТЫ|ХОЗ. РАБОТЫ|Готовая продукция|150|1",
                       "ШК-10|РЕЗКА|Готовая продукция|40|1"};

// Opens the list from the journal's menu and runs the action in it; the list is then closed.
void inList(AppFixture& app, const std::function<void(Form*)>& action)
{
    app.script.onModal("Form4", [action](Form* f) {
        action(f);
        if (f->isVisible()) f->reject();
    });
    Form1->N4->trigger();
}

// Chooses in the operation editor's pickers: the item with that mark and the kind with that name.
void pickItemAndKind(AppFixture& app, const QString& mark, const QString& kind)
{
    app.script.onModal("Form3", [mark](Form*) {
        reftest::go(DataModule6->Izdel, "marka", mark);
        Form3->Button2->click();
    });
    Form10->Button3->click();
    app.script.onModal("Form8", [kind](Form*) {
        QVERIFY(DataModule6->Vid_oper->locate("vid", kind.leftJustified(128)) || DataModule6->Vid_oper->locate("vid", kind));
        Form8->Button2->click();
    });
    Form10->Button4->click();
}

QString operRow(FreshDatabase& db, int id)
{
    const ResultSet rs = db.exec(QString("select vid, naimen, i_id, cena_new::text from accounts_dep.oper where id=%1").arg(id));
    if (rs.rows.isEmpty()) return "none";
    const auto& r = rs.rows[0];
    return QString("%1 %2 %3 %4").arg(r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString());
}

} // namespace

class TestPrices : public QObject {
    Q_OBJECT
    QTemporaryDir exportDir_;

private slots:
    void init()
    {
        appclock::setToday(kMonday);
        qputenv("VARNEK_EXPORT_DIR", exportDir_.path().toUtf8());
        SheetApplication::shutdown();
        ReportsExcelHandle().app = nullptr; // the application of the previous case is gone
    }
    void cleanup()
    {
        appclock::setToday(QDate());
        SheetApplication::shutdown();
        ReportsExcelHandle().app = nullptr;
    }

    void listFromTheMenu()
    {
        AppFixture app;
        Form4->Button2->setDefault(true); // as a picker leaves it
        Form4->Button1->setVisible(false);
        inList(app, [&](Form* f) {
            QCOMPARE(f->caption(), QString("Цены (4)"));
            QCOMPARE(f->Tag, 0);
            QCOMPARE(Form4->Button2->text(), QString("Изменить"));
            QVERIFY(!Form4->Button2->isDefault());
            QVERIFY(Form4->Button1->isDefault());
            QVERIFY(!Form4->Button1->isHidden() && !Form4->Button3->isHidden());
            QCOMPARE((QStringList{Form4->Button1->text(), Form4->Button3->text(), Form4->Button5->text(),
                                  Form4->Button4->text(), Form4->CheckBox1->text()}),
                     (QStringList{"Добавить", "Удалить", "Excel", "Выход", "Цены"}));
            QVERIFY(!Form4->CheckBox1->isChecked());
            QCOMPARE(f->focusWidget(), Form4->Edit1);
            QStringList layout;
            for (const GridColumn& c : Form4->DBGrid1->columns()) {
                QVERIFY(c.titleBold);
                QCOMPARE(c.titleAlignment, Qt::Alignment(Qt::AlignCenter));
                layout << (c.visible ? QString("%1|%2|%3").arg(c.field, c.title).arg(c.width) : c.field + "|hidden");
            }
            QCOMPARE(layout, (QStringList{"marka|Марка|300", "s_caption|Ном. гр. |300", "vid|Опреция|243",
                                          "cena|Цена (min)|74", "nmn|Вид|139", "id|hidden", "i_id|hidden",
                                          "oper_vid|hidden", "norma|Нормы (шт.)|76"}));
            QCOMPARE(Form4->DBGrid1->selectionBehavior(), QAbstractItemView::SelectRows);
            // Operations without norm rows (6) or whose item has no group (5) are not listed.
            QCOMPARE(rows(), kAll);
            QCOMPARE(Form4->DBGrid1->cellText(2, 1), QString("Стеллажи"));
            QTest::keyClick(Form4->Edit1, Qt::Key_Escape); // "Выход" is the cancel button
            QVERIFY(!f->isVisible());
        });
        QVERIFY(!oper()->active()); // the opener closes what it opened
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.modalShown, QStringList{"Form4"});
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("empty shows all") << "" << QStringList{"СРЕДНЕСДЕЛЬНАЯ", "СТ-100", "СТ-100", "СТ-200", "ХОЗ. РАБОТЫ", "ШК-10"};
        QTest::newRow("blanks show all") << "   " << QStringList{"СРЕДНЕСДЕЛЬНАЯ", "СТ-100", "СТ-100", "СТ-200", "ХОЗ. РАБОТЫ", "ШК-10"};
        QTest::newRow("anywhere in the mark, any case") << "т-" << QStringList{"СТ-100", "СТ-100", "СТ-200"};
        QTest::newRow("in the middle") << "00" << QStringList{"СТ-100", "СТ-100", "СТ-200"};
        QTest::newRow("blanks are part of the text") << " 10" << QStringList{};
        QTest::newRow("quote literally") << "'" << QStringList{};
        QTest::newRow("percent literally") << "%" << QStringList{};
        QTest::newRow("underscore literally") << "_" << QStringList{};
        QTest::newRow("point literally") << "З. Р" << QStringList{"ХОЗ. РАБОТЫ"};
    }
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, marks);
        AppFixture app;
        inList(app, [&](Form*) {
            ui::typeText(Form4->Edit1, typed);
            QCOMPARE(shown(oper(), "marka"), marks);
            QCOMPARE(Form4->DBGrid1->model()->rowCount(), marks.size());
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    // Up and Down move the row; other keys than typing and Backspace leave the box as it is; the
    // search text and its filter stay for the next showing from the menu, even after the journal
    // used the same query's filter for a record.
    void searchBoxKeysAndTheNextShowing()
    {
        appclock::setToday(kSunday);
        AppFixture app;
        app.script.onModal("Form1", [&](Form* journal) {
            inList(app, [&](Form*) {
                QLineEdit* box = Form4->Edit1;
                reftest::key(box, Qt::Key_Down);
                reftest::key(box, Qt::Key_Down);
                QCOMPARE(oper()->recNo(), 3);
                reftest::key(box, Qt::Key_Up);
                QCOMPARE(oper()->recNo(), 2);
                ui::typeText(box, "СТ-");
                for (Qt::Key k : {Qt::Key_Left, Qt::Key_Home, Qt::Key_Delete}) reftest::key(box, k);
                reftest::key(box, Qt::Key_Backspace);
                QCOMPARE(box->text(), QString("СТ"));
                QCOMPARE(oper()->recordCount(), 3);
            });
            app.script.onModal("Form11", [](Form* editor) { editor->reject(); });
            Form1->Button2->click(); // "Изменить" filters the same query to the record's operation
            inList(app, [&](Form*) {
                QCOMPARE(Form4->Edit1->text(), QString("СТ"));
                QCOMPARE(shown(oper(), "marka"), (QStringList{"СТ-100", "СТ-100", "СТ-200"}));
            });
            journal->close();
        });
        Form23->Edit1->setText("5829");
        Form23->Button1->click();
        QVERIFY(app.script.errors.isEmpty());
    }

    void addOperation()
    {
        AppFixture app;
        Form10->Edit1->setText("прежняя");
        Form10->ComboBox1->setCurrentIndex(1);
        inList(app, [&](Form*) {
            app.script.onModal("Form10", [&](Form* e) {
                QCOMPARE(e->caption(), QString("Заведение новой цены за операцию"));
                QCOMPARE(e->Tag, 1);
                QCOMPARE(Form10->Edit1->text(), QString());
                QCOMPARE(Form10->Edit2->text(), QString());
                QCOMPARE(Form10->ComboBox1->currentText(), QString("Готовая продукция"));
                QCOMPARE(e->focusWidget(), Form10->Button3);
                // Nothing chosen yet: refused.
                Form10->Button1->click();
                QCOMPARE(app.script.messageTexts(), QStringList{"Все поля должны быть заполнены!"});
                QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
                QCOMPARE(app.script.messages[0].flags, 16);
                QVERIFY(e->isVisible());
                pickItemAndKind(app, "ШК-20", "УПАКОВКА");
                QCOMPARE(Form10->Edit1->text(), QString("ШК-20"));
                QCOMPARE(Form10->Edit2->text(), QString("УПАКОВКА"));
                Form10->ComboBox1->setCurrentIndex(1);
                QTest::keyClick(Form10->ComboBox1, Qt::Key_Return); // "Записать" is the default button
                QVERIFY(!e->isVisible());
            });
            Form4->Button1->click();
            // The database gave the new operation its first norm row at price 0: it is listed.
            QCOMPARE(oper()->recNo(), 1);
            QVERIFY(rows().contains("ШК-20|УПАКОВКА|Заготовки|0|1"));
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(operRow(app.db, 7), QString("4 1 4 0.0000"));
        QCOMPARE(app.db.scalar("select count(*) from accounts_dep.norm where o_id=7 and price=0").toInt(), 1);
    }

    // The same kind, product kind and item make one operation only; a change may keep its own.
    void duplicates_data()
    {
        QTest::addColumn<int>("operId");      // 0: add
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("naimen");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("stored");   // the changed operation, or the count of operations
        QTest::newRow("add an existing one") << 0 << "СТ-100" << "РЕЗКА" << 1 << true << "8";
        QTest::newRow("add the other product kind") << 0 << "СТ-100" << "РЕЗКА" << 0 << false << "9";
        QTest::newRow("change to another's") << 1 << "СТ-100" << "СВАРКА" << 0 << true << "1 1 1 0.0000";
        QTest::newRow("change keeping its own") << 2 << "СТ-100" << "СВАРКА" << 0 << false << "2 0 1 25.0000";
        QTest::newRow("change everything") << 2 << "ШК-20" << "УПАКОВКА" << 1 << false << "4 1 4 25.0000";
    }
    void duplicates()
    {
        QFETCH(int, operId);
        QFETCH(QString, mark);
        QFETCH(QString, kind);
        QFETCH(int, naimen);
        QFETCH(bool, refused);
        QFETCH(QString, stored);
        AppFixture app;
        inList(app, [&](Form*) {
            if (operId != 0) reftest::go(oper(), "id", operId);
            app.script.onModal("Form10", [&](Form* e) {
                if (operId != 0) {
                    QCOMPARE(e->caption(), QString("Изменение данных о цене за операцию"));
                    QCOMPARE(e->Tag, 2);
                    QCOMPARE(Form10->item_id, oper()->fieldByName("i_id").asInteger());
                    QCOMPARE(Form10->kind_id, oper()->fieldByName("oper_vid").asInteger());
                    QCOMPARE(Form10->ComboBox1->currentIndex(), oper()->fieldByName("naimen").asInteger());
                }
                if (Form10->Edit1->text() != mark || Form10->Edit2->text() != kind) pickItemAndKind(app, mark, kind);
                Form10->ComboBox1->setCurrentIndex(naimen);
                Form10->Button1->click();
                QCOMPARE(e->isVisible(), refused);
                if (refused) Form10->Button2->click();
            });
            (operId == 0 ? Form4->Button1 : Form4->Button2)->click();
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messageTexts(),
                 refused ? QStringList{"Операция с такими параметрами уже заведена!"} : QStringList{});
        if (operId == 0)
            QCOMPARE(app.db.scalar("select count(*) from accounts_dep.oper").toString(), stored);
        else
            QCOMPARE(operRow(app.db, operId), stored);
    }

    // A refusal of the database is shown with its text; the editor stays open and nothing changes.
    void databaseRefusesAChange()
    {
        AppFixture app;
        app.db.exec("alter table accounts_dep.oper add constraint finished_only check (naimen = 0) not valid");
        inList(app, [&](Form*) {
            reftest::go(oper(), "id", 2);
            app.script.onModal("Form10", [&](Form* e) {
                Form10->ComboBox1->setCurrentIndex(1);
                Form10->Button1->click();
                QVERIFY(e->isVisible());
                e->reject();
            });
            Form4->Button2->click();
        });
        QCOMPARE(app.script.messages.size(), 1);
        QVERIFY2(app.script.messages[0].text.contains("finished_only"), qPrintable(app.script.messages[0].text));
        QCOMPARE(operRow(app.db, 2), QString("2 0 1 25.0000"));
    }

    void deleteOperation()
    {
        AppFixture app;
        app.db.exec("insert into accounts_dep.oper(id, vid, naimen, i_id) values (20, 4, 0, 3)");
        inList(app, [&](Form*) {
            reftest::go(oper(), "id", 20);
            Form4->Button3->click(); // answered No
            QCOMPARE(oper()->recordCount(), 7);
            app.script.answer(ui::IDYES);
            Form4->Button3->click();
            QCOMPARE(oper()->recordCount(), 6);
            QCOMPARE(oper()->recNo(), 1);
            // An operation that shift records use: the database refuses, the list stays as it was.
            reftest::go(oper(), "id", 4);
            const int row = oper()->recNo();
            app.script.answer(ui::IDYES);
            Form4->Button3->click();
            QCOMPARE(oper()->recordCount(), 6);
            QCOMPARE(oper()->recNo(), row);
        });
        QCOMPARE(app.script.messages.size(), 4);
        QCOMPARE(app.script.messages[0].text, QString("Удалить операцию?"));
        QCOMPARE(app.script.messages[0].caption, QString("Удаление"));
        QCOMPARE(app.script.messages[0].flags, 36);
        QVERIFY2(app.script.messages[3].text.contains("smena"), qPrintable(app.script.messages[3].text));
        QCOMPARE(operRow(app.db, 20), QString("none"));
        QCOMPARE(app.db.scalar("select count(*) from accounts_dep.norm where o_id=20").toInt(), 0);
        QCOMPARE(operRow(app.db, 4), QString("1 0 3 0.0000"));
    }

    // The hourly works' operations are never changed, chosen or deleted; with "Цены" checked a
    // double-click opens the norms of any operation, theirs too.
    void reservedOperationsAndTheNorms_data()
    {
        QTest::addColumn<int>("operId");
        QTest::newRow("auxiliary works") << 7777;
        QTest::newRow("average piecework") << 7778;
        QTest::newRow("an ordinary operation") << 3;
    }
    void reservedOperationsAndTheNorms()
    {
        QFETCH(int, operId);
        const bool reserved = operId != 3;
        AppFixture app;
        inList(app, [&](Form* f) {
            reftest::go(oper(), "id", operId);
            if (!reserved) app.script.onModal("Form10", [](Form* e) { e->reject(); });
            Form4->Button2->click();
            if (!reserved) app.script.onModal("Form10", [](Form* e) { e->reject(); });
            Form4->DBGrid1DblClick();
            app.script.answer(ui::IDNO);
            Form4->Button3->click();
            Form4->CheckBox1->setChecked(true);
            app.script.onModal("Form22", [&](Form* norms) {
                QCOMPARE(Form22->norm->filter(), QString("o_id=%1").arg(operId));
                QVERIFY(Form22->norm->filtered());
                QCOMPARE(Form22->norm->recordCount(), reserved ? 1 : 3);
                norms->reject();
            });
            const QRect cell = Form4->DBGrid1->visualRect(Form4->DBGrid1->model()->index(oper()->recNo() - 1, 0));
            QTest::mouseDClick(Form4->DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
            QVERIFY(f->isVisible());
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messages.size(), reserved ? 0 : 1);
        const QStringList modal = reserved ? QStringList{"Form4", "Form22"} : QStringList{"Form4", "Form10", "Form10", "Form22"};
        QCOMPARE(app.script.modalShown, modal);
    }

    // Every operation whose item and kind exist, with or without norm rows, into a new workbook:
    // mark, kind, the operation's own price as a number, product kind.
    void exportToExcel()
    {
        AppFixture app;
        QCOMPARE(FormatSettings::current().decimalSeparator, QChar(','));
        app.db.exec("update accounts_dep.oper set cena_new=12.5 where id=1");
        inList(app, [&](Form*) {
            ui::typeText(Form4->Edit1, "ШК"); // the export does not follow the search
            Form4->Button5->click();
        });
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
        QCOMPARE(app.script.openedFiles.size(), 1);
        QVERIFY(app.script.openedFiles[0].startsWith(exportDir_.path()));
        const QJsonArray sheet = readXlsxBack(app.script.openedFiles[0]).value("rows").toArray();
        QStringList texts;
        for (const QJsonValue& row : sheet) {
            QStringList cells;
            for (const QJsonValue& cell : row.toArray()) {
                const QJsonArray c = cell.toArray();
                QVERIFY(!c[2].toBool());          // plain kind: no bold,
                QCOMPARE(c[3].toString(), QString("General")); // no text format
                cells << (c[1].toString() == "n" ? QString::number(c[0].toDouble()) + "#" : c[0].toString());
            }
            texts << cells.join('|');
        }
        QCOMPARE(texts, (QStringList{"Марка|Операция|Цена|Вид",
                                     "ПОЛКА-Б/Г|РЕЗКА|0#|Готовая продукция",
                                     "СРЕДНЕСДЕЛЬНАЯ|СРЕДНЕСДЕЛЬНАЯ|0#|Готовая продукция",
                                     "СТ-100|РЕЗКА|12.5#|Заготовки",
                                     "СТ-100|СВАРКА|25#|Готовая продукция",
                                     "СТ-200|ПОКРАСКА|0#|Готовая продукция",
                                     "ХОЗ. РАБОТЫ|ХОЗ. РАБОТЫ|150#|Готовая продукция",
                                     "ШК-10|РЕЗКА|0#|Готовая продукция",
                                     "ШК-20|СВАРКА|0#|Готовая продукция"}));
        QVERIFY(!Form4->XLS_Rep->active());
    }

    void exportWithoutSpreadsheet()
    {
        AppFixture app;
        qputenv("VARNEK_EXPORT_DIR", "/proc/version/export"); // no folder can be made there
        inList(app, [&](Form* f) {
            Form4->Button5->click();
            QVERIFY(f->isVisible());
        });
        QCOMPARE(app.script.messageTexts(),
                 (QStringList{"Невозможно открыть Microsoft Excel.", "Ошибка открытия файла Microsoft Excel."}));
        QVERIFY(app.script.openedFiles.isEmpty());
        QVERIFY(!Form4->XLS_Rep->active());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The picker hands back the operation's lowest norm price, twice on a day off, and then 1.2 times
    // in shift 3 or 1.5 times in overtime.
    void pickerPrice_data()
    {
        QTest::addColumn<bool>("dayOff");
        QTest::addColumn<int>("shift");
        QTest::addColumn<double>("price");
        QTest::addColumn<QString>("shownPrice");
        QTest::newRow("working day, shift 1") << false << 1 << 100.0 << "100";
        QTest::newRow("working day, shift 2") << false << 2 << 100.0 << "100";
        QTest::newRow("shift 3 only") << false << 3 << 120.0 << "120";
        QTest::newRow("overtime on a working day") << false << 4 << 150.0 << "150";
        QTest::newRow("day off only") << true << 1 << 200.0 << "200";
        QTest::newRow("day off in shift 3") << true << 3 << 240.0 << "240";
        QTest::newRow("day off in overtime") << true << 4 << 300.0 << "300";
    }
    void pickerPrice()
    {
        QFETCH(bool, dayOff);
        QFETCH(int, shift);
        QFETCH(double, price);
        QFETCH(QString, shownPrice);
        AppFixture app;
        app.db.exec("update accounts_dep.norm set price=100 where id=7"); // ШК-10 РЕЗКА
        app.db.exec("insert into accounts_dep.norm(o_id, norma, prize, price) values (4, 5, 0, 130)");
        Form4->Button1->setDefault(true);
        Form4->Edit1->setText("СТ");
        app.script.onModal("Form1", [&](Form* journal) {
            Form1->CBox1->setChecked(dayOff);
            (shift == 1 ? Form1->RadioButton1 : shift == 2 ? Form1->RadioButton2 : shift == 3 ? Form1->RadioButton3 : Form1->RadioButton4)->click();
            app.script.onModal("Form11", [&](Form* editor) {
                app.script.onModal("Form4", [&](Form* f) {
                    QCOMPARE(f->Tag, 1);
                    QCOMPARE(Form4->Button2->text(), QString("Выбрать"));
                    QVERIFY(Form4->Button2->isDefault());
                    QVERIFY(Form4->Button1->isHidden() && Form4->Button3->isHidden());
                    QVERIFY(!Form4->Edit1->isHidden());
                    QCOMPARE(Form4->Edit1->text(), QString());
                    QCOMPARE(oper()->recNo(), 1); // a new record: the first row
                    QCOMPARE(oper()->recordCount(), 6);
                    ui::typeText(Form4->Edit1, "шк");
                    QTest::keyClick(Form4->Edit1, Qt::Key_Return); // "Выбрать"
                    QVERIFY(!f->isVisible());
                });
                Form11->Button4->click();
                QCOMPARE(Form11->FPrice, price);
                QCOMPARE(Form11->FOperId, 4);
                QCOMPARE(Form11->FItemId, 3);
                QCOMPARE(Form11->Edit2->text(), QString("ШК-10; РЕЗКА; Готовая продукция"));
                QCOMPARE(Form11->Edit7->text(), shownPrice);
                QCOMPARE(Form11->Edit8->text(), QString("100"));
                QCOMPARE(Form11->Edit9->text(), QString("0"));
                // Oper stays open, unfiltered, on the chosen row; "Выбрать" is no longer the default.
                QVERIFY(oper()->active());
                QVERIFY(!oper()->filtered());
                QCOMPARE(oper()->fieldByName("id").asInteger(), 4);
                QVERIFY(!Form4->Button2->isDefault());
                editor->reject();
            });
            Form1->Button1->click();
            journal->close();
        });
        Form23->Edit1->setText("5829");
        Form23->Button1->click();
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
    }

    // In the picker the hourly works' operations cannot be chosen; a list narrowed to nothing hands
    // nothing back; a record being changed opens the list on its own operation, and a choice left
    // without choosing keeps the chosen operation's base price.
    void pickerRefusalsAndPosition()
    {
        appclock::setToday(kSunday);
        AppFixture app;
        app.script.onModal("Form1", [&](Form* journal) {
            reftest::go(DataModule6->Smena1, "id", 2); // СТ-200 ПОКРАСКА, colour 5
            app.script.onModal("Form11", [&](Form* editor) {
                app.script.onModal("Form4", [&](Form* f) {
                    QCOMPARE(oper()->fieldByName("id").asInteger(), 3);
                    reftest::go(oper(), "id", 7777);
                    Form4->Button2->click();
                    QVERIFY(f->isVisible());
                    Form4->DBGrid1DblClick();
                    QVERIFY(f->isVisible());
                    ui::typeText(Form4->Edit1, "нет такой");
                    Form4->Button2->click();
                    QVERIFY(!f->isVisible());
                });
                Form11->Button4->click();
                QCOMPARE(Form11->FOperId, 3);
                QCOMPARE(Form11->FPrice, 15.0);
                QCOMPARE(Form11->Edit2->text(), QString("СТ-200; ПОКРАСКА; Готовая продукция"));
                QVERIFY(Form11->Edit5->isEnabled());
                QCOMPARE(Form11->Edit5->text(), QString("5"));
                QCOMPARE(Form11->Edit8->text(), QString("0")); // the list closed on no chosen row
                app.script.onModal("Form4", [&](Form* f) {
                    QCOMPARE(oper()->fieldByName("id").asInteger(), 3);
                    f->reject();
                });
                Form11->Button4->click();
                QCOMPARE(Form11->Edit8->text(), QString("7,5"));
                editor->reject();
            });
            Form1->Button2->click();
            journal->close();
        });
        Form23->Edit1->setText("5829");
        Form23->Button1->click();
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
    }
};

VARNEK_TEST_MAIN(TestPrices)
#include "test_prices.moc"
