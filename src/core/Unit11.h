// The shift record editor: one shift record entered, copied or changed.
#pragma once

#include "platform/ui/Form.h"

class Command;
class DatePicker;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm11 : public Form {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

    // Tag: 1 add, 2 change, 3 copy (a new record from a copy of the current one).

    int FWorkerId = 0;
    int FOperId = 0;
    int FItemId = 0;
    double FPrice = 0;

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;   // worker's name
    QPushButton* Button3; // worker picker
    QLineEdit* Edit2;   // "{mark}; {kind}; {product kind}"
    QPushButton* Button4; // operation picker
    QLineEdit* Edit3;   // quantity
    QLineEdit* Edit6;   // hours
    QLabel* Label6;
    QLineEdit* Edit5;   // colour of painting operations
    DatePicker* DTimeP;
    QLineEdit* Edit4;   // defects
    QLineEdit* Edit8;   // base price
    QLineEdit* Edit7;   // price of this record
    QLineEdit* Edit9;   // amount
    QPushButton* Button1; // "Запись"
    QPushButton* Button2; // "Отмена"
    Command* SmenaIU;

    ~TForm11() override;
};

extern TForm11* Form11;
