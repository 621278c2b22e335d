// The program: starts the application, creates the windows and runs the message loop.
#include "core/Startup.h"
#include "platform/Format.h"
#include "platform/ui/Application.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    app.setApplicationName(QStringLiteral("varnek-erp"));
    app.setQuitOnLastWindowClosed(false);
    FormatSettings::current() = FormatSettings::fromSystemLocale();
    if (!CreateApplicationWindows(app.arguments())) {
        DestroyApplicationWindows();
        return 1;
    }
    const int code = app.exec();
    DestroyApplicationWindows();
    return code;
}
