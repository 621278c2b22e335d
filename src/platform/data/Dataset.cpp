// Datasets: rows read into memory with a current row, a filter, and writing back by key.
#include "Dataset.h"

#include "DbError.h"
#include "Filter.h"
#include "platform/Format.h"

#include <cmath>

namespace {

FieldType typeOf(unsigned int oid)
{
    switch (oid) {
    case 16: return FieldType::Boolean;
    case 21:
    case 23: return FieldType::Integer;
    case 20:
    case 26: return FieldType::LargeInt;
    case 700:
    case 701: return FieldType::Float;
    case 1700: return FieldType::Numeric;
    case 1082: return FieldType::Date;
    case 1114:
    case 1184: return FieldType::DateTime;
    case 1042: return FieldType::FixedChar;
    default: return FieldType::Text;
    }
}

QString quotedName(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

const QVariant& nullValue()
{
    static const QVariant v;
    return v;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Field

QString Field::name() const { return ds_->fieldName(index_); }

FieldType Field::type() const { return ds_->fieldType(index_); }

QVariant Field::value() const
{
    const QList<QVariant>* row = ds_->currentRow();
    if (!row || index_ < 0 || index_ >= row->size()) return nullValue();
    return row->at(index_);
}

bool Field::isNull() const { return value().isNull(); }

QString Field::asString() const { return Dataset::valueText(value(), type()); }

long long Field::asLargeInt() const
{
    const QVariant v = value();
    if (v.isNull()) return 0;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Bool:
        return v.toLongLong();
    case QMetaType::Double:
        return std::llround(v.toDouble());
    case QMetaType::QString: {
        bool ok = false;
        const long long n = v.toString().trimmed().toLongLong(&ok);
        if (ok) return n;
        break;
    }
    default:
        break;
    }
    throw DbError(QStringLiteral("'%1' - недопустимое целое значение поля '%2'").arg(v.toString(), name()));
}

int Field::asInteger() const
{
    const long long n = asLargeInt();
    if (n < INT32_MIN || n > INT32_MAX)
        throw DbError(QStringLiteral("Значение %1 поля '%2' не помещается в целое").arg(n).arg(name()));
    return int(n);
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (v.isNull()) return 0;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return v.toDouble();
    default: {
        double d = 0;
        if (tryStrToFloat(v.toString(), d)) return d;
        throw DbError(QStringLiteral("'%1' - недопустимое число в поле '%2'").arg(v.toString(), name()));
    }
    }
}

QDate Field::asDate() const
{
    const QVariant v = value();
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime().date();
    if (v.typeId() == QMetaType::QDate) return v.toDate();
    return QDate();
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (v.typeId() == QMetaType::QDate) return v.toDate().startOfDay();
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime();
    return QDateTime();
}

void Field::setValue(const QVariant& v) const
{
    Dataset* ds = const_cast<Dataset*>(ds_);
    if (ds->state_ != Dataset::State::Edit && ds->state_ != Dataset::State::Insert)
        throw DbError(QStringLiteral("Набор данных не в режиме редактирования"));
    ds->buffer_[index_] = v;
    ds->changed_[index_] = true;
    ds->modified_ = true;
    emit ds->rowChanged(ds->recNo());
}

// ---------------------------------------------------------------------------------------------
// Dataset

Dataset::Dataset(Connection* connection, QObject* parent) : QObject(parent), connection_(connection) {}

Dataset::~Dataset() = default;

QString Dataset::valueText(const QVariant& v, FieldType type)
{
    if (v.isNull()) return QString();
    switch (type) {
    case FieldType::Float:
    case FieldType::Numeric:
        return floatToStr(v.toDouble());
    case FieldType::Date:
        return dateToStr(v.toDate());
    case FieldType::DateTime:
        return dateTimeToStr(v.toDateTime());
    case FieldType::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        if (v.typeId() == QMetaType::Double) return floatToStr(v.toDouble());
        if (v.typeId() == QMetaType::QDate) return dateToStr(v.toDate());
        if (v.typeId() == QMetaType::QDateTime) return dateTimeToStr(v.toDateTime());
        return v.toString();
    }
}

void Dataset::open()
{
    if (active()) return;
    if (!connection_) throw DbError(QStringLiteral("Набор данных не связан с подключением"));
    const ResultSet rs = connection_->exec(selectText(), selectValues());
    loadResult(rs);
}

void Dataset::loadResult(const ResultSet& rs)
{
    QList<FieldDef> defs;
    defs.reserve(rs.columns.size());
    for (const ResultColumn& c : rs.columns) defs.append({c.name, typeOf(c.typeOid)});
    fields_ = std::move(defs);
    rows_ = rs.rows;
    compiled_.reset();
    if (filtered_ && !filterText_.trimmed().isEmpty()) {
        try {
            compiled_ = FilterExpression::compile(filterText_, fieldNames());
        } catch (...) {
            rows_.clear();
            throw;
        }
    }
    state_ = State::Browse;
    applyFilter();
    emit stateChanged();
    emit rowsChanged();
    emit currentChanged();
}

void Dataset::close()
{
    if (!active()) return;
    rows_.clear();
    visible_.clear();
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    insertedRow_ = -1;
    cur_ = -1;
    eof_ = bof_ = true;
    state_ = State::Inactive;
    emit stateChanged();
    emit rowsChanged();
    emit currentChanged();
}

void Dataset::refresh()
{
    close();
    open();
}

void Dataset::applyFilter()
{
    visible_.clear();
    visible_.reserve(rows_.size());
    const bool useFilter = filtered_ && compiled_;
    for (int i = 0; i < rows_.size(); ++i) {
        if (!useFilter || compiled_->matches(rows_[i])) visible_.append(i);
    }
    cur_ = visible_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = visible_.isEmpty();
}

int Dataset::recordCount() const { return int(visible_.size()); }

int Dataset::recNo() const { return cur_ + 1; }

void Dataset::moveTo(int index)
{
    if (visible_.isEmpty()) return;
    index = std::clamp(index, 0, int(visible_.size()) - 1);
    if (index == cur_) return;
    // Leaving a row being edited writes it, as moving in a grid does.
    if (state_ == State::Insert && !modified_) {
        cancel();
        index = std::clamp(index, 0, int(visible_.size()) - 1);
    } else if (state_ == State::Edit || state_ == State::Insert) {
        post();
    }
    cur_ = index;
    emit currentChanged();
}

void Dataset::setRecNo(int recNo)
{
    if (visible_.isEmpty()) return;
    moveTo(recNo - 1);
    bof_ = cur_ == 0;
    eof_ = false;
}

void Dataset::first()
{
    moveTo(0);
    bof_ = true;
    eof_ = visible_.isEmpty();
}

void Dataset::last()
{
    moveTo(int(visible_.size()) - 1);
    eof_ = true;
    bof_ = visible_.isEmpty();
}

void Dataset::next()
{
    if (visible_.isEmpty() || cur_ >= int(visible_.size()) - 1) {
        eof_ = true;
        return;
    }
    moveTo(cur_ + 1);
    bof_ = false;
    eof_ = false;
}

void Dataset::prior()
{
    if (visible_.isEmpty() || cur_ <= 0) {
        bof_ = true;
        return;
    }
    moveTo(cur_ - 1);
    bof_ = false;
    eof_ = false;
}

int Dataset::fieldIndex(const QString& name) const
{
    for (int i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

Field Dataset::fieldByName(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0) {
        // A dataset that has never been opened knows no fields yet; its fields read as null.
        if (fields_.isEmpty()) return Field(this, -1);
        throw DbError(QStringLiteral("Поле '%1' не найдено").arg(name));
    }
    return Field(this, i);
}

QStringList Dataset::fieldNames() const
{
    QStringList names;
    for (const FieldDef& f : fields_) names << f.name;
    return names;
}

const QList<QVariant>* Dataset::currentRow() const
{
    if (cur_ < 0 || cur_ >= visible_.size()) return nullptr;
    if (state_ == State::Edit || state_ == State::Insert) return &buffer_;
    return &rows_[visible_[cur_]];
}

QVariant Dataset::valueAt(int recNo, int fieldIndex) const
{
    const int i = recNo - 1;
    if (i < 0 || i >= visible_.size() || fieldIndex < 0) return {};
    const QList<QVariant>& row = (i == cur_ && (state_ == State::Edit || state_ == State::Insert))
        ? buffer_ : rows_[visible_[i]];
    return fieldIndex < row.size() ? row[fieldIndex] : QVariant();
}

void Dataset::setFilter(const QString& text)
{
    if (text == filterText_) return;
    filterText_ = text;
    if (filtered_ && active()) setFiltered(true);
}

void Dataset::setFiltered(bool on)
{
    if (active() && (state_ == State::Edit || state_ == State::Insert)) cancel();
    filtered_ = on;
    if (!active()) return;
    compiled_.reset();
    if (on && !filterText_.trimmed().isEmpty()) compiled_ = FilterExpression::compile(filterText_, fieldNames());
    applyFilter();
    emit rowsChanged();
    emit currentChanged();
}

bool Dataset::locate(const QString& fieldName, const QVariant& value, bool caseInsensitive)
{
    const int f = fieldIndex(fieldName);
    if (f < 0) throw DbError(QStringLiteral("Поле '%1' не найдено").arg(fieldName));
    for (int i = 0; i < visible_.size(); ++i) {
        const QVariant& v = rows_[visible_[i]][f];
        bool equal = false;
        if (v.isNull() || value.isNull()) {
            equal = v.isNull() && value.isNull();
        } else if (v.typeId() == QMetaType::QString || value.typeId() == QMetaType::QString) {
            equal = v.toString().compare(value.toString(), caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
        } else if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime) {
            equal = v.toDateTime() == value.toDateTime();
        } else {
            equal = v.toDouble() == value.toDouble();
        }
        if (equal) {
            moveTo(i);
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Writing

void Dataset::setUpdateTable(const QString& table, const QStringList& keyFields)
{
    updateTable_ = table;
    keyFields_ = keyFields;
}

void Dataset::checkWritable() const
{
    if (!active()) throw DbError(QStringLiteral("Набор данных закрыт"));
    if (updateTable_.isEmpty()) throw DbError(QStringLiteral("Набор данных только для чтения"));
}

void Dataset::append()
{
    checkWritable();
    if (state_ == State::Insert && !modified_)
        cancel(); // a new row nobody typed into is dropped, not written empty
    else if (state_ == State::Edit || state_ == State::Insert)
        post();
    buffer_ = QList<QVariant>(fields_.size());
    changed_ = QList<bool>(fields_.size(), false);
    modified_ = false;
    rows_.append(buffer_);
    insertedRow_ = int(rows_.size()) - 1;
    visible_.append(insertedRow_);
    cur_ = int(visible_.size()) - 1;
    state_ = State::Insert;
    bof_ = eof_ = false;
    emit newRecord();
    modified_ = false;
    emit stateChanged();
    emit rowsChanged();
    emit currentChanged();
}

void Dataset::edit()
{
    checkWritable();
    if (state_ == State::Edit || state_ == State::Insert) return;
    if (visible_.isEmpty()) {
        append(); // editing an empty dataset starts a new row
        return;
    }
    buffer_ = rows_[visible_[cur_]];
    changed_ = QList<bool>(fields_.size(), false);
    modified_ = false;
    state_ = State::Edit;
    emit stateChanged();
}

void Dataset::replaceRowFrom(const ResultSet& rs, int rowIndex)
{
    QList<QVariant> row = buffer_;
    if (!rs.rows.isEmpty()) {
        for (int c = 0; c < rs.columns.size(); ++c) {
            const int f = fieldIndex(rs.columns[c].name);
            if (f >= 0) row[f] = rs.rows[0][c];
        }
    }
    rows_[rowIndex] = row;
}

void Dataset::post()
{
    if (state_ != State::Edit && state_ != State::Insert) return;
    checkWritable();
    QStringList cols;
    QList<QVariant> values;
    for (int i = 0; i < fields_.size(); ++i) {
        if (changed_[i]) {
            cols << quotedName(fields_[i].name);
            values << buffer_[i];
        }
    }
    if (state_ == State::Insert) {
        QString sql;
        if (cols.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES RETURNING *").arg(updateTable_);
        } else {
            QStringList ph;
            for (int i = 0; i < cols.size(); ++i) ph << QLatin1Char('$') + QString::number(i + 1);
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING *")
                      .arg(updateTable_, cols.join(QStringLiteral(", ")), ph.join(QStringLiteral(", ")));
        }
        const ResultSet rs = connection_->exec(sql, values);
        replaceRowFrom(rs, insertedRow_);
        insertedRow_ = -1;
    } else if (modified_) {
        const QList<QVariant>& original = rows_[visible_[cur_]];
        QStringList sets, where;
        for (int i = 0; i < cols.size(); ++i) sets << cols[i] + QStringLiteral(" = $") + QString::number(i + 1);
        for (const QString& key : keyFields_) {
            const int f = fieldIndex(key);
            if (f < 0) throw DbError(QStringLiteral("Поле ключа '%1' не найдено").arg(key));
            values << original[f];
            where << quotedName(fields_[f].name) + QStringLiteral(" = $") + QString::number(values.size());
        }
        const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 RETURNING *")
                                .arg(updateTable_, sets.join(QStringLiteral(", ")), where.join(QStringLiteral(" AND ")));
        const ResultSet rs = connection_->exec(sql, values);
        if (rs.rows.isEmpty())
            throw DbError(QStringLiteral("Запись не найдена: её изменили или удалили на другом рабочем месте."));
        replaceRowFrom(rs, visible_[cur_]);
    }
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    state_ = State::Browse;
    emit stateChanged();
    emit rowChanged(recNo());
}

void Dataset::cancel()
{
    if (state_ == State::Insert) {
        const int removed = insertedRow_;
        rows_.removeAt(removed);
        visible_.removeAll(removed);
        for (int& v : visible_) {
            if (v > removed) --v;
        }
        insertedRow_ = -1;
        cur_ = visible_.isEmpty() ? -1 : std::min(cur_, int(visible_.size()) - 1);
        state_ = State::Browse;
        buffer_.clear();
        changed_.clear();
        modified_ = false;
        emit stateChanged();
        emit rowsChanged();
        emit currentChanged();
        return;
    }
    if (state_ == State::Edit) {
        state_ = State::Browse;
        buffer_.clear();
        changed_.clear();
        modified_ = false;
        emit stateChanged();
        emit rowChanged(recNo());
    }
}

void Dataset::deleteRecord()
{
    checkWritable();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Edit) cancel();
    if (visible_.isEmpty()) return;
    const int rowIndex = visible_[cur_];
    QStringList where;
    QList<QVariant> values;
    for (const QString& key : keyFields_) {
        const int f = fieldIndex(key);
        if (f < 0) throw DbError(QStringLiteral("Поле ключа '%1' не найдено").arg(key));
        values << rows_[rowIndex][f];
        where << quotedName(fields_[f].name) + QStringLiteral(" = $") + QString::number(values.size());
    }
    connection_->exec(QStringLiteral("DELETE FROM %1 WHERE %2").arg(updateTable_, where.join(QStringLiteral(" AND "))), values);
    rows_.removeAt(rowIndex);
    visible_.removeAt(cur_);
    for (int& v : visible_) {
        if (v > rowIndex) --v;
    }
    cur_ = visible_.isEmpty() ? -1 : std::min(cur_, int(visible_.size()) - 1);
    eof_ = visible_.isEmpty();
    emit rowsChanged();
    emit currentChanged();
}

// ---------------------------------------------------------------------------------------------
// Query, Table, Command

void Query::clearSql()
{
    close();
    lines_.clear();
    reparse();
}

void Query::addSql(const QString& line)
{
    close();
    lines_ << line;
    reparse();
}

void Query::setSql(const QString& text)
{
    close();
    lines_ = text.split(QLatin1Char('\n'));
    reparse();
}

void Query::reparse()
{
    parsed_ = parseNamedParams(sql());
    params_.assignNames(parsed_.names);
}

void Table::setTableName(const QString& name, const QStringList& keyFields)
{
    close();
    table_ = name;
    setUpdateTable(name, keyFields);
}

QString Table::selectText() const
{
    QString sql = QStringLiteral("select * from ") + table_;
    if (!orderBy_.isEmpty()) sql += QStringLiteral(" order by ") + orderBy_;
    return sql;
}

void Command::setSql(const QString& text)
{
    text_ = text;
    parsed_ = parseNamedParams(text);
    params_.assignNames(parsed_.names);
}

long long Command::execute()
{
    if (!connection_) throw DbError(QStringLiteral("Команда не связана с подключением"));
    return connection_->exec(parsed_.text, params_.valuesFor(parsed_.names)).affected;
}
