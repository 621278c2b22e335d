// Small controls the windows share.
#include "Widgets.h"

#include "Guard.h"
#include "platform/data/Dataset.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

namespace ui {

namespace {

class KeyHook : public QObject {
public:
    KeyHook(QObject* parent, std::function<bool(QKeyEvent*)> hook) : QObject(parent), hook_(std::move(hook)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        bool consumed = false;
        guarded([&] { consumed = hook_(static_cast<QKeyEvent*>(event)); });
        return consumed;
    }

private:
    std::function<bool(QKeyEvent*)> hook_;
};

class ClickHook : public QObject {
public:
    ClickHook(QWidget* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* e = static_cast<QMouseEvent*>(event);
            const bool inside = static_cast<QWidget*>(watched)->rect().contains(e->position().toPoint());
            const bool click = pressed_ && e->button() == Qt::LeftButton && inside;
            pressed_ = false;
            if (click) guarded(handler_);
        }
        return false;
    }

private:
    std::function<void()> handler_;
    bool pressed_ = false;
};

class ExitHook : public QObject {
public:
    ExitHook(QWidget* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) guarded(handler_);
        }
        return false;
    }

private:
    std::function<void()> handler_;
};

} // namespace

void onKeyDown(QWidget* widget, std::function<bool(QKeyEvent*)> hook)
{
    widget->installEventFilter(new KeyHook(widget, std::move(hook)));
}

void onClick(QWidget* widget, std::function<void()> handler)
{
    widget->installEventFilter(new ClickHook(widget, std::move(handler)));
}

void onExit(QWidget* widget, std::function<void()> handler)
{
    widget->installEventFilter(new ExitHook(widget, std::move(handler)));
}

void digitsOnly(QLineEdit* edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    onKeyDown(edit, [](QKeyEvent* e) {
        const QString t = e->text();
        if (t.isEmpty()) return false; // navigation, Delete, Enter and Escape keep working
        if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter
            || e->key() == Qt::Key_Escape || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
            return false;
        return !(t.size() == 1 && t[0] >= QLatin1Char('0') && t[0] <= QLatin1Char('9'));
    });
}

void typeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

void layoutEditor(QDialog* dialog, QWidget* fields, QPushButton* save, QPushButton* cancel)
{
    save->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

} // namespace ui

// ---------------------------------------------------------------------------------------------

LookupCombo::LookupCombo(QWidget* parent) : QComboBox(parent)
{
    setMaxVisibleItems(10);
    setEditable(false);
}

void LookupCombo::setListSource(Dataset* dataset, const QString& keyField, const QString& listField)
{
    if (dataset_) disconnect(dataset_, nullptr, this, nullptr);
    dataset_ = dataset;
    keyField_ = keyField;
    listField_ = listField;
    if (dataset_) connect(dataset_, &Dataset::rowsChanged, this, &LookupCombo::reload);
    reload();
}

void LookupCombo::reload()
{
    const QVariant keep = currentIndex() >= 0 ? keyValue() : pendingKey_;
    blockSignals(true);
    clear();
    if (dataset_ && dataset_->active()) {
        const int k = dataset_->fieldIndex(keyField_);
        const int l = dataset_->fieldIndex(listField_);
        for (int r = 1; r <= dataset_->recordCount(); ++r) {
            const QVariant text = dataset_->valueAt(r, l);
            addItem(Dataset::valueText(text, dataset_->fieldType(l)), dataset_->valueAt(r, k));
        }
    }
    setCurrentIndex(-1);
    blockSignals(false);
    if (!keep.isNull()) setKeyValue(keep);
}

QVariant LookupCombo::keyValue() const
{
    return currentIndex() >= 0 ? itemData(currentIndex()) : QVariant();
}

void LookupCombo::setKeyValue(const QVariant& key)
{
    pendingKey_ = key;
    int found = -1;
    if (!key.isNull()) {
        for (int i = 0; i < count(); ++i) {
            if (itemData(i).toDouble() == key.toDouble() && itemData(i).isValid()) {
                found = i;
                break;
            }
        }
    }
    setCurrentIndex(found);
}

void LookupCombo::wheelEvent(QWheelEvent* event)
{
    // The wheel steps through the list only while the box has the focus, like the arrow keys.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

// ---------------------------------------------------------------------------------------------

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setDate(QDate::currentDate());
    if (QCalendarWidget* cal = calendarWidget()) cal->installEventFilter(this);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched == calendarWidget()) emit closeUp();
    return QDateEdit::eventFilter(watched, event);
}

bool DatePicker::focusNextPrevChild(bool next) { return QAbstractSpinBox::focusNextPrevChild(next); }

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) emit enterPressed();
    QDateEdit::keyPressEvent(event);
}
