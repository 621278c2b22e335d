// Reads an .xlsx file back independently of the program, with the system's python and openpyxl.
#pragma once

#include <QJsonObject>
#include <QString>

// {"cells": {"A1": [value, type, bold, number format], ...},
//  "rows": [[[value, type, bold, number format], ...], ...],   (the first sheet, row by row)
//  "widths": {"A": width, ...}}; empty when the file cannot be read.
QJsonObject readXlsxBack(const QString& path);
