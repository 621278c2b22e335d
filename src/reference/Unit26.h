// The nomenclature groups list: maintains the groups and serves as the group picker of the
// auxiliary works entry dialog.
#pragma once

#include "platform/ui/Form.h"

class DataGrid;
class Query;
class QLineEdit;
class QPushButton;

class TForm26 : public Form {
    Q_OBJECT
public:
    explicit TForm26(QWidget* parent = nullptr);

    // Tag: 0 list mode, 24 picker for the auxiliary works entry dialog.

    DataGrid* DBGrid1;
    QPushButton* Button1; // "Удалить"
    QPushButton* Button2; // "Добавить"
    QLineEdit* Edit1;     // search box
    QPushButton* Button3; // "Изменить" / "Выбрать"
    QPushButton* Button4; // "Выход"
    Query* item;          // the groups, with the mark "V" for those not in use
    Query* item_gds;      // what refers to one group: items, auxiliary work records, shift records

    // The openers: the menu's "Ном. группы", and the auxiliary works entry dialog's group picker,
    // which offers the groups in use in a narrower window.
    void ShowAsList();
    void ShowAsPicker();

    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    void HandBack();
};

extern TForm26* Form26;
