// The spreadsheet back end: an application object that holds workbooks of worksheets of cells,
// shows a workbook by saving it as .xlsx in the user's export folder and opening it with the
// desktop's spreadsheet program, and opens .xlsx files it wrote.
#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QString>
#include <memory>
#include <stdexcept>

class SheetError : public std::runtime_error {
public:
    explicit SheetError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

struct SheetCell {
    QString text;        // the value as written
    bool isNumber = false;
    double number = 0;
    bool textFormat = false; // number format "@"
    bool bold = false;
};

class Worksheet {
public:
    explicit Worksheet(QString name) : name_(std::move(name)) {}

    // The largest row and column a worksheet has.
    static constexpr int kMaxRow = 1048576;
    static constexpr int kMaxColumn = 16384;
    static constexpr int kMaxText = 32767;

    const QString& name() const { return name_; }
    // Writes typed input: a cell that is not text-formatted and whose text reads as a number in the
    // current format settings becomes a number. Throws SheetError outside the sheet or for a text
    // longer than a cell holds.
    void setValue(int row, int column, const QString& text);
    void setTextFormat(int row, int column);
    void setBold(int row, int column, bool bold);
    void autofitColumn(int column);

    const SheetCell* cell(int row, int column) const;
    const QMap<QPair<int, int>, SheetCell>& cells() const { return cells_; }
    const QSet<int>& autofitColumns() const { return autofit_; }
    // Width in characters an autofitted column gets from its texts.
    double autofitWidth(int column) const;

    // Used when reading a file back.
    SheetCell& rawCell(int row, int column) { return cells_[{row, column}]; }

private:
    SheetCell& at(int row, int column);
    QString name_;
    QMap<QPair<int, int>, SheetCell> cells_; // (row, column), both from 1
    QSet<int> autofit_;
};

class Workbook {
public:
    Workbook();
    int sheetCount() const { return int(sheets_.size()); }
    // The worksheet with that number (from 1), or null.
    Worksheet* sheet(int number);
    Worksheet* addSheet();
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& f) { fileName_ = f; }
    bool dirty() const { return dirty_; }
    void setDirty(bool d) { dirty_ = d; }

private:
    QList<std::shared_ptr<Worksheet>> sheets_;
    QString fileName_;
    bool dirty_ = true;
};

class SheetApplication {
public:
    // The spreadsheet application this process already has, or null.
    static SheetApplication* running();
    // Starts one; throws SheetError when it cannot start (no export folder can be made).
    static SheetApplication* start();
    // Ends the running one (tests).
    static void shutdown();

    // Adds a new workbook with one worksheet; it becomes the active workbook.
    Workbook* addWorkbook();
    // Opens an .xlsx file into a new active workbook; throws SheetError.
    Workbook* openWorkbook(const QString& fileName);
    Workbook* activeWorkbook() const { return active_; }
    int workbookCount() const { return int(books_.size()); }

    // Showing saves every workbook changed since it was last shown into the export folder and
    // opens it with the desktop's spreadsheet program. Throws SheetError when a file cannot be
    // written.
    void setVisible(bool visible);
    bool visible() const { return visible_; }

    // The folder exports are saved in: VARNEK_EXPORT_DIR, or "Экспорт" in the user's documents.
    static QString exportDir();

private:
    SheetApplication() = default;
    QList<std::shared_ptr<Workbook>> books_;
    Workbook* active_ = nullptr;
    bool visible_ = false;
    int saved_ = 0;
};

namespace xlsxfile {
// Writes a workbook as .xlsx; throws SheetError.
void write(const Workbook& book, const QString& fileName);
// Reads an .xlsx written by write() (values, text format, bold); throws SheetError.
void read(const QString& fileName, Workbook& book);
} // namespace xlsxfile
