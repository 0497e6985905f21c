#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

/// What the trees and lists of a window have selected, kept by what they
/// show: the first column's texts from the top down to the current item, with
/// the rows beside them for an item whose text changed. An undo brings items
/// back as new objects, so only what is shown can find them again.
class TSelectionMemory
{
public:
    static TSelectionMemory Of(const QWidget& window);
    /// Makes current again each remembered item, or the nearest of its
    /// parents that is still there.
    void ApplyTo(QWidget& window) const;

private:
    struct TMark
    {
        QString Widget;   // object name and ordinal: the same tree after a rebuild
        QStringList Texts;
        QList<int> Rows;
    };
    std::vector<TMark> Marks;
};
