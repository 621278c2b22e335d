// Today's date for the windows: the system clock, or a fixed day set by the tests.
#pragma once

#include <QDate>

namespace appclock {

// Today's date: the system's, unless a fixed day has been set.
QDate today();
// Makes today() answer the given day from now on; an invalid date returns to the system clock.
void setToday(const QDate& day);

} // namespace appclock
