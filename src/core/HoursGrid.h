// The hours grid: the day recount after shift records have been deleted.
#pragma once

#include <QDate>

void RecountDayHoursAfterDelete(int worker, QDate date, int shift);
