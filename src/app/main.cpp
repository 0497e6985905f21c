#include "model/messages.h"
#include "ui/desktopmessages.h"
#include "ui/importdialog.h"
#include "ui/mainwindow.h"
#include "ui/uiicons.h"
#include "ui/webengineroot.h"

#include <QApplication>

int main(int argc, char** argv)
{
    AllowWebEngineAsRoot();
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
