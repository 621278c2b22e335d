// The shift record editor: one shift record entered, copied or changed.
#pragma once

#include "platform/ui/Form.h"

#include <QDate>

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

    // The journal's "Добавить": an empty record of that date (defects and hours "0"), with no worker,
    // operation or price chosen yet, and the colour box closed until a painting operation is chosen.
    void PrepareAdd(const QDate& date);

    void Button1Click(); // "Запись": check, write, refresh the journal, recount the hours grid
    void Button3Click(); // the worker picker
    void Button4Click(); // the operation picker
    // The price of this record, the operation's base price and the amount, from the boxes.
    void Amounts();

    // The text of the operation box: "{mark}; {kind}; {product kind}".
    static QString OperationText(const QString& mark, const QString& kind, int naimen);
    // A painting operation: its text, in upper case, contains "КРАСКА".
    static bool IsPainting(const QString& text);

protected:
    void FormActivate() override;

private:
    bool FieldsComplete() const;
    bool ReadNumbers(QList<long long>& values) const;
    bool WriteRecord(const QString& statement, bool add, const QString& id, int shift);
    void ShowColourBox(bool painting);
};

extern TForm11* Form11;
