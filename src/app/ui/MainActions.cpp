// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/MainActions.h"

#include "tibasic/InsertSymbols.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace vexil::app {
namespace {

QIcon Themed(const char *name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

QAction *Command(QMenu *menu, const QString &caption, const QString &hint,
                 const QKeySequence &shortcut = {})
{
    auto *action = menu->addAction(caption);
    action->setShortcut(shortcut);
    SetHint(action, hint);
    return action;
}

QComboBox *DropDown(QWidget *parent, const QStringList &entries, const QString &hint)
{
    auto *box = new QComboBox(parent);
    box->addItems(entries);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    box->setToolTip(bar < 0 ? hint : hint.left(bar));
    box->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    return box;
}

} // namespace

void SetHint(QAction *action, const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

MainActions BuildMainActions(QMainWindow &window)
{
    MainActions a;
    QMenuBar *bar = window.menuBar();

    a.fileMenu = bar->addMenu(QObject::tr("&File"));
    a.newSource = new QAction(QObject::tr("New Source"), &window);
    SetHint(a.newSource, QObject::tr("New Source|Create a new assembler source file."));
    a.newGallery =
        Command(a.fileMenu, QObject::tr("&New..."),
                QObject::tr("New (Ctrl+N)|Create a new source, text or calculator file."),
                QKeySequence(Qt::CTRL | Qt::Key_N));
    a.open = Command(a.fileMenu, QObject::tr("&Open..."),
                     QObject::tr("Open (Ctrl+O)|Open an existing file."), QKeySequence::Open);
    a.save = Command(a.fileMenu, QObject::tr("&Save"),
                     QObject::tr("Save (Ctrl+S)|Save the active file."), QKeySequence::Save);
    a.saveAs = Command(a.fileMenu, QObject::tr("S&ave as..."),
                       QObject::tr("Save As|Save the active file under a new name."));
    a.close =
        Command(a.fileMenu, QObject::tr("&Close"), QObject::tr("Close|Close the active file."));
    a.closeFile = new QAction(QObject::tr("&Close File"), &window);
    a.closeFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    window.addAction(a.closeFile);
    a.fileMenu->addSeparator();
    a.print = Command(a.fileMenu, QObject::tr("&Print"),
                      QObject::tr("Print (Ctrl+P)|Print the active file."), QKeySequence::Print);
    a.print->setIcon(Themed("document-print", QStyle::SP_FileIcon));
    a.recentSeparator = a.fileMenu->addSeparator();
    for (auto &item : a.recent) {
        item = a.fileMenu->addAction(QString());
        item->setVisible(false);
    }
    a.fileMenu->addSeparator();
    a.exit = Command(a.fileMenu, QObject::tr("E&xit"), QObject::tr("Exit|Quit Vexil Assembler."));
    a.newSource->setIcon(Themed("document-new", QStyle::SP_FileIcon));
    a.open->setIcon(Themed("document-open", QStyle::SP_DialogOpenButton));
    a.save->setIcon(Themed("document-save", QStyle::SP_DialogSaveButton));

    a.editMenu = bar->addMenu(QObject::tr("&Edit"));
    a.cut = Command(a.editMenu, QObject::tr("&Cut"),
                    QObject::tr("Cut (Ctrl+X)|Move the selection to the clipboard."),
                    QKeySequence(Qt::CTRL | Qt::Key_X));
    a.copy = Command(a.editMenu, QObject::tr("C&opy"),
                     QObject::tr("Copy (Ctrl+C)|Copy the selection to the clipboard."),
                     QKeySequence(Qt::CTRL | Qt::Key_C));
    a.paste = Command(a.editMenu, QObject::tr("&Paste"),
                      QObject::tr("Paste (Ctrl+V)|Insert the clipboard's text."),
                      QKeySequence(Qt::CTRL | Qt::Key_V));
    a.deleteSelection = Command(a.editMenu, QObject::tr("&Delete\tDel"),
                                QObject::tr("Delete|Delete the selection."));
    a.selectAll = Command(a.editMenu, QObject::tr("Se&lect All"),
                          QObject::tr("Select All (Ctrl+A)|Select the whole text."),
                          QKeySequence(Qt::CTRL | Qt::Key_A));
    a.editMenu->addSeparator();
    a.headerFile =
        Command(a.editMenu, QObject::tr("&TI82.H"), QString(), QKeySequence(Qt::CTRL | Qt::Key_H));
    a.includeFile = Command(a.editMenu, QObject::tr("&KEYS.INC"), QString(),
                            QKeySequence(Qt::CTRL | Qt::Key_K));
    a.cut->setIcon(Themed("edit-cut", QStyle::SP_TrashIcon));
    a.copy->setIcon(Themed("edit-copy", QStyle::SP_FileDialogDetailedView));
    a.paste->setIcon(Themed("edit-paste", QStyle::SP_FileDialogContentsView));

    a.searchMenu = bar->addMenu(QObject::tr("&Search"));
    a.find = Command(a.searchMenu, QObject::tr("&Find..."),
                     QObject::tr("Find (Ctrl+F)|Find text in the active file."),
                     QKeySequence(Qt::CTRL | Qt::Key_F));
    a.replace = Command(a.searchMenu, QObject::tr("&Replace..."),
                        QObject::tr("Replace (Ctrl+R)|Replace text in the active file."),
                        QKeySequence(Qt::CTRL | Qt::Key_R));
    a.searchAgain = Command(a.searchMenu, QObject::tr("&Search Again"),
                            QObject::tr("Search Again (F3)|Find the next occurrence of the text."),
                            QKeySequence(Qt::Key_F3));
    a.searchMenu->addSeparator();
    a.goToLine = Command(a.searchMenu, QObject::tr("&Go to Line..."),
                         QObject::tr("Go to Line (Ctrl+G)|Go to a line number."),
                         QKeySequence(Qt::CTRL | Qt::Key_G));
    a.find->setIcon(Themed("edit-find", QStyle::SP_FileDialogInfoView));

    a.autoCodeMenu = bar->addMenu(QObject::tr("&AutoCode"));
    a.toolsMenu = bar->addMenu(QObject::tr("&Tools"));
    a.assemble = Command(a.toolsMenu, QObject::tr("&Assemble..."),
                         QObject::tr("Assemble (F7)|Assemble current source file."),
                         QKeySequence(Qt::Key_F7));
    a.assemble->setIcon(Themed("system-run", QStyle::SP_MediaPlay));
    a.assembleAndSend = Command(a.toolsMenu, QObject::tr("A&ssemble and Send..."), QString(),
                                QKeySequence(Qt::Key_F8));
    a.assembleAndSend->setIcon(Themed("document-send", QStyle::SP_ArrowRight));
    a.sendShellMenu = a.toolsMenu->addMenu(QObject::tr("&Send Shell"));
    a.sendShell[0] = Command(a.sendShellMenu, QObject::tr("&Ash 3.0"),
                             QObject::tr("Send Ash 3.0|Send the Ash 3.0 shell to the TI-82."));
    a.sendShell[1] = Command(a.sendShellMenu, QObject::tr("&CrASH 1.3"),
                             QObject::tr("Send CrASH 1.3|Send the CrASH 1.3 shell to the TI-82."));
    a.sendShell[2] =
        Command(a.sendShellMenu, QObject::tr("A&Shell83 1.0"),
                QObject::tr("Send AShell83 1.0|Send the AShell83 1.0 shell to the TI-83."));
    a.toolsMenu->addSeparator();
    a.asciiTable = Command(a.toolsMenu, QObject::tr("TI-&Ascii Table"),
                           QObject::tr("TI-Ascii Table (F2)|Show the calculator's character set."),
                           QKeySequence(Qt::Key_F2));
    a.asciiTable->setIcon(Themed("accessories-character-map", QStyle::SP_FileDialogListView));
    a.linkManager = Command(
        a.toolsMenu, QObject::tr("&Link Manager..."),
        QObject::tr("Link Manager (F5)|Send files to the calculator, receive from it and manage "
                    "calculator files."),
        QKeySequence(Qt::Key_F5));
    a.linkManager->setIcon(Themed("network-transmit-receive", QStyle::SP_DriveNetIcon));
    a.imageConverter =
        Command(a.toolsMenu, QObject::tr("&Image Converter..."),
                QObject::tr("Image Converter (F4)|Convert pictures between bitmaps, Pic files, the "
                            "calculator and assembler data."),
                QKeySequence(Qt::Key_F4));
    a.imageConverter->setIcon(Themed("image-x-generic", QStyle::SP_DriveFDIcon));
    a.spriteEditor =
        Command(a.toolsMenu, QObject::tr("&Sprite Editor..."),
                QObject::tr("Sprite Editor (F6)|Draw a sprite and copy it as assembler data."),
                QKeySequence(Qt::Key_F6));
    a.spriteEditor->setIcon(Themed("applications-graphics", QStyle::SP_DesktopIcon));
    a.toolsMenu->addSeparator();
    QMenu *mode = a.toolsMenu->addMenu(QObject::tr("&Development Mode"));
    auto *modeGroup = new QActionGroup(&window);
    a.mode82 = Command(mode, QObject::tr("TI-8&2 Mode"),
                       QObject::tr("TI-82 Mode|Develop programs for the TI-82."));
    a.mode83 = Command(mode, QObject::tr("TI-8&3 Mode"),
                       QObject::tr("TI-83 Mode|Develop programs for the TI-83."));
    for (QAction *item : {a.mode82, a.mode83}) {
        item->setCheckable(true);
        modeGroup->addAction(item);
    }
    QMenu *target = a.toolsMenu->addMenu(QObject::tr("&Target Shell"));
    const QStringList targets = {QObject::tr("&Ash 3.0"), QObject::tr("&CrASH 1.3"),
                                 QObject::tr("&TI-83 In-built"), QObject::tr("A&Shell83 1.0")};
    const QStringList targetHints = {
        QObject::tr("Ash 3.0|Build TI-82 programs for the Ash 3.0 shell."),
        QObject::tr("CrASH 1.3|Build TI-82 programs for the CrASH 1.3 shell."),
        QObject::tr(
            "TI-83 In-built|Build TI-83 programs for the calculator's own assembly support."),
        QObject::tr("AShell83 1.0|Build TI-83 programs for the AShell83 1.0 shell.")};
    for (std::size_t i = 0; i < a.target.size(); ++i) {
        a.target[i] = Command(target, targets[static_cast<qsizetype>(i)],
                              targetHints[static_cast<qsizetype>(i)]);
        a.target[i]->setCheckable(true);
        if (i == 2) {
            target->addSeparator();
        }
    }
    a.toolsMenu->addSeparator();
    a.options = Command(a.toolsMenu, QObject::tr("&Options..."),
                        QObject::tr("Options|Change the link, assembler and editor settings."));

    a.windowMenu = bar->addMenu(QObject::tr("&Window"));
    a.cascade = Command(a.windowMenu, QObject::tr("&Cascade"),
                        QObject::tr("Cascade|Arrange the windows so that they overlap."),
                        QKeySequence(Qt::SHIFT | Qt::Key_F6));
    a.tile = Command(a.windowMenu, QObject::tr("&Tile"),
                     QObject::tr("Tile|Arrange the windows side by side."),
                     QKeySequence(Qt::SHIFT | Qt::Key_F4));
    a.arrangeIcons = Command(a.windowMenu, QObject::tr("&Arrange Icons"),
                             QObject::tr("Arrange Icons|Line up the minimized windows."));
    a.minimizeAll = Command(a.windowMenu, QObject::tr("&Minimize All"),
                            QObject::tr("Minimize All|Minimize every window."));
    a.windowMenu->addSeparator();
    a.keypad = Command(a.windowMenu, QObject::tr("&Keypad"),
                       QObject::tr("Keypad|Show the keypad of the calculator you develop for."));
    a.keypad->setCheckable(true);
    a.windowSeparator = a.windowMenu->addSeparator();
    for (auto &item : a.windowItems) {
        item = a.windowMenu->addAction(QString());
        item->setVisible(false);
    }
    a.moreWindows = a.windowMenu->addAction(QObject::tr("&0 More Windows..."));
    SetHint(a.moreWindows, QObject::tr("More Windows|Choose from the list of all windows."));
    a.moreWindows->setVisible(false);

    a.insertSymbolMenu = new QMenu(QObject::tr("Insert Symbol"), &window);
    for (const tibasic::InsertSymbol &symbol : tibasic::InsertSymbols()) {
        QAction *item = a.insertSymbolMenu->addAction(QString::fromStdString(symbol.command));
        item->setShortcut(
            QKeySequence(QStringLiteral("Ctrl+Shift+") + QString::fromStdString(symbol.shortcut)));
        // A hidden menu's shortcuts work only through actions the window itself holds.
        window.addAction(item);
        a.insertSymbol.push_back(item);
    }

    a.helpMenu = bar->addMenu(QObject::tr("&Help"));
    a.helpTopics = Command(a.helpMenu, QObject::tr("&Help Topics"),
                           QObject::tr("Help Topics (F1)|Show the contents of the help."),
                           QKeySequence(Qt::Key_F1));
    a.helpTopics->setIcon(Themed("help-browser", QStyle::SP_DialogHelpButton));
    a.helpMenu->addSeparator();
    a.about = Command(a.helpMenu, QObject::tr("&About Vexil Assembler..."),
                      QObject::tr("About|Show the version and credits of Vexil Assembler."));

    a.toolBar = window.addToolBar(QObject::tr("Toolbar"));
    a.toolBar->setObjectName(QStringLiteral("mainToolBar"));
    a.toolBar->setMovable(false);
    a.toolBar->setIconSize(QSize(20, 20));
    a.toolBar->addAction(a.newSource);
    a.toolBar->addAction(a.open);
    a.toolBar->addAction(a.save);
    a.toolBar->addSeparator();
    a.toolBar->addAction(a.cut);
    a.toolBar->addAction(a.copy);
    a.toolBar->addAction(a.paste);
    a.toolBar->addAction(a.find);
    a.toolBar->addSeparator();
    a.toolBar->addAction(a.assemble);
    a.toolBar->addAction(a.assembleAndSend);
    a.toolBar->addSeparator();
    a.toolBar->addAction(a.linkManager);
    a.toolBar->addAction(a.asciiTable);
    a.toolBar->addAction(a.spriteEditor);
    a.toolBar->addSeparator();
    a.toolBar->addAction(a.helpTopics);
    a.toolBar->addAction(a.imageConverter);
    a.toolBar->addSeparator();
    a.modeList = DropDown(a.toolBar,
                          {QStringLiteral("TI-82 Devlopment"), QStringLiteral("TI-83 Devlopment")},
                          QObject::tr("Development mode|Choose the calculator you develop for."));
    a.shell82List =
        DropDown(a.toolBar, {QStringLiteral("Ash 3.0"), QStringLiteral("CrASH 1.3")},
                 QObject::tr("TI-82 shell|Choose the TI-82 shell programs are built for."));
    a.shell83List =
        DropDown(a.toolBar, {QStringLiteral("TI-83 In-built"), QStringLiteral("AShell83 1.0")},
                 QObject::tr("TI-83 shell|Choose how TI-83 programs are built."));
    a.toolBar->addWidget(a.modeList);
    a.shell82ListAction = a.toolBar->addWidget(a.shell82List);
    a.shell83ListAction = a.toolBar->addWidget(a.shell83List);

    a.modePopup = new QMenu(&window);
    a.modePopup->addAction(a.mode82);
    a.modePopup->addAction(a.mode83);
    return a;
}

} // namespace vexil::app
