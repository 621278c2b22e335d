// Start-up: the data module and every window, created once in their order, and freed at the end.
#include "Startup.h"

#include "Unit1.h"
#include "Unit11.h"
#include "Unit23.h"
#include "db/Unit6.h"
#include "reports/Unit18.h"
#include "reference/Unit10.h"
#include "reference/Unit2.h"
#include "reference/Unit22.h"
#include "reference/Unit26.h"
#include "reference/Unit29.h"
#include "reference/Unit3.h"
#include "reference/Unit4.h"
#include "reference/Unit5.h"
#include "reference/Unit7.h"
#include "reference/Unit8.h"
#include "reference/Unit9.h"
#include "timesheets/Unit24.h"

namespace {

// Creates a window into its global pointer, hidden until its opener shows it.
template <class T>
void create(T*& global)
{
    global = new T();
    global->hide();
}

} // namespace

bool CreateApplicationWindows(const QStringList& arguments)
{
    new TForm1(arguments); // sets Form1, creates DataModule6 and the login window Form23
    if (!Form1->Started()) return false;
    // The remaining windows in their creation order: TForm2, TForm3, TForm4, TForm5, TForm7, TForm8,
    // TForm9, TForm10, TForm11, TForm18, TForm19, TForm21, TForm15, TForm16, TForm17, TForm20,
    // TForm22, TForm24, TForm25, TForm26, TForm27, TForm29, TForm31, TForm30. Each window is added
    // at its place when it is built.
    create(Form2);
    create(Form3);
    create(Form4);
    create(Form5);
    create(Form7);
    create(Form8);
    create(Form9);
    create(Form10);
    create(Form11);
    create(Form18);
    create(Form22);
    create(Form24);
    create(Form26);
    create(Form29);
    return true;
}

void DestroyApplicationWindows()
{
    // Windows first (they hold datasets of the data module), the data module last.
    delete Form29;
    Form29 = nullptr;
    delete Form26;
    Form26 = nullptr;
    delete Form24;
    Form24 = nullptr;
    delete Form22;
    Form22 = nullptr;
    delete Form18;
    Form18 = nullptr;
    delete Form11;
    Form11 = nullptr;
    delete Form10;
    Form10 = nullptr;
    delete Form9;
    Form9 = nullptr;
    delete Form8;
    Form8 = nullptr;
    delete Form7;
    Form7 = nullptr;
    delete Form5;
    Form5 = nullptr;
    delete Form4;
    Form4 = nullptr;
    delete Form3;
    Form3 = nullptr;
    delete Form2;
    Form2 = nullptr;
    delete Form23;
    Form23 = nullptr;
    delete Form1;
    Form1 = nullptr;
    delete DataModule6;
    DataModule6 = nullptr;
}
