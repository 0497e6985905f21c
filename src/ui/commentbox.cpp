#include "ui/commentbox.h"

#include "model/nameless.h"

TCommentBox::TCommentBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setEnabled(false);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!Loading)
            Typed = true;
    });
}

void TCommentBox::Show(TNameless* item)
{
    if (item && item == Shown && Typed)
        return;
    Shown = item;
    Typed = false;
    Loading = true;
    setPlainText(item ? item->CommentText() : QString());
    Loading = false;
    setEnabled(item != nullptr);
}

void TCommentBox::StorePending()
{
    if (!Typed || !Shown)
        return;
    Typed = false;
    if (OnStore)
        OnStore(*Shown, toPlainText());
}

void TCommentBox::focusOutEvent(QFocusEvent* event)
{
    StorePending();
    QPlainTextEdit::focusOutEvent(event);
}
