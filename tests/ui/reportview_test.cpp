#include "ui/reportview.h"
#include "scriptedwindow.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

TEST(ReportView, DeleteIsOfferedOnlyForReportsDirectlyInTheCaseFolderAndTheEngineWaits)
{
    const QString folder = QStringLiteral("/cases/city/");
    const std::pair<const char*, bool> addresses[] = {
        {"/cases/city/ORVEL report 1.htm", true},
        {"/cases/city/ORVEL report 12.htm", true},
        {"/cases/city/index.htm", false},
        {"/cases/city/old/ORVEL report 1.htm", false},
        {"/cases/town/ORVEL report 1.htm", false},   // same length, other folder
        {"/cases/city2/ORVEL report 1.htm", false},
        {"", false},
    };
    for (const auto& [address, offered] : addresses)
        EXPECT_EQ(TReportView::IsReportPage(QLatin1String(address), folder), offered) << address;
    EXPECT_FALSE(TReportView::IsReportPage(QStringLiteral("ORVEL report 1.htm"), QString()));

    // The web engine starts only when the viewer is first opened.
    TReportView view;
    EXPECT_EQ(view.Browser(), nullptr);
    EXPECT_FALSE(view.DeleteBtn->isEnabled());
}

void WriteFile(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

/// A case folder with a frameset, a contents page and three reports, one of
/// them in a subfolder; the viewer is opened on it.
class ReportViewTest : public ::testing::Test
{
protected:
    ReportViewTest() : Store(TCaseStore::CaseFolders())
    {
        Case.Folder = Dir.path() + QLatin1Char('/');
        Case.Contents = QStringList{QStringLiteral("<a href=\"ORVEL report 1.htm\" target=main>Report #1</a><br>"),
                                    QStringLiteral("<a href=\"ORVEL report 2.htm\" target=main>Report #2</a><br>"),
                                    QStringLiteral("<a href=\"sub/ORVEL report 3.htm\" target=main>Old report</a><br>"),
                                    QStringLiteral("<!-- see ORVEL report 2.htm -->")};
        QDir(Dir.path()).mkdir(QStringLiteral("sub"));
        WriteFile(Case.Folder + QStringLiteral("index.htm"),
                  QStringLiteral("<html><frameset cols=\"125,*\"><frame name=\"contents\" target=\"main\" src=\"items.htm\">"
                                 "<frame name=\"main\" src=\"ORVEL info.htm\"></frameset></html>"));
        WriteFile(Case.Folder + QStringLiteral("items.htm"), Case.Contents.join(QStringLiteral("\r\n")));
        WriteFile(Case.Folder + QStringLiteral("ORVEL info.htm"), QStringLiteral("<html><body>Welcome</body></html>"));
        for (const char* name : {"ORVEL report 1.htm", "ORVEL report 2.htm", "sub/ORVEL report 3.htm"})
            WriteFile(Case.Folder + QLatin1String(name), QStringLiteral("<html><body><h1>Report</h1></body></html>"));
        View.Open(Case, *Store);
    }

    QString InFolder(const char* name) const { return Case.Folder + QLatin1String(name); }

    bool WaitFor(const std::function<bool()>& shown)
    {
        QSignalSpy spy(&View, &TReportView::AddressChanged);
        QElapsedTimer clock;
        clock.start();
        while (!shown() && clock.elapsed() < 20000)
            spy.wait(int(20000 - clock.elapsed()));
        return shown();
    }
    bool WaitForAddress(const char* name)
    {
        return WaitFor([&] { return View.Address() == InFolder(name); });
    }
    // The frameset shows the contents and the welcome page; either may come last.
    bool WaitForFirstPage()
    {
        return WaitFor([this] {
            return View.Address() == InFolder("ORVEL info.htm") || View.Address() == InFolder("items.htm");
        });
    }
    void ShowDirectly(const char* name)
    {
        ASSERT_TRUE(WaitForFirstPage());
        View.Browser()->load(QUrl::fromLocalFile(InFolder(name)));
        ASSERT_TRUE(WaitForAddress(name));
    }

    // Follows a link of the contents frame, as a click there would. The first
    // page seen may be the welcome page, with the contents frame still loading,
    // so the click is retried until the link is there.
    bool FollowContentsLink(const QString& href)
    {
        const QString click = QStringLiteral(
            "(function() { const contents = window.frames['contents'];"
            " const link = contents && contents.document.querySelector('a[href=\"%1\"]');"
            " if (link) link.click(); return !!link; })()").arg(href);
        QElapsedTimer clock;
        clock.start();
        // Shared, since an answer may come after the wait has given up.
        auto clicked = std::make_shared<std::optional<bool>>();
        while (clicked->value_or(false) == false && clock.elapsed() < 20000) {
            clicked->reset();
            View.Browser()->page()->runJavaScript(click, [clicked](const QVariant& result) { *clicked = result.toBool(); });
            if (!QTest::qWaitFor([&] { return clicked->has_value(); }, 20000))
                return false;
            if (!**clicked)
                QTest::qWait(50);
        }
        return clicked->value_or(false);
    }

    TMessageRecorder Messages;
    QTemporaryDir Dir;
    TCase Case{QStringLiteral("Test")};
    std::unique_ptr<TCaseStore> Store;
    TReportView View;
};

TEST_F(ReportViewTest, DeleteFollowsThePageShownInTheMainFrameAndEachOpeningForgetsTheHistory)
{
    ASSERT_TRUE(WaitForFirstPage());
    EXPECT_FALSE(View.DeleteBtn->isEnabled());
    ASSERT_TRUE(FollowContentsLink(QStringLiteral("ORVEL report 2.htm")));
    ASSERT_TRUE(WaitForAddress("ORVEL report 2.htm"));
    EXPECT_TRUE(View.DeleteBtn->isEnabled());
    ASSERT_TRUE(FollowContentsLink(QStringLiteral("sub/ORVEL report 3.htm")));
    ASSERT_TRUE(WaitForAddress("sub/ORVEL report 3.htm"));
    EXPECT_FALSE(View.DeleteBtn->isEnabled());

    // Each opening starts with an empty history.
    EXPECT_TRUE(View.Browser()->history()->canGoBack());
    View.Open(Case, *Store);
    ASSERT_TRUE(WaitForFirstPage());
    EXPECT_FALSE(View.Browser()->history()->canGoBack());
    View.BackBtn->click();   // nothing to go back to: nothing happens
    EXPECT_EQ(View.Folder(), Case.Folder);
}

TEST_F(ReportViewTest, DeletingAReportRemovesItsFileAndExactlyOneContentsLine)
{
    ShowDirectly("ORVEL report 2.htm");
    ASSERT_TRUE(View.DeleteBtn->isEnabled());
    View.DeleteBtn->click();
    EXPECT_FALSE(QFile::exists(InFolder("ORVEL report 2.htm")));
    EXPECT_EQ(Case.Contents.size(), 3);
    EXPECT_TRUE(Case.Contents.at(1).contains(QStringLiteral("Report #2"))) << "the last line that names it goes";
    QFile items(InFolder("items.htm"));
    ASSERT_TRUE(items.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(items.readAll());
    EXPECT_FALSE(written.contains(QStringLiteral("see ORVEL report 2.htm")));
    EXPECT_TRUE(written.contains(QStringLiteral("Report #2")));
    EXPECT_TRUE(Messages.Errors().isEmpty());
    EXPECT_TRUE(WaitForFirstPage()) << "the first page shows again";
}

TEST_F(ReportViewTest, AReportOrContentsThatCannotBeWrittenKeepEverythingAndSayWhy)
{
    // A folder under a report's name cannot be removed as a file.
    QDir(Dir.path()).mkpath(QStringLiteral("ORVEL report 9.htm/inner"));
    ShowDirectly("ORVEL report 1.htm");
    QFile::remove(InFolder("ORVEL report 1.htm"));
    QDir(Dir.path()).rename(QStringLiteral("ORVEL report 9.htm"), QStringLiteral("ORVEL report 1.htm"));
    const QStringList before = Case.Contents;
    EXPECT_FALSE(View.DeleteReport());
    EXPECT_EQ(Messages.Errors(), QStringList({QStringLiteral("Could not delete file:\r") + InFolder("ORVEL report 1.htm")}));
    EXPECT_EQ(Case.Contents, before);
    EXPECT_EQ(View.Address(), InFolder("ORVEL report 1.htm"));

    // A folder in the way of the contents page fails its write, even for root.
    QDir(Dir.path()).rmdir(QStringLiteral("ORVEL report 1.htm/inner"));
    QDir(Dir.path()).rmdir(QStringLiteral("ORVEL report 1.htm"));
    WriteFile(InFolder("ORVEL report 1.htm"), QStringLiteral("<html></html>"));
    QFile::remove(InFolder("items.htm"));
    QDir(Dir.path()).mkdir(QStringLiteral("items.htm"));
    EXPECT_FALSE(View.DeleteReport());
    EXPECT_EQ(Case.Contents, before);
    ASSERT_EQ(Messages.Errors().size(), 2);
    EXPECT_TRUE(Messages.Errors().last().startsWith(QStringLiteral("Could not write file\r\"") + InFolder("items.htm")))
        << Messages.Errors().last().toStdString();
}

} // namespace
