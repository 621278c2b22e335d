// Values written into statement texts: the few helpers every window uses to assemble a statement.
#pragma once

#include <QDate>
#include <QString>

namespace sqltext {

// 'text' as an SQL string literal, a single quote inside doubled.
QString quote(const QString& text);
// An integer in decimal without leading zeros.
inline QString integer(long long value) { return QString::number(value); }
// DD.MM.YYYY with two-digit day and month, as to_date(..., 'DD.MM.YYYY') reads it.
QString date(const QDate& date);
// A decimal number with a full stop, in its shortest form.
QString decimal(double value);

} // namespace sqltext
