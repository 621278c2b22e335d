// The nomenclature group editor: a group's caption and whether it is still in use.
#pragma once

#include "platform/ui/Form.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TForm29 : public Form {
    Q_OBJECT
public:
    explicit TForm29(QWidget* parent = nullptr);

    // Tag: 1 add a group, 2 change the group that is the current row of the list's item.

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;      // "Наименование"
    QCheckBox* CheckBox1;  // "Не используется"
    QPushButton* Button1;  // "Записать"
    QPushButton* Button6;  // "Выход"

    void Button1Click();

protected:
    void FormActivate() override;
};

extern TForm29* Form29;
