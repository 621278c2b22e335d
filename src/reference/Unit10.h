// The operation editor: the item, the operation kind and the product kind of one operation.
#pragma once

#include "platform/ui/Form.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TForm10 : public Form {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    // Tag: 1 add an operation, 2 change the operation that is the current row of Oper.
    int item_id = 0; // the chosen item, set by the item picker
    int kind_id = 0; // the chosen operation kind, set by the kind picker

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;     // "Марка изделия"
    QPushButton* Button3; // item picker
    QLineEdit* Edit2;     // "Операция"
    QPushButton* Button4; // operation kind picker
    QComboBox* ComboBox1; // "Вид": index 0 finished goods, 1 blanks
    QPushButton* Button1; // "Записать"
    QPushButton* Button2; // "Отмена"

    void Button1Click();
    void Button3Click();
    void Button4Click();

protected:
    void FormActivate() override;
};

extern TForm10* Form10;
