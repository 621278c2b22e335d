// A window of the system: a dialog with a Tag, modal showing and explicit activation.
#pragma once

#include <QDialog>
#include <QList>

class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // The mode a caller sets before showing the window (0 for maintenance from the menu).
    int Tag = 0;

    void setCaption(const QString& text) { setWindowTitle(text); }
    QString caption() const { return windowTitle(); }

    // Shows the window modally: it is activated when it appears, and the window that opened it is
    // activated again when it closes. Returns the dialog result.
    int ShowModal();
    // Shows the window modelessly as the application's main window and activates it.
    void ShowMain();
    // Runs the activation handler through the guard.
    void activate();

    // The window shown modally last, or the main window; null when none is shown.
    static Form* activeForm();

protected:
    // Called on every activation.
    virtual void FormActivate() {}

private:
    static QList<Form*>& stack();
};
