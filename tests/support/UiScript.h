// The scripted user of the tests: answers message boxes from a queue and records them, runs a test
// lambda in each window shown modally, and records file openings and the end of the program.
#pragma once

#include "platform/ui/Seams.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>

class Form;

struct MessageRecord {
    QString text;
    QString caption;
    int flags = 0;
    int answer = 0;
};

class UiScript {
public:
    UiScript();  // installs the scripted hooks
    ~UiScript(); // puts the previous hooks back

    // Answers for the next message boxes, in order; without one an OK box answers OK and a
    // question answers No.
    void answer(int reply) { answers_.enqueue(reply); }
    // The next window shown modally must have this object name; the action runs in it and should
    // close it (a window left open is closed and recorded as an error).
    void onModal(const QString& objectName, std::function<void(Form*)> action);

    QList<MessageRecord> messages;
    QStringList modalShown;
    QStringList openedFiles;
    QStringList errors;
    int terminations = 0;
    int previews = 0;
    std::function<void(QWidget*)> previewAction;

    QStringList messageTexts() const;
    void clear();

private:
    struct Step {
        QString objectName;
        std::function<void(Form*)> action;
    };
    QQueue<int> answers_;
    QQueue<Step> steps_;
    ui::Hooks saved_;
};
