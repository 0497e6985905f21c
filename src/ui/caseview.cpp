#include "ui/caseview.h"

#include "model/case.h"
#include "model/caseedit.h"
#include "ui/mainwindow.h"

TCaseView::TCaseView(TORVEL& main, TCase& aCase, QWidget* parent) : QWidget(parent), Main(main), Case(aCase)
{
    setFont(main.font());
    Case.Subscribe(this);
}

TCaseView::~TCaseView() { Case.Unsubscribe(this); }

void TCaseView::StoreComment(TNameless& item, const QString& text, TChangeKinds kinds)
{
    if (item.CommentText() == text.trimmed())
        return;
    TCaseEdit edit(Case, tr("Edit comment"), kinds);
    item.SetCommentText(text);
}

TPrompter& TCaseView::Prompts() const { return Main.Prompts(); }
