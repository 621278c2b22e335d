// The login window, the application's main window.
#pragma once

#include "platform/ui/Form.h"

class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

// The login codes, compared exactly after the blanks around the typed text are removed.
namespace logincodes {
inline constexpr const char* Administrator = "57316204";
inline constexpr const char* Administrator2 = "5829";
inline constexpr const char* Planner = "planer";
inline constexpr const char* ShiftLeader = "vostrel";
inline constexpr const char* Storekeeper = "kordo";
} // namespace logincodes

class TForm23 : public Form {
    Q_OBJECT
public:
    explicit TForm23(QWidget* parent = nullptr);

    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button2;
    QTimer* Timer1;

    void Button1Click();
    void Button2Click();

public slots:
    void reject() override; // Escape: as "Отмена"

protected:
    void FormActivate() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Hides the login window, shows the journal modally and, when it closes, ends the program.
    void OpenJournal();
};

extern TForm23* Form23;
