// The Excel link: the one way the system produces a spreadsheet. Three operations write text
// cell by cell into a new workbook of the spreadsheet application and show it.
#pragma once

#include <QString>

class SheetApplication;

// Reference to the spreadsheet application; empty until ExcelOpen succeeds.
struct ExcelHandle {
    SheetApplication* app = nullptr;
};

class ExcelLink {
public:
    // Plain: cells receive only their value, whatever flags the caller passes.
    // Formatting: text format, autofit and bold are applied.
    enum Kind { Plain, Formatting };

    ExcelLink(Kind kind, ExcelHandle& handle) : kind_(kind), handle_(handle) {}

    // Attaches to the running spreadsheet application or starts one, then adds a new workbook (empty
    // name) or opens the named one. 1 on success, -1 on failure (the user has been told).
    int ExcelOpen(const QString& fileName);
    // Shows or hides the application; showing saves the new workbook and opens it. Always 1.
    int ExcelShow(bool visible);
    // Writes text into the cell at (row, column) of worksheet `sheet` (from 1) of the active
    // workbook. An empty text writes nothing. 1 on success, -1 on failure (the user has been told).
    int ExcelPutCell(int sheet, int column, int row, const QString& text, bool textFormat = false,
                     bool autofit = false, bool bold = false);

private:
    Kind kind_;
    ExcelHandle& handle_;
};

// The handle held by the summary reports module, shared with the prices export.
ExcelHandle& ReportsExcelHandle();
// The handle held by the hours time sheet module.
ExcelHandle& HoursSheetExcelHandle();
