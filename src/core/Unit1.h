// The daily work journal, the working window of the system.
#pragma once

#include "platform/ui/Form.h"

#include <QStringList>

class Command;
class DataGrid;
class DatePicker;
class QAction;
class QCheckBox;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStyleOptionViewItem;
class QTimer;
class Query;
class Table;
struct GridColumn;

class TForm1 : public Form {
    Q_OBJECT
public:
    // Creates the data module, connects to the database named by the command line and creates the
    // login window. Started() is false when the connection failed (the user has been told).
    explicit TForm1(const QStringList& arguments, QWidget* parent = nullptr);
    ~TForm1() override;

    bool Started() const { return FStarted; }

    // Compares the build stamp with the version row: records a newer build, stops an older one.
    void CheckVersion();

    int FBuildDate = 0;
    int FBuildTime = 0;
    int FShift = 1;
    QString FLoginCode;
    Query* FCurQuery = nullptr;

    QTimer* Timer1;
    Table* ver;

    // The shift buttons ("Смена №1", "Смена №2", "Смена №3", "Переработка"), the date and the day off.
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    DatePicker* DateT;
    QCheckBox* CBox1;
    // The records of the date and shift: the grid shows the journal query of the current shift.
    DataGrid* DBGrid2;
    QPushButton* Button1; // "Добавить"; right-click opens PopupMenu1
    QPushButton* Button2; // "Изменить"
    QPushButton* Button3; // "Удалить"
    QPushButton* Button8; // "Обновить"
    QPushButton* Button5; // "Ср.сд./хоз. работы"
    QPushButton* Button4; // "Выход"
    QMenu* PopupMenu1;
    QAction* N21;         // "Копия"
    Command* updtOK;      // the acceptance mark of one record

    // Main menu: submenus and items (N2 "Справочники", N11 "Табель", N14 "Табель хоз. работ",
    // N15 "Табель ср. сдельная", N7 "Отчеты"; N5 "Выход").
    QMenuBar* MainMenu1 = nullptr;
    QMenu* N2 = nullptr;
    QMenu* N11 = nullptr;
    QMenu* N14 = nullptr;
    QMenu* N15 = nullptr;
    QMenu* N7 = nullptr;
    QAction* N1 = nullptr;  // "Рабочие"
    QAction* N3 = nullptr;  // "Изделия"
    QAction* N4 = nullptr;  // "Цены"
    QAction* N6 = nullptr;  // "Операции"
    QAction* N8 = nullptr;  // "Ном. группы"
    QAction* N9 = nullptr;  // "Табель сделка"
    QAction* N13 = nullptr; // "Табель по сменам"
    QAction* N20 = nullptr; // "Табель хоз. работ" / "По людям"
    QAction* N22 = nullptr; // "Табель хоз. работ" / "По номенклатуре"
    QAction* N18 = nullptr; // "Табель ср. сдельная" / "По людям"
    QAction* N19 = nullptr; // "Табель ср. сдельная" / "По номенклатуре"
    QAction* N17 = nullptr; // "Общий табель"
    QAction* N23 = nullptr; // "Общий табель ЗП"
    QAction* N10 = nullptr; // "Отчеты" / "Сводные отчеты"
    QAction* N5 = nullptr;  // "Выход"

    // Menu openers (Unit1Menu.cpp): each prepares its window, shows it modally and tidies up.
    void N1Click();
    void N3Click();
    void N4Click();
    void N6Click();
    void N8Click();
    void N9Click();
    void N13Click();
    void N20Click();
    void N22Click();
    void N18Click();
    void N19Click();
    void N17Click();
    void N23Click();
    void N10Click();
    void N5Click();

    // Journal actions.
    void DateTChange();
    void RadioButtonClick(int shift);
    void CBox1Click();
    void Button1Click();
    void N21Click();
    void Button2Click();
    void Button3Click();
    void Button8Click();
    void Button5Click();
    void Button4Click();
    void DBGrid2DblClick();
    void DBGrid2DrawColumnCell(int recNo, const GridColumn& column, QStyleOptionViewItem& option);

protected:
    void FormActivate() override;

private:
    void FormCreate(const QStringList& arguments);
    void CreateControls();
    void CreateMainMenu();
    QRadioButton* ShiftButton(int shift) const;
    // Closes the four journal queries and opens them again for the date of DateT.
    void ReopenJournal();
    bool FStarted = false;
};

extern TForm1* Form1;
