// The operation kind editor: the name of one operation kind.
#pragma once

#include "platform/ui/Form.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

class TForm9 : public Form {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    // Tag: 1 add a kind, 2 change the kind that is the current row of Vid_oper.

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;     // "Операция"
    QPushButton* Button1; // "Записать"
    QPushButton* Button2; // "Отмена"

    void Button1Click();

protected:
    void FormActivate() override;
};

extern TForm9* Form9;
