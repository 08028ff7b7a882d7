// SPDX-License-Identifier: GPL-3.0-or-later
// Each window's Help button, and F1 in the main window, open the help on the page and
// anchor of their topic.
#include "app/ui/ConverterCable.h"
#include "app/ui/TForm1.h"
#include "app/ui/TfrmOptions.h"
#include "app/ui/TfrmWindows.h"
#include "assemble/ui/TfrmAssemble.h"
#include "base/HelpTopics.h"
#include "base/ui/HelpViewer.h"
#include "base/ui/ScriptedDialogService.h"
#include "editor/autocode/ui/TfrmAutocode.h"
#include "editor/autocode/ui/TfrmHeaders.h"
#include "link/LinkDevice.h"
#include "link/ui/TfrmLinkMan.h"
#include "link/ui/TfrmSendFile.h"
#include "support/ui/FakeMainFrame.h"
#include "tools/ui/TfrmConvert.h"
#include "tools/ui/TfrmSprite.h"
#include "varfile/group/ui/TfrmGroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace vexil;
using uibase::HelpViewer;

namespace {

const fs::path kHelpFolder = fs::path(VEXIL_SOURCE_DIR) / "data" / "help";

class HelpButtonsTest : public ::testing::Test {
protected:
    void SetUp() override { uibase::SetInstalledHelpFolder(kHelpFolder); }
    void TearDown() override
    {
        delete HelpViewer::current();
        uibase::SetInstalledHelpFolder({});
    }

    // Presses the window's Help button (or its Help tool button) and tells where the
    // viewer went: the page's file name and the anchor.
    static QString PressHelp(QWidget &window)
    {
        window.show();
        bool pressed = false;
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            if (!pressed && button->text().remove(QLatin1Char('&')) == QLatin1String("Help")) {
                button->click();
                pressed = true;
            }
        }
        for (QAction *action : window.findChildren<QAction *>()) {
            if (!pressed && action->text().remove(QLatin1Char('&')) == QLatin1String("Help")) {
                action->trigger();
                pressed = true;
            }
        }
        if (!pressed || HelpViewer::current() == nullptr) {
            return QStringLiteral("(no help)");
        }
        const QUrl shown = HelpViewer::current()->browser()->source();
        return shown.fileName() + QLatin1Char('#') + shown.fragment();
    }

    static QString Expected(const char *topic)
    {
        return QString::fromLatin1(base::HelpTopicPage(topic).data()) + QLatin1Char('#') +
               QLatin1String(topic);
    }

    QTemporaryDir dir;
    fs::path programDir() const { return dir.path().toStdString(); }
    uibase::ScopedScriptedDialogs dialogs;
};

} // namespace

TEST_F(HelpButtonsTest, EveryDialogOpensItsTopic)
{
    app::Options options = app::DefaultOptions();
    app::TfrmOptions optionsDialog(options, programDir());
    EXPECT_EQ(PressHelp(optionsDialog), Expected("IDH_DLGOPTIONS"));

    app::TfrmWindows windows({QStringLiteral("one"), QStringLiteral("two")}, programDir());
    EXPECT_EQ(PressHelp(windows), Expected("IDH_DLGWINDOWS"));

    editor::TfrmAutocode autocode({QStringLiteral("loop|djnz loop")}, programDir());
    EXPECT_EQ(PressHelp(autocode), Expected("IDH_DLGAUTOCODE"));

    editor::TfrmHeaders headers(programDir());
    EXPECT_EQ(PressHelp(headers), Expected("IDH_HEADERS"));

    assemble::ui::TfrmAssemble assembleDialog(programDir());
    EXPECT_EQ(PressHelp(assembleDialog), Expected("IDH_DLGASSEMBLE"));

    tools::TfrmSprite sprite(programDir(), [] { return std::optional<QString>(); });
    EXPECT_EQ(PressHelp(sprite), Expected("IDH_DLGSPRITE"));

    link::ui::TfrmSendFile transfer([this] {
        return link::ui::LinkSettings{0, link::kPortVirtualCable, false, programDir()};
    });
    link::ui::TfrmLinkMan linkManager(
        transfer, [] { return varfile::CalcModel::TI83; }, programDir(), dir.path());
    EXPECT_EQ(PressHelp(linkManager), Expected("IDH_LINKMAN"));

    app::ConverterCable cable{transfer, [] { return true; }, nullptr};
    tools::TfrmConvert converter{programDir(), [] { return varfile::CalcModel::TI83; }, cable};
    EXPECT_EQ(PressHelp(converter), Expected("IDH_DLGSCREEN"));

    vexil::testing::FakeMainFrame frame;
    group::ui::TfrmGroup group(frame);
    EXPECT_EQ(PressHelp(group), Expected("IDH_DLGGROUP"));

    EXPECT_EQ(dialogs->shown.size(), 0u);
}

TEST_F(HelpButtonsTest, F1InTheMainWindowOpensTheContents)
{
    app::TForm1 form(programDir());
    QAction *helpTopics = nullptr;
    for (QAction *action : form.findChildren<QAction *>()) {
        if (action->shortcut() == QKeySequence(Qt::Key_F1)) {
            helpTopics = action;
        }
    }
    ASSERT_NE(helpTopics, nullptr);
    helpTopics->trigger();
    ASSERT_NE(HelpViewer::current(), nullptr);
    const QUrl shown = HelpViewer::current()->browser()->source();
    EXPECT_EQ(shown.fileName(), QString::fromLatin1(base::kHelpContentsPage.data()));
    EXPECT_TRUE(shown.fragment().isEmpty());
    EXPECT_TRUE(fs::is_regular_file(kHelpFolder / base::kHelpContentsPage));
}
