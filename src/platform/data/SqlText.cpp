// Values written into statement texts: the few helpers every window uses to assemble a statement.
#include "SqlText.h"

#include "platform/Format.h"

namespace sqltext {

QString quote(const QString& text)
{
    QString s = text;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

QString date(const QDate& d) { return sqlDateText(d); }

QString decimal(double value) { return floatToSqlText(value); }

} // namespace sqltext
