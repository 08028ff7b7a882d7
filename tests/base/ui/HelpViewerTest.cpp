// SPDX-License-Identifier: GPL-3.0-or-later
// The help set as the viewer reads it: every link reaches a page and an anchor, every
// topic a window names has its anchor and words under it, every call of ShowHelp in
// the sources names such a topic; and the viewer's own commands.
#include "base/ui/HelpViewer.h"
#include "base/HelpTopics.h"
#include "base/ui/DialogService.h"
#include "base/ui/HelpFindBar.h"
#include "base/ui/ScriptedDialogService.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;
using namespace vexil;
using uibase::HelpViewer;

namespace {

const fs::path kHelpFolder = fs::path(VEXIL_SOURCE_DIR) / "data" / "help";

// A page as the viewer's browser parses it: the anchors it can scroll to, the
// links it offers, its title and its text.
struct ParsedPage {
    QSet<QString> anchors;
    QStringList links;
    QString title;
    QString text;
};

ParsedPage Parse(const fs::path &file)
{
    QTextBrowser browser;
    browser.setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    ParsedPage page;
    page.title = browser.documentTitle();
    page.text = browser.toPlainText();
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (const QString &name : block.charFormat().anchorNames()) {
            page.anchors.insert(name);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString &name : format.anchorNames()) {
                page.anchors.insert(name);
            }
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                page.links.append(format.anchorHref());
            }
        }
    }
    return page;
}

std::map<std::string, ParsedPage> ParseHelpSet()
{
    std::map<std::string, ParsedPage> pages;
    for (const auto &entry : fs::directory_iterator(kHelpFolder)) {
        if (entry.path().extension() == ".html") {
            pages[entry.path().filename().string()] = Parse(entry.path());
        }
    }
    return pages;
}

// The words under the heading that carries the anchor `topic`, up to the next heading
// of its level or above: what a user reads after pressing a Help button.
int WordsAfter(const fs::path &file, const QString &topic)
{
    QFile source(QString::fromStdString(file.string()));
    if (!source.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QString text = QString::fromUtf8(source.readAll());
    const QRegularExpressionMatch heading =
        QRegularExpression(QStringLiteral("<h([1-6]) id=\"%1\"").arg(topic)).match(text);
    if (!heading.hasMatch()) {
        return 0;
    }
    const QRegularExpression next(QStringLiteral("<h[1-%1][ >]").arg(heading.captured(1)));
    const qsizetype start = heading.capturedEnd();
    const qsizetype end = text.indexOf(next, start);
    QString section = text.mid(start, end < 0 ? -1 : end - start);
    section.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return static_cast<int>(
        section.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());
}

} // namespace

TEST(HelpSetTest, EveryLinkReachesAPageAndItsAnchor)
{
    const std::map<std::string, ParsedPage> pages = ParseHelpSet();
    ASSERT_TRUE(pages.count(std::string(base::kHelpContentsPage)));
    QSet<QString> linkedTo;
    for (const auto &[name, page] : pages) {
        EXPECT_FALSE(page.title.isEmpty()) << name << " has no title";
        for (const QString &link : page.links) {
            const QUrl url(link);
            if (!url.scheme().isEmpty()) {
                EXPECT_TRUE(url.scheme() == QLatin1String("https"))
                    << name << ": " << link.toStdString();
                continue;
            }
            const QString target = url.path().isEmpty() ? QString::fromStdString(name) : url.path();
            const auto found = pages.find(target.toStdString());
            ASSERT_NE(found, pages.end())
                << name << " links to the missing page " << link.toStdString();
            linkedTo.insert(target);
            if (url.hasFragment()) {
                EXPECT_TRUE(found->second.anchors.contains(url.fragment()))
                    << name << " links to " << link.toStdString() << ", which has no such anchor";
            }
        }
    }
    // No page is left where no link leads.
    for (const auto &[name, page] : pages) {
        EXPECT_TRUE(name == base::kHelpContentsPage ||
                    linkedTo.contains(QString::fromStdString(name)))
            << name << " is not linked from any page";
    }
}

TEST(HelpSetTest, EveryTopicHasItsAnchorAndSomethingToRead)
{
    const std::map<std::string, ParsedPage> pages = ParseHelpSet();
    for (const base::HelpTopic &topic : base::kHelpTopics) {
        const QString id =
            QString::fromLatin1(topic.id.data(), static_cast<qsizetype>(topic.id.size()));
        const auto page = pages.find(std::string(topic.page));
        ASSERT_NE(page, pages.end()) << topic.page;
        EXPECT_TRUE(page->second.anchors.contains(id)) << topic.page << " lacks " << topic.id;
        EXPECT_GE(WordsAfter(kHelpFolder / topic.page, id), 60) << topic.id;
    }
    EXPECT_TRUE(base::HelpTopicPage("IDH_NOSUCHTOPIC").empty());
}

TEST(HelpSetTest, EveryHelpCallInTheSourcesNamesAKnownTopic)
{
    // Whatever window asks for help, its topic is in the table, so it reaches a page.
    const QRegularExpression call(QStringLiteral("ShowHelp\\([^;]*\"(IDH_[A-Z0-9_]+)\""));
    int calls = 0;
    for (const auto &entry : fs::recursive_directory_iterator(fs::path(VEXIL_SOURCE_DIR) / "src")) {
        if (entry.path().extension() != ".cpp") {
            continue;
        }
        QFile file(QString::fromStdString(entry.path().string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll()).simplified();
        for (auto match = call.globalMatch(text); match.hasNext();) {
            const std::string topic = match.next().captured(1).toStdString();
            ++calls;
            EXPECT_FALSE(base::HelpTopicPage(topic).empty())
                << entry.path().filename() << " asks for " << topic;
        }
    }
    EXPECT_GE(calls, static_cast<int>(base::kHelpTopics.size()));
}

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override { uibase::SetInstalledHelpFolder(kHelpFolder); }
    void TearDown() override
    {
        delete HelpViewer::current();
        uibase::SetInstalledHelpFolder({});
    }

    static QString PageName(const HelpViewer &viewer)
    {
        return viewer.browser()->source().fileName();
    }
    static QAction *Command(const HelpViewer &viewer, const QString &text)
    {
        for (QAction *action : viewer.findChildren<QAction *>()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }
};

TEST_F(HelpViewerTest, TopicsOpenTheirPageAndTheHistoryGoesBackAndForth)
{
    uibase::ShowHelp("/nonexistent", QStringLiteral("IDH_LINKMAN"));
    HelpViewer *viewer = HelpViewer::current();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(PageName(*viewer), QStringLiteral("linkman.html"));
    EXPECT_EQ(viewer->browser()->source().fragment(), QStringLiteral("IDH_LINKMAN"));
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Link Manager - Help"));

    // A link to another page, then back and forward again.
    viewer->browser()->setSource(QUrl(QStringLiteral("cables.html#parallel")));
    EXPECT_EQ(PageName(*viewer), QStringLiteral("cables.html"));
    QAction *back = Command(*viewer, QStringLiteral("&Back"));
    QAction *forward = Command(*viewer, QStringLiteral("&Forward"));
    ASSERT_TRUE(back && forward);
    EXPECT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_EQ(PageName(*viewer), QStringLiteral("linkman.html"));
    EXPECT_TRUE(forward->isEnabled());
    forward->trigger();
    EXPECT_EQ(PageName(*viewer), QStringLiteral("cables.html"));
    Command(*viewer, QStringLiteral("&Contents"))->trigger();
    EXPECT_EQ(PageName(*viewer), QStringLiteral("index.html"));

    // The same window serves the next request; no topic means the contents.
    uibase::ShowHelp("/nonexistent", QStringLiteral("IDH_DLGSPRITE"));
    EXPECT_EQ(HelpViewer::current(), viewer);
    EXPECT_EQ(PageName(*viewer), QStringLiteral("sprite.html"));
    uibase::ShowHelp("/nonexistent");
    EXPECT_EQ(PageName(*viewer), QStringLiteral("index.html"));
}

TEST_F(HelpViewerTest, FindMarksEveryMatchAndGoesRoundThePage)
{
    uibase::ShowHelp("/nonexistent", QStringLiteral("IDH_DLGOPTIONS"));
    HelpViewer *viewer = HelpViewer::current();
    ASSERT_NE(viewer, nullptr);
    Command(*viewer, QStringLiteral("&Find"))->trigger();
    uibase::HelpFindBar *bar = viewer->findBar();
    EXPECT_FALSE(bar->isHidden());

    const QString page = viewer->browser()->toPlainText();
    bar->textBox()->setText(QStringLiteral("port"));
    const int expected = static_cast<int>(page.count(QStringLiteral("port"), Qt::CaseInsensitive));
    ASSERT_GE(expected, 3);
    EXPECT_EQ(bar->matchCount(), expected);
    EXPECT_EQ(viewer->browser()->extraSelections().size(), expected);
    // Typing found the first match; each further search the next, then round again.
    const int first = viewer->browser()->textCursor().selectionStart();
    for (int i = 1; i < expected; ++i) {
        EXPECT_TRUE(bar->findNext());
        EXPECT_GT(viewer->browser()->textCursor().selectionStart(), first);
    }
    EXPECT_TRUE(bar->findNext());
    EXPECT_EQ(viewer->browser()->textCursor().selectionStart(), first);
    EXPECT_TRUE(bar->findNext(true));
    EXPECT_GT(viewer->browser()->textCursor().selectionStart(), first);

    bar->textBox()->setText(QStringLiteral("no such words here"));
    EXPECT_EQ(bar->matchCount(), 0);
    EXPECT_FALSE(bar->findNext());
    // Another page searches it from its top.
    bar->textBox()->setText(QStringLiteral("dialout"));
    viewer->browser()->setSource(QUrl(QStringLiteral("cables.html")));
    EXPECT_GE(bar->matchCount(), 2);
}

TEST_F(HelpViewerTest, FromAModalDialogTheViewerBelongsToIt)
{
    // Input to other windows is blocked while a modal dialog runs; the viewer takes
    // input only as a window of that dialog.
    QDialog dialog;
    bool ownedByDialog = false;
    QTimer::singleShot(0, &dialog, [&] {
        uibase::ShowHelp("/nonexistent", QStringLiteral("IDH_HEADERS"));
        HelpViewer *viewer = HelpViewer::current();
        ownedByDialog =
            viewer != nullptr && viewer->parentWidget() == &dialog && viewer->isWindow();
        dialog.accept();
    });
    dialog.exec();
    EXPECT_TRUE(ownedByDialog);
    // Asked for again without a dialog, it is a window of its own again.
    uibase::ShowHelp("/nonexistent");
    ASSERT_NE(HelpViewer::current(), nullptr);
    EXPECT_EQ(HelpViewer::current()->parentWidget(), nullptr);
}

TEST_F(HelpViewerTest, PagesComeFromTheInstallationBeforeTheSeededCopy)
{
    QTemporaryDir programDirectory;
    const fs::path seeded = fs::path(programDirectory.path().toStdString()) / "help";
    EXPECT_EQ(uibase::HelpFolderFor(programDirectory.path().toStdString()), kHelpFolder);
    // Without installed pages the copy in the program directory is shown...
    uibase::SetInstalledHelpFolder(seeded.parent_path() / "not-installed");
    EXPECT_EQ(uibase::HelpFolderFor(programDirectory.path().toStdString()), seeded);
    // ...and when that is missing too, the user is told where they were looked for.
    uibase::ScopedScriptedDialogs dialogs;
    uibase::ShowHelp(programDirectory.path().toStdString());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_NE(dialogs->shown.front().text.indexOf(QString::fromStdString(seeded.string())), -1);
    EXPECT_EQ(HelpViewer::current(), nullptr);
}
