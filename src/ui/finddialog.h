#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

/// Asks what to search for in the system hierarchy. Keeps its text and check
/// boxes from one use to the next.
class TFindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);

    QLineEdit* SearchString;
    QCheckBox* DABox;
    QCheckBox* DOBox;
    QCheckBox* VarBox;
    QCheckBox* XBox;

    bool Run();
};
