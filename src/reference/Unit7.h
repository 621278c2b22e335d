// The item editor: an item's mark, its factor and its nomenclature group.
#pragma once

#include "platform/ui/Form.h"

class LookupCombo;
class QGroupBox;
class QLineEdit;
class QPushButton;
class Table;

class TForm7 : public Form {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    // Tag: 1 add an item, 2 change the item that is the current row of Izdel.

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;      // "Марка"
    QLineEdit* Edit2;      // "Расценка": the factor massa
    LookupCombo* cb_item;  // nomenclature group
    QPushButton* Button1;  // "Записать"
    QPushButton* Button2;  // "Отмена"
    Table* item;           // the groups in use, by caption; opened by the list around each showing

    void Button1Click();

protected:
    void FormActivate() override;
};

extern TForm7* Form7;
