#pragma once

#include "design/designobject.h"
#include "model/concept.h"
#include "model/conceptlist.h"

#include <QObject>
#include <QPointer>
#include <functional>

class TCase;
class TSystemLevel;

/// One named variant of the system being assessed: a tree of design objects.
class TDesign : public TConcept
{
public:
    TDesign(const QString& name, TCase* owner);
    ~TDesign() override;

    TCase* Case;
    TConceptList<TDesignObject> TopObjects;
    /// The window of the open design editor, not owned; at most one. The
    /// program closes it when the change notice tells of the design's deletion.
    QPointer<QObject> Editor;

    /// The object of that name under `parent` (nullptr: a top object), created
    /// when missing with a count of 1 and the given level (see SetSystemLevel);
    /// an existing object is returned unchanged.
    TDesignObject* AddDesignObject(const QString& name, TDesignObject* parent, TSystemLevel* level = nullptr);
    /// Frees the object with its whole subtree.
    void DeleteDesignObject(TDesignObject* object);
    /// Copies `object` (possibly of another design) with its choices and
    /// subtree under `parent` of this design. With `copyPrefix` the copy is
    /// named "Copy of " + name and a sibling of that name refuses the copy;
    /// without it an existing sibling of the same name receives the copy.
    /// Returns the copy, or nullptr when refused.
    TDesignObject* DuplicateDesignObject(TDesignObject* object, TDesignObject* parent, bool copyPrefix);
    /// Calls `visit` for every object, each before its children, in list order.
    void ForEachObject(const std::function<void(TDesignObject*)>& visit) const;

    QString IconHTML() const override;
    QStringList DescriptionRows() const override;
};

/// Depth-first search of `list` and the objects below it for the import's
/// identifier; nullptr when none has it.
TDesignObject* FindDesignObjectById(const TConceptList<TDesignObject>& list, qint32 id);
