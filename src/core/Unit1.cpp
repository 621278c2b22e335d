// The daily work journal, the working window of the system.
#include "Unit1.h"

#include "BuildStamp.h"
#include "Unit23.h"
#include "db/Unit6.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Seams.h"

#include <QTimer>

TForm1* Form1 = nullptr;

TForm1::TForm1(const QStringList& arguments, QWidget* parent) : Form(parent)
{
    Form1 = this; // the windows created from here reach the journal through it at once
    setObjectName(QStringLiteral("Form1"));
    setCaption(QStringLiteral("Табель"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(30000);
    ui::on(Timer1, &QTimer::timeout, this, [this] { CheckVersion(); });

    FormCreate(arguments);
    if (FStarted) Timer1->start();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const QStringList& arguments)
{
    DataModule6 = new TDataModule6();
    ver = new Table(DataModule6->ADO_DB, this);
    ver->setObjectName(QStringLiteral("ver"));
    ver->setTableName(QStringLiteral("accounts_dep.ver"), {QStringLiteral("id")});
    ver->setOrderBy(QStringLiteral("id"));
    try {
        DataModule6->ADO_DB->close();
        DataModule6->ADO_DB->setConnectionString(TDataModule6::ConnectionStringFor(arguments));
        DataModule6->ADO_DB->open();
        Form23 = new TForm23();
        FStarted = true;
        Form23->ShowMain();
    } catch (const std::exception&) {
        if (!FStarted) {
            ui::messageBox(QStringLiteral("Подключение к БД отсутсвует!!!"), QStringLiteral("Ошибка!"), ui::MB_ICONSTOP);
            ui::terminateApplication();
        } else {
            throw;
        }
    }
}

void TForm1::CheckVersion()
{
    FBuildDate = buildstamp::date();
    FBuildTime = buildstamp::time();
    try {
        ver->open();
        ver->first();
        DataModule6->SetDecimalDelim(ver->fieldByName(QStringLiteral("delim")).asString());
        int d = ver->fieldByName(QStringLiteral("d")).asInteger();
        int t = ver->fieldByName(QStringLiteral("t")).asInteger();
        if (ver->isEmpty() || d < FBuildDate || (d == FBuildDate && t < FBuildTime)) {
            ver->edit(); // an empty table gets its row here
            ver->fieldByName(QStringLiteral("d")).setValue(FBuildDate);
            ver->fieldByName(QStringLiteral("t")).setValue(FBuildTime);
            ver->post();
        }
        d = ver->fieldByName(QStringLiteral("d")).asInteger();
        t = ver->fieldByName(QStringLiteral("t")).asInteger();
        if (d > FBuildDate || (d == FBuildDate && t > FBuildTime)) {
            Form23->Timer1->start();
            ui::messageBox(QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."),
                           QStringLiteral("Ошибка"), ui::MB_ICONSTOP);
            ui::terminateApplication();
        }
    } catch (...) {
        // A failed check leaves nothing open, so the next check reads the row afresh.
        ver->cancel();
        ver->close();
        throw;
    }
    ver->close();
}
