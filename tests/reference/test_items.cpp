// The items list and the item editor: search, the factor box, add and change with their refusals,
// the reserved items, the delete with its questions (and the hours grid after it), the picker.
#include "AppFixture.h"
#include "RefTest.h"
#include "TestMain.h"
#include "core/Unit1.h"
#include "db/Unit6.h"
#include "platform/ui/DataGrid.h"
#include "reference/Unit10.h"
#include "reference/Unit3.h"
#include "reference/Unit7.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

using reftest::shown;

namespace {

Query* izdel() { return DataModule6->Izdel; }

QList<QVariant> goods(FreshDatabase& db, int id)
{
    return db.exec(QString("select s_caption, massa::text, id_class_item::int, id_msm_bs::int, s_description "
                           "from cmn_gds_and_srv.gds_and_srv where id=%1").arg(id)).rows.value(0);
}

int count(FreshDatabase& db, const QString& sql) { return db.scalar(sql).toInt(); }

// Opens the items list from the menu and runs the action in it, then closes it.
void inList(AppFixture& app, const std::function<void(Form*)>& action)
{
    app.script.onModal("Form3", [action](Form* f) {
        action(f);
        if (f->isVisible()) f->reject();
    });
    Form1->N3Click();
}

// The editor opened by "Изменить" on the item with that id.
void openEditorOf(AppFixture& app, int id, const std::function<void(Form*)>& action)
{
    inList(app, [&](Form*) {
        reftest::go(izdel(), "id", id);
        app.script.onModal("Form7", action);
        Form3->Button2->click();
    });
}

} // namespace

class TestItems : public QObject {
    Q_OBJECT
private slots:
    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("first letters") << "ШК" << QStringList{"ШК-10", "ШК-20"};
        QTest::newRow("small letters") << "ст-1" << QStringList{"СТ-100"};
        QTest::newRow("slash") << "ПОЛКА-Б/" << QStringList{"ПОЛКА-Б/Г"};
        QTest::newRow("percent literally") << "С%" << QStringList{};
        QTest::newRow("underscore literally") << "С_" << QStringList{};
    }
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        AppFixture app;
        inList(app, [&](Form* f) {
            QCOMPARE(f->focusWidget(), Form3->Edit1);
            ui::typeText(Form3->Edit1, typed);
            QCOMPARE(shown(izdel(), "marka"), expected);
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    // Up and Down move the row and are consumed; other keys edit the box as usual.
    void searchBoxKeys()
    {
        AppFixture app;
        inList(app, [&](Form*) {
            QLineEdit* box = Form3->Edit1;
            reftest::key(box, Qt::Key_Down);
            QCOMPARE(izdel()->recNo(), 2);
            reftest::key(box, Qt::Key_Up);
            QCOMPARE(izdel()->recNo(), 1);
            ui::typeText(box, "Т");
            reftest::key(box, Qt::Key_Home);
            ui::typeText(box, "С");
            QCOMPARE(box->text(), QString("СТ"));
            QCOMPARE(shown(izdel(), "marka"), (QStringList{"СТ-100", "СТ-200"}));
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    void gridColumns()
    {
        AppFixture app;
        inList(app, [&](Form*) {
            DataGrid* g = Form3->DBGrid1;
            QCOMPARE(g->columnCount(), 3);
            QCOMPARE(g->columns()[0].title, QString("Марка изделия"));
            QCOMPARE(g->columnWidth(0), 315);
            QCOMPARE(g->columns()[1].title, QString("Номенклатурная группа"));
            QCOMPARE(g->columnWidth(1), 162);
            QCOMPARE(g->columns()[2].title, QString("Коробки"));
            QCOMPARE(g->columnWidth(2), 67);
            reftest::go(izdel(), "id", 2);
            QCOMPARE(g->cellText(izdel()->recNo(), 1), QString("Стеллажи"));
            QCOMPARE(g->cellText(izdel()->recNo(), 2), QString("1,25"));
            QCOMPARE(g->model()->index(0, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft, int(Qt::AlignLeft));
        });
    }

    // The factor box: digits, and "." or "," as a point; everything else is refused, also pasted.
    void factorBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shownText");
        QTest::addColumn<QString>("pastedText");
        QTest::newRow("comma becomes a point") << "1,5" << "1.5" << "1.5";
        QTest::newRow("point") << "2.25" << "2.25" << "2.25";
        QTest::newRow("letters and signs refused") << "a-1 e'2;" << "12" << "";
        QTest::newRow("Cyrillic refused") << "ж3" << "3" << "";
    }
    void factorBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shownText);
        QFETCH(QString, pastedText);
        AppFixture app;
        Form7->Edit2->clear();
        ui::typeText(Form7->Edit2, typed);
        QCOMPARE(Form7->Edit2->text(), shownText);
        // Pasted text goes through the same rule: refused whole when it holds anything else.
        Form7->Edit2->clear();
        QApplication::clipboard()->setText(typed);
        Form7->Edit2->paste();
        QCOMPARE(Form7->Edit2->text(), pastedText);
    }

    // The mark box holds no more than the items list can show.
    void longMark()
    {
        AppFixture app;
        inList(app, [&](Form*) {
            app.script.onModal("Form7", [&](Form*) {
                ui::typeText(Form7->Edit1, QString(300, QChar(0x0416)));
                ui::typeText(Form7->Edit2, "1");
                Form7->cb_item->setKeyValue(1);
                Form7->Button1->click();
            });
            Form3->Button1->click();
        });
        QVERIFY(app.script.messages.isEmpty());
        QCOMPARE(app.db.scalar("select length(s_caption) from cmn_gds_and_srv.gds_and_srv where id=6").toInt(), 254);
        QCOMPARE(app.db.scalar("select length(marka) from accounts_dep.izdel where id=6").toInt(), 254);
    }

    void addItem()
    {
        AppFixture app;
        inList(app, [&](Form*) {
            izdel()->setRecNo(3);
            app.script.onModal("Form7", [&](Form* e) {
                QCOMPARE(e->Tag, 1);
                QCOMPARE(e->caption(), QString("Заведение нового изделия (7)"));
                QCOMPARE(e->focusWidget(), Form7->Edit1);
                QVERIFY(Form7->cb_item->currentIndex() < 0); // nothing chosen at first use
                // The group box offers the groups in use, by caption.
                QStringList groups;
                for (int i = 0; i < Form7->cb_item->count(); ++i) groups << Form7->cb_item->itemText(i);
                QCOMPARE(groups, (QStringList{"Стеллажи", "Шкафы"}));
                ui::typeText(Form7->Edit1, "  Шк-'30' 100%  ");
                ui::typeText(Form7->Edit2, "1,75");
                Form7->cb_item->setKeyValue(2);
                reftest::key(Form7->Edit2, Qt::Key_Return);
                QVERIFY(!e->isVisible());
            });
            Form3->Button1->click();
            QCOMPARE(izdel()->recordCount(), 8);
            QCOMPARE(izdel()->recNo(), 3);
        });
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
        const QList<QVariant> row = goods(app.db, 6);
        QCOMPARE(row.value(0).toString(), QString("Шк-'30' 100%"));
        QCOMPARE(row.value(1).toString(), QString("1.75"));
        QCOMPARE(row.value(2).toInt(), 2);
        QCOMPARE(row.value(3).toInt(), 6);
        QCOMPARE(row.value(4).toString(), QString(""));
        QVERIFY(!Form7->item->active());
    }

    void addRefusals_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("factor");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("message");
        const QString empty = "Все поля должны быть заполнены!";
        const QString dup = "Такая марка изделия уже заведена!";
        QTest::newRow("mark of blanks") << "   " << "1" << 1 << empty;
        QTest::newRow("no factor") << "НОВ" << "" << 1 << empty;
        QTest::newRow("no group") << "НОВ" << "1" << 0 << empty;
        QTest::newRow("group not in use") << "НОВ" << "1" << 3 << empty;
        QTest::newRow("same mark in small letters") << "ст-100" << "1" << 1 << dup;
        QTest::newRow("Latin in other case") << "Шк-10" << "1" << 2 << dup;
        QTest::newRow("two points") << "НОВ" << "1.2.3" << 1 << "syntax error";
    }
    void addRefusals()
    {
        QFETCH(QString, mark);
        QFETCH(QString, factor);
        QFETCH(int, group);
        QFETCH(QString, message);
        AppFixture app;
        inList(app, [&](Form*) {
            app.script.onModal("Form7", [&](Form* e) {
                ui::typeText(Form7->Edit1, mark);
                ui::typeText(Form7->Edit2, factor);
                Form7->cb_item->setKeyValue(group);
                Form7->Button1->click();
                QVERIFY(e->isVisible());
                e->reject();
            });
            Form3->Button1->click();
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messages.size(), 1);
        QVERIFY2(app.script.messages[0].text.contains(message), qPrintable(app.script.messages[0].text));
        QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
        QCOMPARE(app.script.messages[0].flags, 16);
        QCOMPARE(count(app.db, "select count(*) from cmn_gds_and_srv.gds_and_srv"), 7);
    }

    void changeItem_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("mark");     // typed over the mark, empty: kept
        QTest::addColumn<QString>("factorShown");
        QTest::addColumn<int>("group");       // chosen, 0: kept
        QTest::addColumn<QString>("storedMark");
        QTest::addColumn<QString>("storedFactor");
        QTest::addColumn<int>("storedGroup");
        QTest::newRow("own mark in small letters") << 1 << "ст-100" << "0.5" << 0 << "ст-100" << "0.5" << 1;
        QTest::newRow("whole-number factor") << 3 << "" << "2" << 0 << "ШК-10" << "2" << 2;
        QTest::newRow("new group") << 4 << "" << "3" << 1 << "ШК-20" << "3" << 1;
        QTest::newRow("item without group gets one") << 5 << "" << "1" << 2 << "ПОЛКА-Б/Г" << "1" << 2;
        QTest::newRow("quote and percent") << 2 << "СТ 'x' 5%_" << "1.25" << 0 << "СТ 'x' 5%_" << "1.25" << 1;
    }
    void changeItem()
    {
        QFETCH(int, id);
        QFETCH(QString, mark);
        QFETCH(QString, factorShown);
        QFETCH(int, group);
        QFETCH(QString, storedMark);
        QFETCH(QString, storedFactor);
        QFETCH(int, storedGroup);
        AppFixture app;
        int rowBefore = 0;
        inList(app, [&](Form*) {
            reftest::go(izdel(), "id", id);
            rowBefore = izdel()->recNo();
            app.script.onModal("Form7", [&](Form* e) {
                QCOMPARE(e->Tag, 2);
                QCOMPARE(e->caption(), QString("Изменение данных изделия (7)"));
                QCOMPARE(Form7->Edit2->text(), factorShown);
                if (!mark.isEmpty()) reftest::retype(Form7->Edit1, mark);
                if (group) Form7->cb_item->setKeyValue(group);
                Form7->Button1->click();
                QVERIFY(!e->isVisible());
            });
            Form3->Button2->click();
            QCOMPARE(izdel()->recNo(), rowBefore);
        });
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
        const QList<QVariant> row = goods(app.db, id);
        QCOMPARE(row.value(0).toString(), storedMark);
        QCOMPARE(row.value(1).toString(), storedFactor);
        QCOMPARE(row.value(2).toInt(), storedGroup);
    }

    void changeRefusals()
    {
        AppFixture app;
        // An item without a group cannot be saved until one is chosen.
        openEditorOf(app, 5, [&](Form* e) {
            QCOMPARE(Form7->cb_item->currentIndex(), -1);
            Form7->Button1->click();
            QVERIFY(e->isVisible());
            e->reject();
        });
        // Another item's mark, in any case, is refused.
        openEditorOf(app, 2, [&](Form* e) {
            reftest::retype(Form7->Edit1, "шк-20");
            Form7->Button1->click();
            QVERIFY(e->isVisible());
            e->reject();
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messageTexts(),
                 (QStringList{"Все поля должны быть заполнены!", "Такая марка изделия уже заведена!"}));
        QCOMPARE(goods(app.db, 2).value(0).toString(), QString("СТ-200"));
    }

    // Items 7777 and 7778 cannot be changed, deleted or chosen: the buttons do nothing on them.
    void reservedItems()
    {
        AppFixture app;
        inList(app, [&](Form* f) {
            for (int id : {7777, 7778}) {
                reftest::go(izdel(), "id", id);
                Form3->Button2->click();
                Form3->Button3->click();
                emit Form3->DBGrid1->dblClick();
            }
            QVERIFY(f->isVisible());
        });
        Form10->Edit1->setText("до");
        Form10->item_id = 1;
        app.script.onModal("Form3", [&](Form* f) {
            reftest::go(izdel(), "id", 7778);
            Form3->Button2->click();
            QVERIFY(f->isVisible());
            f->reject();
        });
        Form3->ShowAsPicker();
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
        QCOMPARE(Form10->Edit1->text(), QString("до"));
        QCOMPARE(Form10->item_id, 1);
        QCOMPARE(count(app.db, "select count(*) from cmn_gds_and_srv.gds_and_srv where id in (7777, 7778)"), 2);
    }

    void cutOff_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("cutOff");
        QTest::newRow("January") << QDate(2024, 1, 15) << "01.12.2000";
        QTest::newRow("February") << QDate(2025, 2, 1) << "01.1.2000";
        QTest::newRow("May") << QDate(2024, 5, 31) << "01.4.2000";
        QTest::newRow("December") << QDate(2023, 12, 5) << "01.11.2000";
    }
    void cutOff()
    {
        QFETCH(QDate, today);
        QFETCH(QString, cutOff);
        QCOMPARE(TForm3::CutOffText(today), cutOff);
    }

    // Each question governs its own step; the deletes run shift records first, then operations,
    // then the item, all or none.
    void deleteItem_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("itemGone");
        QTest::addColumn<bool>("operationsGone");
        QTest::addColumn<bool>("recordsGone");
        const QString prices = "По изделию есть расценки они будут удалены!!!";
        const QString records = "По изделию есть операции в текущем, предыдущем месяцах и ранее, они будут удалены. "
                                "Удалить изделие? ";
        const QString plain = "Удалить изделие? ";
        const int Y = ui::IDYES, N = ui::IDNO;
        QTest::newRow("item with records, all yes") << 2 << QList<int>{Y, Y} << QStringList{prices, records}
                                                    << false << true << true << true;
        QTest::newRow("records, prices kept") << 2 << QList<int>{N, Y} << QStringList{prices, records}
                                              << true << false << false << false;
        QTest::newRow("prices, records kept") << 2 << QList<int>{Y, N} << QStringList{prices, records}
                                              << true << false << false << false;
        QTest::newRow("all no") << 2 << QList<int>{N, N} << QStringList{prices, records}
                                << false << false << false << false;
        QTest::newRow("operations only") << 4 << QList<int>{Y, Y} << QStringList{prices, plain}
                                         << false << true << true << false;
        QTest::newRow("operations only, prices kept") << 4 << QList<int>{N, Y} << QStringList{prices, plain}
                                                      << true << false << false << false;
        QTest::newRow("operations only, item kept") << 4 << QList<int>{Y, N} << QStringList{prices, plain}
                                                    << false << false << true << false;
    }
    void deleteItem()
    {
        QFETCH(int, id);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, questions);
        QFETCH(bool, refused);
        QFETCH(bool, itemGone);
        QFETCH(bool, operationsGone);
        QFETCH(bool, recordsGone);
        AppFixture app;
        for (int a : answers) app.script.answer(a);
        inList(app, [&](Form*) {
            reftest::go(izdel(), "id", id);
            const int row = izdel()->recNo();
            Form3->Button3->click();
            // A refused delete leaves the list as it was; otherwise it is read again, on its first row.
            QCOMPARE(izdel()->recNo(), refused ? row : 1);
        });
        QVERIFY(app.script.errors.isEmpty());
        QStringList texts = app.script.messageTexts();
        if (refused) {
            QCOMPARE(app.script.messages.size(), questions.size() + 1);
            QCOMPARE(app.script.messages.last().caption, QString("Ошибка"));
            texts.removeLast();
        }
        QCOMPARE(texts, questions);
        for (int i = 0; i < questions.size(); ++i) {
            QCOMPARE(app.script.messages[i].caption, QString("Удаление"));
            QCOMPARE(app.script.messages[i].flags, 36);
        }
        const QString key = QString::number(id);
        QCOMPARE(count(app.db, "select count(*) from cmn_gds_and_srv.gds_and_srv where id=" + key) == 0, itemGone);
        QCOMPARE(count(app.db, "select count(*) from accounts_dep.oper where i_id=" + key) == 0, operationsGone);
        QCOMPARE(count(app.db, "select count(*) from accounts_dep.smena where i_id=" + key) == 0, recordsGone || id == 4);
        // Worker 2's shift row of May held only item 2's records: it goes with them, or stays whole.
        QCOMPARE(count(app.db, "select count(*) from accounts_dep.h_tabel where id=2 and d5=8"), recordsGone && id == 2 ? 0 : 1);
    }

    // An item whose only shift records are older than the cut-off gets the plain question; its
    // records keep the item, so the database refuses and nothing at all is deleted.
    void deleteItemWithOldRecordsOnly()
    {
        AppFixture app;
        app.db.exec("insert into cmn_gds_and_srv.gds_and_srv(id, s_caption, id_class_item) values (6, 'СТАРОЕ', 1)");
        app.db.exec("insert into accounts_dep.oper(id, vid, naimen, i_id) values (7, 1, 0, 6)");
        app.db.exec("insert into accounts_dep.smena(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, time, ok) "
                    "values (1, 6, 7, 1, 1, 0, '1999-12-30', 1, 8, 'ok')");
        app.script.answer(ui::IDYES);
        app.script.answer(ui::IDYES);
        inList(app, [&](Form*) {
            reftest::go(izdel(), "id", 6);
            Form3->Button3->click();
        });
        QCOMPARE(app.script.messages.size(), 3);
        QCOMPARE(app.script.messages[1].text, QString("Удалить изделие? "));
        QCOMPARE(app.script.messages[2].caption, QString("Ошибка"));
        QCOMPARE(count(app.db, "select count(*) from cmn_gds_and_srv.gds_and_srv where id=6"), 1);
        QCOMPARE(count(app.db, "select count(*) from accounts_dep.oper where i_id=6"), 1);
        QCOMPARE(count(app.db, "select count(*) from accounts_dep.smena where i_id=6"), 1);
    }

    // An item nothing refers to: one plain question, and it is gone.
    void deleteUnusedItem()
    {
        AppFixture app;
        app.db.exec("insert into cmn_gds_and_srv.gds_and_srv(id, s_caption, id_class_item) values (6, 'ПУСТОЕ', 2)");
        app.script.answer(ui::IDYES);
        inList(app, [&](Form*) {
            reftest::go(izdel(), "id", 6);
            Form3->Button3->click();
            QCOMPARE(izdel()->recordCount(), 7);
        });
        QCOMPARE(app.script.messageTexts(), QStringList{"Удалить изделие? "});
        QCOMPARE(count(app.db, "select count(*) from cmn_gds_and_srv.gds_and_srv where id=6"), 0);
    }

    // Deleting an item's shift records leaves no hours for them in the hours grid: the days they
    // occupied hold the hours of the records left, and a shift row left without records goes.
    void deleteItemRecountsHoursGrid()
    {
        AppFixture app;
        app.script.answer(ui::IDYES);
        app.script.answer(ui::IDYES);
        inList(app, [&](Form*) {
            reftest::go(izdel(), "id", 1);
            Form3->Button3->click();
        });
        QCOMPARE(app.script.messages.size(), 2);
        QCOMPARE(count(app.db, "select count(*) from accounts_dep.smena where i_id=1"), 0);
        const ResultSet rs = app.db.exec("select id, d5, d6 from accounts_dep.h_tabel where i_type=0 order by id");
        QMap<int, QPair<QVariant, QVariant>> rows;
        for (const auto& r : rs.rows) rows[r[0].toInt()] = {r[1], r[2]};
        QCOMPARE(rows.keys(), (QList<int>{1, 2, 3}));
        QVERIFY(rows[1].first.isNull());      // worker 1, shift 1: the 5th was item 1 only
        QCOMPARE(rows[1].second.toInt(), 8);  // the 6th is item 3
        QCOMPARE(rows[2].first.toInt(), 8);   // worker 2 untouched
        QVERIFY(rows[3].first.isNull());      // worker 3, shift 2: item 1 on the 5th
        QCOMPARE(rows[3].second.toInt(), 4);  // the 6th keeps item 3's 4 hours
        // Rows 4 and 5 (overtime of workers 4 and 1) held item 1's records only.
        QCOMPARE(count(app.db, "select count(*) from accounts_dep.h_tabel where i_type<>0"), 3);
    }

    // The operation editor's item picker: prepared and tidied by its opener, Enter or a
    // double-click hands the mark and id back, an empty list hands back nothing chosen.
    void picker_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byDoubleClick");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<int>("id");
        QTest::newRow("Enter") << "СТ-2" << false << "СТ-200" << 2;
        QTest::newRow("double-click") << "шк-2" << true << "ШК-20" << 4;
        QTest::newRow("nothing found") << "Ъ" << false << "" << 0;
    }
    void picker()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byDoubleClick);
        QFETCH(QString, mark);
        QFETCH(int, id);
        AppFixture app;
        Form10->Edit1->setText("до");
        Form10->item_id = 77;
        Form3->Edit1->setText("ШК");
        app.script.onModal("Form10", [&](Form* e) {
            app.script.onModal("Form3", [&](Form* f) {
                QCOMPARE(f->Tag, 1);
                QVERIFY(Form3->Edit1->text().isEmpty());
                QCOMPARE(f->focusWidget(), Form3->Edit1);
                QCOMPARE(Form3->Button2->text(), QString("Выбрать"));
                QVERIFY(Form3->Button2->isDefault());
                QVERIFY(Form3->Button1->isHidden() && Form3->Button3->isHidden());
                ui::typeText(Form3->Edit1, typed);
                if (byDoubleClick)
                    emit Form3->DBGrid1->dblClick();
                else
                    reftest::key(Form3->Edit1, Qt::Key_Return);
                QVERIFY(!f->isVisible());
            });
            Form10->Button3->click();
            e->reject();
        });
        Form10->ShowModal();
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(Form10->Edit1->text(), mark);
        QCOMPARE(Form10->item_id, id);
        QVERIFY(!izdel()->active());
        QVERIFY(!Form3->Button2->isDefault());
        // The menu's list no longer shows the search box (nor keeps its filter); the grid has the focus.
        inList(app, [&](Form* f) {
            QVERIFY(Form3->Edit1->isHidden());
            QCOMPARE(f->focusWidget(), Form3->DBGrid1);
            QCOMPARE(izdel()->recordCount(), 7);
            QCOMPARE(Form3->Button2->text(), QString("Изменить"));
            QVERIFY(!Form3->Button1->isHidden() && !Form3->Button3->isHidden());
        });
        QVERIFY(app.script.errors.isEmpty());
    }
};

VARNEK_TEST_MAIN(TestItems)
#include "test_items.moc"
