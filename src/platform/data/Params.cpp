// Named statement parameters (":name") and their translation to server-side "$n" placeholders.
#include "Params.h"

#include "DbError.h"

namespace {

bool isNameStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

} // namespace

ParsedStatement parseNamedParams(const QString& sql)
{
    ParsedStatement out;
    QString& t = out.text;
    t.reserve(sql.size());
    const int n = sql.size();
    int i = 0;
    auto copyUntil = [&](int end) {
        t += sql.mid(i, end - i);
        i = end;
    };
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Quoted text or identifier: a doubled quote stays inside.
            int j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            copyUntil(std::min(n, j + 1));
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            const int eol = sql.indexOf(QLatin1Char('\n'), i);
            copyUntil(eol < 0 ? n : eol);
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            const int end = sql.indexOf(QStringLiteral("*/"), i + 2);
            copyUntil(end < 0 ? n : end + 2);
        } else if (c == QLatin1Char('$') && (i == 0 || !isNameChar(sql[i - 1]))) {
            // Dollar quoting: $tag$ ... $tag$
            int j = i + 1;
            while (j < n && isNameChar(sql[j]) && !sql[j].isDigit()) ++j;
            if (j < n && sql[j] == QLatin1Char('$')) {
                const QString tag = sql.mid(i, j - i + 1);
                const int end = sql.indexOf(tag, j + 1);
                copyUntil(end < 0 ? n : end + tag.size());
            } else {
                copyUntil(i + 1);
            }
        } else if (c == QLatin1Char(':')) {
            if (i + 1 < n && sql[i + 1] == QLatin1Char(':')) {
                copyUntil(i + 2); // a cast
            } else if (i + 1 < n && isNameStart(sql[i + 1])) {
                int j = i + 1;
                while (j < n && isNameChar(sql[j])) ++j;
                const QString name = sql.mid(i + 1, j - i - 1);
                int index = -1;
                for (int k = 0; k < out.names.size(); ++k) {
                    if (out.names[k].compare(name, Qt::CaseInsensitive) == 0) {
                        index = k;
                        break;
                    }
                }
                if (index < 0) {
                    out.names << name;
                    index = int(out.names.size()) - 1;
                }
                t += QLatin1Char('$') + QString::number(index + 1);
                i = j;
            } else {
                copyUntil(i + 1);
            }
        } else {
            t += c;
            ++i;
        }
    }
    return out;
}

void Params::assignNames(const QStringList& names)
{
    QList<Param> next;
    for (const QString& name : names) {
        const Param* old = find(name);
        next.append(Param{name, old ? old->value : QVariant()});
    }
    items_ = std::move(next);
}

const Param* Params::find(const QString& name) const
{
    for (const Param& p : items_) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0) return &p;
    }
    return nullptr;
}

Param* Params::find(const QString& name)
{
    for (Param& p : items_) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0) return &p;
    }
    return nullptr;
}

Param& Params::paramByName(const QString& name)
{
    if (Param* p = find(name)) return *p;
    throw DbError(QStringLiteral("Параметр '%1' не найден").arg(name));
}

QList<QVariant> Params::valuesFor(const QStringList& names) const
{
    QList<QVariant> values;
    values.reserve(names.size());
    for (const QString& name : names) {
        const Param* p = find(name);
        values.append(p ? p->value : QVariant());
    }
    return values;
}
