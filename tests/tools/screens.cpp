// Grabs the windows of the program to PNG files, for looking at what users see:
//   varnek-screens DATABASE SOCKET_DIR OUTDIR
// It starts the program's windows against that database without a display (offscreen), with the
// scripted user of the tests, and writes one PNG per scene.
#include "TestMain.h"
#include "UiScript.h"
#include "core/Startup.h"
#include "core/Unit1.h"
#include "core/Unit23.h"
#include "db/Unit6.h"
#include "reference/Unit10.h"
#include "reference/Unit2.h"
#include "reference/Unit22.h"
#include "reference/Unit26.h"
#include "reference/Unit29.h"
#include "reference/Unit3.h"
#include "reference/Unit5.h"
#include "reference/Unit7.h"
#include "reference/Unit8.h"
#include "reference/Unit9.h"
#include "timesheets/Unit24.h"

#include "platform/ui/Widgets.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QPixmap>
#include <cstdio>

namespace {

QString g_out;

void save(QWidget* w, const QString& name)
{
    w->adjustSize();
    const QString path = QDir(g_out).filePath(name + ".png");
    w->grab().save(path);
    std::printf("%s\n", qPrintable(path));
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
    UiScript script;
    if (!CreateApplicationWindows({QStringLiteral("varnek-erp"), QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])})) {
        std::fprintf(stderr, "cannot start: %s\n", qPrintable(script.messageTexts().join("; ")));
        return 1;
    }
    save(Form23, QStringLiteral("login"));
    grabReferenceScenes(script);
    for (const QString& e : script.errors) std::fprintf(stderr, "%s\n", qPrintable(e));
    DestroyApplicationWindows();
    return 0;
}
