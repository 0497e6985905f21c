#include "model/effect.h"

#include "formula/compiler.h"
#include "formula/vminstruction.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "model/option.h"
#include "model/scale.h"
#include "model/variable.h"

#include <algorithm>

TEffect::TEffect(TOption* option, TVariable* variable) : Option(option), Variable(variable) {}

TEffect::~TEffect() = default;

QString TEffect::SetFormula(const QString& text)
{
    Formula = TrimFormula(text);
    return Recompile();
}

QString TEffect::Recompile()
{
    if (Formula.isEmpty()) {
        Code.clear();
        return QString();
    }
    TCompileResult compiled = CompileFormula(Formula, Option ? Option->Case() : nullptr);
    Code = std::move(compiled.Code);
    // Code that did not compile is never run: the effect is an error in every
    // design. A faulty formula is repaired first; its warnings come once it compiles.
    if (!compiled.Message.isEmpty()) {
        Code.clear();
        Code.push_back(std::make_unique<TVM_PUSHERR>(VMSyntaxError));
    } else {
        for (const QString& warning : compiled.Warnings)
            ShowWarning(warning);
    }
    return compiled.Message;
}

bool TEffect::Reads(const TVariable* variable) const
{
    return std::any_of(Code.begin(), Code.end(), [variable](const auto& instruction) {
        const auto* push = dynamic_cast<const TVM_PUSHVAR*>(instruction.get());
        return push && push->Variable == variable;
    });
}

QString TEffect::IconHTML() const
{
    const bool averaging = Variable && Variable->IsAveraging();
    if (NullWhenStatusQuo)
        return averaging ? QStringLiteral("<img src=\"img/anwsq.bmp\" alt=\"averaging (null when status quo)\">")
                         : QStringLiteral("<img src=\"img/cnwsq.bmp\" alt=\"cumulative (null when status quo)\">");
    return averaging ? QStringLiteral("<img src=\"img/aeff.bmp\" alt=\"averaging\">")
                     : QStringLiteral("<img src=\"img/ceff.bmp\" alt=\"cumulative\">");
}

QString TEffect::Row() const
{
    QString text = QStringLiteral("<tr><td>") + IconHTML() + QStringLiteral("</td><td>") + PageText(Variable->NameWithScale());
    if (!Formula.isEmpty())
        text += QStringLiteral(" = ") + PageText(Formula);
    return text + QStringLiteral("</td></tr>") + CommentRow(*this);
}
