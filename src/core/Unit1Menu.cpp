// The daily work journal: the openers of its main menu. Each prepares the window it opens (mode
// in Tag, caption, buttons, queries), shows it modally and closes what it opened.
#include "Unit1.h"

#include "db/Unit6.h"
#include "platform/Clock.h"
#include "platform/ui/Widgets.h"
#include "reports/Unit18.h"
#include "reference/Unit26.h"
#include "reference/Unit3.h"
#include "reference/Unit4.h"
#include "reference/Unit5.h"
#include "reference/Unit8.h"

// "Справочники" / "Рабочие": the worker list.
void TForm1::N1Click() { Form5->ShowAsList(); }

// "Справочники" / "Изделия": the item list.
void TForm1::N3Click() { Form3->ShowAsList(); }

// "Справочники" / "Цены": the prices list.
void TForm1::N4Click() { Form4->ShowAsList(); }

// "Справочники" / "Операции": the operation kind list.
void TForm1::N6Click() { Form8->ShowAsList(); }

// "Справочники" / "Ном. группы": the nomenclature group list.
void TForm1::N8Click() { Form26->ShowAsList(); }

// "Табель" / "Табель сделка": the piecework time sheet.
void TForm1::N9Click() {}

// "Табель" / "Табель по сменам": the hours time sheet of the journal date's month.
void TForm1::N13Click() {}

// "Табель" / "Табель хоз. работ" / "По людям".
void TForm1::N20Click() {}

// "Табель" / "Табель хоз. работ" / "По номенклатуре".
void TForm1::N22Click() {}

// "Табель" / "Табель ср. сдельная" / "По людям".
void TForm1::N18Click() {}

// "Табель" / "Табель ср. сдельная" / "По номенклатуре".
void TForm1::N19Click() {}

// "Табель" / "Общий табель".
void TForm1::N17Click() {}

// "Табель" / "Общий табель ЗП": the payroll sheet.
void TForm1::N23Click() {}

// "Отчеты" / "Сводные отчеты": the summary reports window, preset to the previous calendar month.
void TForm1::N10Click()
{
    const QDate today = appclock::today();
    const QDate monthStart(today.year(), today.month(), 1);
    Form18->DTPicker1->setDate(monthStart.addMonths(-1));
    Form18->DTPicker2->setDate(monthStart);
    Form18->ShowModal();
}
