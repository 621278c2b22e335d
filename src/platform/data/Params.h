// Named statement parameters (":name") and their translation to server-side "$n" placeholders.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

struct Param {
    QString name;
    QVariant value;

    void setValue(const QVariant& v) { value = v; }
    void clear() { value = QVariant(); }
    bool isNull() const { return value.isNull(); }
};

// The statement text rewritten with $1..$n and the parameter names in order of first use.
struct ParsedStatement {
    QString text;
    QStringList names; // as first written; matched without regard to case
};

// Finds ":name" parameters. A "::cast", anything inside single or double quotes, dollar-quoted text
// and comments are left as they are; the same name used twice becomes the same placeholder.
ParsedStatement parseNamedParams(const QString& sql);

class Params {
public:
    // Rebuilds the list from the statement's names, keeping the values of names still present.
    void assignNames(const QStringList& names);

    Param& paramByName(const QString& name); // throws DbError when the statement has no such name
    const Param* find(const QString& name) const;
    Param* find(const QString& name);
    int count() const { return int(items_.size()); }
    const QList<Param>& items() const { return items_; }

    // Values in the order of the given names (for binding).
    QList<QVariant> valuesFor(const QStringList& names) const;

private:
    QList<Param> items_;
};
