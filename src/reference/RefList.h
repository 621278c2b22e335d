// Pieces the reference lists share: the reserved rows, the search box, the list and picker
// preparations of their buttons, returning to a row after a re-read, and building their controls.
#pragma once

#include "platform/ui/DataGrid.h"

#include <QList>
#include <QString>

class Dataset;
class Form;
class QLineEdit;
class QPushButton;
class QWidget;

namespace reflist {

// The pseudo rows of the two kinds of hourly work: the lists never change, choose or delete them.
bool isReserved(long long id);

// The integer in a field of the current row; 0 when the list has no rows or the field is empty.
int currentInt(Dataset* ds, const QString& field);
// The text of a field of the current row without leading and trailing blanks; empty without rows.
QString currentText(Dataset* ds, const QString& field);

// Makes a remembered row number current again, the last row when there are fewer rows now.
// Nothing happens on an empty list or for a number below 1.
void returnToRow(Dataset* ds, int recNo);

// The text a product kind is shown by wherever an operation is shown: 0 finished goods, any other
// value blanks.
QString productKindText(int naimen);

// How a search box treats keys besides typing: Up and Down always move the current row.
enum class SearchKeys {
    ArrowsOnly, // every other key acts on the box as usual
    TypingOnly  // every other key is dropped, so only typed characters and Backspace change the
                // text; Enter, Escape and Tab still reach the window
};

// How a search box matches the typed text against its field (letters in any case, the text matched
// literally: quotes, % and _ are no wildcards).
enum class SearchMatch {
    BeginsWith, // the field begins with the text; an empty box shows every row
    Contains    // the field contains the text anywhere; a box of blanks only shows every row
};

// On every change of the box's text the dataset shows only the rows whose field matches it; an
// empty box switches the filter off.
void bindSearchBox(QLineEdit* box, Dataset* ds, const QString& field, SearchKeys keys,
                   SearchMatch match = SearchMatch::BeginsWith);
// Sets the dataset's filter from the box's text as the search does (after the dataset was read
// again, or its filter was used for something else).
void applySearch(QLineEdit* box, Dataset* ds, const QString& field, SearchMatch match);

// The buttons of a list window: add, change or choose, delete.
struct ListButtons {
    QPushButton* add;
    QPushButton* change;
    QPushButton* remove;
};

// List mode: Tag 0, the change button reads "Изменить" and is not the default button, add and
// delete shown; addIsDefault makes the add button the default button again, as designed.
void prepareListMode(Form* list, const ListButtons& b, bool addIsDefault);
// Picker mode: the Tag of the caller, the change button reads "Выбрать" and is the default
// button, add and delete hidden, the search box shown and cleared (which removes its filter).
void preparePickerMode(Form* list, int tag, const ListButtons& b, QLineEdit* search);

// Controls with their designed names.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text);
QLineEdit* makeEdit(QWidget* parent, const char* name);
// A read-only grid that selects whole rows, wide enough for its visible columns.
DataGrid* makeGrid(QWidget* parent, const char* name, Dataset* ds, const QList<GridColumn>& columns);
// Bold and centred titles are the grid's default; this is a column as the lists declare them.
GridColumn column(const QString& field, const QString& title, int width,
                  Qt::Alignment alignment = {});

} // namespace reflist
