// Number and date texts: one set of format settings for everything the user sees.
#include "Format.h"

#include <QLocale>
#include <cmath>

FormatSettings FormatSettings::fromSystemLocale()
{
    const QLocale loc = QLocale::system();
    FormatSettings s;
    s.decimalSeparator = loc.decimalPoint().isEmpty() ? QLatin1Char(',') : loc.decimalPoint().at(0);
    s.thousandSeparator = loc.groupSeparator().isEmpty() ? QChar(0x00A0) : loc.groupSeparator().at(0);
    s.shortDateFormat = QStringLiteral("dd.MM.yyyy");
    return s;
}

FormatSettings& FormatSettings::current()
{
    static FormatSettings settings = fromSystemLocale();
    return settings;
}

namespace {

// Decimal digits and exponent of a value: value = 0.d1d2d3... * 10^(exp+1), digits without
// trailing zeros, at most 15 significant digits, the shortest that reads back the same.
struct Decimal {
    bool negative = false;
    QString digits; // empty for zero
    int exp = 0;    // exponent of the first digit
};

Decimal toDecimal(double v)
{
    Decimal d;
    if (v == 0 || !std::isfinite(v)) return d;
    d.negative = v < 0;
    const double a = std::fabs(v);
    QString e;
    for (int p = 1; p <= 15; ++p) {
        e = QString::number(a, 'e', p - 1);
        if (e.toDouble() == a) break;
    }
    const int ePos = e.indexOf(QLatin1Char('e'));
    QString mant = e.left(ePos);
    mant.remove(QLatin1Char('.'));
    while (mant.size() > 1 && mant.endsWith(QLatin1Char('0'))) mant.chop(1);
    d.digits = mant;
    d.exp = e.mid(ePos + 1).toInt();
    return d;
}

// Fixed-point text of a decimal with a point, no grouping.
QString fixedText(const Decimal& d)
{
    if (d.digits.isEmpty()) return QStringLiteral("0");
    QString out;
    const int n = d.digits.size();
    if (d.exp < 0) {
        out = QStringLiteral("0.") + QString(-d.exp - 1, QLatin1Char('0')) + d.digits;
    } else if (d.exp + 1 >= n) {
        out = d.digits + QString(d.exp + 1 - n, QLatin1Char('0'));
    } else {
        out = d.digits.left(d.exp + 1) + QLatin1Char('.') + d.digits.mid(d.exp + 1);
    }
    return d.negative ? QLatin1Char('-') + out : out;
}

QString generalText(double v)
{
    if (std::isnan(v)) return QStringLiteral("NAN");
    if (std::isinf(v)) return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const Decimal d = toDecimal(v);
    if (!d.digits.isEmpty() && (d.exp >= 15 || d.exp < -5)) {
        QString m = d.digits.left(1);
        if (d.digits.size() > 1) m += QLatin1Char('.') + d.digits.mid(1);
        return (d.negative ? QStringLiteral("-") : QString()) + m + QLatin1Char('E') + QString::number(d.exp);
    }
    return fixedText(d);
}

// Rounds the decimal digits to the given number of decimals; half: even neighbour or away from zero.
QString roundedFixed(double v, int decimals, bool halfEven)
{
    Decimal d = toDecimal(v);
    if (d.digits.isEmpty()) return decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
    // Digits of the integer and fraction parts as one string with a known point position.
    QString all = d.digits;
    int point = d.exp + 1; // digits before the point
    if (point <= 0) {
        all = QString(1 - point, QLatin1Char('0')) + all;
        point = 1;
    }
    if (all.size() < point) all += QString(point - all.size(), QLatin1Char('0'));
    const int keep = point + decimals;
    if (all.size() > keep) {
        const QString rest = all.mid(keep);
        const QChar first = rest[0];
        bool up = false;
        if (first > QLatin1Char('5')) {
            up = true;
        } else if (first == QLatin1Char('5')) {
            bool tail = false;
            for (int i = 1; i < rest.size(); ++i) {
                if (rest[i] != QLatin1Char('0')) tail = true;
            }
            if (tail || !halfEven) {
                up = true;
            } else {
                const QChar last = keep > 0 ? all[keep - 1] : QLatin1Char('0');
                up = (last.digitValue() % 2) == 1;
            }
        }
        all.truncate(keep);
        if (up) {
            int i = keep - 1;
            while (i >= 0) {
                if (all[i] == QLatin1Char('9')) {
                    all[i] = QLatin1Char('0');
                    --i;
                } else {
                    all[i] = QChar(all[i].unicode() + 1);
                    break;
                }
            }
            if (i < 0) {
                all.prepend(QLatin1Char('1'));
                ++point;
            }
        }
    } else {
        all += QString(keep - all.size(), QLatin1Char('0'));
    }
    QString out = all.left(point);
    if (decimals > 0) out += QLatin1Char('.') + all.mid(point, decimals);
    // Normalise "-0.00" and leading zeros.
    while (out.size() > 1 && out.startsWith(QLatin1Char('0')) && out[1] != QLatin1Char('.')) out.remove(0, 1);
    bool zero = true;
    for (QChar c : out) {
        if (c.isDigit() && c != QLatin1Char('0')) zero = false;
    }
    if (d.negative && !zero) out.prepend(QLatin1Char('-'));
    return out;
}

QString withSeparator(QString text)
{
    const QChar sep = FormatSettings::current().decimalSeparator;
    if (sep != QLatin1Char('.')) text.replace(QLatin1Char('.'), sep);
    return text;
}

} // namespace

QString floatToStr(double value) { return withSeparator(generalText(value)); }

QString floatToSqlText(double value) { return generalText(value); }

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value)) return value;
    return roundedFixed(value, decimals, true).toDouble();
}

QString formatFloat(const QString& mask, double value)
{
    const int dot = mask.indexOf(QLatin1Char('.'));
    const QString intPart = dot < 0 ? mask : mask.left(dot);
    const QString fracPart = dot < 0 ? QString() : mask.mid(dot + 1);
    const bool grouped = intPart.contains(QLatin1Char(','));
    const int minDecimals = int(fracPart.count(QLatin1Char('0')));
    const int maxDecimals = minDecimals + int(fracPart.count(QLatin1Char('#')));
    const int minIntDigits = int(intPart.count(QLatin1Char('0')));

    QString text = roundedFixed(value, maxDecimals, false);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative) text.remove(0, 1);
    QString ip = text, fp;
    const int p = text.indexOf(QLatin1Char('.'));
    if (p >= 0) {
        ip = text.left(p);
        fp = text.mid(p + 1);
    }
    while (fp.size() > minDecimals && fp.endsWith(QLatin1Char('0'))) fp.chop(1);
    if (ip == QLatin1String("0") && minIntDigits == 0) ip.clear();
    while (ip.size() < minIntDigits) ip.prepend(QLatin1Char('0'));
    if (grouped) {
        for (int i = int(ip.size()) - 3; i > 0; i -= 3) ip.insert(i, FormatSettings::current().thousandSeparator);
    }
    QString out = ip;
    if (!fp.isEmpty()) out += FormatSettings::current().decimalSeparator + fp;
    if (out.isEmpty()) out = QStringLiteral("0");
    return negative ? QLatin1Char('-') + out : out;
}

bool tryStrToFloat(const QString& text, double& value)
{
    QString s = text.trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    if (s.isEmpty()) return false;
    bool ok = false;
    value = s.toDouble(&ok);
    return ok && std::isfinite(value);
}

QString dateToStr(const QDate& date)
{
    return date.isValid() ? date.toString(FormatSettings::current().shortDateFormat) : QString();
}

QString dateTimeToStr(const QDateTime& dt)
{
    if (!dt.isValid()) return QString();
    QString s = dateToStr(dt.date());
    if (dt.time() != QTime(0, 0)) s += QLatin1Char(' ') + dt.time().toString(QStringLiteral("HH:mm:ss"));
    return s;
}

QString sqlDateText(const QDate& date) { return date.toString(QStringLiteral("dd.MM.yyyy")); }
