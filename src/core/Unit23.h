// The login window, the application's main window.
#pragma once

#include "platform/ui/Form.h"

class QLineEdit;
class QPushButton;
class QTimer;

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

protected:
    void FormActivate() override;
    void closeEvent(QCloseEvent* event) override;
};

extern TForm23* Form23;
