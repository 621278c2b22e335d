// The spreadsheet back end: application, workbooks, worksheets, cells.
#include "Sheet.h"

#include "platform/Format.h"
#include "platform/ui/Seams.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

std::unique_ptr<SheetApplication>& instance()
{
    static std::unique_ptr<SheetApplication> app;
    return app;
}

// A number as a user types it: sign, digits, the current decimal separator, an exponent.
bool readsAsNumber(const QString& text, double& value)
{
    const QString sep = QRegularExpression::escape(QString(FormatSettings::current().decimalSeparator));
    static QString lastSep;
    static QRegularExpression re;
    if (sep != lastSep) {
        re = QRegularExpression(QStringLiteral("^\\s*[-+]?(\\d+(%1\\d*)?|%1\\d+)([eE][-+]?\\d+)?\\s*$").arg(sep));
        lastSep = sep;
    }
    if (!re.match(text).hasMatch()) return false;
    QString t = text.trimmed();
    t.replace(FormatSettings::current().decimalSeparator, QLatin1Char('.'));
    bool ok = false;
    value = t.toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

// ---------------------------------------------------------------------------------------------

SheetCell& Worksheet::at(int row, int column)
{
    if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn)
        throw SheetError(QStringLiteral("Ячейка (%1, %2) вне листа").arg(row).arg(column));
    return cells_[{row, column}];
}

void Worksheet::setValue(int row, int column, const QString& text)
{
    if (text.size() > kMaxText) throw SheetError(QStringLiteral("Текст длиннее %1 знаков").arg(kMaxText));
    SheetCell& c = at(row, column);
    c.text = text;
    double v = 0;
    c.isNumber = !c.textFormat && readsAsNumber(text, v);
    c.number = c.isNumber ? v : 0;
}

void Worksheet::setTextFormat(int row, int column)
{
    SheetCell& c = at(row, column);
    c.textFormat = true;
}

void Worksheet::setBold(int row, int column, bool bold) { at(row, column).bold = bold; }

void Worksheet::autofitColumn(int column)
{
    if (column < 1 || column > kMaxColumn) throw SheetError(QStringLiteral("Столбец %1 вне листа").arg(column));
    autofit_.insert(column);
}

const SheetCell* Worksheet::cell(int row, int column) const
{
    auto it = cells_.constFind({row, column});
    return it == cells_.cend() ? nullptr : &it.value();
}

double Worksheet::autofitWidth(int column) const
{
    double width = 0;
    for (auto it = cells_.cbegin(); it != cells_.cend(); ++it) {
        if (it.key().second != column) continue;
        double w = it.value().text.size() + 1.0;
        if (it.value().bold) w *= 1.1;
        width = std::max(width, w);
    }
    return std::clamp(width, 8.43, 255.0);
}

// ---------------------------------------------------------------------------------------------

Workbook::Workbook() = default;

Worksheet* Workbook::sheet(int number)
{
    if (number < 1 || number > sheets_.size()) return nullptr;
    return sheets_[number - 1].get();
}

Worksheet* Workbook::addSheet()
{
    sheets_.append(std::make_shared<Worksheet>(QStringLiteral("Лист%1").arg(sheets_.size() + 1)));
    return sheets_.last().get();
}

// ---------------------------------------------------------------------------------------------

SheetApplication* SheetApplication::running() { return instance().get(); }

QString SheetApplication::exportDir()
{
    const QString env = qEnvironmentVariable("VARNEK_EXPORT_DIR");
    if (!env.isEmpty()) return env;
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty()) docs = QDir::homePath();
    return QDir(docs).filePath(QStringLiteral("Экспорт"));
}

SheetApplication* SheetApplication::start()
{
    const QString dir = exportDir();
    if (!QDir().mkpath(dir) || !QFileInfo(dir).isWritable())
        throw SheetError(QStringLiteral("Нет папки для выгрузки: %1").arg(dir));
    instance().reset(new SheetApplication());
    return instance().get();
}

void SheetApplication::shutdown() { instance().reset(); }

Workbook* SheetApplication::addWorkbook()
{
    auto book = std::make_shared<Workbook>();
    book->addSheet();
    books_.append(book);
    active_ = book.get();
    return active_;
}

Workbook* SheetApplication::openWorkbook(const QString& fileName)
{
    auto book = std::make_shared<Workbook>();
    xlsxfile::read(fileName, *book);
    book->setDirty(false);
    books_.append(book);
    active_ = book.get();
    return active_;
}

void SheetApplication::setVisible(bool visible)
{
    visible_ = visible;
    if (!visible) return;
    const QDir dir(exportDir());
    for (const auto& book : books_) {
        if (!book->dirty()) continue;
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
        const QString path = dir.filePath(QStringLiteral("Выгрузка %1 (%2).xlsx").arg(stamp).arg(++saved_));
        xlsxfile::write(*book, path);
        book->setFileName(path);
        book->setDirty(false);
        ui::openWithDesktop(path);
    }
}
