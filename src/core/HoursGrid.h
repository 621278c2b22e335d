// The hours grid: the recount of one day of a worker's shift row after a shift record changes.
#pragma once

#include <QDate>

class Command;
class Query;

enum class RecountMode {
    Save,   // after a shift record was inserted or changed: the row is created when missing
    Delete, // after a shift record was deleted: never creates a row
};

// Recomputes the cell of day D in the shift row (worker W, shift S, month and year of D) from the
// shift records, through the data module's Control and H_Tabel_ins.
void RecountDayHours(int W, const QDate& D, int S, RecountMode mode);

// The same on other statements (another connection: each workstation has its own).
void RecountDayHours(Query* control, Command* hTabelIns, int W, const QDate& D, int S, RecountMode mode);

// After a shift record was changed: when its worker, date or shift changed, the cell it left is
// recounted as after a delete (so a cell left without records is emptied), then the cell it went to
// as after a save.
void RecountChangedRecord(int oldW, const QDate& oldD, int oldS, int newW, const QDate& newD, int newS);
