#include "storage/optionaddress.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "storage/filebuffer.h"
#include "storage/rowreading.h"

TDecisionArea* ReadDecisionAreaAddress(TFileBuffer& buffer, const TCase& aCase, const QString& end)
{
    const TSystemLevel* level =
        ItemAt(aCase.SystemLevels, ToInt(buffer.ReadUntil(QStringLiteral(":"))), QStringLiteral("System level"));
    return ItemAt(level->DecisionAreas, ToInt(buffer.ReadUntil(end)), QStringLiteral("Decision area"));
}

TOption* OptionNamed(const TDecisionArea& area, const QString& name)
{
    TOption* option = area.Options.Find(name.trimmed());
    if (!option)
        throw TStorageError{ QStringLiteral("Undefined decision option \"") + name.trimmed() + QLatin1Char('"') };
    return option;
}
