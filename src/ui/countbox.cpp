#include "ui/countbox.h"

#include "ui/beep.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <limits>

TCountBox::TCountBox(QWidget* parent) : QLineEdit(parent)
{
    // Pasted text passes the same rule as typed keys.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    connect(this, &QLineEdit::textEdited, this, [this] { Modified = true; });
}

void TCountBox::ShowCount(std::optional<int> count)
{
    Modified = false;
    setText(count ? QString::number(*count) : QString());
}

int TCountBox::Count() const
{
    constexpr qint64 highest = std::numeric_limits<int>::max();
    qint64 value = 0;
    for (const QChar c : text()) {
        if (!c.isDigit())
            continue;
        value = std::min(highest, value * 10 + c.digitValue());
    }
    return int(value);
}

void TCountBox::CommitPending()
{
    if (!Modified)
        return;
    Modified = false;
    const int count = Count();
    setText(QString::number(count));
    if (OnCommit)
        OnCommit(count);
}

void TCountBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        CommitPending();
        if (OnEnter)
            OnEnter();
        return;
    }
    const bool digit = event->text().size() == 1 && event->text()[0].isDigit() && event->text()[0].unicode() < 128;
    const bool editing = key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left
                         || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End
                         || key == Qt::Key_Tab || key == Qt::Key_Backtab;
    if (digit || editing) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    Beep();
    event->accept();
}

void TCountBox::focusOutEvent(QFocusEvent* event)
{
    CommitPending();
    QLineEdit::focusOutEvent(event);
}
