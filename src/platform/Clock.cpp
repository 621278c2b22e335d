// Today's date for the windows: the system clock, or a fixed day set by the tests.
#include "Clock.h"

namespace appclock {

namespace {
QDate g_fixed;
} // namespace

QDate today() { return g_fixed.isValid() ? g_fixed : QDate::currentDate(); }

void setToday(const QDate& day) { g_fixed = day; }

} // namespace appclock
