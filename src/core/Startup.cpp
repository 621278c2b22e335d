// Start-up: the data module and every window, created once in their order, and freed at the end.
#include "Startup.h"

#include "Unit1.h"
#include "Unit23.h"
#include "db/Unit6.h"

namespace {

// Creates a window into its global pointer, hidden until its opener shows it.
template <class T>
[[maybe_unused]] void create(T*& global)
{
    global = new T();
    global->hide();
}

} // namespace

bool CreateApplicationWindows(const QStringList& arguments)
{
    new TForm1(arguments); // sets Form1, creates DataModule6 and the login window Form23
    if (!Form1->Started()) return false;
    // The remaining windows in their creation order; windows of later work are added here.
    return true;
}

void DestroyApplicationWindows()
{
    // Windows first (they hold datasets of the data module), the data module last.
    delete Form23;
    Form23 = nullptr;
    delete Form1;
    Form1 = nullptr;
    delete DataModule6;
    DataModule6 = nullptr;
}
