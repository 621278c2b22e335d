// The window seams: modal showing with activation, scripted message boxes, the general error
// display, the data grid bound to a dataset, the lookup box and digit-only boxes.
#include "TestDb.h"
#include "TestMain.h"
#include "UiScript.h"
#include "platform/data/Dataset.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Widgets.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class CountingForm : public Form {
public:
    explicit CountingForm(QString name, QStringList* log) : log_(log) { setObjectName(name); }
    int activations = 0;

protected:
    void FormActivate() override
    {
        ++activations;
        *log_ << objectName();
    }

private:
    QStringList* log_;
};

class ThrowingWidget : public QWidget {
protected:
    void keyPressEvent(QKeyEvent*) override { throw DbError("ошибка в обработчике"); }
};

} // namespace

class TestUi : public QObject {
    Q_OBJECT
private slots:
    void modalShowingActivatesAndReactivatesOpener()
    {
        UiScript script;
        QStringList log;
        CountingForm main("Main", &log), child("Child", &log), grandChild("GrandChild", &log);
        main.ShowMain();
        child.Tag = 7;
        script.onModal("Child", [&](Form* f) {
            QCOMPARE(f->Tag, 7);
            QVERIFY(f->isVisible());
            script.onModal("GrandChild", [](Form* g) { g->accept(); });
            grandChild.ShowModal();
            QCOMPARE(Form::activeForm(), &child);
            f->accept();
        });
        QCOMPARE(child.ShowModal(), int(QDialog::Accepted));
        QCOMPARE(log, (QStringList{"Main", "Child", "GrandChild", "Child", "Main"}));
        QVERIFY(!child.isVisible());
        QVERIFY(script.errors.isEmpty());
    }

    void unexpectedModalWindowIsRecorded()
    {
        UiScript script;
        QStringList log;
        CountingForm f("Lonely", &log);
        f.ShowModal();
        QCOMPARE(script.errors.size(), 1);
        QVERIFY(!f.isVisible());
    }

    void messageBoxesAnswerFromTheScript()
    {
        UiScript script;
        script.answer(ui::IDYES);
        QCOMPARE(ui::messageBox("Удалить?", "Удаление", 36), int(ui::IDYES));
        QCOMPARE(ui::messageBox("Ещё?", "Удаление", 36), int(ui::IDNO)); // unanswered question: No
        QCOMPARE(ui::messageBox("Готово", "Ошибка", 16), int(ui::IDOK));
        QCOMPARE(script.messages.size(), 3);
        QCOMPARE(script.messages[0].flags, 36);
        QCOMPARE(script.messages[2].caption, QString("Ошибка"));
    }

    void errorsReachTheGeneralDisplayAndTheProgramGoesOn()
    {
        UiScript script;
        QPushButton button;
        int after = 0;
        ui::on(&button, &QPushButton::clicked, &button, [] { throw DbError("ERROR:  relation \"x\" does not exist"); });
        ui::on(&button, &QPushButton::clicked, &button, [&] { ++after; });
        button.click();
        QCOMPARE(script.messageTexts(), QStringList{"ERROR:  relation \"x\" does not exist"});
        QCOMPARE(script.messages[0].flags, 16);
        QCOMPARE(after, 1);

        // An exception thrown inside an event handler is caught by the application object.
        ThrowingWidget w;
        QTest::keyClick(&w, Qt::Key_A);
        QCOMPARE(script.messages.size(), 2);
        QCOMPARE(script.messages[1].text, QString("ошибка в обработчике"));
    }

    void gridFollowsTheDataset()
    {
        FreshDatabase db;
        Query q(&db.connection());
        q.setSql("select g as id, 'строка ' || g as name, g * 1.5::numeric as price from generate_series(1, 4) g");
        DataGrid grid;
        grid.setColumns({{"name", "Имя", 120}, {"price", "Цена", 60, {}, true, "#0.00#"}, {"id", "id", 30, {}, false}});
        grid.setDataset(&q);
        q.open();
        QCOMPARE(grid.model()->rowCount(), 4);
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QString("Имя"));
        QVERIFY(grid.model()->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        QCOMPARE(grid.columnWidth(0), 120);
        QVERIFY(grid.isColumnHidden(2));
        QCOMPARE(grid.cellText(2, 1), QString("3,00"));
        QCOMPARE(grid.cellText(1, 1), QString("1,50"));
        QCOMPARE(grid.model()->data(grid.model()->index(0, 1), Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
                 int(Qt::AlignRight));

        // The dataset moves the grid, and the grid moves the dataset.
        q.setRecNo(3);
        QCOMPARE(grid.currentIndex().row(), 2);
        grid.setCurrentIndex(grid.model()->index(1, 0));
        QCOMPARE(q.recNo(), 2);

        // Filtering and closing reset the rows shown.
        q.setFilter("id>2");
        q.setFiltered(true);
        QCOMPARE(grid.model()->rowCount(), 2);
        QCOMPARE(grid.currentIndex().row(), 0);
        q.close();
        QCOMPARE(grid.model()->rowCount(), 0);

        // The drawing hook sees every painted cell, and the double-click reaches the window.
        int drawn = 0;
        grid.setDrawHook([&](int, const GridColumn& c, QStyleOptionViewItem& o) {
            if (c.field == "name") o.font.setBold(true);
            ++drawn;
        });
        q.open();
        grid.resize(300, 200);
        grid.show();
        QSignalSpy dbl(&grid, &DataGrid::dblClick);
        const QRect cell = grid.visualRect(grid.model()->index(0, 0));
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(dbl.count(), 1);
        grid.grab();
        QVERIFY(drawn > 0);
    }

    void lookupBoxKeysOnAField()
    {
        FreshDatabase db;
        Query q(&db.connection());
        q.setSql("select g as id, 'отдел ' || g as s_caption from generate_series(1, 3) g");
        LookupCombo box;
        box.setListSource(&q, "id", "s_caption");
        q.open();
        QCOMPARE(box.count(), 3);
        QVERIFY(box.keyValue().isNull());
        box.setKeyValue(2);
        QCOMPARE(box.currentText(), QString("отдел 2"));
        QCOMPARE(box.keyValue().toInt(), 2);
        box.setKeyValue(42);
        QVERIFY(box.keyValue().isNull());
        QCOMPARE(box.currentText(), QString());
        QCOMPARE(box.maxVisibleItems(), 10);
    }

    void digitOnlyBoxes()
    {
        QLineEdit edit;
        ui::digitsOnly(&edit);
        ui::typeText(&edit, "1a2,3-4Ж5");
        QCOMPARE(edit.text(), QString("12345"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QString("1234"));
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QString("234"));
        edit.insert("9x"); // pasted text that is not all digits is refused
        QCOMPARE(edit.text(), QString("234"));
    }

    // A click is a left press and release over the widget; leaving is the focus going to another
    // control, not the window losing the focus; Tab leaves a date picker at once.
    void clickExitAndTabHooks()
    {
        UiScript script;
        QWidget window;
        auto* box = new QLineEdit(&window);
        auto* date = new DatePicker(&window);
        auto* other = new QLineEdit(&window);
        int clicks = 0, exits = 0;
        ui::onClick(box, [&] { ++clicks; });
        ui::onExit(box, [&] { ++exits; });
        ui::onExit(date, [] { throw DbError("ошибка при уходе"); });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(box, Qt::RightButton);
        QTest::mousePress(box, Qt::LeftButton);
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(-5, -5)); // released outside
        QCOMPARE(clicks, 1);
        box->setFocus();
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(box, &away);
        QCOMPARE(exits, 0);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(exits, 1);
        QCOMPARE(QApplication::focusWidget(), date);
        QTest::keyClick(date, Qt::Key_Tab); // not to the month: to the next control
        QCOMPARE(QApplication::focusWidget(), other);
        QCOMPARE(script.messageTexts(), QStringList{"ошибка при уходе"}); // through the guard
    }
};

VARNEK_TEST_MAIN(TestUi)
#include "test_ui.moc"
