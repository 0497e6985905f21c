#include "model/qualifier.h"

#include "model/case.h"
#include "model/helpers.h"
#include "model/icons.h"

TQualifier::TQualifier(const QString& name, TCase* owner)
    : TConcept(name), Case(owner), Icon(DefaultEllipseIcon())
{
}

QString TQualifier::IconHTML() const
{
    return QStringLiteral("<img src=\"img/qual%1.bmp\" alt=\"%2\">")
        .arg(Case->Qualifiers.IndexOf(this)).arg(PageText(Name));
}
