// The prices list: the operations with their lowest norm price; maintains the operations and serves
// as the operation picker of the shift record editor.
#pragma once

#include "platform/ui/Form.h"

class DataGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;
class Query;

class TForm4 : public Form {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    // Tag: 0 list mode, 1 picker for the shift record editor.

    DataGrid* DBGrid1;
    QLineEdit* Edit1;     // search box on the mark
    QPushButton* Button1; // "Добавить"
    QPushButton* Button2; // "Изменить" / "Выбрать"
    QPushButton* Button3; // "Удалить"
    QCheckBox* CheckBox1; // "Цены": a double-click opens the operation's norms
    QPushButton* Button5; // "Excel"
    QPushButton* Button4; // "Выход"
    Query* XLS_Rep;       // every operation, with or without norm rows, for the export

    // The menu's "Цены": the list, read afresh, with the search text it had last time.
    void ShowAsList();
    // The shift record editor's operation picker, on the operation with that id (the first row for 0
    // or an operation the list does not show). Afterwards Oper stays open, unfiltered, on the row
    // that was current when the list closed.
    void ShowAsPicker(int operId);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button5Click();
    void DBGrid1DblClick();

    // The price of one piece the shift record editor takes for an operation whose lowest norm price
    // is `cena`: twice on a day off, and then 1.2 times in shift 3 or 1.5 times in overtime (shift 4).
    static double RaisedPrice(double cena, bool dayOff, int shift);

protected:
    void FormActivate() override;

private:
    void HandBack();
    void ApplySearch();
};

extern TForm4* Form4;
