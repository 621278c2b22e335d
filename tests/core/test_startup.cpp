// Start-up: the connection string from the command line, the connection failure, the build stamp,
// the version check with its timers, and the data module's helpers and shared statements.
#include "AppFixture.h"
#include "TestBuildStamp.h"
#include "TestMain.h"
#include "core/BuildStamp.h"
#include "core/Startup.h"
#include "core/Unit1.h"
#include "core/Unit23.h"
#include "db/Unit6.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

namespace {

const QString kOptions =
    ";PORT=5432;UID=sys;PWD=plomvak;SSLmode=allow;ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;"
    "RowVersioning=0;ShowSystemTables=0;Fetch=100;UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;"
    "Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;"
    "ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;"
    "UseServerSidePrepare=1;LowerCaseIdentifier=0;D6=-101;OptionalErrors=0;XaOpt=1";

void setVersion(FreshDatabase& db, int d, int t, const QString& delim = ".")
{
    db.exec(QString("update accounts_dep.ver set d=%1, t=%2, delim='%3'").arg(d).arg(t).arg(delim));
}

QList<QVariant> versionRow(FreshDatabase& db)
{
    const ResultSet rs = db.exec("select d, t, delim, xmin::text from accounts_dep.ver");
    return rs.rows.value(0);
}

// Lets a timer tick now.
void fire(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection); }

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init() { setTestBuildStamp("Mar 15 2023", "13:45:12"); }

    void connectionString_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        const QString builtIn = "DRIVER={PostgreSQL UNICODE};DATABASE=varnek_erp;SERVER=localhost" + kOptions;
        QTest::newRow("no arguments") << QStringList{"prog"} << builtIn;
        QTest::newRow("database only") << QStringList{"prog", "other"} << builtIn;
        QTest::newRow("empty server") << QStringList{"prog", "other", ""} << builtIn;
        QTest::newRow("database and server") << QStringList{"prog", "shop", "db.local"}
                                             << "DRIVER={PostgreSQL UNICODE};DATABASE=shop;SERVER=db.local" + kOptions;
        QTest::newRow("empty database") << QStringList{"prog", "", "10.0.0.5"}
                                        << "DRIVER={PostgreSQL UNICODE};DATABASE=;SERVER=10.0.0.5" + kOptions;
    }
    void connectionString()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        QCOMPARE(TDataModule6::ConnectionStringFor(args), expected);
    }

    void buildStamp_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("t");
        QTest::newRow("example") << "Mar 15 2023" << "13:45:12" << 20230315 << 49512;
        QTest::newRow("padded day") << "Jan  5 2024" << "00:00:00" << 20240105 << 0;
        QTest::newRow("last second") << "Dec 31 1999" << "23:59:59" << 19991231 << 86399;
        QTest::newRow("date not available") << "??? ?? ????" << "??:??:??" << 19000101 << 0;
    }
    void buildStamp()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(int, d);
        QFETCH(int, t);
        QCOMPARE(buildstamp::parseDate(date.toLatin1().constData()), d);
        QCOMPARE(buildstamp::parseTime(time.toLatin1().constData()), t);
    }

    void compilerStampParses()
    {
        const int d = buildstamp::parseDate(__DATE__);
        QVERIFY(d > 20200101 && d < 30000101);
        QVERIFY(buildstamp::parseTime(__TIME__) <= 86399);
    }

    void connectionFailureEndsTheProgram()
    {
        UiScript script;
        QVERIFY(!CreateApplicationWindows({"prog", "no_such_database", testdb::socketDir()}));
        QCOMPARE(script.messages.size(), 1);
        QCOMPARE(script.messages[0].text, QString("Подключение к БД отсутсвует!!!"));
        QCOMPARE(script.messages[0].caption, QString("Ошибка!"));
        QCOMPARE(script.messages[0].flags, 16);
        QCOMPARE(script.terminations, 1);
        QVERIFY(Form23 == nullptr);
        DestroyApplicationWindows();
    }

    void startShowsLoginWithStampAndRecordsNewerBuild()
    {
        AppFixture app;
        QVERIFY(app.started);
        QVERIFY(Form23->isVisible());
        QVERIFY(!Form1->isVisible());
        QCOMPARE(Form23->windowTitle(), QString("Авторизация (build: 20230315.49512)"));
        QVERIFY(Form1->Timer1->isActive());
        QCOMPARE(Form1->Timer1->interval(), 30000);
        QVERIFY(!Form23->Timer1->isActive());
        QCOMPARE(Form23->Timer1->interval(), 5000);
        const auto row = versionRow(app.db);
        QCOMPARE(row[0].toInt(), 20230315);
        QCOMPARE(row[1].toInt(), 49512);
        QVERIFY(app.script.messages.isEmpty());
        QCOMPARE(DataModule6->DecimalDelim(), QString("."));
    }

    void checkVersion_data()
    {
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("t");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("stops");
        QTest::newRow("a day older, later time") << 20230314 << 86000 << true << false;
        QTest::newRow("same day, a second older") << 20230315 << 49511 << true << false;
        QTest::newRow("equal") << 20230315 << 49512 << false << false;
        QTest::newRow("same day, a second newer") << 20230315 << 49513 << false << true;
        QTest::newRow("a day newer, earlier time") << 20230316 << 0 << false << true;
    }
    void checkVersion()
    {
        QFETCH(int, d);
        QFETCH(int, t);
        QFETCH(bool, written);
        QFETCH(bool, stops);
        AppFixture app;
        setVersion(app.db, d, t, ",");
        const QString xmin = versionRow(app.db)[3].toString();
        app.script.clear();
        Form23->activate();
        const auto row = versionRow(app.db);
        QCOMPARE(row[3].toString() != xmin, written);
        QCOMPARE(row[0].toInt(), written ? 20230315 : d);
        QCOMPARE(row[1].toInt(), written ? 49512 : t);
        QCOMPARE(DataModule6->DecimalDelim(), QString(","));
        QCOMPARE(Form23->Timer1->isActive(), stops);
        QCOMPARE(app.script.terminations, stops ? 1 : 0);
        if (stops) {
            QCOMPARE(app.script.messages.size(), 1);
            QCOMPARE(app.script.messages[0].text,
                     QString("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
            QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
            QCOMPARE(app.script.messages[0].flags, 16);
        } else {
            QVERIFY(app.script.messages.isEmpty());
        }
        QCOMPARE(Form23->windowTitle(), QString("Авторизация (build: 20230315.49512)"));
        QVERIFY(!Form1->ver->active());
    }

    void timerTicksRunTheCheck()
    {
        AppFixture app;
        setVersion(app.db, 20240101, 0);
        app.script.clear();
        fire(Form1->Timer1);
        QVERIFY(Form23->Timer1->isActive());
        QCOMPARE(app.script.terminations, 1);
        fire(Form23->Timer1); // the 5-second timer ends the program on its own
        QCOMPARE(app.script.terminations, 2);
    }

    void emptyVersionTableGetsTheRow()
    {
        AppFixture app;
        app.db.exec("delete from accounts_dep.ver");
        Form1->CheckVersion();
        const ResultSet rs = app.db.exec("select d, t, coalesce(delim, '') from accounts_dep.ver");
        QCOMPARE(rs.rows.size(), 1);
        QCOMPARE(rs.rows[0][0].toInt(), 20230315);
        QCOMPARE(rs.rows[0][1].toInt(), 49512);
        QCOMPARE(rs.rows[0][2].toString(), QString());
        QCOMPARE(DataModule6->DecimalDelim(), QString());
        QVERIFY(app.script.messages.isEmpty());
    }

    void failedCheckIsShownAndRetried()
    {
        AppFixture app;
        app.db.exec("update accounts_dep.ver set d=null, t=null, delim='.'"); // d reads as 0: newer build
        app.db.exec("alter table accounts_dep.ver add constraint no_writes check (d < 0) not valid");
        app.script.clear();
        fire(Form1->Timer1);
        QCOMPARE(app.script.messages.size(), 1);
        QVERIFY(app.script.messages[0].text.contains("no_writes"));
        QVERIFY(!Form1->ver->active());
        app.db.exec("alter table accounts_dep.ver drop constraint no_writes");
        fire(Form1->Timer1);
        QCOMPARE(versionRow(app.db)[0].toInt(), 20230315);
    }

    void olderProgramEndsWithinFiveSecondsWithTheMessageOpen()
    {
        FreshDatabase db;
        setVersion(db, 99991231, 0);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        program.start(VARNEK_PROGRAM, db.programArguments().mid(1));
        QVERIFY(program.waitForStarted(5000));
        QVERIFY2(program.waitForFinished(20000), "the program did not end by itself");
        // Start-up plus the five seconds of the termination timer, with room for a slow machine.
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString("took %1 ms").arg(clock.elapsed())));
        QVERIFY(clock.elapsed() >= 4500);
    }

    void toSqlDecimal_data()
    {
        QTest::addColumn<QString>("delim");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("comma to point") << "." << "12,5" << "12.5";
        QTest::newRow("point to comma") << "," << "12.5" << "12,5";
        QTest::newRow("first separator only") << "." << "1,2,3" << "1.2,3";
        QTest::newRow("comma found before point") << "." << "1.2,3" << "1.2.3";
        QTest::newRow("no separator") << "." << "5" << "5";
        QTest::newRow("empty delimiter") << "" << "12,5" << "125";
        QTest::newRow("longer delimiter") << "::" << "12,5" << "12::5";
    }
    void toSqlDecimal()
    {
        QFETCH(QString, delim);
        QFETCH(QString, text);
        QFETCH(QString, result);
        TDataModule6 dm;
        dm.SetDecimalDelim(delim);
        QCOMPARE(dm.ToSqlDecimal(text), result);
    }

    void checkDuplicate()
    {
        AppFixture app;
        app.script.clear();
        QVERIFY(!DataModule6->CheckDuplicate("select 0 as cnt", "Уже есть!"));
        QVERIFY(app.script.messages.isEmpty());
        QVERIFY(DataModule6->CheckDuplicate("select count(*) as cnt from generate_series(1, 2)", "Уже есть!"));
        QCOMPARE(app.script.messages.size(), 1);
        QCOMPARE(app.script.messages[0].text, QString("Уже есть!"));
        QCOMPARE(app.script.messages[0].caption, QString("Ошибка"));
        QCOMPARE(app.script.messages[0].flags, 16);
        QVERIFY(!DataModule6->Control->active());
        QCOMPARE(DataModule6->Control->sql(), QString("select count(*) as cnt from generate_series(1, 2)"));
    }

    void sharedStatementsOpenAgainstTheSchema()
    {
        AppFixture app;
        TDataModule6* dm = DataModule6;
        for (Query* q : {dm->Workers, dm->Izdel, dm->Oper, dm->Vid_oper}) {
            q->open();
            QVERIFY(q->recordCount() > 0);
            q->close();
        }
        for (int shift = 1; shift <= 4; ++shift) {
            Query* q = dm->SmenaQuery(shift);
            q->paramByName("DATA").setValue(QDate::currentDate());
            q->open();
            for (const char* f : {"id", "data", "smena", "i_id", "o_id", "w_id", "cena", "fio", "marka", "vid", "nmn",
                                  "naimen", "brak", "kol_vo", "summa", "prize", "color", "time", "ok", "vvod",
                                  "id_doc", "id_doc_item", "f_gds_qty_use", "id_gds_use", "id_cons_use"})
                QVERIFY2(q->fieldIndex(f) >= 0, f);
            QCOMPARE(q->filter(), QString("i_id<>7777"));
            QVERIFY(!q->filtered());
            q->close();
        }
        QCOMPARE(dm->Smena1->paramByName("ok").value.toString(), QString("ok"));
        QCOMPARE(dm->Smena2->paramByName("ok").value.toString(), QString("ta"));
        QVERIFY(dm->H_Tabel_2->sql().contains("h_tabel.smena=2 and month=:mnth"));
        QVERIFY(dm->H_Tabel_3->sql().contains("h_tabel.smena=3 and month=:mnth"));
        QVERIFY(!dm->H_Tabel_3->sql().contains("h_tabel.smena=1"));
        for (Query* q : {dm->H_Tabel_1, dm->H_Tabel_2, dm->H_Tabel_3}) {
            q->paramByName("mnth").setValue(5);
            q->paramByName("yea").setValue(2024);
            q->paramByName("date1").setValue(QDate(2024, 5, 1));
            q->paramByName("date2").setValue(QDate(2024, 6, 1));
            q->open();
            for (const char* f : {"fio", "summ", "average_price", "cena_all", "w_id", "month", "year", "smena", "d1", "d31"})
                QVERIFY2(q->fieldIndex(f) >= 0, f);
            q->close();
        }
        dm->Oper_del->paramByName("id").setValue(-1);
        QCOMPARE(dm->Oper_del->execute(), 0LL);
        QCOMPARE(dm->Oper_ins->paramByName("cena_new").value.toString(), QString("0"));
    }

    void operationsWithoutNormsOrGroupAreNotOffered()
    {
        AppFixture app;
        Query* oper = DataModule6->Oper;
        oper->open();
        const int before = oper->recordCount();
        oper->close();
        const int item = app.db.scalar("select min(id) from cmn_gds_and_srv.gds_and_srv where id_class_item is not null and id < 7777").toInt();
        const int kind = app.db.scalar("select min(id) from accounts_dep.vid_oper where id < 7777").toInt();
        const int op = app.db.scalar(QString("insert into accounts_dep.oper(vid, naimen, i_id, cena_new) values(%1, 1, %2, 0) returning id").arg(kind).arg(item)).toInt();
        oper->open();
        QCOMPARE(oper->recordCount(), before + 1); // its first norm row comes with it
        oper->close();
        app.db.exec(QString("delete from accounts_dep.norm where o_id=%1").arg(op));
        oper->open();
        QCOMPARE(oper->recordCount(), before);
        oper->close();
    }

    void journalQueriesHideTaAndNull()
    {
        AppFixture app;
        const int worker = app.db.scalar("select min(id) from accounts_dep.person").toInt();
        const int op = app.db.scalar("select min(id) from accounts_dep.oper where id < 7777").toInt();
        const int item = app.db.scalar(QString("select i_id from accounts_dep.oper where id=%1").arg(op)).toInt();
        const QDate day(2031, 1, 7);
        for (const QString ok : {"'ok'", "'no'", "'да'", "'ta'", "null"}) {
            app.db.exec(QString("insert into accounts_dep.smena(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok) "
                                "values(%1, %2, %3, 1.5, 10, 1, '07.01.2031', 2, 0, 8, '07.01.2031', %4)")
                            .arg(worker).arg(item).arg(op).arg(ok));
        }
        Query* q = DataModule6->Smena2;
        q->paramByName("data").setValue(day);
        q->paramByName("ok").setValue(QString("ta"));
        q->open();
        QCOMPARE(q->recordCount(), 3);
        QCOMPARE(q->fieldByName("summa").asFloat(), 13.5);
        q->close();
    }
};

VARNEK_TEST_MAIN(TestStartup)
#include "test_startup.moc"
