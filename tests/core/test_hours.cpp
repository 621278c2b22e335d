// The hours grid: the day recount after a shift record is saved, changed or deleted, its statements,
// a failing recount, and several workstations recounting the same row at once.
#include "AppFixture.h"
#include "TestMain.h"
#include "core/HoursGrid.h"
#include "db/Unit6.h"
#include "platform/data/DbError.h"

#include <QMutex>
#include <latch>
#include <thread>

namespace {

// A shift record of operation 1 (item 1); returns its id.
int addRecord(FreshDatabase& db, int worker, const QDate& day, int shift, int hours)
{
    return db.scalar(QString("insert into accounts_dep.smena(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok) "
                             "values(%1, 1, 1, 10, 1, 0, '%2', %3, 0, %4, '%2', 'no') returning id")
                         .arg(worker).arg(day.toString("dd.MM.yyyy")).arg(shift).arg(hours))
        .toInt();
}

// The shift rows of a worker, shift and month: each row's cells d1..d31 (null stays null).
QList<QList<QVariant>> shiftRows(FreshDatabase& db, int worker, int shift, int month, int year)
{
    QStringList cells;
    for (int d = 1; d <= 31; ++d) cells << QString("d%1").arg(d);
    return db.exec(QString("select %1 from accounts_dep.h_tabel where w_id=%2 and smena=%3 and month=%4 and year=%5 order by id")
                       .arg(cells.join(", ")).arg(worker).arg(shift).arg(month).arg(year))
        .rows;
}

// The cells of a row as "d5=8 d6=8" (the cells that are not null), for comparing at a glance.
QString cellText(const QList<QVariant>& row)
{
    QStringList out;
    for (int d = 0; d < row.size(); ++d) {
        if (!row[d].isNull()) out << QString("d%1=%2").arg(d + 1).arg(row[d].toInt());
    }
    return out.join(' ');
}

// The cells of the one row of that key; "no row" when there is none, "N rows" when there are more.
QString rowText(FreshDatabase& db, int worker, int shift, int month, int year)
{
    const auto rows = shiftRows(db, worker, shift, month, year);
    if (rows.isEmpty()) return "no row";
    if (rows.size() > 1) return QString("%1 rows").arg(rows.size());
    return cellText(rows[0]);
}

const int kFreeWorker = 5; // Авдеев: no records and no hours in the fixture

} // namespace

class TestHours : public QObject {
    Q_OBJECT
private slots:
    void firstSaveCreatesTheRowAndTheNextAddsToIt()
    {
        AppFixture app;
        const QDate day(2024, 6, 5);
        addRecord(app.db, kFreeWorker, day, 2, 8);
        RecountDayHours(kFreeWorker, day, 2, RecountMode::Save);
        QCOMPARE(DataModule6->H_Tabel_ins->sql(),
                 QString("insert into accounts_dep.h_tabel(smena, w_id, month, year, d5) values(2, 5, 6, 2024, 8)"));
        QCOMPARE(DataModule6->Control->sql(),
                 QString("select sum(time) as tim from accounts_dep.smena where w_id=5 and smena=2 and "
                         "data=to_date('05.06.2024', 'DD.MM.YYYY') group by w_id, smena, data"));
        QVERIFY(!DataModule6->Control->active());
        QCOMPARE(rowText(app.db, kFreeWorker, 2, 6, 2024), QString("d5=8"));
        QCOMPARE(app.db.scalar("select i_type from accounts_dep.h_tabel where w_id=5").toInt(), 0);

        addRecord(app.db, kFreeWorker, day, 2, 3);
        RecountDayHours(kFreeWorker, day, 2, RecountMode::Save);
        QCOMPARE(DataModule6->H_Tabel_ins->sql(),
                 QString("update accounts_dep.h_tabel set d5=11 where w_id=5 and smena=2 and month=6 and year=2024"));
        QCOMPARE(rowText(app.db, kFreeWorker, 2, 6, 2024), QString("d5=11"));
    }

    void eachShiftHasItsOwnRow()
    {
        AppFixture app;
        const QDate day(2024, 6, 5);
        addRecord(app.db, kFreeWorker, day, 1, 8);
        addRecord(app.db, kFreeWorker, day, 4, 2);
        RecountDayHours(kFreeWorker, day, 1, RecountMode::Save);
        RecountDayHours(kFreeWorker, day, 4, RecountMode::Save);
        QCOMPARE(rowText(app.db, kFreeWorker, 1, 6, 2024), QString("d5=8"));
        QCOMPARE(rowText(app.db, kFreeWorker, 4, 6, 2024), QString("d5=2"));
    }

    void changedHours_data()
    {
        QTest::addColumn<bool>("otherRecord");
        QTest::addColumn<QString>("cells");
        QTest::newRow("alone") << false << "d5=6";
        QTest::newRow("with a 3-hour record of the day") << true << "d5=9";
    }
    void changedHours()
    {
        QFETCH(bool, otherRecord);
        QFETCH(QString, cells);
        AppFixture app;
        const QDate day(2024, 6, 5);
        const int id = addRecord(app.db, kFreeWorker, day, 3, 8);
        if (otherRecord) addRecord(app.db, kFreeWorker, day, 3, 3);
        RecountDayHours(kFreeWorker, day, 3, RecountMode::Save);
        app.db.exec(QString("update accounts_dep.smena set time=6 where id=%1").arg(id));
        RecountDayHours(kFreeWorker, day, 3, RecountMode::Save);
        QCOMPARE(rowText(app.db, kFreeWorker, 3, 6, 2024), cells);
    }

    void dayColumn_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("cells");
        QTest::newRow("31 May") << QDate(2024, 5, 31) << "d31=7";
        QTest::newRow("29 February of a leap year") << QDate(2024, 2, 29) << "d29=7";
        QTest::newRow("1 January") << QDate(2025, 1, 1) << "d1=7";
        QTest::newRow("31 December") << QDate(2025, 12, 31) << "d31=7";
    }
    void dayColumn()
    {
        QFETCH(QDate, day);
        QFETCH(QString, cells);
        AppFixture app;
        addRecord(app.db, kFreeWorker, day, 1, 7);
        RecountDayHours(kFreeWorker, day, 1, RecountMode::Save);
        QCOMPARE(rowText(app.db, kFreeWorker, 1, day.month(), day.year()), cells);
    }

    // Fixture, May 2024: worker 1 shift 1 has record 1 (5th, 8 h) and record 5 (6th, 8 h), row d5=8 d6=8;
    // worker 2 shift 1 has records 2 and 3 (5th, 4 h each), row d5=8.
    void deleteMode_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<int>("worker");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("cells");
        QTest::newRow("one of two records left")
            << QStringList{"delete from accounts_dep.smena where id=2"} << 2 << 5 << "d5=4";
        QTest::newRow("last record of the day, other days keep the row")
            << QStringList{"delete from accounts_dep.smena where id=1"} << 1 << 5 << "d6=8";
        QTest::newRow("last record of the month removes the row")
            << QStringList{"delete from accounts_dep.smena where id in (2, 3)"} << 2 << 5 << "no row";
        QTest::newRow("a row that still holds hours stays")
            << QStringList{"delete from accounts_dep.smena where id in (2, 3)",
                           "update accounts_dep.h_tabel set d20=3 where id=2"}
            << 2 << 5 << "d20=3";
        QTest::newRow("a record of the month without hours keeps the row")
            << QStringList{"delete from accounts_dep.smena where id in (2, 3)",
                           "insert into accounts_dep.smena(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok) "
                           "values(2, 1, 1, 10, 1, 0, '20.05.2024', 1, 0, 0, '20.05.2024', 'no')"}
            << 2 << 5 << "";
        QTest::newRow("never creates a row")
            << QStringList{} << kFreeWorker << 5 << "no row";
    }
    void deleteMode()
    {
        QFETCH(QStringList, setup);
        QFETCH(int, worker);
        QFETCH(int, day);
        QFETCH(QString, cells);
        AppFixture app;
        for (const QString& sql : setup) app.db.exec(sql);
        RecountDayHours(worker, QDate(2024, 5, day), 1, RecountMode::Delete);
        QCOMPARE(rowText(app.db, worker, 1, 5, 2024), cells);
        QVERIFY(!DataModule6->Control->active());
    }

    void changedRecordRecountsTheCellItLeft_data()
    {
        QTest::addColumn<int>("newWorker");
        QTest::addColumn<QDate>("newDay");
        QTest::addColumn<int>("newShift");
        QTest::addColumn<QString>("oldRow");
        QTest::addColumn<QString>("newRow");
        // Worker 5 has 8 h on 5 June in shift 1 and 2 h on the 10th, so the old row stays.
        QTest::newRow("to another day") << kFreeWorker << QDate(2024, 6, 6) << 1 << "d6=8 d10=2" << "d6=8 d10=2";
        QTest::newRow("to another shift") << kFreeWorker << QDate(2024, 6, 5) << 2 << "d10=2" << "d5=8";
        QTest::newRow("to another worker") << 4 << QDate(2024, 6, 5) << 1 << "d10=2" << "d5=8";
        QTest::newRow("unchanged key") << kFreeWorker << QDate(2024, 6, 5) << 1 << "d5=8 d10=2" << "d5=8 d10=2";
    }
    void changedRecordRecountsTheCellItLeft()
    {
        QFETCH(int, newWorker);
        QFETCH(QDate, newDay);
        QFETCH(int, newShift);
        QFETCH(QString, oldRow);
        QFETCH(QString, newRow);
        AppFixture app;
        const QDate oldDay(2024, 6, 5);
        const int id = addRecord(app.db, kFreeWorker, oldDay, 1, 8);
        addRecord(app.db, kFreeWorker, QDate(2024, 6, 10), 1, 2);
        RecountDayHours(kFreeWorker, oldDay, 1, RecountMode::Save);
        RecountDayHours(kFreeWorker, QDate(2024, 6, 10), 1, RecountMode::Save);
        app.db.exec(QString("update accounts_dep.smena set w_id=%1, data='%2', smena=%3 where id=%4")
                        .arg(newWorker).arg(newDay.toString("dd.MM.yyyy")).arg(newShift).arg(id));
        RecountChangedRecord(kFreeWorker, oldDay, 1, newWorker, newDay, newShift);
        QCOMPARE(rowText(app.db, kFreeWorker, 1, 6, 2024), oldRow);
        QCOMPARE(rowText(app.db, newWorker, newShift, 6, 2024), newRow);
    }

    void recordMovedOutOfItsMonthTakesTheRowAlong()
    {
        AppFixture app;
        const QDate oldDay(2024, 6, 5), newDay(2024, 7, 1);
        const int id = addRecord(app.db, kFreeWorker, oldDay, 1, 8);
        RecountDayHours(kFreeWorker, oldDay, 1, RecountMode::Save);
        app.db.exec(QString("update accounts_dep.smena set data='01.07.2024' where id=%1").arg(id));
        RecountChangedRecord(kFreeWorker, oldDay, 1, kFreeWorker, newDay, 1);
        QCOMPARE(rowText(app.db, kFreeWorker, 1, 6, 2024), QString("no row"));
        QCOMPARE(rowText(app.db, kFreeWorker, 1, 7, 2024), QString("d1=8"));
    }

    void failedRecountLeavesTheGridAndTheConnectionUsable()
    {
        AppFixture app;
        const QDate day(2024, 6, 5);
        addRecord(app.db, kFreeWorker, day, 1, 8);
        RecountDayHours(kFreeWorker, day, 1, RecountMode::Save);
        app.db.exec("alter table accounts_dep.h_tabel add constraint at_most_ten check (coalesce(d5, 0) <= 10) not valid");
        addRecord(app.db, kFreeWorker, day, 1, 3);
        try {
            RecountDayHours(kFreeWorker, day, 1, RecountMode::Save);
            QFAIL("the recount should have failed");
        } catch (const DbError& e) {
            QVERIFY2(e.message().contains("at_most_ten"), qPrintable(e.message()));
        }
        QVERIFY(!DataModule6->Control->active());
        QCOMPARE(rowText(app.db, kFreeWorker, 1, 6, 2024), QString("d5=8"));
        QCOMPARE(app.db.scalar("select count(*) from pg_locks where locktype='advisory'").toInt(), 0);
        // The shared connection is out of the failed transaction: its next recount is committed.
        addRecord(app.db, kFreeWorker, QDate(2024, 6, 7), 1, 4);
        RecountDayHours(kFreeWorker, QDate(2024, 6, 7), 1, RecountMode::Save);
        QCOMPARE(rowText(app.db, kFreeWorker, 1, 6, 2024), QString("d5=8 d7=4"));
    }

    // Workstations recount the same rows at the same moment, each on its own connection; every key
    // ends with exactly one row holding the day's hours.
    void concurrentRecountsKeepOneRowPerKey()
    {
        FreshDatabase db;
        struct Key {
            int worker, shift;
            QDate day;
            int hours;
        };
        QList<Key> keys;
        for (int shift = 1; shift <= 4; ++shift) {
            for (int month = 1; month <= 6; ++month) {
                const Key k{kFreeWorker, shift, QDate(2025, month, 3 + shift), shift + month};
                addRecord(db, k.worker, k.day, k.shift, k.hours);
                keys << k;
            }
        }
        const int workstations = 6;
        std::latch start(workstations);
        QMutex mutex;
        QStringList failures;
        std::vector<std::thread> threads;
        for (int w = 0; w < workstations; ++w) {
            threads.emplace_back([&] {
                try {
                    Connection connection;
                    connection.setConnectionString(testdb::connectionString(db.name()));
                    connection.open();
                    Query control(&connection);
                    Command hTabelIns(&connection);
                    start.arrive_and_wait();
                    for (const Key& k : keys) RecountDayHours(&control, &hTabelIns, k.worker, k.day, k.shift, RecountMode::Save);
                } catch (const std::exception& e) {
                    QMutexLocker lock(&mutex);
                    failures << QString::fromUtf8(e.what());
                }
            });
        }
        for (std::thread& t : threads) t.join();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));
        for (const Key& k : keys) {
            QCOMPARE(rowText(db, k.worker, k.shift, k.day.month(), k.day.year()),
                     QString("d%1=%2").arg(k.day.day()).arg(k.hours));
        }
    }
};

VARNEK_TEST_MAIN(TestHours)
#include "test_hours.moc"
