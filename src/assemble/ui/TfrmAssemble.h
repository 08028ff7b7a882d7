// SPDX-License-Identifier: GPL-3.0-or-later
// The Assemble dialog: one persistent dialog that collects the program name and the
// target's options before each run. Check boxes and the extra-memory text carry
// over from run to run, apart from what prepare() resets.
#pragma once

#include "assemble/ProgramFile.h"

#include <QDialog>

#include <filesystem>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace vexil::assemble::ui {

class FilteredLineEdit;

struct AssembleDialogSetup {
    QString fileName; // the source about to be assembled
    bool sendAfterAssembly = false;
    bool ti83Mode = false;
    ShellTarget target = ShellTarget::Ash;
    QString programName; // the name box's starting text
};

class TfrmAssemble : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAssemble(std::filesystem::path programDirectory, QWidget *parent = nullptr);

    // Sets the dialog up for the next run.
    void prepare(const AssembleDialogSetup &setup);

    // The target and the options the dialog yields once it was closed with OK.
    ProgramSettings programOptions() const;

    QLabel *AboutLabel;
    QTabWidget *TargetPages; // Ash, CrASH, TI83, AShell83
    FilteredLineEdit *ProgramNameEdit;
    QAction *CrashPicture; // shown at the left end of the name box on the CrASH page
    QCheckBox *EditProtectCheck;
    QCheckBox *HomeScreenCheck;
    QCheckBox *SquishCheck;
    QLabel *ExtraMemoryLabel;
    FilteredLineEdit *ExtraMemoryEdit;
    QPushButton *OkButton;
    QPushButton *CancelButton;
    QPushButton *HelpButton;

public slots:
    // OK: closes only when the name and the extra-memory digits pass their checks.
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildAshPage();
    QWidget *buildCrashPage();
    QWidget *buildTi83Page();
    QWidget *buildAShell83Page();

    std::filesystem::path programDirectory_;
    ShellTarget target_ = ShellTarget::Ash;
};

} // namespace vexil::assemble::ui
