// TEMPORARY: stands in for the hours grid's own recount until it is merged in; replace this file
// with the real implementation then.
//
// After shift records have been deleted: the cell of the day in the worker's shift row of that
// month holds the hours of the records left on that day (empty when none is left), and a shift row
// whose worker has no shift record of that shift left in the month is removed.
#include "HoursGrid.h"

#include "db/Unit6.h"
#include "platform/data/SqlText.h"

void RecountDayHoursAfterDelete(int worker, QDate date, int shift)
{
    const QDate first(date.year(), date.month(), 1);
    const QString key = QStringLiteral("w_id=%1 and smena=%2").arg(worker).arg(shift);
    const QString row = key + QStringLiteral(" and i_type=0 and month=%1 and year=%2").arg(date.month()).arg(date.year());
    Command* cmd = DataModule6->H_Tabel_ins;
    cmd->setSql(QStringLiteral("update accounts_dep.h_tabel set d%1=(select sum(time) from accounts_dep.smena where %2 "
                               "and data=to_date(%3, 'DD.MM.YYYY')) where %4")
                    .arg(QString::number(date.day()), key, sqltext::quote(sqltext::date(date)), row));
    cmd->execute();
    cmd->setSql(QStringLiteral("delete from accounts_dep.h_tabel where %1 and not exists (select 1 from "
                               "accounts_dep.smena where %2 and data>=to_date(%3, 'DD.MM.YYYY') and "
                               "data<to_date(%4, 'DD.MM.YYYY'))")
                    .arg(row, key, sqltext::quote(sqltext::date(first)), sqltext::quote(sqltext::date(first.addMonths(1)))));
    cmd->execute();
}
