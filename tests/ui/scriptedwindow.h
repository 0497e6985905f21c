#pragma once

#include "model/messagerecorder.h"
#include "ui/mainwindow.h"
#include "uitestsupport.h"

#include <QTemporaryDir>
#include <memory>

/// What a window under test needs around it: the recorder of messages and a
/// main window, with its settings file in a folder of its own, that answers
/// every question from a script. It keeps the program's case store unless the
/// test logs the writes instead.
struct TScriptedWindow
{
    TScriptedWindow() : Window(Settings.filePath(QStringLiteral("ORVEL.ini")))
    {
        auto prompter = std::make_unique<TScriptedPrompter>();
        Prompter = prompter.get();
        Window.SetPrompter(std::move(prompter));
    }

    /// Replaces the case store by one that logs the writes.
    TLoggingStore* LogWrites()
    {
        auto store = std::make_unique<TLoggingStore>();
        TLoggingStore* log = store.get();
        Window.SetCaseStore(std::move(store));
        return log;
    }

    TMessageRecorder Messages;
    QTemporaryDir Settings;
    TORVEL Window;
    TScriptedPrompter* Prompter;
};
