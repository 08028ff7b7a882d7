// SPDX-License-Identifier: GPL-3.0-or-later
// The assembly run as the main window drives it: the Assemble command, the
// save-or-ask step, the Assemble and progress dialogs, the 100 ms poll and what a
// finished run shows (status panel, error list, listing window, program file).
// The run itself is AssemblyRun's; this class only shows what it reports.
#pragma once

#include "assemble/run/AssemblyRun.h"

#include <QObject>
#include <QPointer>

#include <filesystem>
#include <memory>

class QTimer;
class QWidget;

namespace vexil::uibase {
class MainFrame;
}

namespace vexil::editor {
class TfrmSource;
}

namespace vexil::assemble::ui {

class TfrmAssemble;
class TfrmProgress;

class AssemblyController : public QObject {
    Q_OBJECT
public:
    // `mainWindow` is the window the progress dialog disables while a run is on.
    AssemblyController(uibase::MainFrame &frame, QWidget &mainWindow, QObject *parent = nullptr);
    ~AssemblyController() override;

    // The tasm installed with Vexil; by default the one beside the running program.
    void setInstalledAssembler(std::filesystem::path path)
    {
        installedAssembler_ = std::move(path);
    }

    // "&Assemble..." (F7): beeps unless the active document is a source window.
    void Assemble1Click();
    // Saves (or asks), shows the Assemble dialog and starts the run; does nothing
    // unless the active window is an assembler source (listings are never assembled).
    void AssembleActiveSource();
    // The poll, every 100 ms while a run is on.
    void Timer1Timer();

    // Set by the command that starts a run; a run started this way hands its program
    // file on through sendRequested.
    bool SendAfterAssembly = false;
    bool CancelRequested() const;

    QTimer *Timer1;
    TfrmAssemble &assembleDialog() { return *assembleDialog_; }
    TfrmProgress &progressDialog() { return *progress_; }
    const run::AssemblyRun &currentRun() const { return run_; }

signals:
    // A run started with SendAfterAssembly wrote this program file.
    void sendRequested(const QString &programFile);

private:
    void watchSourceWindows();
    bool saveOrAsk(editor::TfrmSource &source);
    bool askProgramOptions(editor::TfrmSource &source);
    void startRun(editor::TfrmSource &source);
    void showFailure(const run::PollResult &result);
    void finishSuccess();

    uibase::MainFrame &frame_;
    QWidget &mainWindow_;
    std::filesystem::path installedAssembler_;
    TfrmAssemble *assembleDialog_;
    std::unique_ptr<TfrmProgress> progress_;
    run::AssemblyRun run_;
    QPointer<editor::TfrmSource> source_; // the window the running run belongs to
};

} // namespace vexil::assemble::ui
