// The norms window: its grid (row indicator, display format, typing into cells, new rows at the
// bottom), the delete that keeps the last row, and "Сохранить" by button, Enter and Escape, which
// re-reads the prices list on its row.
#include "AppFixture.h"
#include "RefTest.h"
#include "TestMain.h"
#include "db/Unit6.h"
#include "platform/ui/DataGrid.h"
#include "reference/Unit22.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

Table* norm() { return Form22->norm; }
Query* oper() { return DataModule6->Oper; }

int count(FreshDatabase& db, const QString& sql) { return db.scalar(sql).toInt(); }

// The prices list as the norms window finds it: Oper open on the operation's row.
void openOn(int operId)
{
    oper()->open();
    reftest::go(oper(), "id", operId);
}

// Runs the action in the norms window of the operation current in Oper.
void inNorms(AppFixture& app, const std::function<void(Form*)>& action)
{
    app.script.onModal("Form22", [action](Form* f) {
        action(f);
        if (f->isVisible()) f->reject();
    });
    Form22->ShowForOperation(oper()->fieldByName("id").asInteger());
}

// The open cell editor of the grid (closed ones wait hidden for their deletion).
QLineEdit* cellEditor()
{
    for (auto* e : Form22->DBGrid1->viewport()->findChildren<QLineEdit*>()) {
        if (!e->isHidden()) return e;
    }
    return nullptr;
}

// Types a value into a cell as a user does: make it current, open its editor with F2, type over
// the text, and leave the cell with Tab.
void typeIntoCell(int row, int column, const QString& text)
{
    DataGrid* g = Form22->DBGrid1;
    g->setCurrentIndex(g->model()->index(row - 1, column));
    QTest::keyClick(g, Qt::Key_F2);
    QLineEdit* editor = cellEditor();
    QVERIFY(editor);
    editor->selectAll();
    ui::typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Tab);
}

QStringList column(int c)
{
    QStringList out;
    for (int r = 1; r <= norm()->recordCount(); ++r) out << Form22->DBGrid1->cellText(r, c);
    return out;
}

} // namespace

class TestNorms : public QObject {
    Q_OBJECT
private slots:
    void showsTheOperationsRows()
    {
        AppFixture app;
        app.db.exec("update accounts_dep.norm set price=5.125 where id=6");
        app.db.exec("update accounts_dep.norm set price=5 where id=5");
        openOn(3);
        inNorms(app, [](Form* f) {
            QCOMPARE(f->caption(), QString("Норматив"));
            DataGrid* g = Form22->DBGrid1;
            QCOMPARE(g->columnWidth(0), 133);
            QCOMPARE(g->columnWidth(1), 105);
            QCOMPARE(g->columnWidth(2), 82);
            QCOMPARE(g->columns()[2].title, QString("Премия, %"));
            QVERIFY(g->rowIndicator());
            QCOMPARE(column(0), (QStringList{"40", "50", "60"})); // by norm quantity
            QCOMPARE(column(1), (QStringList{"5,125", "8,00", "5,00"}));
            QCOMPARE(g->model()->headerData(0, Qt::Vertical).toString(), QString("\u25BA"));
        });
        QVERIFY(app.script.errors.isEmpty());
    }

    // A value typed into a cell is written when the cell is left, and the rows are read again on
    // the same row; a value that is not a number is refused and nothing is written.
    void typingIntoCells_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored"); // price or norm of norm row 5 afterwards
        QTest::newRow("price with a comma") << 1 << "6,125" << "" << "6.1250";
        QTest::newRow("price with a point") << 1 << "6.5" << "" << "6.5000";
        QTest::newRow("norm quantity") << 0 << "65" << "" << "65";
        QTest::newRow("letters in the price") << 1 << "abc" << "'abc' - недопустимое число в поле 'Цена'" << "7.5000";
        QTest::newRow("fraction in the norm") << 0 << "1,5" << "'1,5' - недопустимое целое значение поля 'Норматив'"
                                              << "60";
        QTest::newRow("quote in the bonus") << 2 << "5'" << "'5'' - недопустимое целое значение поля 'Премия, %'"
                                            << "7.5000";
        QTest::newRow("price too big for the database") << 1 << "12345678901234" << "numeric" << "7.5000";
    }
    void typingIntoCells()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        AppFixture app;
        openOn(3);
        inNorms(app, [&](Form*) {
            reftest::go(norm(), "id", 5); // norm 60, price 7.50
            typeIntoCell(norm()->recNo(), column, typed);
            QCOMPARE(norm()->recordCount(), 3);
            if (column < 2) QCOMPARE(norm()->fieldByName("id").asInteger(), 5); // Tab went to the next cell
        });
        QVERIFY(app.script.errors.isEmpty());
        const QString field = column == 0 ? "norma" : "price";
        QCOMPARE(app.db.scalar("select " + field + "::text from accounts_dep.norm where id=5").toString(), stored);
        if (message.isEmpty()) {
            QVERIFY(app.script.messages.isEmpty());
        } else {
            QCOMPARE(app.script.messages.size(), 1);
            QVERIFY2(app.script.messages[0].text.contains(message), qPrintable(app.script.messages[0].text));
            QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
        }
    }

    // Below the last row a new row starts; it belongs to the operation, is written when its cell is
    // left, and after "Сохранить" the prices list shows one more norm, on the same row.
    void newRowAtTheBottom()
    {
        AppFixture app;
        openOn(4);
        const int operRow = oper()->recNo();
        inNorms(app, [&](Form* f) {
            DataGrid* g = Form22->DBGrid1;
            g->setCurrentIndex(g->model()->index(0, 0));
            reftest::key(g, Qt::Key_Down);
            QCOMPARE(norm()->state(), Dataset::State::Insert);
            QCOMPARE(g->model()->headerData(1, Qt::Vertical).toString(), QString("*"));
            reftest::key(g, Qt::Key_Down); // an untouched new row gets no second one
            QCOMPARE(norm()->recordCount(), 2);
            typeIntoCell(2, 0, "30");
            QCOMPARE(norm()->state() == Dataset::State::Insert, false);
            QCOMPARE(norm()->recordCount(), 2);
            QCOMPARE(norm()->fieldByName("norma").asInteger(), 30);
            typeIntoCell(norm()->recNo(), 1, "55");
            Form22->Button1->click();
            QVERIFY(!f->isVisible());
        });
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
        const ResultSet rs = app.db.exec("select norma, price::text from accounts_dep.norm where o_id=4 order by norma");
        QCOMPARE(rs.rows.size(), 2);
        QCOMPARE(rs.rows[0][0].toInt(), 10);
        QCOMPARE(rs.rows[1][0].toInt(), 30);
        QCOMPARE(rs.rows[1][1].toString(), QString("55.0000"));
        QCOMPARE(oper()->recNo(), operRow);
        QCOMPARE(oper()->fieldByName("norma").asInteger(), 2);
        QCOMPARE(oper()->fieldByName("cena").asFloat(), 40.0);
    }

    // An operation without norm rows gets a row to type into as soon as the grid is entered.
    void operationWithoutRows()
    {
        AppFixture app;
        app.script.onModal("Form22", [](Form* f) {
            QVERIFY(norm()->isEmpty());
            emit Form22->DBGrid1->colEnter();
            QCOMPARE(norm()->recordCount(), 1);
            QCOMPARE(norm()->state(), Dataset::State::Insert);
            QVERIFY(Form22->new_row);
            typeIntoCell(1, 1, "12,5");
            reftest::key(Form22->DBGrid1, Qt::Key_Return);
            QVERIFY(!f->isVisible());
        });
        Form22->ShowForOperation(6);
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
        QCOMPARE(app.db.scalar("select price::text from accounts_dep.norm where o_id=6").toString(), QString("12.5000"));
    }

    void deleteKeepsTheLastRow_data()
    {
        QTest::addColumn<int>("operId");
        QTest::addColumn<int>("rowsAfter");
        QTest::newRow("two rows") << 1 << 1;
        QTest::newRow("one row") << 2 << 1;
    }
    void deleteKeepsTheLastRow()
    {
        QFETCH(int, operId);
        QFETCH(int, rowsAfter);
        AppFixture app;
        openOn(operId);
        inNorms(app, [&](Form*) {
            norm()->setRecNo(norm()->recordCount());
            const int id = norm()->fieldByName("id").asInteger();
            Form22->Button2->click();
            QCOMPARE(norm()->recordCount(), rowsAfter);
            if (operId == 1) QVERIFY(!norm()->locate("id", id));
        });
        QVERIFY(app.script.messages.isEmpty());
        QCOMPARE(count(app.db, QString("select count(*) from accounts_dep.norm where o_id=%1").arg(operId)), rowsAfter);
    }

    // "Сохранить" by its button, Enter or Escape writes the pending change and re-reads the prices
    // list; the title bar's close box writes nothing.
    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("saved");
        QTest::newRow("button") << "button" << true;
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("Escape") << "escape" << true;
        QTest::newRow("close box") << "close" << false;
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(bool, saved);
        AppFixture app;
        openOn(3);
        const int operRow = oper()->recNo();
        QCOMPARE(oper()->fieldByName("cena").asFloat(), 7.5);
        inNorms(app, [&](Form* f) {
            reftest::go(norm(), "id", 4);
            // A pending change: typed into the cell, its editor still open.
            DataGrid* g = Form22->DBGrid1;
            g->setCurrentIndex(g->model()->index(norm()->recNo() - 1, 1));
            QTest::keyClick(g, Qt::Key_F2);
            cellEditor()->selectAll();
            ui::typeText(cellEditor(), "6,25");
            if (how == "button") Form22->Button1->click();
            if (how == "enter") {
                // The first Enter ends the cell's editing, the second one saves.
                reftest::key(cellEditor(), Qt::Key_Return);
                QCoreApplication::processEvents();
                QVERIFY(f->isVisible());
                reftest::key(g, Qt::Key_Return);
            }
            if (how == "escape") {
                g->commitEdit();
                reftest::key(g, Qt::Key_Escape);
            }
            if (how == "close") f->close();
            QVERIFY(!f->isVisible());
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.db.scalar("select price::text from accounts_dep.norm where id=4").toString(),
                 saved ? QString("6.2500") : QString("8.0000"));
        QCOMPARE(oper()->recNo(), operRow);
        QCOMPARE(oper()->fieldByName("cena").asFloat(), saved ? 6.25 : 7.5);
    }

    // A row the database refuses keeps the window open with the row still being edited.
    void refusedRowKeepsTheWindowOpen()
    {
        AppFixture app;
        openOn(3);
        inNorms(app, [&](Form* f) {
            reftest::go(norm(), "id", 4);
            norm()->edit();
            norm()->fieldByName("price").setValue(1e12);
            Form22->Button1->click();
            QVERIFY(f->isVisible());
            QCOMPARE(norm()->state(), Dataset::State::Edit);
        });
        QCOMPARE(app.script.messages.size(), 1);
        QVERIFY2(app.script.messages[0].text.contains("numeric"), qPrintable(app.script.messages[0].text));
        QCOMPARE(app.db.scalar("select price::text from accounts_dep.norm where id=4").toString(), QString("8.0000"));
    }
};

VARNEK_TEST_MAIN(TestNorms)
#include "test_norms.moc"
