#include "model/messages.h"
#include "ui/desktopmessages.h"
#include "ui/importdialog.h"
#include "ui/mainwindow.h"
#include "ui/uiicons.h"

#include <QApplication>
#include <unistd.h>

int main(int argc, char** argv)
{
    // The web engine's sandbox refuses to run as root.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVEL"));
    QApplication::setWindowIcon(ProgramIcon());
    TORVEL window;
    window.SetImporter(DialogImporter(&window));
    TDesktopMessages messages(window);
    SetMessageSink(&messages);
    window.showMaximized();
    const int result = app.exec();
    SetMessageSink(nullptr);
    return result;
}
