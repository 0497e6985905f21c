#include "ui/desktopmessages.h"

#include "model/option.h"
#include "ui/mainwindow.h"
#include "ui/xeditor.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace {

// A question or message shown while the busy cursor is on gets the normal
// pointer for as long as it shows.
class TPointerScope
{
public:
    explicit TPointerScope(bool busy) : Active(busy)
    {
        if (Active)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~TPointerScope()
    {
        if (Active)
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool Active;
};

} // namespace

QString TDesktopMessages::BoxText(const QString& message)
{
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void TDesktopMessages::Error(const QString& message)
{
    TPointerScope pointer(BusyDepth > 0);
    QMessageBox::critical(&Window, QStringLiteral("ORVEL"), BoxText(ErrorPrefix + message));
}

void TDesktopMessages::Warning(const QString& message)
{
    TPointerScope pointer(BusyDepth > 0);
    QMessageBox::warning(&Window, QStringLiteral("ORVEL"), BoxText(message));
}

void TDesktopMessages::Information(const QString& message)
{
    TPointerScope pointer(BusyDepth > 0);
    QMessageBox::information(&Window, QStringLiteral("ORVEL"), BoxText(message));
}

bool TDesktopMessages::Confirm(const QString& question)
{
    TPointerScope pointer(BusyDepth > 0);
    // The questions guard destructive commands: No is the safe default.
    return QMessageBox::warning(&Window, QStringLiteral("ORVEL"), BoxText(question), QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

void TDesktopMessages::Status(const QString& text) { Window.SetStatusText(text); }

void TDesktopMessages::Busy(bool on)
{
    if (on) {
        ++BusyDepth;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (BusyDepth > 0) {
        --BusyDepth;
        QGuiApplication::restoreOverrideCursor();
    }
}

void TDesktopMessages::RepairFormula(TEffect& effect)
{
    TPointerScope pointer(BusyDepth > 0);
    TXEditor* editor = Window.Dialogs().XEditor;
    if (editor->Run(effect, true) && effect.Option)
        effect.Option->EditEffect(effect, editor->Formula(), editor->NullWhenStatusQuo());
}
