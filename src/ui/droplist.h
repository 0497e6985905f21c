#pragma once

#include <QListWidget>
#include <functional>

class QMimeData;

/// A list that takes drops of the private drag format and tells its owner of
/// the Delete and Insert keys. The keys reach it only while it has the focus,
/// never while a comment box beside it is being typed in.
class TDropList : public QListWidget
{
    Q_OBJECT
public:
    explicit TDropList(QWidget* parent = nullptr);

    std::function<bool(const QMimeData*)> Accepts;   // none: no drops
    std::function<void(const QMimeData*)> Dropped;
    std::function<void()> OnDelete;
    std::function<void()> OnInsert;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool Takes(const QMimeData* data) const { return Accepts && Accepts(data); }
};
