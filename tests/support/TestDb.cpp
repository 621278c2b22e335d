// The throwaway database cluster of the tests.
#include "TestDb.h"

#include "db/Unit6.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QtGlobal>
#include <stdexcept>

namespace testdb {

namespace {

Connection& admin()
{
    static Connection c;
    if (!c.connected()) {
        c.setConnectionString(TDataModule6::ConnectionString(QStringLiteral("postgres"), socketDir()));
        c.open();
    }
    return c;
}

} // namespace

QString socketDir()
{
    const QString dir = qEnvironmentVariable("VARNEK_TEST_PGHOST");
    if (dir.isEmpty())
        throw std::runtime_error("VARNEK_TEST_PGHOST is not set: run the tests through ctest (scripts/test), "
                                 "which starts the test database cluster");
    return dir;
}

QString createFresh()
{
    static int counter = 0;
    const QString name = QStringLiteral("t_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    admin().exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name));
    admin().exec(QStringLiteral("CREATE DATABASE %1 TEMPLATE varnek_tpl STRATEGY FILE_COPY").arg(name));
    return name;
}

void drop(const QString& name)
{
    try {
        admin().exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
    } catch (...) {
        // A database left behind goes with the cluster.
    }
}

QString connectionString(const QString& name) { return TDataModule6::ConnectionString(name, socketDir()); }

QStringList programArguments(const QString& name)
{
    return {QStringLiteral("varnek-erp"), name, socketDir()};
}

} // namespace testdb

FreshDatabase::FreshDatabase() : name_(testdb::createFresh())
{
    conn_.setConnectionString(testdb::connectionString(name_));
    conn_.open();
}

FreshDatabase::~FreshDatabase()
{
    conn_.close();
    testdb::drop(name_);
}

QVariant FreshDatabase::scalar(const QString& sql)
{
    const ResultSet rs = conn_.exec(sql);
    if (rs.rows.isEmpty() || rs.rows[0].isEmpty()) return {};
    return rs.rows[0][0];
}
