#include "objects/controls/AuExplorer.h"
#include "objects/records/ExplorerPayload.h"
#include "objects/records/ObjectKinds.h"
#include "player/PlayerProject.h"
#include "player/RecordingShell.h"
#include "web/WebTestSupport.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

constexpr char kLinksPage[] = R"(<!doctype html><html><body>
<a id="go" href="CMD_GOTOPAGE=Sub Page">sub page</a>
<a id="exit" href="CMD_EXIT">exit</a>
<a id="open" href="CMD_PRINT=a.txt CMD_OPEN=docs/b.pdf">open</a>
<a id="plain" href="other.html">other</a>
</body></html>)";

// A shown main page holding one web view, a sub page, and a recording shell.
struct WebPage {
    PlayerProject Project;
    RecordingShell Shell;
    TAutoRunForm Form;

    WebPage(std::uint8_t type, const std::string& location) {
        WriteFileBytes(Project.File("links.html"),
                       Bytes(kLinksPage, kLinksPage + sizeof kLinksPage - 1));
        WriteFileBytes(Project.File("other.html"), Bytes{'o', 'k'});
        auto page = TestPage("Main", pkMainPage);
        page.Width = 500;
        page.Height = 400;
        auto* object = AddObjectRecord(page.Objects, okExplorer, 10, 10);
        auto* web = ExplorerFieldsOf(object->Payload.get());
        web->ExplorerType = type;
        web->Location = location;
        Project.AddPage(page);
        Project.AddPage(TestPage("Sub Page", pkSubPage));
        EXPECT_TRUE(Form.BuildPage("Main", TPageReadMode::Build));
        Form.show();
    }

    TAuExplorer& View() {
        auto* view = dynamic_cast<TAuExplorer*>(Form.Page().Objects.front()->Control.get());
        EXPECT_NE(view, nullptr);
        return *view;
    }
    platform::WebView& Browser() {
        EXPECT_TRUE(View().HasBrowser()) << "the web engine plug-in did not load";
        return *View().Browser();
    }
    bool Loaded() { return ScriptBecomesTrue(Browser(), "document.getElementById('go') !== null"); }
    void Click(const char* id) {
        Browser().RunJavaScript(QString("document.getElementById('%1').click(); true").arg(id), {});
    }
};

TEST(WebView, OrdinaryLinksNavigateAndRunNothing) {
    WebPage page(etFile, "\\links.html");
    ASSERT_TRUE(page.View().HasBrowser());
    EXPECT_EQ(page.View().NavigatedUrl(),
              QUrl::fromLocalFile(QString::fromStdString(page.Project.File("links.html"))));
    ASSERT_TRUE(page.Loaded());
    page.Click("plain");
    EXPECT_TRUE(ScriptBecomesTrue(page.Browser(), "location.href.endsWith('/other.html')"));
    EXPECT_TRUE(page.Shell.Requests.empty());
    EXPECT_TRUE(page.Form.isVisible());
}

TEST(WebView, OpenWinsOverPrintAndTheLinkDoesNotNavigate) {
    WebPage page(etFile, "\\links.html");
    ASSERT_TRUE(page.View().HasBrowser());
    ASSERT_TRUE(page.Loaded());
    page.Click("open");
    ASSERT_TRUE(RunUntil([&] { return !page.Shell.Requests.empty(); }));
    ASSERT_EQ(page.Shell.Requests.size(), 1u);
    EXPECT_EQ(page.Shell.Requests[0].Verb, "open");
    // The engine turned the backslash the author meant into a slash.
    EXPECT_EQ(page.Shell.Requests[0].File, page.Project.File("docs/b.pdf"));
    EXPECT_TRUE(ScriptBecomesTrue(page.Browser(), "location.href.endsWith('/links.html')"));
}

TEST(WebView, GotoPageShowsThatPageModallyAndExitClosesTheHoldingPage) {
    WebPage page(etFile, "\\links.html");
    ASSERT_TRUE(page.View().HasBrowser());
    ASSERT_TRUE(page.Loaded());
    bool sawModal = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TAutoRunForm*>(window))
                if (form->isVisible() && form->Page().PageName == "Sub Page") {
                    sawModal = form->windowModality() != Qt::NonModal;
                    form->close();
                }
    });
    watcher.start(20);
    page.Click("go");
    EXPECT_TRUE(RunUntil([&] { return sawModal; }));
    watcher.stop();
    EXPECT_TRUE(page.Form.isVisible());

    page.Click("exit");
    EXPECT_TRUE(RunUntil([&] { return !page.Form.isVisible(); }));
    EXPECT_FALSE(page.Form.ExitAll);
}

TEST(WebView, AWebSiteWithALeadingBackslashIsNavigatedUnchanged) {
    WebPage page(etWebSite, "\\links.html");
    ASSERT_TRUE(page.View().HasBrowser());
    EXPECT_EQ(page.Browser().RequestedUrl(), QUrl("\\links.html"));
    EXPECT_TRUE(page.Shell.Requests.empty());
}

} // namespace
} // namespace brelvane::test
