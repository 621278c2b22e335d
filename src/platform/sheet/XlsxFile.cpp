// .xlsx files: written with libxlsxwriter; read back with a small zip reader and the XML of the
// parts this program writes (workbook, shared strings, styles, worksheets).
#include "Sheet.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <xlsxwriter.h>
#include <zlib.h>

namespace xlsxfile {

// ---------------------------------------------------------------------------------------------
// Writing

void write(const Workbook& bookConst, const QString& fileName)
{
    Workbook& book = const_cast<Workbook&>(bookConst);
    const QByteArray path = QFile::encodeName(fileName);
    lxw_workbook* wb = workbook_new(path.constData());
    if (!wb) throw SheetError(QStringLiteral("Не удалось создать файл %1").arg(fileName));

    // Four formats cover every cell: text format and bold, each on or off.
    lxw_format* formats[4] = {nullptr, nullptr, nullptr, nullptr};
    for (int i = 1; i < 4; ++i) {
        formats[i] = workbook_add_format(wb);
        if (i & 1) format_set_num_format(formats[i], "@");
        if (i & 2) format_set_bold(formats[i]);
    }
    for (int s = 1; s <= book.sheetCount(); ++s) {
        const Worksheet* sheet = book.sheet(s);
        const QByteArray name = sheet->name().toUtf8();
        lxw_worksheet* ws = workbook_add_worksheet(wb, name.constData());
        for (auto it = sheet->cells().cbegin(); it != sheet->cells().cend(); ++it) {
            const SheetCell& c = it.value();
            lxw_format* f = formats[(c.textFormat ? 1 : 0) | (c.bold ? 2 : 0)];
            const lxw_row_t row = lxw_row_t(it.key().first - 1);
            const lxw_col_t col = lxw_col_t(it.key().second - 1);
            if (c.isNumber) {
                worksheet_write_number(ws, row, col, c.number, f);
            } else if (c.text.isEmpty()) {
                if (f) worksheet_write_blank(ws, row, col, f);
            } else {
                const QByteArray text = c.text.toUtf8();
                worksheet_write_string(ws, row, col, text.constData(), f);
            }
        }
        for (int col : sheet->autofitColumns())
            worksheet_set_column(ws, lxw_col_t(col - 1), lxw_col_t(col - 1), sheet->autofitWidth(col), nullptr);
    }
    const lxw_error err = workbook_close(wb);
    if (err != LXW_NO_ERROR)
        throw SheetError(QStringLiteral("Не удалось записать файл %1: %2").arg(fileName, QString::fromUtf8(lxw_strerror(err))));
}

// ---------------------------------------------------------------------------------------------
// Reading

namespace {

quint32 u32(const QByteArray& b, qsizetype at)
{
    if (at + 4 > b.size()) return 0;
    const auto* p = reinterpret_cast<const uchar*>(b.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 u16(const QByteArray& b, qsizetype at)
{
    if (at + 2 > b.size()) return 0;
    const auto* p = reinterpret_cast<const uchar*>(b.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

// The entries of a zip archive, inflated.
QHash<QString, QByteArray> unzip(const QByteArray& zip, const QString& fileName)
{
    auto bad = [&] { return SheetError(QStringLiteral("Файл %1 не является книгой .xlsx").arg(fileName)); };
    qsizetype eocd = -1;
    for (qsizetype i = zip.size() - 22; i >= 0 && i >= zip.size() - 22 - 65535; --i) {
        if (u32(zip, i) == 0x06054b50) {
            eocd = i;
            break;
        }
    }
    if (eocd < 0) throw bad();
    const int entries = u16(zip, eocd + 10);
    qsizetype at = u32(zip, eocd + 16);
    QHash<QString, QByteArray> out;
    for (int e = 0; e < entries; ++e) {
        if (u32(zip, at) != 0x02014b50) throw bad();
        const int method = u16(zip, at + 10);
        const quint32 csize = u32(zip, at + 20);
        const quint32 usize = u32(zip, at + 24);
        const int nameLen = u16(zip, at + 28), extraLen = u16(zip, at + 30), commentLen = u16(zip, at + 32);
        const quint32 local = u32(zip, at + 42);
        const QString name = QString::fromUtf8(zip.mid(at + 46, nameLen));
        at += 46 + nameLen + extraLen + commentLen;
        if (u32(zip, local) != 0x04034b50) throw bad();
        const qsizetype data = local + 30 + u16(zip, local + 26) + u16(zip, local + 28);
        if (data + csize > zip.size()) throw bad();
        const QByteArray packed = zip.mid(data, csize);
        if (method == 0) {
            out.insert(name, packed);
        } else if (method == 8) {
            QByteArray plain(qsizetype(usize), Qt::Uninitialized);
            z_stream zs{};
            if (inflateInit2(&zs, -MAX_WBITS) != Z_OK) throw bad();
            zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
            zs.avail_in = uInt(packed.size());
            zs.next_out = reinterpret_cast<Bytef*>(plain.data());
            zs.avail_out = uInt(plain.size());
            const int rc = inflate(&zs, Z_FINISH);
            inflateEnd(&zs);
            if (rc != Z_STREAM_END) throw bad();
            out.insert(name, plain);
        } else {
            throw bad();
        }
    }
    return out;
}

// "B12" -> (12, 2)
QPair<int, int> cellRef(QStringView ref)
{
    int col = 0, i = 0;
    while (i < ref.size() && ref[i].isLetter()) col = col * 26 + (ref[i++].toUpper().unicode() - 'A' + 1);
    return {ref.mid(i).toInt(), col};
}

QStringList sharedStrings(const QByteArray& xml)
{
    QStringList out;
    QXmlStreamReader r(xml);
    QString current;
    bool inSi = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("si")) {
            inSi = true;
            current.clear();
        } else if (r.isStartElement() && r.name() == QLatin1String("t") && inSi) {
            current += r.readElementText();
        } else if (r.isEndElement() && r.name() == QLatin1String("si")) {
            out << current;
            inSi = false;
        }
    }
    return out;
}

struct Style {
    bool textFormat = false;
    bool bold = false;
};

QList<Style> styles(const QByteArray& xml)
{
    QHash<int, QString> numFmts;
    QList<bool> boldFonts;
    QList<Style> xfs;
    QXmlStreamReader r(xml);
    QString section;
    bool inFont = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const auto n = r.name();
            if (n == QLatin1String("numFmt")) {
                numFmts.insert(r.attributes().value(QLatin1String("numFmtId")).toInt(),
                               r.attributes().value(QLatin1String("formatCode")).toString());
            } else if (n == QLatin1String("fonts") || n == QLatin1String("cellXfs") || n == QLatin1String("cellStyleXfs")) {
                section = n.toString();
            } else if (n == QLatin1String("font") && section == QLatin1String("fonts")) {
                inFont = true;
                boldFonts << false;
            } else if (n == QLatin1String("b") && inFont) {
                boldFonts.last() = true;
            } else if (n == QLatin1String("xf") && section == QLatin1String("cellXfs")) {
                const int numFmt = r.attributes().value(QLatin1String("numFmtId")).toInt();
                const int font = r.attributes().value(QLatin1String("fontId")).toInt();
                Style s;
                s.textFormat = numFmt == 49 || numFmts.value(numFmt) == QLatin1String("@");
                s.bold = font >= 0 && font < boldFonts.size() && boldFonts[font];
                xfs << s;
            }
        } else if (r.isEndElement()) {
            if (r.name() == QLatin1String("font")) inFont = false;
            if (r.name() == section) section.clear();
        }
    }
    return xfs;
}

void readSheet(const QByteArray& xml, const QStringList& strings, const QList<Style>& xfs, Worksheet& sheet)
{
    QXmlStreamReader r(xml);
    QPair<int, int> at;
    QString type;
    int style = 0;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("c")) {
            at = cellRef(r.attributes().value(QLatin1String("r")));
            type = r.attributes().value(QLatin1String("t")).toString();
            style = r.attributes().value(QLatin1String("s")).toInt();
            SheetCell& c = sheet.rawCell(at.first, at.second);
            const Style st = xfs.value(style);
            c.textFormat = st.textFormat;
            c.bold = st.bold;
        } else if (r.isStartElement() && (r.name() == QLatin1String("v") || r.name() == QLatin1String("t"))) {
            const QString v = r.readElementText();
            SheetCell& c = sheet.rawCell(at.first, at.second);
            if (type == QLatin1String("s")) {
                c.text = strings.value(v.toInt());
            } else if (type == QLatin1String("str") || type == QLatin1String("inlineStr")) {
                c.text = v;
            } else {
                c.isNumber = true;
                c.number = v.toDouble();
                c.text = v;
            }
        } else if (r.isStartElement() && r.name() == QLatin1String("col")) {
            if (r.attributes().hasAttribute(QLatin1String("width"))) {
                const int first = r.attributes().value(QLatin1String("min")).toInt();
                const int last = r.attributes().value(QLatin1String("max")).toInt();
                for (int c = first; c <= last && c - first < 256; ++c) sheet.autofitColumn(c);
            }
        }
    }
}

} // namespace

void read(const QString& fileName, Workbook& book)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) throw SheetError(QStringLiteral("Не удалось открыть файл %1").arg(fileName));
    const QHash<QString, QByteArray> parts = unzip(f.readAll(), fileName);
    const QByteArray workbookXml = parts.value(QStringLiteral("xl/workbook.xml"));
    if (workbookXml.isEmpty()) throw SheetError(QStringLiteral("Файл %1 не является книгой .xlsx").arg(fileName));

    // Sheet order from the workbook, paths from its relationships.
    QHash<QString, QString> targets;
    QXmlStreamReader rels(parts.value(QStringLiteral("xl/_rels/workbook.xml.rels")));
    while (!rels.atEnd()) {
        rels.readNext();
        if (rels.isStartElement() && rels.name() == QLatin1String("Relationship"))
            targets.insert(rels.attributes().value(QLatin1String("Id")).toString(),
                           rels.attributes().value(QLatin1String("Target")).toString());
    }
    const QStringList strings = sharedStrings(parts.value(QStringLiteral("xl/sharedStrings.xml")));
    const QList<Style> xfs = styles(parts.value(QStringLiteral("xl/styles.xml")));
    QXmlStreamReader wb(workbookXml);
    while (!wb.atEnd()) {
        wb.readNext();
        if (!wb.isStartElement() || wb.name() != QLatin1String("sheet")) continue;
        QString rid;
        for (const auto& a : wb.attributes()) {
            if (a.name() == QLatin1String("id")) rid = a.value().toString();
        }
        QString target = targets.value(rid);
        if (target.startsWith(QLatin1Char('/'))) target = target.mid(1);
        else target = QStringLiteral("xl/") + target;
        Worksheet* sheet = book.addSheet();
        readSheet(parts.value(target), strings, xfs, *sheet);
    }
    if (book.sheetCount() == 0) throw SheetError(QStringLiteral("В книге %1 нет листов").arg(fileName));
    book.setFileName(fileName);
}

} // namespace xlsxfile
