// Start-up: the data module and every window, created once in their order, and freed at the end.
#pragma once

#include <QStringList>

// Creates the journal (which connects and shows the login window) and then every other window.
// False when the database could not be reached; the user has been told and the program must end.
bool CreateApplicationWindows(const QStringList& arguments);
// Frees every window and the data module (end of the program, end of a test).
void DestroyApplicationWindows();
