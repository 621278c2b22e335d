// Reads an .xlsx file back independently of the program, with the system's python and openpyxl.
#include "XlsxReadBack.h"

#include <QDebug>
#include <QJsonDocument>
#include <QProcess>

QJsonObject readXlsxBack(const QString& path)
{
    const char* script = R"py(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
cell = lambda c: [c.value, c.data_type, bool(c.font.b), c.number_format]
out = {"cells": {}, "rows": [], "widths": {k: v.width for k, v in ws.column_dimensions.items()}}
for row in ws.iter_rows():
    out["rows"].append([cell(c) for c in row])
    for c in row:
        if c.value is not None:
            out["cells"][c.coordinate] = cell(c)
print(json.dumps(out, ensure_ascii=False))
)py";
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(script), path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        qWarning() << p.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}
