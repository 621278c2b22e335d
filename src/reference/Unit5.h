// The workers list: maintains the workers and serves as the worker picker.
#pragma once

#include "platform/ui/Form.h"

class DataGrid;
class QLineEdit;
class QPushButton;

class TForm5 : public Form {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Tag: 0 list mode; 1 picker for the shift record editor; 24 picker for the auxiliary works
    // entry dialog.

    DataGrid* DBGrid1;
    QLineEdit* Edit1;     // search box
    QPushButton* Button1; // "Добавить"
    QPushButton* Button2; // "Изменить" / "Выбрать"
    QPushButton* Button3; // "Удалить"
    QPushButton* Button4; // "Выход"

    // The openers: the menu's "Рабочие", and the worker pickers (tag 1 or 24). Each opens the
    // workers, shows the list modally and closes the workers again.
    void ShowAsList();
    void ShowAsPicker(int tag);

    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void FormActivate() override;

private:
    void HandBack();
};

extern TForm5* Form5;
