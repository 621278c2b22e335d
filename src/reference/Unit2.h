// The worker editor: a worker's name and the department, position and role chosen for him.
#pragma once

#include "platform/ui/Form.h"

class Command;
class LookupCombo;
class QGroupBox;
class QLineEdit;
class QPushButton;
class Table;

class TForm2 : public Form {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // Tag: 1 add a worker, 2 change the worker worker_id.
    int worker_id = 0;

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;               // "ФИО"
    LookupCombo* LCB_department;    // "Подразделение"
    LookupCombo* LCB_staffpos;      // "Должность"
    LookupCombo* LCB_roles;         // "Роль"
    QPushButton* Button1;           // "Записать"
    QPushButton* Button2;           // "Отмена"
    Command* cmd_person;            // the editor's insert or update, and the list's delete

    // The installation's reference tables behind the three boxes, read in full.
    Table* roles;
    Table* staffpos;
    Table* department;

    // Closes and reopens the three reference tables so that the boxes show their current rows.
    void ReopenLookups();

    void Button1Click();

protected:
    void FormActivate() override;
    void wheelEvent(QWheelEvent* event) override;
};

extern TForm2* Form2;
