// Handlers run through a guard: an exception never crosses the event loop; it reaches the
// general error display, and the program goes on.
#pragma once

#include "Seams.h"
#include "platform/data/DbError.h"

#include <QObject>
#include <exception>

namespace ui {

template <class F>
void guarded(F&& f)
{
    try {
        f();
    } catch (const DbError& e) {
        showError(e.message());
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

// Connects a signal to a handler that takes no arguments, through the guard.
template <class Sender, class Signal, class F>
QMetaObject::Connection on(Sender* sender, Signal signal, QObject* context, F handler)
{
    return QObject::connect(sender, signal, context, [handler]() { guarded(handler); });
}

} // namespace ui
