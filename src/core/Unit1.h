// The daily work journal, the working window of the system.
#pragma once

#include "platform/ui/Form.h"

#include <QStringList>

class QTimer;
class Query;
class Table;

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

private:
    void FormCreate(const QStringList& arguments);
    bool FStarted = false;
};

extern TForm1* Form1;
