#pragma once

#include "actors/actor.h"
#include "design/design.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"
#include "policy/combination.h"
#include "support/casebuilder.h"
#include "support/testpaths.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

/// The small case whose pages are written out by hand in tests/data/casefolder:
/// two trees of levels (City > District, Region > Zone), names with "&" and "<",
/// comments over several lines, categories numbered 1 and 3, preclusions across
/// levels, formulas and all three aggregation modes.
///
/// With `rich`, also every other kind of page: problems and promises, actors and
/// policies, and two designs. Comments are placed so that a comment test that
/// looks past its row would go wrong: the last item of every list has no comment
/// and what follows it has one. The relation to "Zoning board" names an actor
/// that comes later on the page. "Plan B" holds a city of two districts (North
/// with a comment and a choice, South with neither) and a region; "Base" a lone
/// district.
inline std::unique_ptr<TCase> BuildSampleCase(bool rich = false)
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
    TVariable* limit = NewVariable(*c, "Limit", area, AggregationConstant);
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
    TOption* dike = NewOption(*coast, "Dike", 1);
    c->Changed = false;
    if (!rich)
        return c;

    auto combine = [&](int rating, std::vector<TOption*> options, QStringList comments) {
        auto combination = std::make_unique<TCombination>(c.get());
        combination->Rating = qint16(rating);
        combination->Options = std::move(options);
        SortOptions(combination->Options);
        combination->Comments = comments;
        c->Combinations.push_back(std::move(combination));
    };
    combine(2, { compact, small }, { "Dense & green" });
    combine(3, { wide, compact, small }, {});
    combine(-3, { sprawl, dike }, {});
    combine(3, { wide, compact }, { "Short trips" });
    combine(-1, { sprawl, small }, { "Costly", "to serve" });

    TActor* alderman = c->Actors.At(c->AddActor("Alderman"));
    TActor* mayor = c->Actors.At(c->AddActor("Mayor"));
    TActor* board = c->Actors.At(c->AddActor("Zoning board"));
    board->Comments = { "Advises" };
    mayor->Comments = { "Elected", "every four years" };
    alderman->AddConnection(mayor, 2);
    alderman->AddConnection(board, 4)->Comments = { "Listens closely" };
    alderman->AddDecision(coast, 1);
    alderman->AddDecision(layout, 3)->Comments = { "Chairs the committee" };
    alderman->AddGoal(density, 1, 0.123456789, -1);
    alderman->AddGoal(cost, -2, 12.5, 3);
    alderman->AddGoal(cost, -1, 1234567.891, 2)->Comments = { "Budget < 1.3 million" };
    alderman->AddOptionFeeling(wide, -2);
    alderman->AddOptionFeeling(compact, 3)->Comments = { "Saves land" };
    alderman->AddQualifierFeeling(cheap, -1);
    alderman->AddQualifierFeeling(green, 2)->Comments = { "Parks" };
    mayor->AddConnection(alderman, 1);
    mayor->AddGoal(limit, 2, 10, 1);
    mayor->AddOptionFeeling(dike, 1);

    TPolicy* town = c->Policies.At(c->AddPolicy("Compact town"));
    town->Options = { wide, compact, small };
    TPolicy* coastal = c->Policies.At(c->AddPolicy("Coastal"));
    coastal->Options = { dike };
    coastal->Comments = { "Keep the sea out" };
    c->Policies.At(c->AddPolicy("Empty"))->Comments = { "Nothing yet" };

    TDesign* planB = c->Designs.At(c->AddDesign("Plan B"));
    planB->Comments = { "Second try", "with <care> & thought" };
    TDesignObject* townObject = planB->AddDesignObject("Town", nullptr, city);
    townObject->SetCount(2);
    townObject->SelectStatusQuoOption(sprawl);
    townObject->SelectDesignOption(compact);
    TDesignObject* north = planB->AddDesignObject("North", townObject, district);
    north->SetCount(3);
    north->SelectDesignOption(small);
    north->Comments = { "by the river" };
    planB->AddDesignObject("South", townObject, district);
    planB->AddDesignObject("Coastline", nullptr, region);
    c->Designs.At(c->AddDesign("Base"))->AddDesignObject("Lone", nullptr, district)->SelectDesignOption(small);
    c->Changed = false;
    return c;
}

inline std::unique_ptr<TCase> BuildRichCase() { return BuildSampleCase(true); }
