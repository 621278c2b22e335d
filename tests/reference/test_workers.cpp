// The workers list and the worker editor: search and its keys, add, change, delete with their
// messages and the database's refusals, the lookup boxes, and both worker pickers.
#include "AppFixture.h"
#include "RefTest.h"
#include "TestMain.h"
#include "core/Unit1.h"
#include "core/Unit11.h"
#include "db/Unit6.h"
#include "platform/data/Dataset.h"
#include "platform/ui/DataGrid.h"
#include "reference/Unit2.h"
#include "reference/Unit5.h"
#include "timesheets/Unit24.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>

using reftest::shown;

namespace {

Query* workers() { return DataModule6->Workers; }

QString fioOf(FreshDatabase& db, int id)
{
    return db.scalar(QString("select fio from accounts_dep.person where id=%1").arg(id)).toString();
}

const QStringList kAll{"Авдеев Олег Николаевич", "Ёлкин Сергей Петрович", "Иванов Иван Иванович",
                       "О'Брайен Патрик Иванович", "Петрова Анна Сергеевна"};

void wheel(QWidget* target, int delta)
{
    QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

} // namespace

class TestWorkers : public QObject {
    Q_OBJECT
private slots:
    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty shows all") << "" << kAll;
        QTest::newRow("first letters") << "Ив" << QStringList{"Иванов Иван Иванович"};
        QTest::newRow("any case, Ё") << "ёЛ" << QStringList{"Ёлкин Сергей Петрович"};
        QTest::newRow("quote literally") << "О'Б" << QStringList{"О'Брайен Патрик Иванович"};
        QTest::newRow("percent literally") << "%" << QStringList{};
        QTest::newRow("underscore literally") << "_в" << QStringList{};
        QTest::newRow("not in the middle") << "Иван" << QStringList{"Иванов Иван Иванович"};
        QTest::newRow("nothing") << "Я" << QStringList{};
    }
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        AppFixture app;
        app.script.onModal("Form5", [&](Form* f) {
            QCOMPARE(f->Tag, 0);
            QCOMPARE(f->focusWidget(), Form5->Edit1);
            ui::typeText(Form5->Edit1, typed);
            QCOMPARE(shown(workers(), "fio"), expected);
            QCOMPARE(Form5->DBGrid1->model()->rowCount(), expected.size());
            f->reject();
        });
        Form1->N1Click();
        QVERIFY(!workers()->active()); // the opener closes what it opened
        QVERIFY(app.script.errors.isEmpty());
    }

    // Up and Down move the row; no other key but typing and Backspace changes the box; Enter and
    // Escape still reach the default and cancel buttons.
    void searchBoxKeys()
    {
        AppFixture app;
        app.script.onModal("Form5", [&](Form* f) {
            QLineEdit* box = Form5->Edit1;
            reftest::key(box, Qt::Key_Down);
            reftest::key(box, Qt::Key_Down);
            QCOMPARE(workers()->recNo(), 3);
            QCOMPARE(Form5->DBGrid1->currentIndex().row(), 2);
            reftest::key(box, Qt::Key_Up);
            QCOMPARE(workers()->recNo(), 2);
            ui::typeText(box, "Пет");
            for (Qt::Key k : {Qt::Key_Left, Qt::Key_Home, Qt::Key_Delete, Qt::Key_End}) reftest::key(box, k);
            reftest::key(box, Qt::Key_A, Qt::ControlModifier);
            reftest::key(box, Qt::Key_Delete);
            QCOMPARE(box->text(), QString("Пет"));
            reftest::key(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), QString("Пе"));
            QCOMPARE(shown(workers(), "fio"), QStringList{"Петрова Анна Сергеевна"});
            // Enter: "Добавить" is the default button in list mode.
            app.script.onModal("Form2", [](Form* e) {
                QCOMPARE(e->caption(), QString("Заведение данных нового работника"));
                e->reject();
            });
            reftest::key(box, Qt::Key_Return);
            reftest::key(box, Qt::Key_Escape);
            QVERIFY(!f->isVisible());
        });
        Form1->N1Click();
        QVERIFY(app.script.errors.isEmpty());
        // The search text and its filter stay for the next showing from the menu.
        app.script.onModal("Form5", [&](Form* f) {
            QCOMPARE(Form5->Edit1->text(), QString("Пе"));
            QCOMPARE(workers()->recordCount(), 1);
            f->reject();
        });
        Form1->N1Click();
        QVERIFY(app.script.errors.isEmpty());
    }

    void addWorker()
    {
        AppFixture app;
        app.script.onModal("Form5", [&](Form* f) {
            workers()->setRecNo(4);
            app.script.onModal("Form2", [&](Form* e) {
                QCOMPARE(e->Tag, 1);
                QVERIFY(Form2->Edit1->text().isEmpty());
                QCOMPARE(e->focusWidget(), Form2->Edit1);
                QCOMPARE(Form2->LCB_department->count(), 7);
                ui::typeText(Form2->Edit1, "  Новикова 'Анна' 100%_  ");
                Form2->LCB_department->setKeyValue(4);
                Form2->LCB_roles->setKeyValue(3);
                reftest::key(Form2->Edit1, Qt::Key_Return);
                QVERIFY(!e->isVisible());
            });
            Form5->Button1->click();
            QVERIFY(f->isVisible()); // an add keeps the list open, on its first row
            QCOMPARE(workers()->recNo(), 1);
            QCOMPARE(workers()->recordCount(), 6);
            f->reject();
        });
        Form1->N1Click();
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
        const ResultSet rs = app.db.exec("select fio, s_staffpos_hl from accounts_dep.person where id=6");
        QCOMPARE(rs.rows.size(), 1);
        QCOMPARE(rs.rows[0][0].toString(), QString("Новикова 'Анна' 100%_"));
        QCOMPARE(rs.rows[0][1].toString(), QString("Участок покраски"));
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "ФИО нужно заполнить!";
        QTest::newRow("blanks only") << "    " << "ФИО нужно заполнить!";
        QTest::newRow("too long for the database") << QString(255, QChar(0x0416)) << "character varying(254)";
    }
    void saveRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        AppFixture app;
        app.script.onModal("Form5", [&](Form* f) {
            app.script.onModal("Form2", [&](Form* e) {
                ui::typeText(Form2->Edit1, name);
                Form2->Button1->click();
                QVERIFY(e->isVisible()); // the editor stays open
                e->reject();
            });
            Form5->Button1->click();
            f->reject();
        });
        Form1->N1Click();
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messages.size(), 1);
        QVERIFY2(app.script.messages[0].text.contains(message), qPrintable(app.script.messages[0].text));
        QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
        QCOMPARE(app.script.messages[0].flags, 16);
        QCOMPARE(app.db.scalar("select count(*) from accounts_dep.person").toInt(), 5);
    }

    // A change keeps the list's row number and closes the list.
    void changeWorker()
    {
        AppFixture app;
        app.script.onModal("Form5", [&](Form* f) {
            workers()->setRecNo(4); // О'Брайен
            app.script.onModal("Form2", [&](Form* e) {
                QCOMPARE(e->Tag, 2);
                QCOMPARE(e->caption(), QString("Изменение данных работника"));
                QCOMPARE(Form2->Edit1->text(), QString("О'Брайен Патрик Иванович"));
                QCOMPARE(Form2->worker_id, 3);
                reftest::retype(Form2->Edit1, " Аббасов Патрик ");
                Form2->LCB_department->setKeyValue(2);
                Form2->Button1->click();
            });
            Form5->Button2->click();
            QVERIFY(!f->isVisible());
            QCOMPARE(workers()->recNo(), 4);
            QCOMPARE(workers()->fieldByName("fio").asString(), QString("Иванов Иван Иванович"));
        });
        Form1->N1Click();
        QVERIFY(app.script.errors.isEmpty());
        const ResultSet rs = app.db.exec("select fio, s_staffpos_hl from accounts_dep.person where id=3");
        QCOMPARE(rs.rows[0][0].toString(), QString("Аббасов Патрик"));
        QCOMPARE(rs.rows[0][1].toString(), QString("Заготовительный участок"));
        // The journal takes names from the contractors, which follow the worker.
        QCOMPARE(app.db.scalar("select s_caption from cmn_contractor.person where id=3").toString(),
                 QString("Аббасов Патрик"));
    }

    // "Изменить" on a fully filtered list: empty name, worker_id 0; saving changes no row.
    void changeOnEmptyList()
    {
        AppFixture app;
        app.script.onModal("Form5", [&](Form*) {
            ui::typeText(Form5->Edit1, "Щ");
            QVERIFY(workers()->isEmpty());
            app.script.onModal("Form2", [&](Form*) {
                QVERIFY(Form2->Edit1->text().isEmpty());
                QCOMPARE(Form2->worker_id, 0);
                ui::typeText(Form2->Edit1, "Никто");
                Form2->Button1->click();
            });
            Form5->Button2->click();
        });
        Form1->N1Click();
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.db.scalar("select count(*) from accounts_dep.person where fio='Никто'").toInt(), 0);
        QCOMPARE(app.db.scalar("select count(*) from accounts_dep.person").toInt(), 5);
    }

    void deleteWorker_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rowAfter");
        QTest::addColumn<QString>("error");
        QTest::newRow("first row") << 1 << int(ui::IDYES) << 4 << 1 << "";
        QTest::newRow("last row") << 5 << int(ui::IDYES) << 4 << 4 << "";
        QTest::newRow("answered No") << 1 << int(ui::IDNO) << 5 << 1 << "";
        QTest::newRow("worker with records") << 3 << int(ui::IDYES) << 5 << 3 << "person";
    }
    void deleteWorker()
    {
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(int, count);
        QFETCH(int, rowAfter);
        QFETCH(QString, error);
        AppFixture app;
        // The last row is a worker nothing refers to, so that the database lets him go.
        if (row == 5) {
            app.db.exec("delete from accounts_dep.fatigue where id_p=2");
            app.db.exec("delete from accounts_dep.smena where w_id=2");
        }
        app.script.answer(answer);
        app.script.onModal("Form5", [&](Form* f) {
            workers()->setRecNo(row);
            Form5->Button3->click();
            QCOMPARE(workers()->recordCount(), count);
            QCOMPARE(workers()->recNo(), rowAfter);
            QCOMPARE(Form5->DBGrid1->currentIndex().row(), rowAfter - 1);
            f->reject();
        });
        Form1->N1Click();
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messages[0].text, QString("Удалить работника?"));
        QCOMPARE(app.script.messages[0].caption, QString("Удаление"));
        QCOMPARE(app.script.messages[0].flags, 36);
        QCOMPARE(app.script.messages.size(), error.isEmpty() ? 1 : 2);
        if (!error.isEmpty()) QVERIFY2(app.script.messages[1].text.contains(error), qPrintable(app.script.messages[1].text));
        QCOMPARE(app.db.scalar("select count(*) from accounts_dep.person").toInt(), count);
    }

    // The lookup boxes read their tables afresh on every showing, keep what was chosen last, and
    // the wheel steps through the one that has the focus.
    void lookupBoxes()
    {
        AppFixture app;
        app.script.onModal("Form5", [&](Form* f) {
            app.script.onModal("Form2", [&](Form* e) {
                QCOMPARE(Form2->LCB_department->currentIndex(), -1);
                QCOMPARE(Form2->LCB_roles->maxVisibleItems(), 10);
                Form2->LCB_roles->setFocus();
                // A wheel turned over the window (or over a control that passes it on to the window)
                // moves the focused box, downwards and upwards.
                wheel(e, -120);
                wheel(e, -120);
                QCOMPARE(Form2->LCB_roles->currentText(), QString("Плановик"));
                wheel(e, 120);
                QCOMPARE(Form2->LCB_roles->currentText(), QString("Администратор"));
                wheel(Form2->LCB_staffpos, -120); // an unfocused box leaves the wheel alone
                QCOMPARE(Form2->LCB_staffpos->currentIndex(), -1);
                Form2->Edit1->setFocus();
                wheel(e, -120);
                QCOMPARE(Form2->LCB_roles->currentText(), QString("Администратор"));
                Form2->LCB_department->setKeyValue(7);
                e->reject();
            });
            Form5->Button1->click();
            app.db.exec("insert into cmn_department.department(id, s_caption) values (8, 'Участок упаковки')");
            app.script.onModal("Form2", [&](Form* e) {
                QCOMPARE(Form2->LCB_department->count(), 8);
                QCOMPARE(Form2->LCB_department->currentText(), QString("Заводоуправление"));
                QCOMPARE(Form2->LCB_roles->currentText(), QString("Администратор"));
                e->reject();
            });
            Form5->Button1->click();
            f->reject();
        });
        Form1->N1Click();
        QVERIFY(app.script.errors.isEmpty());
    }

    // Both pickers: prepared by their openers, Enter or a double-click hands the worker back,
    // an empty list hands nothing back; the menu then shows the list mode again.
    void pickers_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byDoubleClick");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("id");
        QTest::newRow("shift record editor") << 1 << "пе" << false << "Петрова Анна Сергеевна" << 2;
        QTest::newRow("auxiliary works") << 24 << "О'" << true << "О'Брайен Патрик Иванович" << 3;
        QTest::newRow("shift record editor, nothing found") << 1 << "Ъ" << false << "прежний" << 99;
        QTest::newRow("auxiliary works, nothing found") << 24 << "Ъ" << true << "прежний" << 99;
    }
    void pickers()
    {
        QFETCH(int, tag);
        QFETCH(QString, typed);
        QFETCH(bool, byDoubleClick);
        QFETCH(QString, name);
        QFETCH(int, id);
        AppFixture app;
        QLineEdit* target = tag == 1 ? Form11->Edit1 : Form24->Edit1;
        int& targetId = tag == 1 ? Form11->FWorkerId : Form24->FWorkerId;
        target->setText("прежний");
        targetId = 99;
        Form5->Edit1->setText("Ив"); // left from the list mode
        auto pick = [&](Form* f) {
            QCOMPARE(f->Tag, tag);
            QVERIFY(Form5->Edit1->text().isEmpty());
            QCOMPARE(workers()->recordCount(), 5);
            QCOMPARE(f->focusWidget(), Form5->Edit1);
            QCOMPARE(Form5->Button2->text(), QString("Выбрать"));
            QVERIFY(Form5->Button2->isDefault());
            QVERIFY(Form5->Button1->isHidden());
            QVERIFY(Form5->Button3->isHidden());
            ui::typeText(Form5->Edit1, typed);
            if (byDoubleClick)
                emit Form5->DBGrid1->dblClick();
            else
                reftest::key(Form5->Edit1, Qt::Key_Return);
            QVERIFY(!f->isVisible());
        };
        if (tag == 24) {
            // The auxiliary works entry opens it with its button beside the worker's name.
            app.script.onModal("Form24", [&](Form* f) {
                app.script.onModal("Form5", pick);
                Form24->Button3->click();
                f->reject();
            });
            Form24->ShowModal();
        } else {
            app.script.onModal("Form5", pick);
            Form5->ShowAsPicker(1);
        }
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(!workers()->active());
        QCOMPARE(target->text(), name);
        QCOMPARE(targetId, id);

        app.script.onModal("Form5", [](Form* f) {
            QCOMPARE(f->Tag, 0);
            QCOMPARE(Form5->Button2->text(), QString("Изменить"));
            QVERIFY(!Form5->Button2->isDefault());
            QVERIFY(Form5->Button1->isDefault());
            QVERIFY(!Form5->Button1->isHidden());
            QVERIFY(!Form5->Button3->isHidden());
            f->reject();
        });
        Form1->N1Click();
        QVERIFY(app.script.errors.isEmpty());
    }
};

VARNEK_TEST_MAIN(TestWorkers)
#include "test_workers.moc"
