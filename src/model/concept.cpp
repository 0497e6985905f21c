#include "model/concept.h"

#include "model/helpers.h"

QString TConcept::IconHTML() const { return QStringLiteral("&nbsp;"); }

QStringList TConcept::DescriptionRows() const
{
    return { QStringLiteral("  <tr><td>") + IconHTML() + QStringLiteral("</td><td>") + PageText(Name)
             + QStringLiteral("</td></tr>") + CommentRow(*this) };
}
