// The throwaway database cluster of the tests: each test case gets a fresh database copied from
// the template that holds the schema and the shared fixture data.
#pragma once

#include "platform/data/Connection.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace testdb {

// Socket directory of the test cluster (from VARNEK_TEST_PGHOST, set by ctest).
QString socketDir();
// Creates a fresh database from the template; returns its name.
QString createFresh();
void drop(const QString& name);
// The connection string the program builds for that database on the test cluster.
QString connectionString(const QString& name);
// Command-line arguments that make the program connect to that database.
QStringList programArguments(const QString& name);

} // namespace testdb

// A fresh database for one test case, with its own connection for setting up and checking rows.
class FreshDatabase {
public:
    FreshDatabase();
    ~FreshDatabase();
    FreshDatabase(const FreshDatabase&) = delete;
    FreshDatabase& operator=(const FreshDatabase&) = delete;

    const QString& name() const { return name_; }
    Connection& connection() { return conn_; }
    QStringList programArguments() const { return testdb::programArguments(name_); }

    // Runs a statement; returns the rows.
    ResultSet exec(const QString& sql) { return conn_.exec(sql); }
    // First column of the first row (null when there is no row).
    QVariant scalar(const QString& sql);

private:
    QString name_;
    Connection conn_;
};
