#include "model/phase.h"

#include "model/case.h"
#include "model/helpers.h"
#include "model/icons.h"

TPhase::TPhase(const QString& name, TCase* owner)
    : TConcept(name), Case(owner), DarkColor(Qt::black), MiddleColor(0x80, 0x80, 0x80),
      Color(0xC0, 0xC0, 0xC0)
{
    Redraw();
}

void TPhase::SetColorDerived(const QColor& color)
{
    const QColor middle = HalveColor(color);
    SetColors(color, middle, HalveColor(middle));
}

void TPhase::SetColors(const QColor& color, const QColor& middle, const QColor& dark)
{
    Color = color;
    MiddleColor = middle;
    DarkColor = dark;
    Redraw();
}

void TPhase::Redraw() { Icon = PhaseClockIcon(Color, MiddleColor, DarkColor); }

QString TPhase::IconHTML() const
{
    return QStringLiteral("<img src=\"img/phase%1.bmp\" alt=\"%2:%3\">")
        .arg(Case->Phases.IndexOf(this)).arg(Order).arg(ColorToHex(Color));
}
