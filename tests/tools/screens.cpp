// Grabs the windows of the program to PNG files, for looking at what users see:
//   varnek-screens DATABASE SOCKET_DIR OUTDIR
// It starts the program's windows against that database without a display (offscreen), with the
// scripted user of the tests, and writes one PNG per scene.
#include "TestMain.h"
#include "UiScript.h"
#include "core/Startup.h"
#include "core/Unit1.h"
#include "core/Unit23.h"

#include <QDir>
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
    DestroyApplicationWindows();
    return 0;
}
