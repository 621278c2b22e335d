// The scripted user of the tests.
#include "UiScript.h"

#include "platform/ui/Form.h"

UiScript::UiScript() : saved_(ui::hooks())
{
    ui::resetTermination();
    ui::Hooks& h = ui::hooks();
    h.messageBox = [this](const QString& text, const QString& caption, int flags) {
        int reply = answers_.isEmpty() ? ((flags & 0x0F) == ui::MB_YESNO ? ui::IDNO : ui::IDOK) : answers_.dequeue();
        messages.append({text, caption, flags, reply});
        return reply;
    };
    h.runModal = [this](Form* form) {
        modalShown << form->objectName();
        if (steps_.isEmpty()) {
            errors << QStringLiteral("unexpected modal window %1").arg(form->objectName());
            form->reject();
            return form->result();
        }
        Step step = steps_.dequeue();
        if (!step.objectName.isEmpty() && step.objectName != form->objectName())
            errors << QStringLiteral("expected window %1, shown %2").arg(step.objectName, form->objectName());
        if (step.action) step.action(form);
        if (form->isVisible()) {
            errors << QStringLiteral("window %1 was left open").arg(form->objectName());
            form->reject();
        }
        return form->result();
    };
    h.terminate = [this] { ++terminations; };
    h.openFile = [this](const QString& path) { openedFiles << path; };
    h.runPreview = [this](QWidget* w) {
        ++previews;
        if (previewAction) previewAction(w);
    };
}

UiScript::~UiScript()
{
    ui::hooks() = saved_;
    ui::resetTermination();
}

void UiScript::onModal(const QString& objectName, std::function<void(Form*)> action)
{
    steps_.enqueue({objectName, std::move(action)});
}

QStringList UiScript::messageTexts() const
{
    QStringList out;
    for (const MessageRecord& m : messages) out << m.text;
    return out;
}

void UiScript::clear()
{
    messages.clear();
    modalShown.clear();
    openedFiles.clear();
    errors.clear();
    terminations = 0;
}
