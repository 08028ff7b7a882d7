// SPDX-License-Identifier: GPL-3.0-or-later
// The menus, commands and toolbar of the main window, created in one place with their
// captions, shortcuts and hints. Behaviour is connected by the parts that own it.
#pragma once

#include <QString>

#include <array>
#include <vector>

class QAction;
class QComboBox;
class QMainWindow;
class QMenu;
class QToolBar;

namespace vexil::app {

// A hint is "short|long": the short part is the tooltip, the long part goes to the
// status panel while the pointer is over the command.
void SetHint(QAction *action, const QString &hint);

struct MainActions {
    QMenu *fileMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *searchMenu = nullptr;
    QMenu *toolsMenu = nullptr;
    QMenu *windowMenu = nullptr;
    QMenu *helpMenu = nullptr;

    QAction *newSource = nullptr; // toolbar only
    QAction *newGallery = nullptr;
    QAction *open = nullptr;
    QAction *save = nullptr;
    QAction *saveAs = nullptr;
    QAction *close = nullptr;
    QAction *closeFile = nullptr; // Ctrl+F4, not on a menu of the main window
    QAction *print = nullptr;
    QAction *recentSeparator = nullptr;
    std::array<QAction *, 4> recent{};
    QAction *exit = nullptr;

    QAction *cut = nullptr;
    QAction *copy = nullptr;
    QAction *paste = nullptr;
    QAction *deleteSelection = nullptr;
    QAction *selectAll = nullptr;
    QAction *headerFile = nullptr; // caption and hint set by the mode
    QAction *includeFile = nullptr;

    QAction *find = nullptr;
    QAction *replace = nullptr;
    QAction *searchAgain = nullptr;
    QAction *goToLine = nullptr;

    QMenu *autoCodeMenu = nullptr; // filled by the AutoCode menu

    QAction *assemble = nullptr;
    QAction *assembleAndSend = nullptr; // hint set by the mode
    QMenu *sendShellMenu = nullptr;
    std::array<QAction *, 3> sendShell{}; // Ash 3.0, CrASH 1.3, AShell83 1.0
    QAction *asciiTable = nullptr;
    QAction *linkManager = nullptr;
    QAction *spriteEditor = nullptr;
    QAction *imageConverter = nullptr;
    QAction *mode82 = nullptr;
    QAction *mode83 = nullptr;
    // Target shells in stored order: Ash 3.0, CrASH 1.3, TI-83 in-built, AShell83 1.0.
    std::array<QAction *, 4> target{};
    QAction *options = nullptr;

    QAction *cascade = nullptr;
    QAction *tile = nullptr;
    QAction *arrangeIcons = nullptr;
    QAction *minimizeAll = nullptr;
    QAction *keypad = nullptr; // checked while a keypad is on screen
    QAction *windowSeparator = nullptr;
    std::array<QAction *, 9> windowItems{};
    QAction *moreWindows = nullptr;

    // Not on the menu bar: its commands live by their Ctrl+Shift shortcuts, in the
    // order of tibasic::InsertSymbols().
    QMenu *insertSymbolMenu = nullptr;
    std::vector<QAction *> insertSymbol;

    QAction *helpTopics = nullptr;
    QAction *about = nullptr;

    QToolBar *toolBar = nullptr;
    QComboBox *modeList = nullptr;
    QComboBox *shell82List = nullptr;
    QComboBox *shell83List = nullptr;
    QAction *shell82ListAction = nullptr; // the toolbar slots, to show one list at a time
    QAction *shell83ListAction = nullptr;
    QMenu *modePopup = nullptr;
};

MainActions BuildMainActions(QMainWindow &window);

} // namespace vexil::app
