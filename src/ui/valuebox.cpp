#include "ui/valuebox.h"

#include "model/helpers.h"
#include "model/variable.h"
#include "ui/beep.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

TValueBox::TValueBox(QWidget* parent) : QLineEdit(parent)
{
    setEnabled(false);
    connect(this, &QLineEdit::textEdited, this, [this] { Typed = true; });
}

QString TValueBox::ValueText(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

void TValueBox::Show(TVariable* variable)
{
    if (variable && variable == Shown && Typed)
        return;
    Shown = variable;
    Typed = false;
    const bool constant = variable && variable->AggregationMode == AggregationConstant;
    setText(constant && variable->HasValue() ? ValueText(variable->Value) : QString());
    setEnabled(constant);
}

bool TValueBox::StorePending()
{
    if (!Typed || !Shown)
        return true;
    double value = UndefinedValue;
    if (!text().trimmed().isEmpty() && !TryParseValue(text(), value)) {
        Beep();
        return false;
    }
    Typed = false;
    if (OnStore)
        OnStore(*Shown, value);
    return true;
}

void TValueBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (OnEnter)
            OnEnter();
        return;
    }
    const QString text = event->text();
    const bool typing = !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (typing && !QStringLiteral("0123456789.+-Ee").contains(text.at(0))) {
        Beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TValueBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (StorePending() || !isEnabled() || !isVisible())
        return;
    // An unreadable number is mended where it was typed, when the focus only
    // moved within the same window; another window keeps the focus it took.
    const QWidget* next = QApplication::focusWidget();
    if (next && parentWidget() && parentWidget()->isAncestorOf(next))
        setFocus();
}
