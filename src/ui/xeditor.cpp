#include "ui/xeditor.h"

#include "formula/compiler.h"
#include "model/case.h"
#include "model/effect.h"
#include "model/option.h"
#include "model/variable.h"
#include "ui/beep.h"
#include "ui/uiicons.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* ToggleButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setCheckable(true);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

/// The list of variables to insert. A variable goes in only when chosen from
/// the opened list: arrow keys on the closed list open it instead of
/// inserting, and leaving the list clears its selection.
class TVariableList : public QComboBox
{
public:
    using QComboBox::QComboBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            showPopup();
            return;
        default:
            QComboBox::keyPressEvent(event);
        }
    }
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
    void focusOutEvent(QFocusEvent* event) override
    {
        QComboBox::focusOutEvent(event);
        setCurrentIndex(-1);
    }
};

} // namespace

TXEditor::TXEditor(QWidget* parent)
    : QDialog(parent), FormulaBox(new QPlainTextEdit(this)),
      AlwaysBtn(ToggleButton(this, "AlwaysBtn", EffectIcon(false), tr("Effect always occurs"))),
      NullWhenStatusQuoBtn(ToggleButton(this, "NullWhenStatusQuoBtn", EffectIcon(true),
                                        tr("Effect does not occur when option is status quo"))),
      VariableList(new TVariableList(this)), StatusLine(new QLabel(this))
{
    setMinimumSize(382, 250);
    resize(480, 260);
    setSizeGripEnabled(true);
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(AlwaysBtn);
    group->addButton(NullWhenStatusQuoBtn);
    VariableList->setObjectName(QStringLiteral("VariableList"));
    VariableList->setPlaceholderText(tr("Insert variable"));
    VariableList->setToolTip(tr("Insert a variable at the cursor"));
    VariableList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    VariableList->setMinimumContentsLength(12);
    FormulaBox->setObjectName(QStringLiteral("FormulaBox"));
    FormulaBox->setTabChangesFocus(true);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    StatusLine->setMinimumHeight(StatusLine->fontMetrics().height() + 6);
    auto* ok = new QPushButton(tr("OK"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    top->addWidget(AlwaysBtn);
    top->addWidget(NullWhenStatusQuoBtn);
    top->addSpacing(6);
    top->addWidget(VariableList, 1);
    top->addSpacing(6);
    top->addWidget(ok);
    top->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(FormulaBox, 1);
    layout->addWidget(StatusLine);

    connect(ok, &QPushButton::clicked, this, &TXEditor::accept);
    connect(cancel, &QPushButton::clicked, this, &TXEditor::reject);
    connect(VariableList, &QComboBox::activated, this,
            [this](int index) { InsertVariable(VariableList->itemText(index)); });
}

void TXEditor::Prepare(const TEffect& effect, bool checkOnShow)
{
    Case = effect.Option ? effect.Option->Case() : nullptr;
    CheckOnShow = checkOnShow;
    AcceptedFormula = effect.Formula;
    AcceptedNullWhenStatusQuo = effect.NullWhenStatusQuo;
    setWindowTitle(QStringLiteral("Expression for [") + (effect.Variable ? effect.Variable->Name : QString()) +
                   QStringLiteral("]"));
    FormulaBox->setPlainText(effect.Formula);   // also empties the undo history
    (effect.NullWhenStatusQuo ? NullWhenStatusQuoBtn : AlwaysBtn)->setChecked(true);
    VariableList->clear();
    if (Case)
        for (const TVariable* variable : Case->Variables)
            if (variable != effect.Variable)
                VariableList->addItem(variable->Name);
    VariableList->setCurrentIndex(-1);
    StatusLine->clear();
    FormulaBox->setFocus();
}

bool TXEditor::Run(const TEffect& effect, bool checkOnShow)
{
    Prepare(effect, checkOnShow);
    return exec() == Accepted;
}

void TXEditor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Queued: closing from within show would leave exec() waiting on a hidden dialog.
    if (CheckOnShow)
        QTimer::singleShot(0, this, &TXEditor::accept);
}

void TXEditor::InsertVariable(const QString& name)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("[") + name + QStringLiteral("]"));
    FormulaBox->paste();
    VariableList->setCurrentIndex(-1);
    FormulaBox->setFocus();
}

void TXEditor::accept()
{
    CheckOnShow = false;
    const QString raw = FormulaBox->toPlainText();
    qsizetype begin = 0;
    const QString text = TrimFormula(raw, &begin);
    if (text.isEmpty()) {
        StatusLine->clear();
        AcceptWith(QString(), false);
        return;
    }
    // Only the message counts here; the warnings show once the caller applies the formula.
    const TCompileResult compiled = CompileFormula(text, Case);
    StatusLine->setText(compiled.Message);
    if (!compiled.Message.isEmpty()) {
        // Position is 1-based and just after the faulty token, in the trimmed text.
        const int tokenEnd = int(begin) + compiled.Position - 1;
        QTextCursor cursor = FormulaBox->textCursor();
        cursor.setPosition(std::clamp(tokenEnd - compiled.TokenLength, 0, int(raw.size())));
        cursor.setPosition(std::clamp(tokenEnd, 0, int(raw.size())), QTextCursor::KeepAnchor);
        FormulaBox->setTextCursor(cursor);
        FormulaBox->setFocus();
        Beep();
        return;
    }
    AcceptWith(text, NullWhenStatusQuoBtn->isChecked());
}

void TXEditor::AcceptWith(const QString& formula, bool nullWhenStatusQuo)
{
    AcceptedFormula = formula;
    AcceptedNullWhenStatusQuo = nullWhenStatusQuo;
    QDialog::accept();
}

bool TXEditor::ShowsMessage() const { return !StatusLine->text().isEmpty(); }

void TXEditor::done(int result)
{
    if (ShowsMessage()) {
        Beep();
        return;
    }
    QDialog::done(result);
}

void TXEditor::closeEvent(QCloseEvent* event)
{
    if (ShowsMessage()) {
        Beep();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
