// The application object: routes exceptions that escape event handling to the general error display.
#pragma once

#include <QApplication>

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
