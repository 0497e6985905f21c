#include "ui/mainwindow.h"

#include <QMdiArea>

TORVEL::TORVEL(QWidget* parent) : QMainWindow(parent)
{
    setCentralWidget(new QMdiArea(this));
    setWindowTitle(Caption(QStringLiteral("no case")));
    resize(1000, 700);
}

QString TORVEL::Caption(const QString& subtitle) { return QStringLiteral("ORVEL 3.0  --  ") + subtitle; }
