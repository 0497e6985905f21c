#pragma once

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"

#include <QDir>
#include <QFile>
#include <QStringList>
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

    c->Categories.At(c->AddCategory(QStringLiteral("Land use")));
    c->AddCategory(QStringLiteral("Mobility"));
    c->Categories.At(c->AddCategory(QStringLiteral("Water")));
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

    auto variable = [&](const char* name, TScale* scale, quint8 mode, double value) {
        TVariable* v = c->Variables.At(c->AddVariable(QString::fromUtf8(name)));
        v->Scale = scale;
        v->AggregationMode = mode;
        v->Value = value;
        return v;
    };
    TVariable* cost = variable("Cost", eur, AggregationCumulative, UndefinedValue);
    TVariable* density = variable("Density", area, AggregationAveraging, UndefinedValue);
    variable("Rate", eur, AggregationConstant, 1234.5);
    variable("Limit", area, AggregationConstant, UndefinedValue);
    cost->Comments = { QStringLiteral("All costs"), QStringLiteral("in euro") };

    auto level = [&](const char* name, TSystemLevel* parent) {
        TSystemLevel* l = c->SystemLevels.At(c->AddSystemLevel(QString::fromUtf8(name)));
        l->PlaceUnder(parent);
        return l;
    };
    TSystemLevel* city = level("City", nullptr);
    TSystemLevel* district = level("District", city);
    TSystemLevel* region = level("Region", nullptr);
    level("Zone", region);
    city->Comments = { QStringLiteral("The whole town") };

    auto decision = [&](TSystemLevel* l, const char* name, TCategory* category, TPhase* phase) {
        TDecisionArea* a = l->DecisionAreas.At(l->AddDecisionArea(QString::fromUtf8(name)));
        a->Category = category;
        a->Phase = phase;
        return a;
    };
    auto option = [](TDecisionArea* a, const char* name, int number) {
        TOption* o = a->Options.At(a->AddOption(QString::fromUtf8(name)));
        o->Number = number;
        return o;
    };
    auto effect = [](TOption* o, TVariable* v, const char* formula) {
        TEffect* e = o->AddEffect(std::make_unique<TEffect>(o, v));
        e->SetFormula(QString::fromUtf8(formula));
        return e;
    };

    TDecisionArea* layout = decision(city, "Layout", land, plan);
    TDecisionArea* roads = decision(city, "Roads & <paths>", water, build);
    TDecisionArea* blocks = decision(district, "Blocks", land, build);
    TDecisionArea* coast = decision(region, "Coast", water, plan);
    layout->Comments = { QStringLiteral("How the town is laid out") };

    TOption* compact = option(layout, "Compact", 1);
    compact->AddQualifier(green);
    effect(compact, cost, "[Rate] * 2");
    effect(compact, density, "3")->NullWhenStatusQuo = true;
    TOption* sprawl = option(layout, "Sprawl", 2);
    sprawl->AddQualifier(cheap);
    sprawl->AddQualifier(green);
    sprawl->Comments = { QStringLiteral("Spread out"), QStringLiteral("over the land") };
    TOption* wide = option(roads, "Wide", 1);
    effect(wide, cost, "")->Comments = { QStringLiteral("No formula yet") };
    wide->AddPreclusion(blocks);
    wide->AddPreclusion(layout);
    TOption* small = option(blocks, "Small", 1);
    effect(small, density, "[Cost] / 2");
    option(coast, "Dike", 1);
    c->Changed = false;
    return c;
}

/// A page's lines: split at CR LF after the byte order mark.
inline QStringList ReadPageLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

/// The page without the generator comment's line, which carries the date and time.
inline QByteArray WithoutDate(QByteArray page)
{
    const qsizetype at = page.indexOf("<!-- Generated by");
    return at < 0 ? page : page.remove(at, page.indexOf("\r\n", at) - at);
}
