// The data module: the one database connection and the statements several windows share.
#include "Unit6.h"

#include "SharedSql.h"
#include "platform/ui/Seams.h"

TDataModule6* DataModule6 = nullptr;

namespace {

const char* const kConnectionTemplate =
    "DRIVER={PostgreSQL UNICODE};DATABASE=%1;SERVER=%2;PORT=5432;UID=sys;PWD=plomvak;SSLmode=allow;"
    "ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;Fetch=100;"
    "UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;Debug=0;CommLog=0;UseDeclareFetch=0;"
    "TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;ExtraSysTablePrefixes=;LFConversion=1;"
    "UpdatableCursors=1;TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;"
    "D6=-101;OptionalErrors=0;XaOpt=1";

// The database and server of the built-in connection.
const char* const kBuiltInDatabase = "varnek_erp";
const char* const kBuiltInServer = "localhost";

} // namespace

TDataModule6::TDataModule6(QObject* parent) : QObject(parent), ADO_DB(new Connection())
{
    auto query = [this](const char* sql) {
        auto* q = new Query(ADO_DB, this);
        if (sql) q->setSql(QString::fromUtf8(sql));
        return q;
    };
    auto command = [this](const char* sql) {
        auto* c = new Command(ADO_DB);
        if (sql) c->setSql(QString::fromUtf8(sql));
        return c;
    };
    Workers = query(sharedsql::Workers);
    Izdel = query(sharedsql::Izdel);
    Oper = query(sharedsql::Oper);
    Vid_oper = query(sharedsql::Vid_oper);
    Vid_oper->setUpdateTable(QStringLiteral("accounts_dep.vid_oper"), {QStringLiteral("id")});
    Smena1 = query(sharedsql::Smena1);
    Smena2 = query(sharedsql::Smena2);
    Smena3 = query(sharedsql::Smena3);
    Smena4 = query(sharedsql::Smena4);
    Smena1->paramByName(QStringLiteral("ok")).setValue(QStringLiteral("ok"));
    for (Query* q : {Smena1, Smena2, Smena3, Smena4}) {
        if (q != Smena1) q->paramByName(QStringLiteral("ok")).setValue(QStringLiteral("ta"));
        q->setFilter(QStringLiteral("i_id<>7777")); // kept as designed, never switched on
    }
    H_Tabel_1 = query(sharedsql::H_Tabel_1);
    // The other two shifts' statements differ from the first shift's in the shift number only.
    const QString hTabel = QString::fromUtf8(sharedsql::H_Tabel_1);
    H_Tabel_2 = query(nullptr);
    H_Tabel_2->setSql(QString(hTabel).replace(QStringLiteral("h_tabel.smena=1"), QStringLiteral("h_tabel.smena=2")));
    H_Tabel_3 = query(nullptr);
    H_Tabel_3->setSql(QString(hTabel).replace(QStringLiteral("h_tabel.smena=1"), QStringLiteral("h_tabel.smena=3")));

    Oper_del = command(sharedsql::Oper_del);
    Oper_ins = command(sharedsql::Oper_ins);
    Oper_ed = command(sharedsql::Oper_ed);
    Oper_ins->paramByName(QStringLiteral("cena_new")).setValue(QStringLiteral("0"));
    Oper_ed->paramByName(QStringLiteral("cena_new")).setValue(QStringLiteral("0"));

    Control = query(nullptr);
    DelSmena = command(nullptr);
    H_Tabel_ins = command(nullptr);
    SQL_exec = command(nullptr);
}

TDataModule6::~TDataModule6()
{
    for (Command* c : {Oper_del, Oper_ins, Oper_ed, DelSmena, H_Tabel_ins, SQL_exec}) delete c;
    qDeleteAll(findChildren<Dataset*>());
    delete ADO_DB;
}

QString TDataModule6::ConnectionString(const QString& database, const QString& server)
{
    return QString::fromLatin1(kConnectionTemplate).arg(database, server);
}

QString TDataModule6::ConnectionStringFor(const QStringList& arguments)
{
    const QString database = arguments.value(1);
    const QString server = arguments.value(2);
    if (!server.isEmpty()) return ConnectionString(database, server);
    return ConnectionString(QString::fromLatin1(kBuiltInDatabase), QString::fromLatin1(kBuiltInServer));
}

bool TDataModule6::CheckDuplicate(const QString& sql, const QString& message)
{
    Control->close();
    Control->clearSql();
    Control->addSql(sql);
    Control->open();
    const int count = Control->fieldByName(QStringLiteral("cnt")).asInteger();
    Control->close();
    if (count > 0) {
        ui::messageBox(message, QStringLiteral("Ошибка"), ui::MB_ICONSTOP);
        return true;
    }
    return false;
}

QString TDataModule6::ToSqlDecimal(const QString& text) const
{
    int pos = text.indexOf(QLatin1Char(','));
    if (pos < 0) pos = text.indexOf(QLatin1Char('.'));
    if (pos < 0) return text;
    QString out = text;
    out.replace(pos, 1, FDecimalDelim);
    return out;
}

Query* TDataModule6::SmenaQuery(int shift) const
{
    switch (shift) {
    case 2: return Smena2;
    case 3: return Smena3;
    case 4: return Smena4;
    default: return Smena1;
    }
}
