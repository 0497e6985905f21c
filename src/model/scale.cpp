#include "model/scale.h"

#include "model/helpers.h"

QStringList TScale::DescriptionRows() const
{
    return { QStringLiteral("  <tr><td><img src=\"img/scale.bmp\"></td><td>") + PageText(Name)
             + QStringLiteral("</td></tr>") + CommentRow(*this) };
}
