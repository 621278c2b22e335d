// The application object: routes exceptions that escape event handling to the general error display.
#include "Application.h"

#include "Seams.h"
#include "platform/data/DbError.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError& e) {
        ui::showError(e.message());
    } catch (const std::exception& e) {
        ui::showError(QString::fromUtf8(e.what()));
    }
    return false;
}
