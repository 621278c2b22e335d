// The nomenclature groups list and editor: the "V" mark, search, add and change, the delete with
// its usage counts and refusals, and the group picker of the auxiliary works entry.
#include "AppFixture.h"
#include "RefTest.h"
#include "TestMain.h"
#include "core/Unit1.h"
#include "db/Unit6.h"
#include "platform/ui/DataGrid.h"
#include "reference/Unit26.h"
#include "reference/Unit29.h"
#include "timesheets/Unit24.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using reftest::shown;

namespace {

Query* groups() { return Form26->item; }

void inList(AppFixture& app, const std::function<void(Form*)>& action)
{
    app.script.onModal("Form26", [action](Form* f) {
        action(f);
        if (f->isVisible()) f->reject();
    });
    Form1->N8Click();
}

const QStringList kAll{"Архив", "Вспомогательные работы", "Стеллажи", "Шкафы"};

} // namespace

class TestGroups : public QObject {
    Q_OBJECT
private slots:
    void listMode()
    {
        AppFixture app;
        inList(app, [&](Form* f) {
            QCOMPARE(f->Tag, 0);
            QCOMPARE(f->caption(), QString("Номенклатура (26)"));
            QCOMPARE(shown(groups(), "s_caption"), kAll);
            QCOMPARE(shown(groups(), "s_excl"), (QStringList{"V", "V", "", ""}));
            DataGrid* g = Form26->DBGrid1;
            QCOMPARE(g->columns()[0].title, QString("Наименование"));
            QCOMPARE(g->columnWidth(0), 407);
            QCOMPARE(g->columns()[1].title, QString("Не используется"));
            QCOMPARE(g->columnWidth(1), 125);
            QCOMPARE(g->columns()[1].alignment, Qt::AlignCenter);
            for (QPushButton* b : {Form26->Button1, Form26->Button2, Form26->Button3, Form26->Button4})
                QVERIFY(!b->isDefault() && !b->autoDefault());
            QCOMPARE(Form26->Button3->text(), QString("Изменить"));
            QCOMPARE(f->width(), 585);
            // Search, with every key but typing and Backspace dropped.
            QLineEdit* box = Form26->Edit1;
            ui::typeText(box, "шк");
            QCOMPARE(shown(groups(), "s_caption"), QStringList{"Шкафы"});
            reftest::key(box, Qt::Key_Home);
            reftest::key(box, Qt::Key_Delete);
            QCOMPARE(box->text(), QString("шк"));
            reftest::retype(box, "");
            QCOMPARE(groups()->recordCount(), 4);
            reftest::key(box, Qt::Key_Down);
            reftest::key(box, Qt::Key_Down);
            QCOMPARE(groups()->recNo(), 3);
            reftest::key(box, Qt::Key_Return); // no default button: nothing happens
            QVERIFY(f->isVisible());
        });
        QVERIFY(app.script.errors.isEmpty());
        QVERIFY(!groups()->active());
    }

    void add_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("excluded");
        QTest::addColumn<QString>("stored");
        QTest::newRow("in use") << "  Полки 'Люкс' 100%_ " << false << "Полки 'Люкс' 100%_";
        QTest::newRow("not in use") << "Ящики" << true << "Ящики";
        QTest::newRow("empty caption") << "  " << false << "";
    }
    void add()
    {
        QFETCH(QString, typed);
        QFETCH(bool, excluded);
        QFETCH(QString, stored);
        AppFixture app;
        Form29->CheckBox1->setChecked(excluded); // the box keeps its last state
        inList(app, [&](Form*) {
            groups()->setRecNo(3);
            app.script.onModal("Form29", [&](Form* e) {
                QCOMPARE(e->Tag, 1);
                QCOMPARE(e->caption(), QString("Ведение групп (29)"));
                QVERIFY(Form29->Edit1->text().isEmpty());
                QCOMPARE(Form29->CheckBox1->isChecked(), excluded);
                QCOMPARE(e->focusWidget(), Form29->Edit1);
                ui::typeText(Form29->Edit1, typed);
                reftest::key(Form29->Edit1, Qt::Key_Return);
                QVERIFY(!e->isVisible());
            });
            Form26->Button2->click();
            QCOMPARE(groups()->recordCount(), 5);
            QCOMPARE(groups()->recNo(), 3);
        });
        QVERIFY(app.script.errors.isEmpty());
        const ResultSet rs = app.db.exec("select s_caption, b_excluded, id_level::int from cmn_classifier.item where id=4");
        QCOMPARE(rs.rows.size(), 1);
        QCOMPARE(rs.rows[0][0].toString(), stored);
        QCOMPARE(rs.rows[0][1].toInt(), excluded ? 1 : 0);
        QCOMPARE(rs.rows[0][2].toInt(), 2);
    }

    void change()
    {
        AppFixture app;
        app.db.exec("update cmn_classifier.item set s_caption='  Шкафы  ' where id=2");
        inList(app, [&](Form*) {
            reftest::go(groups(), "id", 2);
            const int row = groups()->recNo();
            app.script.onModal("Form29", [&](Form* e) {
                QCOMPARE(e->Tag, 2);
                QCOMPARE(Form29->Edit1->text(), QString("Шкафы"));
                QVERIFY(!Form29->CheckBox1->isChecked());
                reftest::retype(Form29->Edit1, "Шкафы металлические");
                Form29->CheckBox1->setChecked(true);
                Form29->Button1->click();
            });
            Form26->Button3->click();
            QCOMPARE(groups()->recNo(), row);
            QCOMPARE(groups()->fieldByName("s_excl").asString(), QString("V"));
            // A group not in use opens with its box checked.
            app.script.onModal("Form29", [&](Form* e) {
                QVERIFY(Form29->CheckBox1->isChecked());
                e->reject();
            });
            emit Form26->DBGrid1->dblClick();
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.db.scalar("select s_caption from cmn_classifier.item where id=2").toString(),
                 QString("Шкафы металлические"));
        QCOMPARE(app.db.scalar("select b_excluded from cmn_classifier.item where id=2").toInt(), 1);
    }

    void tooLongCaption()
    {
        AppFixture app;
        inList(app, [&](Form*) {
            app.script.onModal("Form29", [&](Form* e) {
                ui::typeText(Form29->Edit1, QString(255, QChar(0x0416)));
                Form29->Button1->click();
                QVERIFY(e->isVisible());
                e->reject();
            });
            Form26->Button2->click();
        });
        QCOMPARE(app.script.messages.size(), 1);
        QVERIFY(app.script.messages[0].text.contains("character varying(254)"));
        QCOMPARE(app.db.scalar("select count(*) from cmn_classifier.item").toInt(), 4);
    }

    void deleteGroup_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("gone");
        const QString ask = "Удалить позицию из списка?";
        QTest::newRow("nothing refers to it") << 3 << int(ui::IDYES) << QStringList{ask} << true;
        QTest::newRow("answered No") << 3 << int(ui::IDNO) << QStringList{ask} << false;
        QTest::newRow("group with items") << 1 << int(ui::IDYES)
                                          << QStringList{"В номенклатурной группе есть изделия."} << false;
        QTest::newRow("group with auxiliary works") << 10 << int(ui::IDYES)
                                                    << QStringList{"В номенклатурной группе есть операции."} << false;
        QTest::newRow("group with one item only") << 11 << int(ui::IDYES)
                                                  << QStringList{"В номенклатурной группе есть изделия."} << false;
    }
    void deleteGroup()
    {
        QFETCH(int, id);
        QFETCH(int, answer);
        QFETCH(QStringList, messages);
        QFETCH(bool, gone);
        AppFixture app;
        app.db.exec("insert into cmn_classifier.item(id, s_caption) values (10, 'Двери'), (11, 'Замки')");
        app.db.exec("insert into accounts_dep.fatigue(id_nom, id_o, id_p, d_date, i_mnth, i_year, cnt, price) "
                    "values (10, 7777, 1, '2024-05-07', 5, 2024, 1, 150)");
        app.db.exec("insert into cmn_gds_and_srv.gds_and_srv(s_caption, id_class_item) values ('ЗАМОК-1', 11)");
        app.script.answer(answer);
        inList(app, [&](Form*) {
            reftest::go(groups(), "id", id);
            const int row = groups()->recNo();
            Form26->Button1->click();
            QCOMPARE(groups()->recordCount(), gone ? 5 : 6);
            QCOMPARE(groups()->recNo(), row); // kept, also after the list is read again
        });
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(app.script.messageTexts(), messages);
        QCOMPARE(app.script.messages[0].caption, QString("Удаление"));
        QCOMPARE(app.script.messages[0].flags, messages[0].startsWith("Удалить") ? 36 : 16);
        QCOMPARE(app.db.scalar(QString("select count(*) from cmn_classifier.item where id=%1").arg(id)).toInt(),
                 gone ? 0 : 1);
    }

    // The auxiliary works entry's picker: groups in use only, until the user types; narrower and
    // without the column "Не используется" while picking; everything put back afterwards.
    void picker_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        QTest::newRow("in use") << "" << QStringList{"Шкафы", "Стеллажи"} << 2 << "  Шкафы ";
        QTest::newRow("typing offers every group") << "ар" << QStringList{"Архив"} << 3 << "Архив";
        QTest::newRow("nothing found") << "Ъ" << QStringList{} << 99 << "прежняя";
    }
    void picker()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, offered);
        QFETCH(int, id);
        QFETCH(QString, caption);
        AppFixture app;
        app.db.exec("update cmn_classifier.item set s_caption='  Шкафы ' where id=2");
        Form24->FGroupId = 99;
        Form24->Edit2->setText("прежняя");
        Form26->Edit1->setText("Стел"); // left from the list mode
        app.script.onModal("Form24", [&](Form* e) {
            app.script.onModal("Form26", [&](Form* f) {
                QCOMPARE(f->Tag, 24);
                QVERIFY(Form26->Edit1->text().isEmpty());
                QCOMPARE(Form26->Button3->text(), QString("Выбрать"));
                QVERIFY(Form26->Button1->isHidden() && Form26->Button2->isHidden());
                QVERIFY(Form26->DBGrid1->isColumnHidden(1));
                QCOMPARE(f->width(), 460);
                ui::typeText(Form26->Edit1, typed);
                QCOMPARE(shown(groups(), "s_caption"), offered);
                if (!offered.isEmpty()) groups()->setRecNo(1);
                emit Form26->DBGrid1->dblClick();
                QVERIFY(!f->isVisible());
            });
            Form24->Button4->click();
            e->reject();
        });
        Form24->ShowModal();
        QVERIFY(app.script.errors.isEmpty());
        QCOMPARE(Form24->FGroupId, id);
        QCOMPARE(Form24->Edit2->text(), caption);
        QVERIFY(!groups()->active());
        QVERIFY(!groups()->filtered());
        inList(app, [&](Form* f) {
            QCOMPARE(f->Tag, 0);
            QCOMPARE(f->width(), 585);
            QVERIFY(!Form26->DBGrid1->isColumnHidden(1));
            QVERIFY(!Form26->Button1->isHidden() && !Form26->Button2->isHidden());
            QCOMPARE(Form26->Button3->text(), QString("Изменить"));
            QVERIFY(Form26->Edit1->text().isEmpty());
            QCOMPARE(groups()->recordCount(), 4);
        });
        QVERIFY(app.script.errors.isEmpty());
    }
};

VARNEK_TEST_MAIN(TestGroups)
#include "test_groups.moc"
