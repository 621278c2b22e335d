// The operation kinds list and editor: no search box in list mode, add and change through the
// shared query with the duplicate check, delete, the reserved kinds, and the kind picker.
#include "AppFixture.h"
#include "RefTest.h"
#include "TestMain.h"
#include "core/Unit1.h"
#include "db/Unit6.h"
#include "platform/ui/DataGrid.h"
#include "reference/Unit10.h"
#include "reference/Unit8.h"
#include "reference/Unit9.h"

#include <QLineEdit>
#include <QPushButton>

using reftest::shown;

namespace {

Query* kinds() { return DataModule6->Vid_oper; }

void inList(AppFixture& app, const std::function<void(Form*)>& action)
{
    app.script.onModal("Form8", [action](Form* f) {
        action(f);
        if (f->isVisible()) f->reject();
    });
    Form1->N6Click();
}

QStringList kindNames(FreshDatabase& db)
{
    QStringList out;
    for (const auto& r : db.exec("select trim(vid) from accounts_dep.vid_oper").rows) out << r[0].toString();
    out.sort();
    return out;
}

const QStringList kFixture{"РЕЗКА", "СВАРКА", "ПОКРАСКА", "УПАКОВКА", "ХОЗ. РАБОТЫ", "СРЕДНЕСДЕЛЬНАЯ"};

} // namespace

class TestKinds : public QObject {
    Q_OBJECT
private slots:
    void listMode()
    {
        AppFixture app;
        kinds()->setFilter("vid like 'Р%'");
        kinds()->setFiltered(true);
        inList(app, [&](Form* f) {
            QCOMPARE(f->Tag, 0);
            QVERIFY(Form8->Edit1->isHidden());
            QVERIFY(!kinds()->filtered());
            QCOMPARE(shown(kinds(), "vid"),
                     (QStringList{"ПОКРАСКА", "РЕЗКА", "СВАРКА", "СРЕДНЕСДЕЛЬНАЯ", "УПАКОВКА", "ХОЗ. РАБОТЫ"}));
            QCOMPARE(Form8->DBGrid1->columns()[0].title, QString("Операции"));
            QCOMPARE(Form8->DBGrid1->columnWidth(0), 309);
            QCOMPARE(Form8->DBGrid1->cellText(1, 0), QString("ПОКРАСКА")); // shown without its padding
            QVERIFY(Form8->Button1->isDefault());
            reftest::key(Form8->DBGrid1, Qt::Key_Escape);
            QVERIFY(!f->isVisible());
        });
        QVERIFY(!kinds()->active());
        QVERIFY(app.script.errors.isEmpty());
    }

    void save_data()
    {
        QTest::addColumn<int>("changeId"); // 0: add
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("stored");
        const QString dup = "Такая операция уже заведена!";
        const QString empty = "Все поля должны быть заполнены!";
        QTest::newRow("add") << 0 << "  Гибка 'лист' 50%_ " << ""
                             << kFixture + QStringList{"Гибка 'лист' 50%_"};
        QTest::newRow("add blanks") << 0 << "   " << empty << kFixture;
        QTest::newRow("add in other case") << 0 << "резка" << dup << kFixture;
        QTest::newRow("add reserved name") << 0 << "хоз. работы" << dup << kFixture;
        QTest::newRow("add too long") << 0 << QString(129, QChar(0x0416)) << "character(128)" << kFixture;
        QStringList own = kFixture;
        own[0] = "Резка";
        QTest::newRow("change to own name in other case") << 1 << "Резка" << "" << own;
        QTest::newRow("change to another kind's name") << 2 << "резка" << dup << kFixture;
        QTest::newRow("change to blanks") << 2 << " " << empty << kFixture;
    }
    void save()
    {
        QFETCH(int, changeId);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QStringList, stored);
        AppFixture app;
        inList(app, [&](Form*) {
            if (changeId) reftest::go(kinds(), "id", changeId);
            const int rows = kinds()->recordCount();
            app.script.onModal("Form9", [&](Form* e) {
                QCOMPARE(e->Tag, changeId ? 2 : 1);
                QCOMPARE(e->caption(), changeId ? QString("Изменение данных вида операции")
                                                : QString("Заведение нового вида операций"));
                QCOMPARE(e->focusWidget(), Form9->Edit1);
                if (changeId) QVERIFY(!Form9->Edit1->text().isEmpty());
                reftest::retype(Form9->Edit1, typed);
                reftest::key(Form9->Edit1, Qt::Key_Return);
                QCOMPARE(e->isVisible(), !message.isEmpty());
                if (e->isVisible()) e->reject();
            });
            if (changeId)
                Form8->Button2->click();
            else
                Form8->Button1->click();
            // A refused row is not left in the list.
            QCOMPARE(kinds()->state(), Dataset::State::Browse);
            QCOMPARE(kinds()->recordCount(), message.isEmpty() && !changeId ? rows + 1 : rows);
        });
        QVERIFY(app.script.errors.isEmpty());
        if (message.isEmpty()) {
            QVERIFY(app.script.messages.isEmpty());
        } else {
            QCOMPARE(app.script.messages.size(), 1);
            QVERIFY2(app.script.messages[0].text.contains(message), qPrintable(app.script.messages[0].text));
            QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
            QCOMPARE(app.script.messages[0].flags, 16);
        }
        stored.sort();
        QCOMPARE(kindNames(app.db), stored);
    }

    void deleteKind_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("gone");
        QTest::addColumn<bool>("refused");
        QTest::newRow("unused") << 4 << int(ui::IDYES) << true << false;
        QTest::newRow("answered No") << 4 << int(ui::IDNO) << false << false;
        QTest::newRow("used by operations") << 1 << int(ui::IDYES) << false << true;
    }
    void deleteKind()
    {
        QFETCH(int, id);
        QFETCH(int, answer);
        QFETCH(bool, gone);
        QFETCH(bool, refused);
        AppFixture app;
        app.script.answer(answer);
        inList(app, [&](Form*) {
            reftest::go(kinds(), "id", id);
            const int row = kinds()->recNo();
            Form8->Button3->click();
            QCOMPARE(kinds()->recordCount(), gone ? 5 : 6);
            if (refused) QCOMPARE(kinds()->recNo(), row);
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messages[0].text, QString("Удалить вид операции?"));
        QCOMPARE(app.script.messages[0].caption, QString("Удаление"));
        QCOMPARE(app.script.messages[0].flags, 36);
        QCOMPARE(app.script.messages.size(), refused ? 2 : 1);
        QCOMPARE(app.db.scalar(QString("select count(*) from accounts_dep.vid_oper where id=%1").arg(id)).toInt(),
                 gone ? 0 : 1);
    }

    // Kinds 7777 and 7778 cannot be changed, chosen or deleted.
    void reservedKinds()
    {
        AppFixture app;
        inList(app, [&](Form* f) {
            for (int id : {7777, 7778}) {
                reftest::go(kinds(), "id", id);
                Form8->Button2->click();
                Form8->Button3->click();
                emit Form8->DBGrid1->dblClick();
            }
            QVERIFY(f->isVisible());
        });
        Form10->Edit2->setText("до");
        Form10->kind_id = 3;
        app.script.onModal("Form8", [&](Form* f) {
            reftest::go(kinds(), "id", 7777);
            reftest::key(Form8->Edit1, Qt::Key_Return);
            QVERIFY(f->isVisible());
            f->reject();
        });
        Form8->ShowAsPicker();
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(app.script.messages.isEmpty());
        QCOMPARE(Form10->Edit2->text(), QString("до"));
        QCOMPARE(Form10->kind_id, 3);
        QStringList fixture = kFixture;
        fixture.sort();
        QCOMPARE(kindNames(app.db), fixture);
    }

    void picker_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byDoubleClick");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("id");
        QTest::newRow("Enter") << "св" << false << "СВАРКА" << 2;
        QTest::newRow("double-click") << "УП" << true << "УПАКОВКА" << 4;
        QTest::newRow("nothing found") << "Ъ" << false << "" << 0;
    }
    void picker()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byDoubleClick);
        QFETCH(QString, name);
        QFETCH(int, id);
        AppFixture app;
        Form10->kind_id = 77;
        app.script.onModal("Form10", [&](Form* e) {
            app.script.onModal("Form8", [&](Form* f) {
                QCOMPARE(f->Tag, 1);
                QVERIFY(!Form8->Edit1->isHidden());
                QCOMPARE(f->focusWidget(), Form8->Edit1);
                QCOMPARE(Form8->Button2->text(), QString("Выбрать"));
                QVERIFY(Form8->Button2->isDefault());
                QVERIFY(Form8->Button1->isHidden() && Form8->Button3->isHidden());
                QLineEdit* box = Form8->Edit1;
                ui::typeText(box, typed);
                reftest::key(box, Qt::Key_Delete); // no key but typing changes the box
                reftest::key(box, Qt::Key_Left);
                reftest::key(box, Qt::Key_Backspace);
                QCOMPARE(box->text(), typed.left(typed.size() - 1));
                ui::typeText(box, typed.right(1));
                if (byDoubleClick)
                    emit Form8->DBGrid1->dblClick();
                else
                    reftest::key(box, Qt::Key_Return);
                QVERIFY(!f->isVisible());
            });
            Form10->Button4->click();
            e->reject();
        });
        Form10->ShowModal();
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(Form10->Edit2->text(), name);
        QCOMPARE(Form10->kind_id, id);
        QVERIFY(!kinds()->active());
        QVERIFY(!Form8->Button2->isDefault());
        QVERIFY(Form8->Edit1->isHidden());
    }
};

VARNEK_TEST_MAIN(TestKinds)
#include "test_kinds.moc"
