#pragma once

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"
#include "support/casebuilder.h"
#include "support/testpaths.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

/// The small case whose pages are written out by hand in tests/data/casefolder:
/// two trees of levels (City > District, Region > Zone), names with "&" and "<",
/// comments over several lines, categories numbered 1 and 3, preclusions across
/// levels, formulas and all three aggregation modes.
inline std::unique_ptr<TCase> BuildSampleCase()
{
    auto c = std::make_unique<TCase>(QStringLiteral("Harbour & <Town>"));
    c->Comments = { QStringLiteral("  First line"), QStringLiteral("Second & <third> line  ") };

    for (const char* name : { "Land use", "Mobility", "Water" })
        c->AddCategory(QString::fromLatin1(name));
    c->DeleteCategory(c->Categories.Find(QStringLiteral("Mobility")));
    TCategory* land = c->Categories.Find(QStringLiteral("Land use"));
    TCategory* water = c->Categories.Find(QStringLiteral("Water"));
    land->Number = 3;
    water->Number = 1;
    water->Comments = { QStringLiteral("Rivers and sea") };

    TPhase* plan = c->Phases.At(c->AddPhase(QStringLiteral("Plan")));    // order 0
    TPhase* build = c->Phases.At(c->AddPhase(QStringLiteral("Build")));  // order 1
    plan->SetColorDerived(QColor(0xFF, 0x00, 0x00));

    TQualifier* green = c->Qualifiers.At(c->AddQualifier(QStringLiteral("green")));
    TQualifier* cheap = c->Qualifiers.At(c->AddQualifier(QStringLiteral("cheap & fast")));

    TScale* eur = c->Scales.At(c->AddScale(QStringLiteral("EUR")));
    TScale* area = c->Scales.At(c->AddScale(QStringLiteral("m2")));
    area->Comments = { QStringLiteral("square metres") };

    TVariable* cost = NewVariable(*c, "Cost", eur, AggregationCumulative);
    TVariable* density = NewVariable(*c, "Density", area, AggregationAveraging);
    NewVariable(*c, "Rate", eur, AggregationConstant, 1234.5);
    NewVariable(*c, "Limit", area, AggregationConstant);
    cost->Comments = { QStringLiteral("All costs"), QStringLiteral("in euro") };

    TSystemLevel* city = NewLevel(*c, "City", nullptr);
    TSystemLevel* district = NewLevel(*c, "District", city);
    TSystemLevel* region = NewLevel(*c, "Region", nullptr);
    NewLevel(*c, "Zone", region);
    city->Comments = { QStringLiteral("The whole town") };

    TDecisionArea* layout = NewArea(*city, "Layout", land, plan);
    TDecisionArea* roads = NewArea(*city, "Roads & <paths>", water, build);
    TDecisionArea* blocks = NewArea(*district, "Blocks", land, build);
    TDecisionArea* coast = NewArea(*region, "Coast", water, plan);
    layout->Comments = { QStringLiteral("How the town is laid out") };

    TOption* compact = NewOption(*layout, "Compact", 1);
    compact->AddQualifier(green);
    NewEffect(*compact, cost, "[Rate] * 2");
    NewEffect(*compact, density, "3", true);
    TOption* sprawl = NewOption(*layout, "Sprawl", 2);
    sprawl->AddQualifier(cheap);
    sprawl->AddQualifier(green);
    sprawl->Comments = { QStringLiteral("Spread out"), QStringLiteral("over the land") };
    TOption* wide = NewOption(*roads, "Wide", 1);
    NewEffect(*wide, cost, "")->Comments = { QStringLiteral("No formula yet") };
    wide->AddPreclusion(blocks);
    wide->AddPreclusion(layout);
    TOption* small = NewOption(*blocks, "Small", 1);
    NewEffect(*small, density, "[Cost] / 2");
    NewOption(*coast, "Dike", 1);
    c->Changed = false;
    return c;
}
