// The hours grid: the recount of one day of a worker's shift row after a shift record changes.
#include "HoursGrid.h"

#include "db/Unit6.h"
#include "platform/data/SqlText.h"

using sqltext::integer;

namespace {

// Runs a one-row statement through the ad-hoc query, reads one integer field and closes the query.
// A statement without a row reads 0.
int readInteger(Query* control, const QString& sql, const QString& field)
{
    control->close();
    control->clearSql();
    control->addSql(sql);
    control->open();
    const int value = control->fieldByName(field).asInteger();
    control->close();
    return value;
}

// True when the statement returns at least one row.
bool hasRow(Query* control, const QString& sql)
{
    control->close();
    control->clearSql();
    control->addSql(sql);
    control->open();
    const bool found = !control->isEmpty();
    control->close();
    return found;
}

void execute(Command* command, const QString& sql)
{
    command->setSql(sql);
    command->execute();
}

// The key of one shift row and the day being recounted, as statements write them.
struct DayKey {
    QString W, S, m, y, d, date, monthStart, nextMonthStart;

    DayKey(int worker, const QDate& day, int shift)
        : W(integer(worker)), S(integer(shift)), m(integer(day.month())), y(integer(day.year())),
          d(integer(day.day())), date(sqltext::date(day)),
          monthStart(sqltext::date(QDate(day.year(), day.month(), 1))),
          nextMonthStart(sqltext::date(QDate(day.year(), day.month(), 1).addMonths(1)))
    {
    }

    QString rowCondition() const
    {
        return QStringLiteral("w_id=%1 and smena=%2 and month=%3 and year=%4").arg(W, S, m, y);
    }
};

// Two workstations recounting the same row at once must not both find it missing and insert it
// twice: the count and the write run in one transaction that holds a lock on the row's key until
// it ends. A failure rolls the transaction back, so the connection is ready for the next statement.
// A caller that already has a transaction open (a delete of many records) keeps it: the lock is
// then held until that transaction ends, and its owner commits or rolls back.
template <class F>
void inKeyTransaction(Query* control, const DayKey& key, F work)
{
    Connection* db = control->connection();
    const QString lock = QStringLiteral("select pg_advisory_xact_lock(hashtextextended('accounts_dep.h_tabel %1 %2 %3 %4', 0))")
                             .arg(key.W, key.S, key.m, key.y);
    if (db->inTransaction()) {
        db->exec(lock);
        work();
        return;
    }
    db->exec(QStringLiteral("begin"));
    try {
        db->exec(lock);
        work();
        db->exec(QStringLiteral("commit"));
    } catch (...) {
        control->close();
        try {
            db->exec(QStringLiteral("rollback"));
        } catch (...) {
            // The connection itself is gone; the original error is the one to show.
        }
        throw;
    }
}

void recount(Query* control, Command* hTabelIns, const DayKey& k, RecountMode mode)
{
    int cnt = 0;
    if (mode == RecountMode::Save) {
        cnt = readInteger(control,
                          QStringLiteral("select count(w_id) as cnt from accounts_dep.h_tabel where %1").arg(k.rowCondition()),
                          QStringLiteral("cnt"));
    }
    const QString daySum = QStringLiteral("select sum(time) as tim from accounts_dep.smena where w_id=%1 and smena=%2 "
                                          "and data=to_date('%3', 'DD.MM.YYYY') group by w_id, smena, data")
                               .arg(k.W, k.S, k.date);
    control->close();
    control->clearSql();
    control->addSql(daySum);
    control->open();
    const bool recordsLeft = !control->isEmpty();
    const int tim = control->fieldByName(QStringLiteral("tim")).asInteger();
    control->close();

    const QString update = QStringLiteral("update accounts_dep.h_tabel set d%1=%2 where %3").arg(k.d, integer(tim), k.rowCondition());
    if (mode == RecountMode::Save) {
        if (cnt != 0) {
            execute(hTabelIns, update);
        } else {
            execute(hTabelIns, QStringLiteral("insert into accounts_dep.h_tabel(smena, w_id, month, year, d%1) values(%2, %3, %4, %5, %6)")
                                   .arg(k.d, k.S, k.W, k.m, k.y, integer(tim)));
        }
        return;
    }
    if (tim != 0 || recordsLeft) {
        execute(hTabelIns, update);
        return;
    }
    // No shift record of the worker, shift and day is left: the cell is empty, as the month rebuild
    // leaves it, and the row goes when its month holds no hours and no shift record any more.
    execute(hTabelIns, QStringLiteral("update accounts_dep.h_tabel set d%1=null where %2").arg(k.d, k.rowCondition()));
    QStringList noHours;
    for (int day = 1; day <= 31; ++day) noHours << QStringLiteral("coalesce(d%1,0)=0").arg(day);
    const QString monthHasRecords = QStringLiteral("select 1 from accounts_dep.smena where w_id=%1 and smena=%2 "
                                                   "and data>=to_date('%3', 'DD.MM.YYYY') and data<to_date('%4', 'DD.MM.YYYY') limit 1")
                                        .arg(k.W, k.S, k.monthStart, k.nextMonthStart);
    if (hasRow(control, monthHasRecords)) return;
    execute(hTabelIns, QStringLiteral("delete from accounts_dep.h_tabel where %1 and %2").arg(k.rowCondition(), noHours.join(QStringLiteral(" and "))));
}

} // namespace

void RecountDayHours(Query* control, Command* hTabelIns, int W, const QDate& D, int S, RecountMode mode)
{
    const DayKey key(W, D, S);
    inKeyTransaction(control, key, [&] { recount(control, hTabelIns, key, mode); });
}

void RecountDayHours(int W, const QDate& D, int S, RecountMode mode)
{
    RecountDayHours(DataModule6->Control, DataModule6->H_Tabel_ins, W, D, S, mode);
}

void RecountChangedRecord(int oldW, const QDate& oldD, int oldS, int newW, const QDate& newD, int newS)
{
    if (oldW != newW || oldD != newD || oldS != newS) RecountDayHours(oldW, oldD, oldS, RecountMode::Delete);
    RecountDayHours(newW, newD, newS, RecountMode::Save);
}
