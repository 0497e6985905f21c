#pragma once

#include <QPlainTextEdit>
#include <functional>

class TNameless;

/// The comment box of a view. It remembers that it was typed into and stores
/// the text through OnStore when it loses the focus or is asked to; a rebuild
/// that shows the same item again keeps what is being typed.
class TCommentBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TCommentBox(QWidget* parent = nullptr);

    /// Shows the comment of `item`, or an empty disabled box for none. Text
    /// typed for another item is dropped: store it first where it counts.
    void Show(TNameless* item);
    /// Stores typed text into the item shown, once.
    void StorePending();
    TNameless* Item() const { return Shown; }
    bool Modified() const { return Typed; }

    std::function<void(TNameless& item, const QString& text)> OnStore;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    TNameless* Shown = nullptr;
    bool Typed = false;
    bool Loading = false;
};
