// The items list: maintains the items and serves as the item picker of the operation editor.
#pragma once

#include "platform/ui/Form.h"

class DataGrid;
class Query;
class QLineEdit;
class QPushButton;

class TForm3 : public Form {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Tag: 0 list mode, 1 picker for the operation editor.

    DataGrid* DBGrid1;
    QLineEdit* Edit1;     // search box
    QPushButton* Button1; // "Добавить"
    QPushButton* Button2; // "Изменить" / "Выбрать"
    QPushButton* Button3; // "Удалить"
    QPushButton* Button4; // "Выход"
    Query* Izdel_Smena;   // an item's shift records from a date on
    Query* ii_oper;       // an item's operations

    // The openers: the menu's "Изделия", and the operation editor's item picker (which afterwards
    // leaves the search box hidden).
    void ShowAsList();
    void ShowAsPicker();

    void Button1Click();
    void Button2Click();
    void Button3Click();

    // Shift records dated from this day on make the delete ask its longer question: the first day
    // of the month before today's, always in the year 2000, as "01.M.2000".
    static QString CutOffText(const QDate& today);

protected:
    void FormActivate() override;

private:
    void HandBack();
    void DeleteItem(int id, bool operations, bool records, bool item);
};

extern TForm3* Form3;
