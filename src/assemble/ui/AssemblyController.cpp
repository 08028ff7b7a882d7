// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ui/AssemblyController.h"

#include "assemble/run/AssembleDialogRules.h"
#include "assemble/run/RunTexts.h"
#include "assemble/ui/FilteredLineEdit.h"
#include "assemble/ui/ListingWindow.h"
#include "assemble/ui/TfrmAssemble.h"
#include "assemble/ui/TfrmProgress.h"
#include "base/ui/DialogService.h"
#include "base/ui/MainFrame.h"
#include "base/ui/StatusPanel.h"
#include "editor/ui/TfrmSource.h"

#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace vexil::assemble::ui {
namespace {

namespace fs = std::filesystem;
using uibase::Dialogs;
using uibase::MessageKind;

constexpr int kPollIntervalMs = 100;
const QColor kFailedColor(Qt::red);
const QColor kSucceededColor(Qt::blue);

QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

fs::path ToPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

run::AssemblerFlags FlagsFrom(const app::Options &options)
{
    run::AssemblerFlags flags;
    flags.outputListing = options.outputListing;
    flags.includeLabels = options.includeLabels;
    flags.expandMacros = options.expandMacros;
    flags.pageListing = options.pageListing;
    flags.ignoreCase = options.ignoreCase;
    flags.checkIllegal = options.checkIllegal;
    flags.checkUnused = options.checkUnused;
    flags.checkDuplicate = options.checkDuplicate;
    flags.checkNonUnary = options.checkNonUnary;
    return flags;
}

editor::TfrmSource *ActiveSourceWindow(QMdiArea &area)
{
    QMdiSubWindow *sub = area.currentSubWindow();
    return sub != nullptr ? qobject_cast<editor::TfrmSource *>(sub->widget()) : nullptr;
}

bool FileExists(const fs::path &path)
{
    std::error_code ignored;
    return fs::exists(path, ignored);
}

} // namespace

AssemblyController::AssemblyController(uibase::MainFrame &frame, QWidget &mainWindow,
                                       QObject *parent)
    : QObject(parent), Timer1(new QTimer(this)), frame_(frame), mainWindow_(mainWindow),
      installedAssembler_(ToPath(QCoreApplication::applicationDirPath() + QStringLiteral("/tasm"))),
      assembleDialog_(new TfrmAssemble(frame.programDirectory(), &mainWindow)),
      progress_(std::make_unique<TfrmProgress>(mainWindow))
{
    Timer1->setInterval(kPollIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &AssemblyController::Timer1Timer);
    watchSourceWindows();
}

AssemblyController::~AssemblyController() = default;

void AssemblyController::watchSourceWindows()
{
    // Source windows offer "&Assemble" on their pop-up menu; a window is always
    // activated before its menu can open, so connecting on activation reaches all.
    connect(&frame_.mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        auto *source = sub != nullptr ? qobject_cast<editor::TfrmSource *>(sub->widget()) : nullptr;
        if (source != nullptr) {
            connect(source, &editor::TfrmSource::assembleRequested, this,
                    &AssemblyController::Assemble1Click, Qt::UniqueConnection);
        }
    });
}

bool AssemblyController::CancelRequested() const
{
    return progress_->cancelRequested();
}

void AssemblyController::Assemble1Click()
{
    if (ActiveSourceWindow(frame_.mdiArea()) == nullptr) {
        Dialogs().beep();
        return;
    }
    SendAfterAssembly = false;
    AssembleActiveSource();
}

void AssemblyController::AssembleActiveSource()
{
    editor::TfrmSource *source = ActiveSourceWindow(frame_.mdiArea());
    if (source == nullptr || !source->IsSource) {
        return;
    }
    if (!saveOrAsk(*source) || !askProgramOptions(*source)) {
        return;
    }
    startRun(*source);
}

bool AssemblyController::saveOrAsk(editor::TfrmSource &source)
{
    if (!source.isModified() && !source.FileName.isEmpty()) {
        return true;
    }
    bool saved = false;
    if (frame_.options().autoSave) {
        saved = source.SaveFile();
    } else if (Dialogs().message(MessageKind::Confirmation, FromStd(run::kSaveQuestion),
                                 uibase::Buttons::YesNo) == uibase::Answer::Yes) {
        saved = source.SaveFile();
    }
    if (!saved) {
        frame_.statusPanel().clear();
    }
    return saved;
}

bool AssemblyController::askProgramOptions(editor::TfrmSource &source)
{
    const app::Options &options = frame_.options();
    const run::ResolvedName name = run::ResolveProgramName(
        source.Memo1->text().toStdString(), source.ProgName.toStdString(), ToPath(source.FileName));
    if (name.progNameChanged) {
        source.ProgName = QString::fromStdString(name.progName);
        source.setModified(true);
    }
    AssembleDialogSetup setup;
    setup.fileName = source.FileName;
    setup.sendAfterAssembly = SendAfterAssembly;
    setup.ti83Mode = options.ti83Mode;
    setup.target = app::SelectedTarget(options);
    setup.programName = QString::fromStdString(name.boxText);
    assembleDialog_->prepare(setup);
    if (assembleDialog_->exec() != QDialog::Accepted) {
        return false;
    }
    const QString chosen = assembleDialog_->ProgramNameEdit->text();
    if (chosen != source.ProgName) {
        // The next save writes the name into the "; Progname:" line.
        source.ProgName = chosen;
        source.setModified(true);
    }
    return true;
}

void AssemblyController::startRun(editor::TfrmSource &source)
{
    const app::Options &options = frame_.options();
    frame_.statusPanel().showPlain(FromStd(run::AssemblingStatus(ToPath(source.FileName))));
    progress_->start();
    source.hideErrorList();
    source_ = &source;

    run::RunRequest request;
    request.source = ToPath(source.FileName);
    request.programDir = frame_.programDirectory();
    request.installedAssembler = installedAssembler_;
    request.flags = FlagsFrom(options);
    request.program = assembleDialog_->programOptions();
    if (const std::string error = run_.Start(request); !error.empty()) {
        progress_->finish();
        frame_.statusPanel().clear();
        Dialogs().message(MessageKind::Error, FromStd(error), uibase::Buttons::Ok);
        return;
    }
    Timer1->start();
}

void AssemblyController::Timer1Timer()
{
    const bool cancel = progress_->cancelRequested();
    const run::PollResult result = run_.Poll(cancel);
    switch (result.state) {
    case run::RunState::Running:
        return;
    case run::RunState::Cancelled:
        Timer1->stop();
        progress_->clearCancelRequest();
        frame_.statusPanel().showPlain(FromStd(run::kCancelledStatus));
        progress_->finish();
        return;
    case run::RunState::Failed:
        Timer1->stop();
        showFailure(result);
        progress_->finish();
        return;
    case run::RunState::Succeeded:
        Timer1->stop();
        finishSuccess();
        return;
    case run::RunState::Idle:
        Timer1->stop();
        progress_->finish();
        return;
    }
}

void AssemblyController::showFailure(const run::PollResult &result)
{
    uibase::StatusPanel &status = frame_.statusPanel();
    status.setText(FromStd(run::kFailedStatus));
    status.setBold(true);
    status.setColor(kFailedColor);
    if (!result.outputFound || source_.isNull()) {
        return;
    }
    QStringList entries;
    for (const std::string &line : result.errorLines) {
        entries << QString::fromStdString(line);
    }
    source_->setErrors(entries);
}

void AssemblyController::finishSuccess()
{
    uibase::StatusPanel &status = frame_.statusPanel();
    status.setText(FromStd(run::kSucceededStatus));
    status.setBold(true);
    status.setColor(kSucceededColor);

    const run::RunPaths &paths = run_.Paths();
    if (frame_.options().displayListing && FileExists(paths.listingFile)) {
        ShowListingWindow(frame_, paths.listingFile);
    }
    const run::ProgramResult program = run_.WriteProgramFile();
    progress_->finish();
    if (!program.ok) {
        Dialogs().message(MessageKind::Error, FromStd(program.message), uibase::Buttons::Ok);
        return;
    }
    if (SendAfterAssembly) {
        emit sendRequested(QFile::decodeName(paths.programFile.c_str()));
    }
}

} // namespace vexil::assemble::ui
