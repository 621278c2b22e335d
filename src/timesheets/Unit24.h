// The auxiliary works entry dialog: one record of auxiliary works or average piecework.
#pragma once

#include "platform/ui/Form.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

class TForm24 : public Form {
    Q_OBJECT
public:
    explicit TForm24(QWidget* parent = nullptr);

    // Tag: 0 add, 1 change.
    int FWorkerId = 0; // the chosen worker, 0 when none is chosen
    int FGroupId = 0;  // the chosen nomenclature group, 0 when none is chosen

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;     // "ФИО"
    QPushButton* Button3; // worker picker
    QLineEdit* Edit2;     // "Номенклатура"
    QPushButton* Button4; // nomenclature group picker

    void Button3Click();
    void Button4Click();
};

extern TForm24* Form24;
