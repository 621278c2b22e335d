// The one connection to the workshop database, opened from an ODBC-style connection string.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

struct pg_conn;
struct pg_result;

// Column description of a result, as the server reports it.
struct ResultColumn {
    QString name;
    unsigned int typeOid = 0;
    int typmod = -1;
};

// Rows of one statement, converted to program values.
struct ResultSet {
    QList<ResultColumn> columns;
    QList<QList<QVariant>> rows;
    long long affected = 0;
};

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setConnectionString(const QString& text) { connectionString_ = text; }
    const QString& connectionString() const { return connectionString_; }

    // Opens the connection and sets the day-first date style; throws DbError.
    void open();
    void close();
    bool connected() const { return conn_ != nullptr; }
    // True while an explicit transaction is open on the connection.
    bool inTransaction() const;

    // Runs one statement with server-side parameters $1..$n given as texts (null QVariant = NULL).
    ResultSet exec(const QString& sql, const QList<QVariant>& params = {});

    // The libpq keywords a connection string translates to (SERVER->host and so on).
    static QMap<QString, QString> libpqKeywords(const QString& odbcString);
    // Parameter value as the text the server reads (dates ISO, decimals with a point).
    static QString paramText(const QVariant& value);

private:
    QString connectionString_;
    pg_conn* conn_ = nullptr;
};

// Statements run between its start and commit() form one unit: a failure before commit() (the
// object going out of scope) rolls every one of them back, so the data stays as it was.
class Transaction {
public:
    explicit Transaction(Connection* connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection* connection_;
    bool open_ = false;
};
