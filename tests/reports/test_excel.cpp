// The Excel link over the spreadsheet back end: real .xlsx files, read back independently,
// with every failure message of the link.
#include "TestMain.h"
#include "UiScript.h"
#include "XlsxReadBack.h"
#include "platform/sheet/Sheet.h"
#include "reports/ExcelLink.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>


class TestExcel : public QObject {
    Q_OBJECT
    QTemporaryDir exportDir_;

private slots:
    void init()
    {
        qputenv("VARNEK_EXPORT_DIR", exportDir_.path().toUtf8());
        SheetApplication::shutdown();
    }
    void cleanup() { SheetApplication::shutdown(); }

    void formattingKindWritesARealWorkbook()
    {
        UiScript script;
        ExcelHandle handle;
        ExcelLink link(ExcelLink::Formatting, handle);
        QCOMPARE(link.ExcelShow(false), 1);
        QCOMPARE(link.ExcelOpen(""), 1);
        QVERIFY(handle.app);
        QCOMPARE(link.ExcelShow(false), 1);
        QCOMPARE(link.ExcelPutCell(1, 1, 1, "Фамилия И.О.", false, true, true), 1);
        QCOMPARE(link.ExcelPutCell(1, 2, 1, "Сумма", false, false, true), 1);
        QCOMPARE(link.ExcelPutCell(1, 1, 2, "О'Брайен \"100%\"", false, true, false), 1);
        QCOMPARE(link.ExcelPutCell(1, 2, 2, "12,5"), 1);              // reads as a number
        QCOMPARE(link.ExcelPutCell(1, 3, 2, "0012", true), 1);       // text format keeps it text
        QCOMPARE(link.ExcelPutCell(1, 4, 2, "12.5"), 1);             // not a number with a comma separator
        QCOMPARE(link.ExcelPutCell(1, 5, 2, "7", false, false, true), 1);
        QCOMPARE(link.ExcelPutCell(1, 5, 2, "8", false, false, false), 1); // bold off after on
        QCOMPARE(link.ExcelPutCell(1, 6, 2, "", true, true, true), 1);     // empty: nothing at all
        QVERIFY(script.openedFiles.isEmpty());
        QCOMPARE(link.ExcelShow(true), 1);
        QCOMPARE(script.openedFiles.size(), 1);
        const QString path = script.openedFiles[0];
        QVERIFY(path.startsWith(exportDir_.path()) && path.endsWith(".xlsx"));
        QVERIFY(script.messages.isEmpty());

        const QJsonObject written = readXlsxBack(path);
        const QJsonObject cells = written.value("cells").toObject();
        QVERIFY(!cells.isEmpty());
        auto cell = [&](const char* ref) { return cells.value(ref).toArray(); };
        QCOMPARE(cell("A1")[0].toString(), QString("Фамилия И.О."));
        QCOMPARE(cell("A1")[2].toBool(), true);
        QCOMPARE(cell("A2")[0].toString(), QString("О'Брайен \"100%\""));
        QCOMPARE(cell("A2")[2].toBool(), false);
        QCOMPARE(cell("B2")[1].toString(), QString("n"));
        QCOMPARE(cell("B2")[0].toDouble(), 12.5);
        QCOMPARE(cell("C2")[0].toString(), QString("0012"));
        QCOMPARE(cell("C2")[1].toString(), QString("s"));
        QCOMPARE(cell("C2")[3].toString(), QString("@"));
        QCOMPARE(cell("D2")[1].toString(), QString("s"));
        QCOMPARE(cell("E2")[0].toDouble(), 8.0);
        QCOMPARE(cell("E2")[2].toBool(), false);
        QVERIFY(!cells.contains("F2"));
        // The autofitted column is as wide as its longest text.
        QVERIFY(written.value("widths").toObject().value("A").toDouble() >= QString("О'Брайен \"100%\"").size());

        // Opening a named workbook reads back what was written.
        QCOMPARE(link.ExcelOpen(path), 1);
        Workbook* book = handle.app->activeWorkbook();
        QCOMPARE(book->sheetCount(), 1);
        const Worksheet* ws = book->sheet(1);
        QCOMPARE(ws->cell(1, 1)->text, QString("Фамилия И.О."));
        QVERIFY(ws->cell(1, 1)->bold);
        QVERIFY(ws->cell(2, 2)->isNumber);
        QCOMPARE(ws->cell(2, 2)->number, 12.5);
        QVERIFY(ws->cell(2, 3)->textFormat);
        QCOMPARE(ws->cell(2, 3)->text, QString("0012"));
        QVERIFY(!ws->cell(2, 5)->bold);
    }

    void plainKindIgnoresTheFlags()
    {
        UiScript script;
        ExcelHandle handle;
        ExcelLink link(ExcelLink::Plain, handle);
        QCOMPARE(link.ExcelOpen(""), 1);
        QCOMPARE(link.ExcelPutCell(1, 1, 1, "0012", true, true, true), 1);
        link.ExcelShow(true);
        const QJsonObject book = readXlsxBack(script.openedFiles.value(0));
        const QJsonObject cells = book.value("cells").toObject();
        const QJsonArray a1 = cells.value("A1").toArray();
        QCOMPARE(a1[1].toString(), QString("n")); // no text format: it became a number
        QCOMPARE(a1[2].toBool(), false);
        QVERIFY(book.value("widths").toObject().isEmpty());
    }

    void attachesToTheRunningApplication()
    {
        UiScript script;
        ExcelHandle first, second;
        ExcelLink a(ExcelLink::Plain, first), b(ExcelLink::Formatting, second);
        QCOMPARE(a.ExcelOpen(""), 1);
        QCOMPARE(b.ExcelOpen(""), 1);
        QCOMPARE(first.app, second.app);
        QCOMPARE(first.app->workbookCount(), 2);
        // The module-held handles keep their reference between exports.
        ExcelLink reports(ExcelLink::Plain, ReportsExcelHandle());
        QCOMPARE(reports.ExcelOpen(""), 1);
        QCOMPARE(ReportsExcelHandle().app, first.app);
    }

    void cellFailures_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        const QString badSheet = "Ошибочный номер листа Microsoft Excel";
        const QString badCell = "Ошибка Microsoft Excel";
        QTest::newRow("sheet 0") << 0 << 1 << 1 << "x" << badSheet;
        QTest::newRow("sheet beyond") << 2 << 3 << 4 << "x" << badSheet;
        QTest::newRow("row 0") << 1 << 1 << 0 << "x" << badCell;
        QTest::newRow("column beyond the sheet") << 1 << 16385 << 1 << "x" << badCell;
        QTest::newRow("text longer than a cell") << 1 << 1 << 1 << QString(40000, 'x') << badCell;
    }
    void cellFailures()
    {
        QFETCH(int, sheet);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        UiScript script;
        ExcelHandle handle;
        ExcelLink link(ExcelLink::Formatting, handle);
        QCOMPARE(link.ExcelOpen(""), 1);
        QCOMPARE(link.ExcelPutCell(sheet, column, row, text, true, true, true), -1);
        QCOMPARE(script.messages.size(), 1);
        QCOMPARE(script.messages[0].text,
                 QString("Ошибка при записи: лист %1, столбец %2, строка %3").arg(sheet).arg(column).arg(row));
        QCOMPARE(script.messages[0].caption, caption);
        QCOMPARE(script.messages[0].flags, 16);
        // The next cell is written normally.
        QCOMPARE(link.ExcelPutCell(1, 1, 1, "ok"), 1);
        QCOMPARE(script.messages.size(), 1);
    }

    void withoutSpreadsheetTwoMessagesAndMinusOne()
    {
        UiScript script;
        qputenv("VARNEK_EXPORT_DIR", "/proc/version/export"); // no folder can be made there
        ExcelHandle handle;
        ExcelLink link(ExcelLink::Formatting, handle);
        QCOMPARE(link.ExcelOpen(""), -1);
        QCOMPARE(script.messageTexts(),
                 (QStringList{"Невозможно открыть Microsoft Excel.", "Ошибка открытия файла Microsoft Excel."}));
        QCOMPARE(script.messages[0].caption, QString("Ошибка"));
        QCOMPARE(script.messages[1].flags, 16);
        QVERIFY(!handle.app);
        QCOMPARE(link.ExcelShow(true), 1);
        QCOMPARE(link.ExcelPutCell(1, 1, 1, "x"), -1); // no workbook: the sheet cannot be found
    }

    void openingAFileThatIsNoWorkbook()
    {
        UiScript script;
        ExcelHandle handle;
        ExcelLink link(ExcelLink::Formatting, handle);
        QCOMPARE(link.ExcelOpen(exportDir_.filePath("missing.xlsx")), -1);
        QCOMPARE(link.ExcelOpen("/proc/version"), -1);
        QCOMPARE(script.messageTexts(),
                 (QStringList{"Ошибка открытия файла Microsoft Excel.", "Ошибка открытия файла Microsoft Excel."}));
    }
};

VARNEK_TEST_MAIN(TestExcel)
#include "test_excel.moc"
