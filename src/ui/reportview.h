#pragma once

#include <QDialog>
#include <memory>

class QPrinter;
class QToolButton;
class QVBoxLayout;
class QWebEngineProfile;
class QWebEngineView;
class TCase;
class TCaseStore;

/// Shows the pages of a case folder (the frameset, the contents and the
/// reports) and lets the user move about, print and delete reports. Created
/// once; the web engine starts only when the viewer first opens, so that the
/// program starts quickly. Each opening starts with an empty history, so Back
/// never leads into another case's folder.
class TReportView : public QDialog
{
    Q_OBJECT
public:
    explicit TReportView(QWidget* parent = nullptr);
    ~TReportView() override;

    QToolButton* BackBtn;
    QToolButton* ForwardBtn;
    QToolButton* RefreshBtn;
    QToolButton* HomeBtn;
    QToolButton* PreviewBtn;
    QToolButton* PrintBtn;
    QToolButton* DeleteBtn;

    /// Shows the first page of the case's folder. The case (whose Folder must be
    /// set) and the store are used until the viewer is opened again.
    void Open(TCase& aCase, TCaseStore& store);
    /// Open, then show maximised and modal.
    void Run(TCase& aCase, TCaseStore& store);

    /// The page now shown: a local file path, or the address itself for other pages.
    QString Address() const { return CurrentAddress; }
    QString Folder() const { return CaseFolder; }
    /// Null until the viewer first opens.
    QWebEngineView* Browser() const { return View; }

    /// True for a file directly in the folder whose name starts with "ORVEL report ".
    static bool IsReportPage(const QString& address, const QString& folder);
    /// Deletes the report shown and its line of the contents page, then goes
    /// home. On failure says so and keeps what was there.
    bool DeleteReport();
    void Home();

signals:
    /// After each page shown in the window or in one of its frames.
    void AddressChanged(const QString& address);

private:
    void StartBrowser();
    void SetAddress(const QString& address);
    void Print();
    void PrintPreview();
    void PrintTo(QPrinter* printer);
    QPrinter& Printer();

    QVBoxLayout* Layout;
    QWebEngineProfile* Profile = nullptr;
    QWebEngineView* View = nullptr;
    std::unique_ptr<QPrinter> ThePrinter;
    TCase* Case = nullptr;
    TCaseStore* Store = nullptr;
    QString CaseFolder;
    QString CurrentAddress;
};
