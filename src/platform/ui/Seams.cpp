// The seams through which windows reach the desktop.
#include "Seams.h"

#include "Form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace ui {

namespace {

bool g_terminated = false;

int showRealMessageBox(const QString& text, const QString& caption, int flags)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    const int icon = flags & 0xF0;
    box.setIcon(icon == MB_ICONSTOP ? QMessageBox::Critical
                : icon == MB_ICONQUESTION ? QMessageBox::Question
                : icon == MB_ICONWARNING ? QMessageBox::Warning
                : icon == MB_ICONINFORMATION ? QMessageBox::Information
                                             : QMessageBox::NoIcon);
    if ((flags & 0x0F) == MB_YESNO) {
        QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? IDYES : IDNO;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return IDOK;
}

} // namespace

Hooks productionHooks()
{
    Hooks h;
    h.messageBox = showRealMessageBox;
    h.runModal = [](Form* form) { return form->exec(); };
    h.terminate = [] {
        // Ends every running modal loop now, and the main loop even if it has not started yet.
        QCoreApplication::exit(0);
        QMetaObject::invokeMethod(qApp, "quit", Qt::QueuedConnection);
    };
    h.openFile = [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    h.runPreview = [](QWidget* preview) {
        if (auto* dlg = qobject_cast<QDialog*>(preview)) dlg->exec();
    };
    return h;
}

Hooks& hooks()
{
    static Hooks h = productionHooks();
    return h;
}

int messageBox(const QString& text, const QString& caption, int flags)
{
    return hooks().messageBox(text, caption, flags);
}

void showError(const QString& text)
{
    messageBox(text, QStringLiteral("Ошибка"), MB_ICONSTOP);
}

void terminateApplication()
{
    g_terminated = true;
    hooks().terminate();
}

bool terminationRequested() { return g_terminated; }

void resetTermination() { g_terminated = false; }

void openWithDesktop(const QString& path) { hooks().openFile(path); }

void runPreview(QWidget* preview) { hooks().runPreview(preview); }

} // namespace ui
