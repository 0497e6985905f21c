#pragma once

#include <QMainWindow>

/// The main frame: a multiple-document area under the menu and the status bar.
class TORVEL : public QMainWindow
{
    Q_OBJECT
public:
    explicit TORVEL(QWidget* parent = nullptr);

    static QString Caption(const QString& subtitle);
};
