// The seams through which windows reach the desktop: message boxes, the general error display,
// modal showing, opening files, print preview and ending the program. Production shows real
// windows; tests install their own hooks and answer from a script.
#pragma once

#include <QString>
#include <functional>

class Form;
class QWidget;

namespace ui {

// Message box flags as the system numbers them, and the answers.
enum MessageFlags { MB_OK = 0, MB_ICONSTOP = 16, MB_YESNO = 4, MB_ICONQUESTION = 32, MB_ICONWARNING = 48,
                    MB_ICONINFORMATION = 64 };
enum MessageAnswer { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct Hooks {
    std::function<int(const QString& text, const QString& caption, int flags)> messageBox;
    std::function<int(Form* form)> runModal;                 // runs a shown form until it closes
    std::function<void()> terminate;                         // ends the program
    std::function<void(const QString& path)> openFile;       // opens a file with the desktop
    std::function<void(QWidget* preview)> runPreview;        // runs a print preview window
};

Hooks& hooks();                 // the hooks in force
Hooks productionHooks();        // real windows

int messageBox(const QString& text, const QString& caption, int flags);
// The general error display: errors that no handler catches are shown here, and the program goes on.
void showError(const QString& text);
// Tells the application to end; every modal loop returns, and no new one starts.
void terminateApplication();
bool terminationRequested();
void resetTermination(); // tests
void openWithDesktop(const QString& path);
void runPreview(QWidget* preview);

} // namespace ui
