// The Excel link: the one way the system produces a spreadsheet.
#include "ExcelLink.h"

#include "platform/sheet/Sheet.h"
#include "platform/ui/Seams.h"

namespace {

void stop(const QString& text, const QString& caption) { ui::messageBox(text, caption, ui::MB_ICONSTOP); }

} // namespace

ExcelHandle& ReportsExcelHandle()
{
    static ExcelHandle h;
    return h;
}

ExcelHandle& HoursSheetExcelHandle()
{
    static ExcelHandle h;
    return h;
}

int ExcelLink::ExcelOpen(const QString& fileName)
{
    // Attach to the application this process already has, or start one.
    if (SheetApplication* running = SheetApplication::running()) {
        handle_.app = running;
    } else {
        try {
            handle_.app = SheetApplication::start();
        } catch (const SheetError&) {
            stop(QStringLiteral("Невозможно открыть Microsoft Excel."), QStringLiteral("Ошибка"));
        }
    }
    try {
        if (!handle_.app) throw SheetError(QStringLiteral("no application"));
        if (fileName.isEmpty())
            handle_.app->addWorkbook();
        else
            handle_.app->openWorkbook(fileName);
    } catch (const SheetError&) {
        stop(QStringLiteral("Ошибка открытия файла Microsoft Excel."), QStringLiteral("Ошибка"));
        return -1;
    }
    return 1;
}

int ExcelLink::ExcelShow(bool visible)
{
    if (!handle_.app) return 1;
    try {
        handle_.app->setVisible(visible);
    } catch (const SheetError& e) {
        // Nothing of the export may be lost without a word: say why the file was not written.
        ui::showError(e.message());
    }
    return 1;
}

int ExcelLink::ExcelPutCell(int sheet, int column, int row, const QString& text, bool textFormat, bool autofit,
                            bool bold)
{
    if (text.isEmpty()) return 1;
    const QString error = QStringLiteral("Ошибка при записи: лист %1, столбец %2, строка %3").arg(sheet).arg(column).arg(row);
    Workbook* book = handle_.app ? handle_.app->activeWorkbook() : nullptr;
    Worksheet* ws = book ? book->sheet(sheet) : nullptr;
    if (!ws) {
        stop(error, QStringLiteral("Ошибочный номер листа Microsoft Excel"));
        return -1;
    }
    try {
        if (kind_ == Formatting && textFormat) ws->setTextFormat(row, column);
        ws->setValue(row, column, text);
        if (kind_ == Formatting && autofit) ws->autofitColumn(column);
        if (kind_ == Formatting) ws->setBold(row, column, bold);
        book->setDirty(true);
    } catch (const SheetError&) {
        stop(error, QStringLiteral("Ошибка Microsoft Excel"));
        return -1;
    }
    return 1;
}
