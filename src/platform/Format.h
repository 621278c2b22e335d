// Number and date texts: one set of format settings for everything the user sees.
#pragma once

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>

struct FormatSettings {
    QChar decimalSeparator = QLatin1Char(',');
    QChar thousandSeparator = QChar(0x00A0);
    QString shortDateFormat = QStringLiteral("dd.MM.yyyy");

    // The settings in force; taken from the system locale at first use, settable (tests).
    static FormatSettings& current();
    static FormatSettings fromSystemLocale();
};

// Shortest text that reads back as the same number, at most 15 significant digits, with the
// current decimal separator ("12,5", "100", "0,0001").
QString floatToStr(double value);
// The same with a full stop, for statement texts and parameters.
QString floatToSqlText(double value);
// Rounds to the given number of decimals, a half going to the even neighbour, on the decimal
// value as written with 15 significant digits (12.34565 -> 12.3456, 12.34575 -> 12.3458).
double roundHalfEven(double value, int decimals);
// Display masks such as "#0.00#" (2 to 3 decimals), "0.00", "#,##0.00" (grouped).
QString formatFloat(const QString& mask, double value);
// Reads a typed number with either separator; false when it is not one.
bool tryStrToFloat(const QString& text, double& value);

QString dateToStr(const QDate& date);
// Date, and the time too when it is not midnight.
QString dateTimeToStr(const QDateTime& dt);
// 'DD.MM.YYYY', the form statements carry dates in.
QString sqlDateText(const QDate& date);
