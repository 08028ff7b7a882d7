// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help viewer: the HTML pages of the help folder in one reusable
// window, with Back, Forward and Contents, links between pages, and a find bar
// for the page shown (Ctrl+F). External links open in the web browser.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <filesystem>

class QAction;
class QTextBrowser;

namespace vexil::uibase {

class HelpFindBar;

// The help folder of the installed data folder, whose pages are always those of the
// running version; the program directory's copy (seeded once, never refreshed) is
// only the fallback. Set once at start-up.
void SetInstalledHelpFolder(const std::filesystem::path &folder);

// Where the help pages are read from for `programDirectory`: the installed folder
// when it holds the contents page, else help/ in the program directory.
std::filesystem::path HelpFolderFor(const std::filesystem::path &programDirectory);

// Shows the contents page, or the page and anchor of `topic` (an IDH_... name). A
// missing help folder is reported with a message box. Called from a modal dialog,
// the viewer stays usable beside it.
void ShowHelp(const std::filesystem::path &programDirectory, const QString &topic = {});

class HelpViewer : public QMainWindow {
    Q_OBJECT

public:
    // The open viewer, or null.
    static HelpViewer *current();

    explicit HelpViewer(QWidget *parent = nullptr);

    void showPage(const QUrl &page, const QUrl &contents);
    QTextBrowser *browser() const { return browser_; }
    HelpFindBar *findBar() const { return findBar_; }

private:
    void updateTitle();

    QTextBrowser *browser_;
    HelpFindBar *findBar_;
    QAction *back_;
    QAction *forward_;
    QAction *contents_;
    QUrl contentsPage_;
};

} // namespace vexil::uibase
