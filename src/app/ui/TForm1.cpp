// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/TForm1.h"

#include "app/OptionsFile.h"
#include "app/ProgramDirectory.h"
#include "app/ui/AboutBox.h"
#include "app/ui/ConverterCable.h"
#include "app/ui/DocumentManager.h"
#include "app/ui/ModeController.h"
#include "app/ui/NewFileCommands.h"
#include "app/ui/RecentFilesMenu.h"
#include "app/ui/TFormSizeLimit.h"
#include "app/ui/TfrmOptions.h"
#include "app/ui/ToolWindows.h"
#include "app/ui/WindowMenu.h"
#include "assemble/ui/AssemblyController.h"
#include "base/ui/DialogService.h"
#include "base/ui/HelpViewer.h"
#include "base/ui/StatusPanel.h"
#include "editor/autocode/ui/AutoCodeMenu.h"
#include "editor/search/ui/SearchMenu.h"
#include "editor/ui/EditorFont.h"
#include "editor/ui/RegisterEditors.h"
#include "editor/ui/TfrmSource.h"
#include "link/ui/SendShell.h"
#include "link/ui/TfrmLinkMan.h"
#include "link/ui/TfrmSendFile.h"
#include "tibasic/ui/KeypadWindows.h"
#include "tibasic/ui/TokenInsertion.h"
#include "vareditors/ui/VariableEditorCatalog.h"
#include "varfile/group/ui/TfrmGroup.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace vexil::app {
namespace {

const QString kOpenFilter = QStringLiteral(
    "All Assembler Files|*.asm;*.z80;*.a80;*.inc;*.h;*.lst|Assembler source (*.asm, *.z80, "
    "*.a80)|*.asm;*.z80;*.a80|Include Files (*.inc, *.h)|*.inc;*.h|Listing files (*.lst)|*.lst|All "
    "Calculator Files|*.8??|TI-82 "
    "Files|*.82?|TI-83 Files|*.83?|Programs|*.8?p|Backups|*.8?b|Complex|*.83c|Functions|*.8?y|"
    "Graph Databases|*.8?d|Group Files|*.8?g|Lists|*.8?l|Matrices|*.8?m|Pictures|*.8?i|Reals|*."
    "8?n|Strings|*.83s|Table Setup|*.8?t|Window Settings|*.8?w|Zoom Settings|*.8?z|All Files "
    "(*.*)|*.*");

// The items of the Send Shell menu: the targets that have a shell program.
constexpr std::array<assemble::ShellTarget, 3> kSentShells = {
    assemble::ShellTarget::Ash, assemble::ShellTarget::CrASH, assemble::ShellTarget::AShell83};

} // namespace

TForm1::TForm1(std::filesystem::path programDirectory, QWidget *parent)
    : QMainWindow(parent), programDirectory_(std::move(programDirectory)),
      options_(DefaultOptions()), area_(new QMdiArea(this)),
      statusPanel_(new uibase::StatusPanel(this)), actions_(BuildMainActions(*this))
{
    setWindowTitle(QStringLiteral("Vexil Assembler"));
    setObjectName(QStringLiteral("Form1"));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setBackground(QColor(0x6E, 0x7B, 0x8B));
    setCentralWidget(area_);
    statusBar()->addWidget(statusPanel_, 1);

    editor::RegisterEditorWindows(registry_);
    vareditors::RegisterVariableEditors(registry_);
    group::ui::RegisterGroupEditor(registry_);
    documents_ = new DocumentManager(*this, *area_, registry_, this);
    mode_ = new ModeController(options_, actions_, this);
    recent_ = new RecentFilesMenu(
        options_.recentFiles, actions_, [this](const QString &path) { openFile(path); }, this);
    windowMenu_ = new WindowMenu(*area_, actions_, programDirectory_, this);
    tools_ = new ToolWindows(*area_, programDirectory_, this);
    assembly_ = new assemble::ui::AssemblyController(*this, *this, this);
    sendFile_ = new link::ui::TfrmSendFile(
        [this] {
            return link::ui::LinkSettings{static_cast<int>(options_.linkType),
                                          static_cast<int>(options_.linkPort), options_.bugDelay,
                                          programDirectory_};
        },
        this);
    tools_->setConverterLink(*new ConverterCable(
        *sendFile_, [this] { return options_.ti83Mode; }, this));
    newFiles_ = new NewFileCommands(*this, *documents_, *mode_, registry_, this);
    autoCode_ = new editor::AutoCodeMenu(
        *actions_.autoCodeMenu, programDirectory_,
        [this] { return qobject_cast<editor::TfrmSource *>(documents_->activeDocument()); }, this);
    search_ = new editor::SearchMenu(
        [this] { return qobject_cast<editor::TextDocumentWindow *>(documents_->activeDocument()); },
        this);
    keypads_ = new tibasic::ui::KeypadWindows(*this, this);
    connectCommands();
    connectKeypads();
    qApp->installEventFilter(this);
    resize(1000, 700);
    // Below this the toolbar lists and the document area stop being usable.
    auto *sizeLimit = new TFormSizeLimit(this);
    sizeLimit->setMinWidth(400);
    sizeLimit->setMinHeight(300);
}

TForm1::~TForm1() = default;

void TForm1::connectCommands()
{
    MainActions &a = actions_;
    connect(a.newSource, &QAction::triggered, documents_, &DocumentManager::newSource);
    connect(a.newGallery, &QAction::triggered, newFiles_, &NewFileCommands::showGallery);
    connect(a.open, &QAction::triggered, this, &TForm1::openWithDialog);
    connect(a.headerFile, &QAction::triggered, this, [this] {
        openFile(QString::fromStdString(
            (programDirectory_ / assemble::Describe(mode_->target()).headerFile).string()));
    });
    connect(a.includeFile, &QAction::triggered, this, [this] {
        openFile(QString::fromStdString(
            (programDirectory_ / assemble::Describe(mode_->target()).includeFile).string()));
    });
    connect(a.save, &QAction::triggered, documents_, &DocumentManager::save);
    connect(a.saveAs, &QAction::triggered, documents_, &DocumentManager::saveAs);
    connect(a.close, &QAction::triggered, documents_, &DocumentManager::closeActive);
    connect(a.closeFile, &QAction::triggered, documents_, &DocumentManager::closeActive);
    connect(a.print, &QAction::triggered, documents_, &DocumentManager::print);
    connect(a.find, &QAction::triggered, search_, &editor::SearchMenu::Find1Click);
    connect(a.replace, &QAction::triggered, search_, &editor::SearchMenu::Replace1Click);
    connect(a.searchAgain, &QAction::triggered, search_, &editor::SearchMenu::SearchAgain1Click);
    connect(a.goToLine, &QAction::triggered, search_, &editor::SearchMenu::GoToLine1Click);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    using uibase::EditCommand;
    const std::pair<QAction *, EditCommand> edits[] = {{a.cut, EditCommand::Cut},
                                                       {a.copy, EditCommand::Copy},
                                                       {a.paste, EditCommand::Paste},
                                                       {a.deleteSelection, EditCommand::Delete},
                                                       {a.selectAll, EditCommand::SelectAll}};
    for (const auto &[action, command] : edits) {
        connect(action, &QAction::triggered, this,
                [this, cmd = command] { documents_->edit(cmd); });
    }
    connect(a.assemble, &QAction::triggered, assembly_,
            &assemble::ui::AssemblyController::Assemble1Click);
    connect(a.assembleAndSend, &QAction::triggered, this, &TForm1::Assemble2Click);
    // The program file of a run started by F8, whichever link type is chosen.
    connect(assembly_, &assemble::ui::AssemblyController::sendRequested, sendFile_,
            &link::ui::TfrmSendFile::StartSendFile);
    for (std::size_t i = 0; i < a.sendShell.size(); ++i) {
        connect(a.sendShell[i], &QAction::triggered, this, [this, shell = kSentShells[i]] {
            link::ui::SendShell(*sendFile_, programDirectory_, shell);
        });
    }
    // Source windows offer F8 on their pop-up menu too.
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        auto *source = sub != nullptr ? qobject_cast<editor::TfrmSource *>(sub->widget()) : nullptr;
        if (source != nullptr) {
            connect(source, &editor::TfrmSource::assembleAndSendRequested, this,
                    &TForm1::Assemble2Click, Qt::UniqueConnection);
        }
    });
    connect(a.asciiTable, &QAction::triggered, tools_, &ToolWindows::showAsciiTable);
    connect(a.linkManager, &QAction::triggered, this, &TForm1::showLinkManager);
    connect(a.spriteEditor, &QAction::triggered, tools_, &ToolWindows::showSpriteEditor);
    connect(a.imageConverter, &QAction::triggered, tools_, &ToolWindows::showImageConverter);
    connect(mode_, &ModeController::modeChanged, this, [this] {
        tools_->setModel(options_.ti83Mode ? varfile::CalcModel::TI83 : varfile::CalcModel::TI82);
    });
    connect(a.options, &QAction::triggered, this, &TForm1::showOptions);
    connect(a.helpTopics, &QAction::triggered, this,
            [this] { uibase::ShowHelp(programDirectory_); });
    connect(a.about, &QAction::triggered, this, [this] { AboutBox(this).exec(); });

    for (QMenu *menu : {a.fileMenu, a.editMenu, a.searchMenu, a.toolsMenu}) {
        connect(menu, &QMenu::aboutToShow, this, &TForm1::updateCommands);
    }
    connect(area_, &QMdiArea::subWindowActivated, this, &TForm1::updateCommands);
    connect(documents_, &DocumentManager::documentsChanged, this, [this] {
        windowMenu_->scheduleRebuild();
        updateCommands();
    });
    connect(mode_, &ModeController::modeChanged, this, &TForm1::updateCommands);

    a.toolBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(a.toolBar, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        actions_.modePopup->exec(actions_.toolBar->mapToGlobal(at));
    });
    area_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(area_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { actions_.modePopup->exec(area_->mapToGlobal(at)); });
}

void TForm1::connectKeypads()
{
    QAction *keypad = actions_.keypad;
    connect(keypad, &QAction::triggered, this, [this](bool checked) {
        if (checked) {
            keypads_->showKeypad(currentModel());
        } else {
            keypads_->hideKeypad();
        }
    });
    connect(keypads_, &tibasic::ui::KeypadWindows::keypadClosed, keypad,
            [keypad] { keypad->setChecked(false); });
    connect(mode_, &ModeController::modeChanged, keypads_,
            [this] { keypads_->followModel(currentModel()); });
    keypads_->setLinkManagerOpener([this] { showLinkManager(); });
    const auto &symbols = tibasic::InsertSymbols();
    for (std::size_t i = 0; i < actions_.insertSymbol.size(); ++i) {
        connect(actions_.insertSymbol[i], &QAction::triggered, this,
                [this, &symbol = symbols[i]] { tibasic::ui::InsertSymbolText(*this, symbol); });
    }
}

varfile::CalcModel TForm1::currentModel() const
{
    return options_.ti83Mode ? varfile::CalcModel::TI83 : varfile::CalcModel::TI82;
}

void TForm1::showKeypad(varfile::CalcModel model)
{
    if (model == varfile::CalcModel::TI82) {
        mode_->setTI82Mode();
    } else {
        mode_->setTI83Mode();
    }
    keypads_->showKeypad(model);
    actions_.keypad->setChecked(true);
}

void TForm1::addDocument(QWidget *document)
{
    documents_->addDocument(document);
}

QWidget *TForm1::openFile(const QString &path)
{
    return documents_->openFile(path);
}

void TForm1::addRecentFile(const QString &path)
{
    recent_->add(path);
}

void TForm1::rebuildWindowMenu()
{
    windowMenu_->rebuild();
}

void TForm1::placeAsciiTable()
{
    tools_->placeAsciiTable();
    windowMenu_->arrangeIcons();
}

void TForm1::rebuildRecentFiles()
{
    recent_->rebuild();
}

void TForm1::applyStoredMode()
{
    mode_->applyStoredMode();
}

void TForm1::loadAutoCode()
{
    autoCode_->load();
}

void TForm1::readOptions()
{
    const OptionsLoadResult result = LoadOptionsFile(programDirectory_);
    options_ = result.options;
    if (result.outcome == OptionsLoadOutcome::Corrupted) {
        uibase::Dialogs().message(uibase::MessageKind::Warning,
                                  QString::fromLatin1(kOptionsCorruptedMessage),
                                  uibase::Buttons::Ok);
    }
    if (!result.writeError.empty()) {
        uibase::Dialogs().message(uibase::MessageKind::Error,
                                  tr("The options were not saved.\n%1")
                                      .arg(QString::fromLocal8Bit(result.writeError.c_str())),
                                  uibase::Buttons::Ok);
    }
    // The packet layer starts from the link type and port just read.
    sendFile_->linkInit();
}

bool TForm1::writeOptions()
{
    const std::string error = SaveOptionsFile(programDirectory_, options_);
    if (error.empty()) {
        return true;
    }
    uibase::Dialogs().message(
        uibase::MessageKind::Error,
        tr("The options were not saved.\n%1").arg(QString::fromLocal8Bit(error.c_str())),
        uibase::Buttons::Ok);
    return false;
}

void TForm1::updateCommands()
{
    uibase::TfrmVarTemplate *active = documents_->activeDocument();
    const uibase::DocumentTraits traits =
        active != nullptr ? active->traits() : uibase::DocumentTraits{};
    MainActions &a = actions_;
    for (QAction *action : {a.save, a.saveAs, a.close}) {
        action->setEnabled(active != nullptr);
    }
    for (QAction *action : {a.cut, a.copy, a.paste, a.deleteSelection, a.selectAll}) {
        action->setEnabled(traits.editCommands);
    }
    a.print->setEnabled(traits.print);
    for (QAction *action : {a.find, a.replace, a.searchAgain, a.goToLine}) {
        action->setEnabled(traits.search);
    }
    a.assemble->setEnabled(traits.assemble);
    a.assembleAndSend->setEnabled(a.assemble->isEnabled());
    // A shell can only be chosen or sent in the mode of the calculator it runs on.
    const varfile::CalcModel model =
        options_.ti83Mode ? varfile::CalcModel::TI83 : varfile::CalcModel::TI82;
    for (std::size_t i = 0; i < a.target.size(); ++i) {
        a.target[i]->setEnabled(assemble::Describe(assemble::kShellTargets[i]).model == model);
    }
    for (std::size_t i = 0; i < a.sendShell.size(); ++i) {
        a.sendShell[i]->setEnabled(assemble::Describe(kSentShells[i]).model == model);
    }
}

void TForm1::openWithDialog()
{
    uibase::FileDialogRequest request;
    request.title = QStringLiteral("Open File");
    request.filter = kOpenFilter;
    request.defaultSuffix = QStringLiteral("asm");
    request.directory = QString::fromStdString(
        (programDirectory_ / assemble::Describe(SelectedTarget(options_)).name).string());
    const QString chosen = uibase::Dialogs().openFileName(request);
    if (!chosen.isEmpty()) {
        openFile(chosen);
    }
}

void TForm1::showOptions()
{
    TfrmOptions dialog(options_, programDirectory_, this);
    const int result = dialog.exec();
    if (result == QDialog::Rejected) {
        return;
    }
    if (result == TfrmOptions::kDefaultsRestored) {
        mode_->applyStoredMode();
        recent_->rebuild();
    }
    documents_->applyEditorFont(editor::EditorFont(options_));
    sendFile_->linkInit();
}

void TForm1::showLinkManager()
{
    if (linkManager_ == nullptr) {
        const QString start = QString::fromStdString(
            (programDirectory_ / assemble::Describe(SelectedTarget(options_)).name).string());
        linkManager_ = new link::ui::TfrmLinkMan(
            *sendFile_,
            [this] {
                return options_.ti83Mode ? varfile::CalcModel::TI83 : varfile::CalcModel::TI82;
            },
            programDirectory_, start, this);
    }
    linkManager_->exec();
    // Its hints are gone with it; the status panel is the main window's again.
    statusPanel_->clear();
}

void TForm1::Assemble2Click()
{
    editor::TfrmSource *source = nullptr;
    if (QMdiSubWindow *sub = area_->currentSubWindow()) {
        source = qobject_cast<editor::TfrmSource *>(sub->widget());
    }
    if (source == nullptr) {
        uibase::Dialogs().beep();
        return;
    }
    // A listing window is a source window too: like F7, F8 quietly does nothing there.
    assembly_->SendAfterAssembly = true;
    assembly_->AssembleActiveSource();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        statusPanel_->showPlain(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    // The Link Manager shows the hints in a label of its own while it is open.
    if (event->type() == QEvent::StatusTip && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() != this &&
        static_cast<QWidget *>(watched)->window() != linkManager_) {
        statusPanel_->showPlain(static_cast<QStatusTipEvent *>(event)->tip());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!documents_->closeAll()) {
        event->ignore();
        return;
    }
    writeOptions();
    event->accept();
}

} // namespace vexil::app
