// Grabs the windows of the program to PNG files, for looking at what users see:
//   varnek-screens DATABASE SOCKET_DIR OUTDIR
// It starts the program's windows against that database without a display (offscreen), with the
// scripted user of the tests, and writes one PNG per scene.
#include "TestMain.h"
#include "TestBuildStamp.h"
#include "UiScript.h"
#include "core/Startup.h"
#include "core/Unit1.h"
#include "core/Unit11.h"
#include "core/Unit23.h"
#include "db/Unit6.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Widgets.h"
#include "reports/Unit18.h"
#include "reference/Unit10.h"
#include "reference/Unit2.h"
#include "reference/Unit22.h"
#include "reference/Unit26.h"
#include "reference/Unit29.h"
#include "reference/Unit3.h"
#include "reference/Unit4.h"
#include "reference/Unit5.h"
#include "reference/Unit7.h"
#include "reference/Unit8.h"
#include "reference/Unit9.h"
#include "timesheets/Unit24.h"

#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <functional>

namespace {

QString g_out;
QStringList g_arguments;

void save(QWidget* w, const QString& name)
{
    w->adjustSize();
    const QString path = QDir(g_out).filePath(name + ".png");
    w->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

// Starts the windows, logs in with the code and runs the scene while the journal is shown.
bool loginAs(const QString& code, const std::function<void(UiScript&)>& scene)
{
    UiScript script;
    if (!CreateApplicationWindows(g_arguments)) {
        std::fprintf(stderr, "cannot start: %s\n", qPrintable(script.messageTexts().join("; ")));
        return false;
    }
    script.onModal(QStringLiteral("Form1"), [&](Form* journal) {
        scene(script);
        journal->close();
    });
    Form23->Edit1->setText(code);
    Form23->Button1->click();
    for (const QString& e : script.errors) std::fprintf(stderr, "%s: %s\n", qPrintable(code), qPrintable(e));
    for (const QString& m : script.messageTexts()) std::fprintf(stderr, "%s: message %s\n", qPrintable(code), qPrintable(m));
    DestroyApplicationWindows();
    return true;
}

// Makes the first record of the shown shift whose operation is a painting one current.
void choosePaintingRecord()
{
    Dataset* q = Form1->DBGrid2->dataset();
    for (int r = 1; r <= q->recordCount(); ++r) {
        q->setRecNo(r);
        if (q->fieldByName(QStringLiteral("vid")).asString().toUpper().contains(QStringLiteral("КРАСКА"))) return;
    }
    q->first();
}

// Shows the editor from a journal button and grabs it.
void grabEditor(UiScript& script, QPushButton* button, const QString& name)
{
    script.onModal(QStringLiteral("Form11"), [name](Form* editor) {
        save(editor, name);
        editor->reject();
    });
    button->click();
}

// The reference lists and editors, in list and picker mode, and the windows the pickers fill.
void grabReferenceScenes(UiScript& script)
{
    // Workers: the list, the editor of the first worker with a department chosen, the picker.
    script.onModal("Form5", [&](Form* f) {
        save(f, "workers-list");
        script.onModal("Form2", [](Form* e) {
            Form2->LCB_department->setCurrentIndex(1);
            Form2->LCB_staffpos->setCurrentIndex(2);
            Form2->LCB_roles->setCurrentIndex(4);
            save(e, "worker-editor");
            e->reject();
        });
        Form5->Button2->click();
    });
    Form1->N1Click();
    script.onModal("Form5", [](Form* f) {
        ui::typeText(Form5->Edit1, "Ки");
        save(f, "workers-picker");
        f->reject();
    });
    Form5->ShowAsPicker(24);

    // Items: the list, the editor of the second item, the operation editor with its item picker.
    script.onModal("Form3", [&](Form* f) {
        save(f, "items-list");
        DataModule6->Izdel->setRecNo(2);
        script.onModal("Form7", [](Form* e) {
            save(e, "item-editor");
            e->reject();
        });
        Form3->Button2->click();
        f->reject();
    });
    Form1->N3Click();
    script.onModal("Form10", [&](Form* f) {
        script.onModal("Form3", [](Form* p) {
            DataModule6->Izdel->setRecNo(3);
            save(p, "items-picker");
            Form3->Button2->click();
        });
        Form10->Button3->click();
        script.onModal("Form8", [](Form* p) {
            save(p, "kinds-picker");
            Form8->Button2->click();
        });
        Form10->Button4->click();
        save(f, "operation-editor");
        f->reject();
    });
    Form10->ShowModal();

    // Prices: the list, and the operation editor of one of its operations in change mode.
    script.onModal("Form4", [&](Form* f) {
        save(f, "prices-list");
        // The third operation that is not one of the hourly works (those are never changed).
        Query* oper = DataModule6->Oper;
        int ordinary = 0;
        for (oper->first(); !oper->eof(); oper->next()) {
            const int id = oper->fieldByName("id").asInteger();
            if (id != 7777 && id != 7778 && ++ordinary == 3) break;
        }
        script.onModal("Form10", [](Form* e) {
            save(e, "operation-editor-change");
            e->reject();
        });
        Form4->Button2->click();
        f->reject();
    });
    Form1->N4Click();

    // Operation kinds: the list and the editor.
    script.onModal("Form8", [&](Form* f) {
        save(f, "kinds-list");
        script.onModal("Form9", [](Form* e) {
            save(e, "kind-editor");
            e->reject();
        });
        Form8->Button2->click();
        f->reject();
    });
    Form1->N6Click();

    // Norms of the first operation with several norm rows.
    Query* oper = DataModule6->Oper;
    oper->open();
    for (oper->first(); !oper->eof() && oper->fieldByName("norma").asInteger() < 3; oper->next()) {
    }
    script.onModal("Form22", [](Form* f) {
        save(f, "norms");
        f->reject();
    });
    Form22->ShowForOperation(oper->fieldByName("id").asInteger());
    oper->close();

    // Nomenclature groups: the list, the editor, the auxiliary works entry with its group picker.
    script.onModal("Form26", [&](Form* f) {
        save(f, "groups-list");
        script.onModal("Form29", [](Form* e) {
            save(e, "group-editor");
            e->reject();
        });
        Form26->Button3->click();
        f->reject();
    });
    Form1->N8Click();
    script.onModal("Form24", [&](Form* f) {
        script.onModal("Form26", [](Form* p) {
            save(p, "groups-picker");
            Form26->Button3->click();
        });
        Form24->Button4->click();
        script.onModal("Form5", [](Form* p) { Form5->Button2->click(); });
        Form24->Button3->click();
        save(f, "auxiliary-entry");
        f->reject();
    });
    Form24->ShowModal();
}

// Runs as the build the database has recorded, so that grabbing never stops on the version check
// nor makes the installed program look outdated.
void takeRecordedBuildStamp(const QStringList& arguments)
{
    Connection c;
    c.setConnectionString(TDataModule6::ConnectionStringFor(arguments));
    c.open();
    const ResultSet rs = c.exec(QStringLiteral("select d, t from accounts_dep.ver order by id limit 1"));
    if (rs.rows.isEmpty() || rs.rows[0][0].toInt() < 19000101) return;
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int d = rs.rows[0][0].toInt(), t = rs.rows[0][1].toInt();
    const QByteArray date = QStringLiteral("%1 %2 %3").arg(QString::fromLatin1(months[(d / 100 % 100 + 11) % 12]))
                                .arg(d % 100, 2).arg(d / 10000).toLatin1();
    const QByteArray time = QStringLiteral("%1:%2:%3").arg(t / 3600, 2, 10, QLatin1Char('0'))
                                .arg(t / 60 % 60, 2, 10, QLatin1Char('0')).arg(t % 60, 2, 10, QLatin1Char('0')).toLatin1();
    setTestBuildStamp(date.constData(), time.constData());
}

} // namespace

int main(int argc, char** argv)
{
    prepareTestEnvironment();
    Application app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    FormatSettings::current() = FormatSettings::fromSystemLocale();
    if (argc < 4) {
        std::fprintf(stderr, "usage: varnek-screens DATABASE SOCKET_DIR OUTDIR\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(g_out);
    g_arguments = {QStringLiteral("varnek-erp"), QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    takeRecordedBuildStamp(g_arguments);
    {
        UiScript script;
        if (!CreateApplicationWindows(g_arguments)) {
            std::fprintf(stderr, "cannot start: %s\n", qPrintable(script.messageTexts().join("; ")));
            return 1;
        }
        save(Form23, QStringLiteral("login"));
        DestroyApplicationWindows();
    }

    const bool ok = loginAs(QStringLiteral("5829"), [](UiScript& script) {
        save(Form1, QStringLiteral("journal-administrator"));
        Form1->RadioButton4->setChecked(true);
        save(Form1, QStringLiteral("journal-overtime"));
        Form1->RadioButton1->setChecked(true);
        // The last Saturday: the day-off box is checked.
        Form1->DateT->setDate(Form1->DateT->date().addDays(-(Form1->DateT->date().dayOfWeek() % 7) - 1));
        emit Form1->DateT->enterPressed();
        save(Form1, QStringLiteral("journal-saturday"));
        Form1->Button8->click();
        grabEditor(script, Form1->Button1, QStringLiteral("editor-add"));
        // A new record with a worker and a painting operation chosen in the pickers.
        script.onModal(QStringLiteral("Form11"), [&script](Form* editor) {
            script.onModal(QStringLiteral("Form5"), [](Form* picker) {
                DataModule6->Workers->setRecNo(3);
                Form5->Button2->click();
                (void)picker;
            });
            Form11->Button3->click();
            script.onModal(QStringLiteral("Form4"), [](Form* picker) {
                ui::typeText(Form4->Edit1, QStringLiteral("ВС"));
                save(picker, QStringLiteral("prices-picker"));
                Query* oper = DataModule6->Oper;
                for (oper->first(); !oper->eof(); oper->next()) {
                    if (oper->fieldByName(QStringLiteral("vid")).asString().toUpper().contains(QStringLiteral("КРАСКА"))) break;
                }
                Form4->Button2->click();
            });
            Form11->Button4->click();
            Form11->Edit3->setText(QStringLiteral("12"));
            Form11->Amounts();
            save(editor, QStringLiteral("editor-chosen"));
            editor->reject();
        });
        Form1->Button1->click();
        choosePaintingRecord();
        grabEditor(script, Form1->Button2, QStringLiteral("editor-change"));
        Form1->DBGrid2->dataset()->first();
        grabEditor(script, Form1->Button2, QStringLiteral("editor-change-first"));
        script.onModal(QStringLiteral("Form18"), [](Form* reports) {
            save(reports, QStringLiteral("reports-administrator"));
            reports->close();
        });
        Form1->N10->trigger();
        grabReferenceScenes(script);
    });
    if (!ok) return 1;
    loginAs(QStringLiteral("planer"), [](UiScript&) { save(Form1, QStringLiteral("journal-planner")); });
    loginAs(QStringLiteral("vostrel"), [](UiScript& script) {
        save(Form1, QStringLiteral("journal-shift-leader"));
        script.onModal(QStringLiteral("Form18"), [](Form* reports) {
            save(reports, QStringLiteral("reports-shift-leader"));
            reports->close();
        });
        Form1->N10->trigger();
    });
    loginAs(QStringLiteral("kordo"), [](UiScript& script) {
        save(Form1, QStringLiteral("journal-storekeeper"));
        script.onModal(QStringLiteral("Form18"), [](Form* reports) {
            save(reports, QStringLiteral("reports-storekeeper"));
            reports->close();
        });
        Form1->N10->trigger();
    });
    return 0;
}
