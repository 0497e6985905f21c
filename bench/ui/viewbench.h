#pragma once

#include "../casegenerator.h"

#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/mainwindow.h"

#include <QTemporaryDir>

/// The large generated case the editing windows are measured on: 500 actors,
/// 5,000 combinations and 500 policies on top of the large hierarchy. Made once.
inline TCase& LargeViewCase()
{
    static const std::unique_ptr<TCase> aCase = [] {
        TCaseSize size;
        size.Actors = 500;
        size.Combinations = 5000;
        size.Policies = 500;
        return GenerateCase(size);
    }();
    return *aCase;
}

/// A main window for a view to ask its questions through; the case is the
/// generated one, handed to the view directly.
struct TViewBench
{
    TMessageRecorder Quiet;
    QTemporaryDir Settings;
    TORVEL Window{Settings.filePath(QStringLiteral("ORVEL.ini"))};
    TCase& Case = LargeViewCase();
};
