// The login window: the codes and their roles on the journal and the summary reports window, wrong
// codes, and how the program ends.
#include "AppFixture.h"
#include "TestMain.h"
#include "core/Unit1.h"
#include "core/Unit23.h"
#include "db/Unit6.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Widgets.h"
#include "reports/Unit18.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Every control a role may switch off, by window and name, with its enabled state now.
QMap<QString, bool> controlStates()
{
    QMap<QString, bool> s;
    for (QWidget* w : std::initializer_list<QWidget*>{Form1->Button1, Form1->Button2, Form1->Button3, Form1->Button4,
                                                      Form1->Button5, Form1->Button8, Form1->RadioButton1,
                                                      Form1->RadioButton2, Form1->RadioButton3, Form1->RadioButton4,
                                                      Form1->CBox1, Form1->DBGrid2, Form1->DateT})
        s["journal " + w->objectName()] = w->isEnabled();
    for (QMenu* m : {Form1->N2, Form1->N11, Form1->N7}) s["journal " + m->objectName()] = m->menuAction()->isEnabled();
    s["journal N5"] = Form1->N5->isEnabled();
    for (QWidget* w : std::initializer_list<QWidget*>{Form18->Button1, Form18->Button2, Form18->Button3, Form18->Button4,
                                                      Form18->Button5, Form18->Button6, Form18->RadioGroup1,
                                                      Form18->DTPicker1, Form18->DTPicker2})
        s["reports " + w->objectName()] = w->isEnabled();
    return s;
}

QStringList disabledControls()
{
    QStringList out;
    const auto states = controlStates();
    for (auto it = states.begin(); it != states.end(); ++it) {
        if (!it.value()) out << it.key();
    }
    return out;
}

void typeCode(const QString& code) { Form23->Edit1->setText(code); }

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void roles_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("loginCode");
        QTest::addColumn<QStringList>("disabled");
        QTest::addColumn<int>("productKind");
        const QStringList none;
        QTest::newRow("administrator 57316204") << "57316204" << "57316204" << none << 0;
        QTest::newRow("administrator 5829") << "5829" << "5829" << none << 0;
        QTest::newRow("planner") << "planer" << "planer"
                                 << QStringList{"journal Button1", "journal Button2", "journal Button3", "journal Button8",
                                                "journal CBox1", "journal DBGrid2", "journal DateT", "journal N11",
                                                "journal N2", "journal RadioButton1", "journal RadioButton2",
                                                "journal RadioButton3", "journal RadioButton4"}
                                 << 0;
        QTest::newRow("shift leader") << "vostrel" << "vostrel"
                                      << QStringList{"journal Button2", "journal Button3", "journal N11", "journal N2",
                                                     "reports Button1", "reports Button2", "reports Button4",
                                                     "reports Button6"}
                                      << 0;
        const QStringList storekeeper{"journal Button1", "journal Button2", "journal Button3", "journal N11",
                                      "journal N2", "reports Button1", "reports Button2", "reports Button4",
                                      "reports Button6", "reports RadioGroup1"};
        QTest::newRow("storekeeper") << "kordo" << "kordo" << storekeeper << 1;
        QTest::newRow("storekeeper between blanks") << "  kordo \t" << "kordo" << storekeeper << 1;
    }
    void roles()
    {
        QFETCH(QString, code);
        QFETCH(QString, loginCode);
        QFETCH(QStringList, disabled);
        QFETCH(int, productKind);
        AppFixture app;
        QVERIFY(app.started);
        Form1->FShift = 3;
        bool shown = false;
        app.script.onModal("Form1", [&](Form* journal) {
            shown = true;
            QVERIFY(!Form23->isVisible());
            QCOMPARE(disabledControls(), disabled);
            QCOMPARE(Form18->RadioGroup1->itemIndex(), productKind);
            QCOMPARE(Form1->FLoginCode, loginCode);
            QCOMPARE(Form1->FShift, 1);
            for (int shift = 1; shift <= 4; ++shift)
                QCOMPARE(DataModule6->SmenaQuery(shift)->paramByName("ok").value.toString(), QString("ta"));
            journal->close();
        });
        typeCode(code);
        QTest::keyClick(Form23->Edit1, Qt::Key_Return); // "Вход" is the default button
        QVERIFY(shown);
        QVERIFY(app.script.errors.isEmpty());
        // Closing the journal closes the login window, which ends the program without a word.
        QVERIFY(!Form23->isVisible());
        QCOMPARE(app.script.terminations, 1);
        QVERIFY(app.script.messages.isEmpty());
    }

    void wrongCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("capital letters") << "KORDO";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("a code with more") << "kordo1";
        QTest::newRow("part of a code") << "582";
        QTest::newRow("quote and percent") << "' or '1%'='1%";
    }
    void wrongCodes()
    {
        QFETCH(QString, code);
        AppFixture app;
        app.script.clear();
        typeCode(code);
        Form23->Button1->click();
        QCOMPARE(app.script.messages.size(), 1);
        QCOMPARE(app.script.messages[0].text, QString("Введены неверные данные."));
        QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
        QCOMPARE(app.script.messages[0].flags, 16);
        QVERIFY(app.script.modalShown.isEmpty());
        QVERIFY(Form23->isVisible());
        QCOMPARE(app.script.terminations, 0);
        QVERIFY(!Form1->N11->menuAction()->isEnabled());
    }

    void administratorAfterAWrongCodeHasTheTimeSheets()
    {
        AppFixture app;
        typeCode("VOSTREL");
        Form23->Button1->click();
        QCOMPARE(app.script.messageTexts(), QStringList{"Введены неверные данные."});
        bool menuEnabled = false;
        app.script.onModal("Form1", [&](Form* journal) {
            menuEnabled = Form1->N11->menuAction()->isEnabled();
            journal->close();
        });
        typeCode("5829");
        Form23->Button1->click();
        QVERIFY(menuEnabled);
        QCOMPARE(app.script.modalShown, QStringList{"Form1"});
    }

    void cancellingEndsTheProgram_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Отмена") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("window frame") << 2;
    }
    void cancellingEndsTheProgram()
    {
        QFETCH(int, how);
        AppFixture app;
        typeCode("5829");
        if (how == 0) Form23->Button2->click();
        if (how == 1) QTest::keyClick(Form23->Edit1, Qt::Key_Escape);
        if (how == 2) Form23->close();
        QVERIFY(!Form23->isVisible());
        QCOMPARE(app.script.terminations, 1);
        QVERIFY(app.script.modalShown.isEmpty());
    }

    void codeIsHiddenAndButtonsAreDesigned()
    {
        AppFixture app;
        QCOMPARE(Form23->Edit1->echoMode(), QLineEdit::Password);
        QVERIFY(Form23->Edit1->text().isEmpty());
        QCOMPARE(Form23->Button1->text(), QString("Вход"));
        QVERIFY(Form23->Button1->isDefault());
        QCOMPARE(Form23->Button2->text(), QString("Отмена"));
        QVERIFY(!Form23->Button2->isDefault());
    }
};

VARNEK_TEST_MAIN(TestLogin)
#include "test_login.moc"
