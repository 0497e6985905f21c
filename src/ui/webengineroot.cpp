#include "ui/webengineroot.h"

#include <QByteArray>
#include <unistd.h>

void AllowWebEngineAsRoot()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
}
