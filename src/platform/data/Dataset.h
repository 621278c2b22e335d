// Datasets: rows read into memory with a current row, a filter, and writing back by key.
#pragma once

#include "Connection.h"
#include "Params.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <memory>

class Dataset;
class FilterExpression;

enum class FieldType { Unknown, Boolean, Integer, LargeInt, Float, Numeric, Text, FixedChar, Date, DateTime };

// A field of the current row (or of the row being edited).
class Field {
public:
    Field(const Dataset* ds, int index) : ds_(ds), index_(index) {}

    QString name() const;
    FieldType type() const;
    QVariant value() const;
    bool isNull() const;
    QString asString() const;   // numbers and dates as the format settings write them
    int asInteger() const;      // throws DbError when the value is not a whole number
    long long asLargeInt() const;
    double asFloat() const;     // throws DbError when the value is not a number
    QDate asDate() const;
    QDateTime asDateTime() const;

    void setValue(const QVariant& v) const; // only while the dataset is in edit or insert state

private:
    const Dataset* ds_;
    int index_;
};

class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit Dataset(Connection* connection, QObject* parent = nullptr);
    ~Dataset() override;

    Connection* connection() const { return connection_; }
    void setConnection(Connection* c) { connection_ = c; }

    // Reading. Opening an open dataset does nothing; closing drops the rows.
    void open();
    void close();
    bool active() const { return state_ != State::Inactive; }
    void refresh(); // close and open again
    State state() const { return state_; }

    // Current row, counted from 1 over the rows that pass the filter; 0 when there is none.
    int recordCount() const;
    int recNo() const;
    void setRecNo(int recNo); // clamped to the rows there are
    bool isEmpty() const { return recordCount() == 0; }
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    void first();
    void last();
    void next();
    void prior();

    int fieldCount() const { return int(fields_.size()); }
    QString fieldName(int index) const { return fields_.value(index).name; }
    FieldType fieldType(int index) const { return fields_.value(index).type; }
    int fieldIndex(const QString& name) const; // -1 when absent
    Field fieldByName(const QString& name) const; // throws DbError when absent
    Field field(int index) const { return Field(this, index); }
    QStringList fieldNames() const;

    // Value of any shown row (1-based), for grids.
    QVariant valueAt(int recNo, int fieldIndex) const;

    // Filter on the rows already read.
    void setFilter(const QString& text);
    const QString& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }

    // Makes the first shown row whose field equals the value current; false when none does.
    bool locate(const QString& fieldName, const QVariant& value, bool caseInsensitive = false);

    // Writing. The table written and its key are set by the owner of the dataset.
    void setUpdateTable(const QString& table, const QStringList& keyFields = {QStringLiteral("id")});
    const QString& updateTable() const { return updateTable_; }
    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    bool modified() const { return modified_; }

    // Format of a value as text, the way fields and grids show it.
    static QString valueText(const QVariant& v, FieldType type);

signals:
    // A new row has been started (append); its handler sets the row's defaults. Values set there
    // are written with the row but do not count as a change by the user.
    void newRecord();
    void rowsChanged();       // rows read, dropped, filtered, added or removed
    void rowChanged(int recNo); // values of one shown row changed
    void currentChanged();    // another row became current
    void stateChanged();

protected:
    // The statement and its parameter values that read the rows.
    virtual QString selectText() const = 0;
    virtual QList<QVariant> selectValues() const { return {}; }

private:
    friend class Field;
    struct FieldDef {
        QString name;
        FieldType type = FieldType::Unknown;
    };

    void loadResult(const ResultSet& rs);
    void applyFilter();
    void moveTo(int index); // index into visible_
    const QList<QVariant>* currentRow() const;
    void checkWritable() const;
    void replaceRowFrom(const ResultSet& rs, int rowIndex);

    Connection* connection_;
    State state_ = State::Inactive;
    QList<FieldDef> fields_;
    QList<QList<QVariant>> rows_;
    QList<int> visible_;   // indexes of rows_ that pass the filter
    int cur_ = -1;         // index into visible_
    bool eof_ = true, bof_ = true;

    QString filterText_;
    bool filtered_ = false;
    std::shared_ptr<const FilterExpression> compiled_;

    QString updateTable_;
    QStringList keyFields_;
    QList<QVariant> buffer_;   // row being edited or inserted
    QList<bool> changed_;      // fields set since edit/append
    bool modified_ = false;
    int insertedRow_ = -1;     // rows_ index of the pending new row
};

// A statement read into memory, with named parameters.
class Query : public Dataset {
    Q_OBJECT
public:
    explicit Query(Connection* connection, QObject* parent = nullptr) : Dataset(connection, parent) {}

    void clearSql();
    void addSql(const QString& line);
    void setSql(const QString& text);
    QString sql() const { return lines_.join(QLatin1Char('\n')); }

    Param& paramByName(const QString& name) { return params_.paramByName(name); }
    Params& params() { return params_; }

protected:
    QString selectText() const override { return parsed_.text; }
    QList<QVariant> selectValues() const override { return params_.valuesFor(parsed_.names); }

private:
    void reparse();
    QStringList lines_;
    ParsedStatement parsed_;
    Params params_;
};

// All rows of one table, optionally ordered, written back by key.
class Table : public Dataset {
    Q_OBJECT
public:
    explicit Table(Connection* connection, QObject* parent = nullptr) : Dataset(connection, parent) {}

    void setTableName(const QString& name, const QStringList& keyFields = {QStringLiteral("id")});
    const QString& tableName() const { return table_; }
    void setOrderBy(const QString& fields) { orderBy_ = fields; }

protected:
    QString selectText() const override;

private:
    QString table_;
    QString orderBy_;
};

// A statement executed once, without rows.
class Command {
public:
    explicit Command(Connection* connection) : connection_(connection) {}

    void setSql(const QString& text);
    QString sql() const { return text_; }
    Param& paramByName(const QString& name) { return params_.paramByName(name); }
    Params& params() { return params_; }
    long long execute(); // rows affected

private:
    Connection* connection_;
    QString text_;
    ParsedStatement parsed_;
    Params params_;
};
