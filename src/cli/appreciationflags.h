#pragma once

#include "actors/appreciation.h"

#include <QCommandLineOption>
#include <QStringList>

class QCommandLineParser;
class TCase;
class TCliMessageSink;
class TDesign;

/// The flags that appraise and report share: which partial appreciations count
/// (--objectives, --options, --qualifications; none given: objectives only, as
/// the desktop program starts) and the base design (--base DESIGN), which a
/// case folder does not store.
class TAppreciationFlags
{
public:
    explicit TAppreciationFlags(QCommandLineParser& parser);

    TAppreciationSettings Settings() const;
    /// Sets the case's base design when one is named. False after the error
    /// when the case has no design of that name.
    bool ApplyBase(TCase& aCase) const;

private:
    QCommandLineParser& Parser;
    const QCommandLineOption Objectives;
    const QCommandLineOption SpecificOptions;
    const QCommandLineOption Qualifications;
    const QCommandLineOption Base;
};

/// The case's design of that name; nullptr after the error "There is no design
/// \"NAME\" in the case".
TDesign* FindDesignByName(TCase& aCase, const QString& name);
