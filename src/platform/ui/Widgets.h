// Small controls the windows share: key hooks, digit-only boxes, the lookup box, the date picker
// with its close-up signal, and the hourglass cursor.
#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>

class QDialog;
class QPushButton;

class Dataset;

namespace ui {

// Calls the hook for every key press on the widget before the widget sees it; a hook that returns
// true consumes the key. Runs through the guard.
void onKeyDown(QWidget* widget, std::function<bool(QKeyEvent*)> hook);

// Calls the handler when the widget is clicked: the left button pressed and released over it (a
// read-only box that opens a picker). Runs through the guard.
void onClick(QWidget* widget, std::function<void()> handler);

// Calls the handler when the focus leaves the widget for another control of its window (not when
// the window itself loses the focus to another window or a pop-up). Runs through the guard.
void onExit(QWidget* widget, std::function<void()> handler);

// Accepts only the digits 0 to 9 and Backspace as typed characters (navigation and Delete keep
// working); pasted text is held to digits too.
void digitsOnly(QLineEdit* edit);

// Sends one character to a widget as a typed key (Cyrillic included), as a user would type it.
void typeText(QWidget* widget, const QString& text);

// Lays out an editor dialog: its fields above, the save and cancel buttons at the bottom right.
// The save button is the default button (Enter); the cancel button closes the dialog without
// saving, as Escape does. The dialog keeps the size of its contents.
void layoutEditor(QDialog* dialog, QWidget* fields, QPushButton* save, QPushButton* cancel);

// Shows the hourglass while it lives.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace ui

// A drop-down that lists one field of a dataset and keys on another.
class LookupCombo : public QComboBox {
    Q_OBJECT
public:
    explicit LookupCombo(QWidget* parent = nullptr);

    void setListSource(Dataset* dataset, const QString& keyField, const QString& listField);
    // Key of the chosen entry; null when nothing is chosen.
    QVariant keyValue() const;
    // Chooses the entry with that key; nothing is chosen when no entry has it.
    void setKeyValue(const QVariant& key);
    void reload();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    Dataset* dataset_ = nullptr;
    QString keyField_, listField_;
    QVariant pendingKey_;
};

// A date picker whose calendar drops down; emits closeUp when the calendar closes.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

signals:
    void closeUp();
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab leave the picker for the next control of the window, as they leave any other
    // control; day, month and year are reached with Left and Right, and changed with Up and Down.
    bool focusNextPrevChild(bool next) override;
};
