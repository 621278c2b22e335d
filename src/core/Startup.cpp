// Start-up: the data module and every window, created once in their order, and freed at the end.
#include "Startup.h"

#include "Unit1.h"
#include "Unit11.h"
#include "Unit23.h"
#include "db/Unit6.h"
#include "reports/Unit18.h"

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
    create(Form11);
    create(Form18);
    return true;
}

void DestroyApplicationWindows()
{
    // Windows first (they hold datasets of the data module), the data module last.
    delete Form18;
    Form18 = nullptr;
    delete Form11;
    Form11 = nullptr;
    delete Form23;
    Form23 = nullptr;
    delete Form1;
    Form1 = nullptr;
    delete DataModule6;
    DataModule6 = nullptr;
}
