#include "model/category.h"

#include "model/case.h"
#include "model/helpers.h"
#include "model/icons.h"

TCategory::TCategory(const QString& name, TCase* owner)
    : TConcept(name), Case(owner), Icon(DefaultRectangleIcon())
{
}

QString TCategory::IconHTML() const
{
    return QStringLiteral("<img src=\"img/cat%1.bmp\" alt=\"%2. %3\">")
        .arg(Case->Categories.IndexOf(this)).arg(Number).arg(PageText(Name));
}
