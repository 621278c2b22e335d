// The data module: the one database connection and the statements several windows share.
#pragma once

#include "platform/data/Dataset.h"

#include <QObject>
#include <QStringList>

class TDataModule6 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule6(QObject* parent = nullptr);
    ~TDataModule6() override;

    // The connection string for the command line: argument 1 the database, argument 2 the server;
    // both are used only when argument 2 is given and not empty.
    static QString ConnectionStringFor(const QStringList& arguments);
    static QString ConnectionString(const QString& database, const QString& server);

    // Counts with a statement whose result has the integer column cnt; when it is above zero shows
    // the message (flags 16, "Ошибка") and answers true.
    bool CheckDuplicate(const QString& sql, const QString& message = QString());
    // The typed number with its first decimal separator replaced by the database's delimiter.
    QString ToSqlDecimal(const QString& text) const;

    const QString& DecimalDelim() const { return FDecimalDelim; }
    void SetDecimalDelim(const QString& delim) { FDecimalDelim = delim; }

    // The journal query of a shift (1 to 4).
    Query* SmenaQuery(int shift) const;

    Connection* ADO_DB;

    // Queries with a stored statement.
    Query* Workers;
    Query* Izdel;
    Query* Oper;
    Query* Vid_oper;
    Query* Smena1;
    Query* Smena2;
    Query* Smena3;
    Query* Smena4;
    Query* H_Tabel_1;
    Query* H_Tabel_2;
    Query* H_Tabel_3;

    // Commands with a stored statement.
    Command* Oper_del;
    Command* Oper_ins;
    Command* Oper_ed;

    // Statements whose text each user sets.
    Query* Control;
    Command* DelSmena;
    Command* H_Tabel_ins;
    Command* SQL_exec;

private:
    QString FDecimalDelim;
};

extern TDataModule6* DataModule6;
