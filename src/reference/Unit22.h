// The norms window: the norm rows (norm quantity, price, bonus) of one operation, edited in a grid.
#pragma once

#include "platform/ui/Form.h"

class DataGrid;
class QPushButton;
class Table;

class TForm22 : public Form {
    Q_OBJECT
public:
    explicit TForm22(QWidget* parent = nullptr);

    DataGrid* DBGrid1;
    QPushButton* Button1; // "Сохранить": default and cancel button
    QPushButton* Button2; // "Удалить"
    Table* norm;          // accounts_dep.norm by norm quantity, filtered to one operation

    // Whether the row being edited was started as a new row.
    bool new_row = false;

    // The prices list's opener: the norm rows of that operation, shown modally.
    void ShowForOperation(int operId);

    void Button1Click();
    void Button2Click();
    void DBGrid1ColEnter();
    void DBGrid1ColExit();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void NormNewRecord();
    void WriteRow();
    int FOperId = 0;
};

extern TForm22* Form22;
