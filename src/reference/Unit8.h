// The operation kinds list: maintains the kinds and serves as the kind picker of the operation
// editor.
#pragma once

#include "platform/ui/Form.h"

class DataGrid;
class QLineEdit;
class QPushButton;

class TForm8 : public Form {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    // Tag: 0 list mode, 1 picker for the operation editor.

    DataGrid* DBGrid1;
    QLineEdit* Edit1;     // search box, shown only while picking
    QPushButton* Button1; // "Добавить"
    QPushButton* Button2; // "Изменить" / "Выбрать"
    QPushButton* Button3; // "Удалить"
    QPushButton* Button4; // "Выход"

    // The openers: the menu's "Операции", and the operation editor's kind picker.
    void ShowAsList();
    void ShowAsPicker();

    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void FormActivate() override;
};

extern TForm8* Form8;
