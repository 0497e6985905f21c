#include "ui/reportview.h"

#include "model/case.h"
#include "model/messages.h"
#include "ui/casestore.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <functional>

namespace {

const QString ReportPrefix = QStringLiteral("ORVEL report ");
const QString FrameNotice = QStringLiteral("ORVEL frame shown: ");

// Navigations inside frames raise no signal of the view, so every document,
// in every frame, tells its address through the console once it is ready (and
// again when it comes back from the page cache).
const char* const FrameNoticeScript = R"(
(function () {
  function notice() { console.log('ORVEL frame shown: ' + window.location.href); }
  notice();
  window.addEventListener('pageshow', function (e) { if (e.persisted) notice(); });
})();
)";

/// A page that hands the frames' notices to the viewer.
class TReportPage : public QWebEnginePage
{
public:
    TReportPage(QWebEngineProfile* profile, QObject* parent, std::function<void(const QString&)> onShown)
        : QWebEnginePage(profile, parent), OnShown(std::move(onShown))
    {
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override
    {
        if (message.startsWith(FrameNotice))
            OnShown(message.mid(FrameNotice.size()));
    }

private:
    std::function<void(const QString&)> OnShown;
};

QToolButton* AddButton(QHBoxLayout* bar, QWidget* parent, const char* name, const QIcon& icon,
                       const QString& caption, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

QIcon ThemeIcon(const char* name, QStyle* style, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(name), style->standardIcon(fallback));
}

// The browser's address as a plain local path, the form the case folder has.
QString AddressOf(const QUrl& url) { return url.isLocalFile() ? url.toLocalFile() : url.toString(); }

} // namespace

TReportView::TReportView(QWidget* parent) : QDialog(parent), Layout(new QVBoxLayout(this))
{
    setWindowTitle(tr("Report view"));
    setSizeGripEnabled(true);
    resize(900, 650);
    auto* bar = new QHBoxLayout;
    QStyle* s = style();
    BackBtn = AddButton(bar, this, "BackBtn", ThemeIcon("go-previous", s, QStyle::SP_ArrowBack), tr("Back"),
                        tr("View previous page"));
    ForwardBtn = AddButton(bar, this, "ForwardBtn", ThemeIcon("go-next", s, QStyle::SP_ArrowForward),
                           tr("Forward"), tr("View next page"));
    RefreshBtn = AddButton(bar, this, "RefreshBtn", ThemeIcon("view-refresh", s, QStyle::SP_BrowserReload),
                           tr("Refresh"), tr("Refresh page"));
    HomeBtn = AddButton(bar, this, "HomeBtn", ThemeIcon("go-home", s, QStyle::SP_DirHomeIcon), tr("Home"),
                        tr("Return to first page"));
    bar->addSpacing(16);
    // The style has no printer pictures: without an icon theme these show their text only.
    PreviewBtn = AddButton(bar, this, "PreviewBtn", QIcon::fromTheme(QStringLiteral("document-print-preview")),
                           tr("Preview"), tr("Print preview"));
    PrintBtn = AddButton(bar, this, "PrintBtn", QIcon::fromTheme(QStringLiteral("document-print")), tr("Print"),
                         tr("Print current page"));
    bar->addSpacing(16);
    DeleteBtn = AddButton(bar, this, "DeleteBtn", ThemeIcon("edit-delete", s, QStyle::SP_TrashIcon),
                          tr("Delete report"), tr("Delete current report"));
    DeleteBtn->setEnabled(false);
    bar->addStretch();
    Layout->setContentsMargins(4, 4, 4, 4);
    Layout->addLayout(bar);

    connect(BackBtn, &QToolButton::clicked, this, [this] {
        if (View)
            View->back();
    });
    connect(ForwardBtn, &QToolButton::clicked, this, [this] {
        if (View)
            View->forward();
    });
    connect(RefreshBtn, &QToolButton::clicked, this, [this] {
        if (View)
            View->reload();
    });
    connect(HomeBtn, &QToolButton::clicked, this, &TReportView::Home);
    connect(PreviewBtn, &QToolButton::clicked, this, &TReportView::PrintPreview);
    connect(PrintBtn, &QToolButton::clicked, this, &TReportView::Print);
    connect(DeleteBtn, &QToolButton::clicked, this, &TReportView::DeleteReport);
}

TReportView::~TReportView()
{
    // Pages must go before the profile they were made with.
    delete View;
    delete Profile;
}

void TReportView::StartBrowser()
{
    if (View)
        return;
    Profile = new QWebEngineProfile(this);   // off the record: nothing stored on disk
    QWebEngineScript notice;
    notice.setName(QStringLiteral("ORVEL frame notice"));
    notice.setSourceCode(QString::fromLatin1(FrameNoticeScript));
    notice.setInjectionPoint(QWebEngineScript::DocumentReady);
    notice.setRunsOnSubFrames(true);
    notice.setWorldId(QWebEngineScript::MainWorld);
    Profile->scripts()->insert(notice);
    View = new QWebEngineView(this);
    Layout->addWidget(View, 1);
}

void TReportView::Open(TCase& aCase, TCaseStore& store)
{
    Case = &aCase;
    Store = &store;
    CaseFolder = QDir(aCase.Folder).absolutePath() + QLatin1Char('/');
    StartBrowser();
    // A new page for every opening: its history starts empty.
    QPointer<QWebEnginePage> old = View->page();
    View->setPage(new TReportPage(Profile, View, [this](const QString& url) { SetAddress(AddressOf(QUrl(url))); }));
    delete old.data();
    SetAddress(QString());
    Home();
}

void TReportView::Run(TCase& aCase, TCaseStore& store)
{
    Open(aCase, store);
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void TReportView::Home()
{
    if (View)
        View->load(QUrl::fromLocalFile(CaseFolder + QStringLiteral("index.htm")));
}

bool TReportView::IsReportPage(const QString& address, const QString& folder)
{
    if (folder.isEmpty() || !address.startsWith(folder))
        return false;
    const QString name = address.mid(folder.size());
    return name.startsWith(ReportPrefix) && !name.contains(QLatin1Char('/'));
}

void TReportView::SetAddress(const QString& address)
{
    CurrentAddress = address;
    DeleteBtn->setEnabled(IsReportPage(address, CaseFolder));
    emit AddressChanged(address);
}

bool TReportView::DeleteReport()
{
    const QString address = CurrentAddress;
    if (!Case || !Store || !IsReportPage(address, CaseFolder))
        return false;
    // A report that stays on disk is not reported as deleted.
    if (QFile::exists(address) && !QFile::remove(address)) {
        ShowError(QStringLiteral("Could not delete file:\r") + address);
        return false;
    }
    const QString name = address.mid(CaseFolder.size());
    qsizetype line = -1;
    QString removed;
    for (qsizetype i = Case->Contents.size() - 1; i >= 0; --i) {
        if (Case->Contents.at(i).contains(name)) {
            line = i;
            removed = Case->Contents.takeAt(i);
            break;
        }
    }
    // The store has said why the contents page could not be written.
    if (!Store->WriteContents(*Case)) {
        if (line >= 0)
            Case->Contents.insert(line, removed);
        return false;
    }
    Home();
    return true;
}

QPrinter& TReportView::Printer()
{
    if (!ThePrinter)
        ThePrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *ThePrinter;
}

void TReportView::Print()
{
    if (!View)
        return;
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        PrintTo(&Printer());
}

void TReportView::PrintPreview()
{
    if (!View)
        return;
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &TReportView::PrintTo);
    preview.exec();
}

// The engine prints asynchronously; the preview needs the pages before it returns.
void TReportView::PrintTo(QPrinter* printer)
{
    QEventLoop loop;
    bool printed = false;
    const auto connection = connect(View, &QWebEngineView::printFinished, &loop, [&](bool success) {
        printed = success;
        loop.quit();
    });
    View->print(printer);
    loop.exec();
    disconnect(connection);
    if (!printed) {
        QPainter painter;
        if (painter.begin(printer)) {
            painter.drawText(QRect(0, 0, printer->width(), printer->height() / 4), Qt::AlignCenter,
                             tr("The page could not be printed."));
        }
    }
}
