// A window of the system: a dialog with a Tag, modal showing and explicit activation.
#include "Form.h"

#include "Guard.h"
#include "Seams.h"

Form::Form(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont f = font();
    f.setFamily(QStringLiteral("Tahoma"));
    setFont(f);
}

Form::~Form() { stack().removeAll(this); }

QList<Form*>& Form::stack()
{
    static QList<Form*> s;
    return s;
}

Form* Form::activeForm() { return stack().isEmpty() ? nullptr : stack().last(); }

void Form::activate()
{
    ui::guarded([this] { FormActivate(); });
}

void Form::ShowMain()
{
    stack().removeAll(this);
    stack().prepend(this);
    show();
    activate();
}

int Form::ShowModal()
{
    Form* opener = activeForm();
    stack().append(this);
    setResult(0);
    setWindowModality(Qt::ApplicationModal);
    show();
    activate();
    int result = 0;
    try {
        result = ui::hooks().runModal(this);
    } catch (...) {
        stack().removeAll(this);
        hide();
        throw;
    }
    stack().removeAll(this);
    hide();
    if (opener && opener != this && !ui::terminationRequested()) opener->activate();
    return result;
}
