// The one connection to the workshop database, opened from an ODBC-style connection string.
#include "Connection.h"

#include "DbError.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <libpq-fe.h>

namespace {

// Type numbers of the server's built-in types that the program converts.
enum : unsigned int {
    kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kOid = 26,
    kFloat4 = 700, kFloat8 = 701, kNumeric = 1700,
    kDate = 1082, kTimestamp = 1114, kTimestampTz = 1184,
};

QVariant convertValue(const char* text, int length, unsigned int oid)
{
    const QByteArray raw(text, length);
    switch (oid) {
    case kBool:
        return QVariant(raw == "t");
    case kInt2:
    case kInt4:
        return QVariant(raw.toInt());
    case kInt8:
    case kOid:
        return QVariant(raw.toLongLong());
    case kFloat4:
    case kFloat8:
    case kNumeric: {
        bool ok = false;
        const double v = raw.toDouble(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case kDate:
        return QVariant(QDate::fromString(QString::fromLatin1(raw.left(10)), Qt::ISODate));
    case kTimestamp:
    case kTimestampTz: {
        QString s = QString::fromLatin1(raw);
        // Drop a time zone offset; the workshop works in local time only.
        if (oid == kTimestampTz) {
            const int plus = s.lastIndexOf(QLatin1Char('+'));
            const int minus = s.lastIndexOf(QLatin1Char('-'));
            const int cut = std::max(plus, minus);
            if (cut > 10) s.truncate(cut);
        }
        QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss.z"));
        if (!dt.isValid()) dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return QVariant(dt);
    }
    default:
        return QVariant(QString::fromUtf8(raw));
    }
}

QString serverError(const PGresult* res, pg_conn* conn)
{
    QString text = QString::fromUtf8(res ? PQresultErrorMessage(res) : PQerrorMessage(conn));
    if (text.isEmpty() && conn) text = QString::fromUtf8(PQerrorMessage(conn));
    return text.trimmed();
}

void ignoreNotice(void*, const char*) {}

} // namespace

Connection::Connection() = default;

Connection::~Connection() { close(); }

QMap<QString, QString> Connection::libpqKeywords(const QString& odbcString)
{
    // Split "KEY=value;KEY={value;with;semicolons}" into pairs.
    QMap<QString, QString> odbc;
    int i = 0;
    const int n = odbcString.size();
    while (i < n) {
        const int eq = odbcString.indexOf(QLatin1Char('='), i);
        if (eq < 0) break;
        const int segmentEnd = odbcString.indexOf(QLatin1Char(';'), i);
        if (segmentEnd >= 0 && segmentEnd < eq) { // a piece without "=": not a keyword
            i = segmentEnd + 1;
            continue;
        }
        const QString key = odbcString.mid(i, eq - i).trimmed().toUpper();
        int j = eq + 1;
        QString value;
        if (j < n && odbcString[j] == QLatin1Char('{')) {
            const int close = odbcString.indexOf(QLatin1Char('}'), j + 1);
            value = odbcString.mid(j + 1, (close < 0 ? n : close) - j - 1);
            j = close < 0 ? n : close + 1;
            const int semi = odbcString.indexOf(QLatin1Char(';'), j);
            j = semi < 0 ? n : semi + 1;
        } else {
            const int semi = odbcString.indexOf(QLatin1Char(';'), j);
            value = odbcString.mid(j, (semi < 0 ? n : semi) - j);
            j = semi < 0 ? n : semi + 1;
        }
        if (!key.isEmpty()) odbc.insert(key, value);
        i = j;
    }

    static const QList<QPair<QString, QString>> mapping = {
        {QStringLiteral("SERVER"), QStringLiteral("host")},
        {QStringLiteral("PORT"), QStringLiteral("port")},
        {QStringLiteral("DATABASE"), QStringLiteral("dbname")},
        {QStringLiteral("UID"), QStringLiteral("user")},
        {QStringLiteral("PWD"), QStringLiteral("password")},
        {QStringLiteral("SSLMODE"), QStringLiteral("sslmode")},
    };
    QMap<QString, QString> result;
    for (const auto& [odbcKey, pqKey] : mapping) {
        if (odbc.contains(odbcKey)) result.insert(pqKey, odbc.value(odbcKey));
    }
    return result;
}

void Connection::open()
{
    close();
    QMap<QString, QString> kw = libpqKeywords(connectionString_);
    // A server given as a directory is the directory of the server's Unix socket; a relative one is
    // taken from the current directory.
    const QFileInfo hostDir(kw.value(QStringLiteral("host")));
    if (!kw.value(QStringLiteral("host")).isEmpty() && hostDir.isDir())
        kw.insert(QStringLiteral("host"), hostDir.absoluteFilePath());
    kw.insert(QStringLiteral("client_encoding"), QStringLiteral("UTF8"));
    kw.insert(QStringLiteral("connect_timeout"), QStringLiteral("10"));
    kw.insert(QStringLiteral("application_name"), QStringLiteral("varnek-erp"));
    // An empty database name would silently fall back to the user's name; keep it empty on purpose
    // so that the server refuses it the way the driver would.
    QList<QByteArray> keys, values;
    for (auto it = kw.cbegin(); it != kw.cend(); ++it) {
        keys << it.key().toUtf8();
        values << it.value().toUtf8();
    }
    std::vector<const char*> k, v;
    for (int i = 0; i < keys.size(); ++i) {
        k.push_back(keys[i].constData());
        v.push_back(values[i].constData());
    }
    k.push_back(nullptr);
    v.push_back(nullptr);
    pg_conn* c = PQconnectdbParams(k.data(), v.data(), 0);
    if (!c || PQstatus(c) != CONNECTION_OK) {
        const QString msg = c ? QString::fromUtf8(PQerrorMessage(c)).trimmed()
                              : QStringLiteral("out of memory");
        if (c) PQfinish(c);
        throw DbError(msg);
    }
    PQsetNoticeProcessor(c, ignoreNotice, nullptr);
    conn_ = c;
    exec(QStringLiteral("SET DateStyle = 'ISO, DMY'"));
}

bool Connection::inTransaction() const
{
    return conn_ && PQtransactionStatus(conn_) != PQTRANS_IDLE;
}

void Connection::close()
{
    if (conn_) {
        PQfinish(conn_);
        conn_ = nullptr;
    }
}

QString Connection::paramText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 17);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
        return value.toString();
    }
}

ResultSet Connection::exec(const QString& sql, const QList<QVariant>& params)
{
    if (!conn_) throw DbError(QStringLiteral("Нет подключения к базе данных."));
    const QByteArray text = sql.toUtf8();
    QList<QByteArray> storage;
    std::vector<const char*> values;
    storage.reserve(params.size());
    for (const QVariant& p : params) {
        if (p.isNull() || !p.isValid()) {
            storage << QByteArray();
            values.push_back(nullptr);
        } else {
            storage << paramText(p).toUtf8();
            values.push_back(storage.last().constData());
        }
    }
    PGresult* res = PQexecParams(conn_, text.constData(), int(values.size()), nullptr,
                                 values.empty() ? nullptr : values.data(), nullptr, nullptr, 0);
    const ExecStatusType st = res ? PQresultStatus(res) : PGRES_FATAL_ERROR;
    if (st != PGRES_TUPLES_OK && st != PGRES_COMMAND_OK) {
        const QString msg = serverError(res, conn_);
        const QString state = res ? QString::fromLatin1(PQresultErrorField(res, PG_DIAG_SQLSTATE)) : QString();
        if (res) PQclear(res);
        throw DbError(msg, state);
    }
    ResultSet out;
    const int nf = PQnfields(res);
    const int nr = PQntuples(res);
    out.columns.reserve(nf);
    for (int c = 0; c < nf; ++c) {
        out.columns.append({QString::fromUtf8(PQfname(res, c)), PQftype(res, c), PQfmod(res, c)});
    }
    out.rows.reserve(nr);
    for (int r = 0; r < nr; ++r) {
        QList<QVariant> row;
        row.reserve(nf);
        for (int c = 0; c < nf; ++c) {
            if (PQgetisnull(res, r, c))
                row.append(QVariant());
            else
                row.append(convertValue(PQgetvalue(res, r, c), PQgetlength(res, r, c), out.columns[c].typeOid));
        }
        out.rows.append(std::move(row));
    }
    out.affected = QByteArray(PQcmdTuples(res)).toLongLong();
    PQclear(res);
    return out;
}

// ---------------------------------------------------------------------------------------------

Transaction::Transaction(Connection* connection) : connection_(connection)
{
    connection_->exec(QStringLiteral("BEGIN"));
    open_ = true;
}

Transaction::~Transaction()
{
    if (!open_) return;
    try {
        connection_->exec(QStringLiteral("ROLLBACK"));
    } catch (...) {
        // The connection is gone; the server has rolled back on its own.
    }
}

void Transaction::commit()
{
    if (!open_) return;
    open_ = false;
    connection_->exec(QStringLiteral("COMMIT"));
}
