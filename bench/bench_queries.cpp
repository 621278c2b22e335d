// Times the statements the windows run most, on a given database:
//   varnek-bench DATABASE SERVER [REPEATS]
// Prints, per statement, the rows it returns and the median and worst time of the repeats
// (each opening reads the whole result into memory, as the windows do).
#include "core/BuildStamp.h"
#include "db/Unit6.h"
#include "platform/data/Filter.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

const char* buildDateText() { return __DATE__; }
const char* buildTimeText() { return __TIME__; }

namespace {

int g_repeats = 7;

void measure(const char* name, const std::function<int()>& run)
{
    std::vector<double> ms;
    int rows = 0;
    for (int i = 0; i < g_repeats; ++i) {
        QElapsedTimer t;
        t.start();
        rows = run();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s %8d rows  median %8.2f ms  worst %8.2f ms\n", name, rows, ms[ms.size() / 2], ms.back());
}

int reopen(Query* q)
{
    q->close();
    q->open();
    return q->recordCount();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: varnek-bench DATABASE SERVER [REPEATS]\n");
        return 2;
    }
    if (argc > 3) g_repeats = std::max(1, std::atoi(argv[3]));
    TDataModule6 dm;
    dm.ADO_DB->setConnectionString(TDataModule6::ConnectionString(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])));
    QElapsedTimer t;
    t.start();
    dm.ADO_DB->open();
    std::printf("%-44s %24.2f ms\n", "connect", t.nsecsElapsed() / 1e6);

    // The busiest day of the database stands for the journal's date.
    dm.Control->setSql("select data from accounts_dep.smena group by data order by count(*) desc limit 1");
    dm.Control->open();
    const QDate day = dm.Control->fieldByName("data").asDate();
    dm.Control->close();
    const QDate first(day.year(), day.month(), 1);

    for (int shift = 1; shift <= 4; ++shift) {
        Query* q = dm.SmenaQuery(shift);
        q->paramByName("data").setValue(day);
        q->paramByName("ok").setValue(QStringLiteral("ta"));
        const QByteArray name = QStringLiteral("journal Smena%1 (%2)").arg(shift).arg(day.toString("dd.MM.yyyy")).toUtf8();
        measure(name.constData(), [&] { return reopen(q); });
    }
    measure("prices Oper", [&] { return reopen(dm.Oper); });
    measure("prices Oper, search filter on rows read", [&] {
        dm.Oper->setFilter(filtertext::contains("marka", "1"));
        dm.Oper->setFiltered(true);
        const int n = dm.Oper->recordCount();
        dm.Oper->setFiltered(false);
        return n;
    });
    measure("workers Workers", [&] { return reopen(dm.Workers); });
    measure("items Izdel", [&] { return reopen(dm.Izdel); });
    measure("operation kinds Vid_oper", [&] { return reopen(dm.Vid_oper); });
    for (Query* q : {dm.H_Tabel_1, dm.H_Tabel_2, dm.H_Tabel_3}) {
        q->paramByName("mnth").setValue(day.month());
        q->paramByName("yea").setValue(day.year());
        q->paramByName("date1").setValue(first);
        q->paramByName("date2").setValue(first.addMonths(1));
    }
    measure("hours sheet H_Tabel_1", [&] { return reopen(dm.H_Tabel_1); });
    measure("hours sheet H_Tabel_2", [&] { return reopen(dm.H_Tabel_2); });
    measure("hours sheet H_Tabel_3", [&] { return reopen(dm.H_Tabel_3); });
    measure("editor duplicate check", [&] {
        dm.Control->setSql(QStringLiteral("select count(id) as cnt from accounts_dep.SMENA where w_id=1 and o_id=1 and "
                                          "i_id=1 and data=to_date('%1', 'DD.MM.YYYY') and smena=1 and color=0")
                               .arg(day.toString("dd.MM.yyyy")));
        dm.Control->open();
        const int n = dm.Control->fieldByName("cnt").asInteger();
        dm.Control->close();
        return n;
    });
    return 0;
}
