#include "ui/nameedit.h"

#include "model/helpers.h"
#include "ui/beep.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

class TNameValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return TNameEdit::HasForbiddenCharacter(input) ? Invalid : Acceptable;
    }
};

} // namespace

TNameEdit::TNameEdit(QWidget* parent) : QLineEdit(parent) { setValidator(new TNameValidator(this)); }

bool TNameEdit::HasForbiddenCharacter(const QString& text) { return CleanName(text) != text; }

void TNameEdit::keyPressEvent(QKeyEvent* event)
{
    if (HasForbiddenCharacter(event->text())) {
        Beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
