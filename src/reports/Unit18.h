// The summary reports window: the period, the product kind, and the report and export buttons.
#pragma once

#include "platform/ui/Form.h"

class DatePicker;
class QGroupBox;
class QLabel;
class QPushButton;
class RadioGroup;

class TForm18 : public Form {
    Q_OBJECT
public:
    explicit TForm18(QWidget* parent = nullptr);

    RadioGroup* RadioGroup1;   // "Вид продукции": 0 all, 1 finished goods, 2 blanks
    QGroupBox* GroupBox1;      // "Период отбора"
    QLabel* Label1;
    DatePicker* DTPicker1;     // first day of the period (included)
    QLabel* Label2;
    DatePicker* DTPicker2;     // day after the period (excluded)
    QPushButton* Button4;      // "Отчет по рабочим"
    QPushButton* Button2;      // "Отчет по продукции"
    QPushButton* Button1;      // "Детальный отчет по рабочим"
    QPushButton* Button3;      // "Детальный отчет по продукции"
    QPushButton* Button6;      // the spreadsheet export; its caption shows the progress
    QPushButton* Button5;      // "Выход"

    void Button5Click();
};

extern TForm18* Form18;
