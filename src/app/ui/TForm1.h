// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the frame around every document window. It owns the options
// record, and wires together the parts that each own one job: the menus and toolbar
// (MainActions), the documents (DocumentManager), mode and target shell
// (ModeController), recent files, the Window menu and the start-up steps.
#pragma once

#include "app/Options.h"
#include "app/ui/MainActions.h"
#include "base/ui/EditorRegistry.h"
#include "base/ui/MainFrame.h"

#include <QMainWindow>

#include <filesystem>

namespace vexil::uibase {
class StatusPanel;
}

namespace vexil::assemble::ui {
class AssemblyController;
}

namespace vexil::editor {
class AutoCodeMenu;
class SearchMenu;
} // namespace vexil::editor

namespace vexil::link::ui {
class TfrmLinkMan;
class TfrmSendFile;
} // namespace vexil::link::ui

namespace vexil::tibasic::ui {
class KeypadWindows;
}

namespace vexil::app {

class DocumentManager;
class ModeController;
class NewFileCommands;
class RecentFilesMenu;
class ToolWindows;
class WindowMenu;

class TForm1 : public QMainWindow, public uibase::MainFrame {
    Q_OBJECT
public:
    explicit TForm1(std::filesystem::path programDirectory, QWidget *parent = nullptr);
    ~TForm1() override;

    // MainFrame
    const Options &options() const override { return options_; }
    std::filesystem::path programDirectory() const override { return programDirectory_; }
    uibase::StatusPanel &statusPanel() override { return *statusPanel_; }
    QMdiArea &mdiArea() override { return *area_; }
    void addDocument(QWidget *document) override;
    QWidget *openFile(const QString &path) override;
    void addRecentFile(const QString &path) override;
    void rebuildWindowMenu() override;
    void showKeypad(varfile::CalcModel model) override;

    Options &mutableOptions() { return options_; }
    uibase::EditorRegistry &registry() { return registry_; }
    MainActions &actions() { return actions_; }
    DocumentManager &documents() { return *documents_; }
    ModeController &mode() { return *mode_; }
    assemble::ui::AssemblyController &assembly() { return *assembly_; }
    link::ui::TfrmSendFile &sendFile() { return *sendFile_; }
    ToolWindows &toolWindows() { return *tools_; }
    tibasic::ui::KeypadWindows &keypads() { return *keypads_; }

    // "A&ssemble and Send..." (F8): beeps unless the active document is a source window.
    void Assemble2Click();
    NewFileCommands &newFiles() { return *newFiles_; }
    editor::AutoCodeMenu &autoCode() { return *autoCode_; }
    editor::SearchMenu &search() { return *search_; }

    // Reads Vexil.opt (creating or repairing it) and tells the user about a damaged one.
    void readOptions();
    // Writes Vexil.opt; false (after telling the user) when that failed.
    bool writeOptions();
    void rebuildRecentFiles();
    void applyStoredMode();
    // Reads autocode.txt and builds the AutoCode menu.
    void loadAutoCode();
    // Enables the commands for the active window and mode; also run when a menu opens.
    void updateCommands();
    // Once the window is maximized: the TI-ASCII Table in the top-left corner, the icons
    // of the minimized windows lined up.
    void placeAsciiTable();

    void openWithDialog();
    void showOptions();
    // "&Link Manager..." (F5), its toolbar button and the TI-82 keypad's LINK key:
    // the Link Manager, modal, created on first use in the current shell's folder.
    void showLinkManager();

protected:
    bool event(QEvent *event) override;
    // Hints of the dialogs and tool windows, which stop at their own window.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectCommands();
    void connectKeypads();
    varfile::CalcModel currentModel() const;

    std::filesystem::path programDirectory_;
    Options options_;
    uibase::EditorRegistry registry_;
    QMdiArea *area_;
    uibase::StatusPanel *statusPanel_;
    MainActions actions_;
    DocumentManager *documents_;
    ModeController *mode_;
    RecentFilesMenu *recent_;
    WindowMenu *windowMenu_;
    ToolWindows *tools_;
    assemble::ui::AssemblyController *assembly_;
    link::ui::TfrmSendFile *sendFile_;
    link::ui::TfrmLinkMan *linkManager_ = nullptr;
    NewFileCommands *newFiles_;
    editor::AutoCodeMenu *autoCode_;
    editor::SearchMenu *search_;
    tibasic::ui::KeypadWindows *keypads_;
};

} // namespace vexil::app
