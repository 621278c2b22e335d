// Small helpers of the reference tests: reading a list's rows, pressing keys, typing.
#pragma once

#include "platform/data/Dataset.h"
#include "platform/ui/Widgets.h"

#include <QStringList>
#include <QTest>

namespace reftest {

// The trimmed texts of one field over the rows a list shows.
inline QStringList shown(Dataset* ds, const QString& field)
{
    QStringList out;
    const int f = ds->fieldIndex(field);
    for (int r = 1; r <= ds->recordCount(); ++r) out << Dataset::valueText(ds->valueAt(r, f), ds->fieldType(f)).trimmed();
    return out;
}

// Makes the row whose field has that value current; fails the test when there is none.
inline void go(Dataset* ds, const QString& field, const QVariant& value)
{
    QVERIFY2(ds->locate(field, value), qPrintable(QStringLiteral("no row with %1 = %2").arg(field, value.toString())));
}

inline void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(w, k, m); }

// Replaces a box's text as a user would: select everything, then type.
inline void retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    ui::typeText(box, text);
}

} // namespace reftest
