// The data layer against the real server: named parameters, the filter language, datasets with
// their current row, writing back by key, commands, and round trips of the schema's column types.
#include "TestDb.h"
#include "TestMain.h"
#include "platform/data/Dataset.h"
#include "platform/data/DbError.h"
#include "platform/data/Filter.h"
#include "platform/data/Params.h"
#include "platform/data/SqlText.h"

#include <QSignalSpy>

class TestData : public QObject {
    Q_OBJECT
private slots:
    // ---- named parameters -------------------------------------------------------------------
    void parseParams_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("plain") << "select * from t where a=:a and b=:B"
                               << "select * from t where a=$1 and b=$2" << QStringList{"a", "B"};
        QTest::newRow("same name twice, any case") << "where d>=:date1 and d<:DATE1"
                                                   << "where d>=$1 and d<$1" << QStringList{"date1"};
        QTest::newRow("cast is no parameter") << "select s_code::t_id, :x::numeric"
                                              << "select s_code::t_id, $1::numeric" << QStringList{"x"};
        QTest::newRow("quoted text untouched") << "select ':no', \"a:b\", 'it''s :no' where x=:yes"
                                               << "select ':no', \"a:b\", 'it''s :no' where x=$1" << QStringList{"yes"};
        QTest::newRow("comments untouched") << "select 1 -- :no\n/* :no */ where x=:y"
                                            << "select 1 -- :no\n/* :no */ where x=$1" << QStringList{"y"};
        QTest::newRow("time literal") << "select '10:30:00'::time" << "select '10:30:00'::time" << QStringList{};
        QTest::newRow("dollar quotes") << "select $$ :no $$, :a" << "select $$ :no $$, $1" << QStringList{"a"};
    }
    void parseParams()
    {
        QFETCH(QString, sql);
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        const ParsedStatement p = parseNamedParams(sql);
        QCOMPARE(p.text, text);
        QCOMPARE(p.names, names);
    }

    void paramsBoundServerSide()
    {
        FreshDatabase db;
        Query q(&db.connection());
        q.setSql("select :Text::text as t, :n::integer + 1 as n, :d::date as d, :ok::text is null as isnull");
        q.paramByName("TEXT").setValue(QString("O'Брайен; drop table x; --"));
        q.paramByName("n").setValue(41);
        q.paramByName("D").setValue(QDate(2024, 5, 6));
        q.open();
        QCOMPARE(q.fieldByName("t").asString(), QString("O'Брайен; drop table x; --"));
        QCOMPARE(q.fieldByName("n").asInteger(), 42);
        QCOMPARE(q.fieldByName("d").asDate(), QDate(2024, 5, 6));
        QCOMPARE(q.fieldByName("isnull").value().toBool(), true);
        QVERIFY_THROWS_EXCEPTION(DbError, q.paramByName("missing"));
        // Values persist between openings until set again.
        q.close();
        q.open();
        QCOMPARE(q.fieldByName("n").asInteger(), 42);
    }

    void dayFirstDatesInStatements()
    {
        FreshDatabase db;
        Query q(&db.connection());
        q.setSql("select '01.5.2024'::date as a, to_date('05.06.2024', 'DD.MM.YYYY') as b");
        q.open();
        QCOMPARE(q.fieldByName("a").asDate(), QDate(2024, 5, 1));
        QCOMPARE(q.fieldByName("b").asDate(), QDate(2024, 6, 5));
    }

    // ---- the filter language ----------------------------------------------------------------
    void filter_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QStringList>("names"); // names of the rows that pass, in order
        QTest::newRow("equal number") << "id=2" << QStringList{"Бобров"};
        QTest::newRow("not equal") << "id<>2" << QStringList{"Авдеев", "O'Брайен", "100% план", "a_b"};
        QTest::newRow("bang equal") << "id!=2 and id<4" << QStringList{"Авдеев", "O'Брайен"};
        QTest::newRow("comparisons") << "id>=2 and id<=3" << QStringList{"Бобров", "O'Брайен"};
        QTest::newRow("or and parentheses") << "(id=1 or id=5) and not (name like 'a%')" << QStringList{"Авдеев"};
        QTest::newRow("like begins, any case") << "name like 'аВ%'" << QStringList{"Авдеев"};
        QTest::newRow("like one character") << "name like 'Бобр_в'" << QStringList{"Бобров"};
        QTest::newRow("quote doubled") << "name = 'O''Брайен'" << QStringList{"O'Брайен"};
        QTest::newRow("string field vs text") << "kind = 'x'" << QStringList{"Авдеев", "Бобров"};
        QTest::newRow("null compares false") << "kind <> 'x'" << QStringList{"100% план"};
        QTest::newRow("decimal literal") << "price > 1.5" << QStringList{"Бобров", "100% план"};
        QTest::newRow("typed percent literally") << filtertext::beginsWith("name", "100%") << QStringList{"100% план"};
        QTest::newRow("typed percent not a wildcard") << filtertext::beginsWith("name", "1%0") << QStringList{};
        QTest::newRow("typed underscore literally") << filtertext::beginsWith("name", "a_") << QStringList{"a_b"};
        QTest::newRow("typed underscore not a wildcard") << filtertext::beginsWith("name", "Б_б") << QStringList{};
        QTest::newRow("typed quote") << filtertext::beginsWith("name", "O'") << QStringList{"O'Брайен"};
        QTest::newRow("contains") << filtertext::contains("name", "рай") << QStringList{"O'Брайен"};
        QTest::newRow("typed backslash") << filtertext::contains("name", "\\") << QStringList{};
    }
    void filter()
    {
        QFETCH(QString, expression);
        QFETCH(QStringList, names);
        const QStringList fields{"id", "name", "kind", "price"};
        const QList<QList<QVariant>> rows{
            {1, "Авдеев", "x", 1.0},
            {2, "Бобров", "x  ", 2.5},
            {3, "O'Брайен", QVariant(), 0.5},
            {4, "100% план", "y", 3.0},
            {5, "a_b", QVariant(), QVariant()},
        };
        auto f = FilterExpression::compile(expression, fields);
        QStringList passed;
        for (const auto& r : rows) {
            if (f->matches(r)) passed << r[1].toString();
        }
        QCOMPARE(passed, names);
    }

    void filterErrors_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::newRow("unknown field") << "nope=1";
        QTest::newRow("open quote") << "name='abc";
        QTest::newRow("dangling operator") << "id=";
        QTest::newRow("open parenthesis") << "(id=1";
        QTest::newRow("stray character") << "id=1 ;";
    }
    void filterErrors()
    {
        QFETCH(QString, expression);
        QVERIFY_THROWS_EXCEPTION(DbError, FilterExpression::compile(expression, {"id", "name"}));
    }

    // ---- datasets ---------------------------------------------------------------------------
    void navigationAndFilter()
    {
        FreshDatabase db;
        Query q(&db.connection());
        q.setSql("select g as id, 'name ' || g as name from generate_series(1, 5) g order by g");
        QSignalSpy rows(&q, &Dataset::rowsChanged);
        q.open();
        QCOMPARE(q.recordCount(), 5);
        QCOMPARE(q.recNo(), 1);
        QVERIFY(q.bof());
        q.next();
        q.next();
        QCOMPARE(q.fieldByName("ID").asInteger(), 3);
        q.setRecNo(99); // clamped to the last row
        QCOMPARE(q.recNo(), 5);
        q.next();
        QVERIFY(q.eof());
        QCOMPARE(q.recNo(), 5);
        QVERIFY(q.locate("id", 2));
        QCOMPARE(q.recNo(), 2);
        QVERIFY(!q.locate("id", 42));

        q.setFilter("id>3");
        q.setFiltered(true);
        QCOMPARE(q.recordCount(), 2);
        QCOMPARE(q.recNo(), 1);
        QCOMPARE(q.fieldByName("id").asInteger(), 4);
        q.setFilter("id<2"); // a new text applies at once while filtering is on
        QCOMPARE(q.recordCount(), 1);
        q.setFiltered(false);
        QCOMPARE(q.recordCount(), 5);

        // Opening an open query does nothing; closing drops the rows; reopening reads afresh.
        const int before = int(rows.count());
        q.open();
        QCOMPARE(int(rows.count()), before);
        q.close();
        QCOMPARE(q.recordCount(), 0);
        QCOMPARE(q.recNo(), 0);
        QCOMPARE(q.fieldByName("id").asInteger(), 0);
        QCOMPARE(q.fieldByName("name").asString(), QString());
    }

    void emptyResult()
    {
        FreshDatabase db;
        Query q(&db.connection());
        q.setSql("select 1 as id where false");
        q.open();
        QCOMPARE(q.recordCount(), 0);
        QCOMPARE(q.recNo(), 0);
        QVERIFY(q.eof() && q.bof());
        QVERIFY(q.fieldByName("id").isNull());
        QCOMPARE(q.fieldByName("id").asString(), QString());
        QVERIFY_THROWS_EXCEPTION(DbError, q.fieldByName("nope"));
    }

    void roundTripOfColumnTypes()
    {
        FreshDatabase db;
        Table t(&db.connection());
        t.setTableName("accounts_dep.smena");
        t.setOrderBy("id");
        t.open();
        t.append();
        const int worker = db.scalar("select min(id) from accounts_dep.person").toInt();
        const int oper = db.scalar("select min(id) from accounts_dep.oper where id < 7777").toInt();
        const int item = db.scalar(QString("select i_id from accounts_dep.oper where id=%1").arg(oper)).toInt();
        t.fieldByName("w_id").setValue(worker);
        t.fieldByName("o_id").setValue(oper);
        t.fieldByName("i_id").setValue(item);
        t.fieldByName("cena").setValue(12.3457);                 // double precision
        t.fieldByName("kol_vo").setValue(10);                    // integer
        t.fieldByName("brak").setValue(0);
        t.fieldByName("data").setValue(QDate(2024, 12, 31));     // date
        t.fieldByName("smena").setValue(4);
        t.fieldByName("color").setValue(0);
        t.fieldByName("time").setValue(8);
        t.fieldByName("vvod").setValue(QDateTime(QDate(2024, 12, 31), QTime(0, 0))); // timestamp
        t.fieldByName("ok").setValue(QString("n"));              // character(2): padded
        t.fieldByName("id_doc").setValue(123456789012345.0);     // numeric(15,0)
        t.fieldByName("prize").setValue(QVariant());             // null
        t.post();
        const int id = t.fieldByName("id").asInteger();
        QVERIFY(id > 0);

        Query q(&db.connection());
        q.setSql("select * from accounts_dep.smena where id=:id");
        q.paramByName("id").setValue(id);
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.fieldByName("cena").asFloat(), 12.3457);
        QCOMPARE(q.fieldByName("cena").asString(), QString("12,3457"));
        QCOMPARE(q.fieldByName("kol_vo").asInteger(), 10);
        QCOMPARE(q.fieldByName("data").asDate(), QDate(2024, 12, 31));
        QCOMPARE(q.fieldByName("data").asString(), QString("31.12.2024"));
        QCOMPARE(q.fieldByName("vvod").asDateTime(), QDateTime(QDate(2024, 12, 31), QTime(0, 0)));
        QCOMPARE(q.fieldByName("vvod").asString(), QString("31.12.2024"));
        QCOMPARE(q.fieldByName("ok").asString(), QString("n "));
        QCOMPARE(q.fieldByName("ok").asString().trimmed(), QString("n"));
        QCOMPARE(q.fieldByName("id_doc").asLargeInt(), 123456789012345LL);
        QVERIFY(q.fieldByName("prize").isNull());
        QCOMPARE(q.fieldByName("prize").asFloat(), 0.0);

        // Numeric with scale, and a text with every awkward character, through the statement helpers.
        const QString odd = "O'Нил \"100%\" _x_ \\n ;--";
        db.exec(QString("insert into accounts_dep.person(fio, s_staffpos_hl) values(%1, %2)")
                    .arg(sqltext::quote(odd), sqltext::quote(QString(254, QChar(0x0416)))));
        QCOMPARE(db.scalar("select fio from accounts_dep.person order by id desc limit 1").toString(), odd);
        Query n(&db.connection());
        n.setSql(QString("select %1::numeric(19,4) as p, %2::date as d").arg(sqltext::decimal(12.3457), sqltext::quote(sqltext::date(QDate(2024, 3, 1)))));
        n.open();
        QCOMPARE(n.fieldByName("p").asFloat(), 12.3457);
        QCOMPARE(n.fieldByName("d").asDate(), QDate(2024, 3, 1));
    }

    void editPostDeleteByKey()
    {
        FreshDatabase db;
        Table t(&db.connection());
        t.setTableName("accounts_dep.vid_oper");
        t.setOrderBy("vid");
        t.open();
        const int before = t.recordCount();
        t.append();
        t.fieldByName("vid").setValue(QString("ТЕСТОВАЯ 'ОПЕРАЦИЯ'"));
        t.post();
        const int id = t.fieldByName("id").asInteger();
        QVERIFY(id > 0 && id != 7777 && id != 7778);
        QCOMPARE(t.recordCount(), before + 1);

        QVERIFY(t.locate("id", id));
        t.edit();
        t.fieldByName("vid").setValue(QString("ИЗМЕНЕНА"));
        QCOMPARE(t.fieldByName("vid").asString().trimmed(), QString("ИЗМЕНЕНА")); // the edit buffer
        t.cancel();
        QVERIFY(t.fieldByName("vid").asString().startsWith("ТЕСТОВАЯ"));
        t.edit();
        t.fieldByName("vid").setValue(QString("ИЗМЕНЕНА"));
        t.post();
        QCOMPARE(db.scalar(QString("select trim(vid) from accounts_dep.vid_oper where id=%1").arg(id)).toString(),
                 QString("ИЗМЕНЕНА"));

        // A write the server refuses leaves the row in editing and the database as it was.
        t.edit();
        t.fieldByName("vid").setValue(QString(300, QLatin1Char('x')));
        QVERIFY_THROWS_EXCEPTION(DbError, t.post());
        QCOMPARE(t.state(), Dataset::State::Edit);
        t.cancel();
        QCOMPARE(db.scalar(QString("select trim(vid) from accounts_dep.vid_oper where id=%1").arg(id)).toString(),
                 QString("ИЗМЕНЕНА"));

        t.deleteRecord();
        QCOMPARE(t.recordCount(), before);
        QCOMPARE(db.scalar(QString("select count(*) from accounts_dep.vid_oper where id=%1").arg(id)).toInt(), 0);

        // Moving to another row writes a pending change, as a grid does.
        t.first();
        t.edit();
        const int firstId = t.fieldByName("id").asInteger();
        t.fieldByName("vid").setValue(QString("ПЕРВАЯ"));
        t.next();
        QCOMPARE(t.state(), Dataset::State::Browse);
        QCOMPARE(db.scalar(QString("select trim(vid) from accounts_dep.vid_oper where id=%1").arg(firstId)).toString(),
                 QString("ПЕРВАЯ"));
    }

    void editOfEmptyTableAppends()
    {
        FreshDatabase db;
        db.exec("delete from accounts_dep.ver");
        Table t(&db.connection());
        t.setTableName("accounts_dep.ver");
        t.open();
        QVERIFY(t.isEmpty());
        t.edit();
        QCOMPARE(t.state(), Dataset::State::Insert);
        t.fieldByName("d").setValue(20240101);
        t.post();
        QCOMPARE(db.scalar("select count(*) from accounts_dep.ver").toInt(), 1);
    }

    void readOnlyQueryRefusesWrites()
    {
        FreshDatabase db;
        Query q(&db.connection());
        q.setSql("select 1 as id");
        q.open();
        QVERIFY_THROWS_EXCEPTION(DbError, q.edit());
    }

    void commandsAndServerErrors()
    {
        FreshDatabase db;
        Command c(&db.connection());
        c.setSql("update accounts_dep.vid_oper set vid=vid where id=:ID");
        c.paramByName("id").setValue(7777);
        QCOMPARE(c.execute(), 1LL);
        c.setSql("select * from no_such_table");
        try {
            c.execute();
            QFAIL("no error");
        } catch (const DbError& e) {
            QVERIFY(e.message().contains("no_such_table"));
            QCOMPARE(e.sqlState(), QString("42P01"));
        }
    }

    void connectionString()
    {
        const auto kw = Connection::libpqKeywords(
            "DRIVER={PostgreSQL UNICODE};DATABASE=db1;SERVER=/tmp/x;PORT=5432;UID=sys;PWD=p;w;SSLmode=allow;Fetch=100");
        QCOMPARE(kw.value("host"), QString("/tmp/x"));
        QCOMPARE(kw.value("dbname"), QString("db1"));
        QCOMPARE(kw.value("port"), QString("5432"));
        QCOMPARE(kw.value("user"), QString("sys"));
        QCOMPARE(kw.value("password"), QString("p"));
        QCOMPARE(kw.value("sslmode"), QString("allow"));
        QVERIFY(!kw.contains("fetch"));

        Connection bad;
        bad.setConnectionString("DATABASE=nope_db;SERVER=" + testdb::socketDir() + ";PORT=5432;UID=sys;PWD=plomvak");
        QVERIFY_THROWS_EXCEPTION(DbError, bad.open());
        QVERIFY(!bad.connected());
    }
};

VARNEK_TEST_MAIN(TestData)
#include "test_data.moc"
