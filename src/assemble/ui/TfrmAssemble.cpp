// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ui/TfrmAssemble.h"

#include "assemble/ProgramName.h"
#include "assemble/run/AssembleDialogRules.h"
#include "assemble/run/RunTexts.h"
#include "assemble/ui/FilteredLineEdit.h"
#include "base/ui/DialogService.h"
#include "base/ui/HelpViewer.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vexil::assemble::ui {
namespace {

constexpr int kExtraMemoryDigits = 4;

// CrASH lists a program under a marker byte that sits in front of its name; the
// picture stands for that byte, which takes the place of the eighth character.
QIcon CrashMarkerPicture()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x30, 0x38, 0x30));
    painter.setBrush(QColor(0xB4, 0xC8, 0xA0)); // the calculator's screen
    painter.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 2, 2);
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    const QPointF pointer[] = {{5, 4.5}, {11.5, 8}, {5, 11.5}};
    painter.drawPolygon(pointer, 3);
    return QIcon(picture);
}

QLabel *NoteLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TfrmAssemble::TfrmAssemble(std::filesystem::path programDirectory, QWidget *parent)
    : QDialog(parent), AboutLabel(new QLabel(this)), TargetPages(new QTabWidget(this)),
      ProgramNameEdit(new FilteredLineEdit(FilterProgramNameKey, this)),
      CrashPicture(new QAction(CrashMarkerPicture(), QString(), this)),
      EditProtectCheck(new QCheckBox(tr("&Edit Protect Program"), this)), HomeScreenCheck(nullptr),
      SquishCheck(nullptr), ExtraMemoryLabel(nullptr),
      ExtraMemoryEdit(new FilteredLineEdit(FilterExtraMemoryKey, this)), OkButton(nullptr),
      CancelButton(nullptr), HelpButton(nullptr), programDirectory_(std::move(programDirectory))
{
    setObjectName(QStringLiteral("frmAssemble"));
    setWindowTitle(FromStd(run::AssembleDialogCaption(false, false)));

    HomeScreenCheck =
        new QCheckBox(tr("&Can run from home screen (without going through Ash)"), this);
    SquishCheck = new QCheckBox(tr("&Squish Program"), this);
    ExtraMemoryLabel = new QLabel(tr("&Extra memory allocation (in hex):"), this);
    ExtraMemoryEdit->setMaxLength(kExtraMemoryDigits);
    ExtraMemoryEdit->setMaximumWidth(ExtraMemoryEdit->fontMetrics().horizontalAdvance(
        QString(kExtraMemoryDigits + 2, QLatin1Char('W'))));
    ExtraMemoryEdit->setText(QStringLiteral("0000"));
    ExtraMemoryLabel->setBuddy(ExtraMemoryEdit);

    TargetPages->addTab(buildAshPage(), QStringLiteral("Ash"));
    TargetPages->addTab(buildCrashPage(), QStringLiteral("CrASH"));
    TargetPages->addTab(buildTi83Page(), QStringLiteral("TI83"));
    TargetPages->addTab(buildAShell83Page(), QStringLiteral("AShell83"));

    CrashPicture->setToolTip(tr("CrASH puts its own marker in front of the name, which "
                                "leaves room for 7 characters."));
    ProgramNameEdit->addAction(CrashPicture, QLineEdit::LeadingPosition);
    auto *nameLabel = new QLabel(tr("Program &name:"), this);
    nameLabel->setBuddy(ProgramNameEdit);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(ProgramNameEdit, 1);

    auto *buttons = new QDialogButtonBox(this);
    OkButton = buttons->addButton(QDialogButtonBox::Ok);
    CancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    // Set here rather than left to the platform theme, which may add accelerators.
    OkButton->setText(tr("OK"));
    CancelButton->setText(tr("Cancel"));
    HelpButton = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmAssemble::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmAssemble::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [this] { uibase::ShowHelp(programDirectory_, QStringLiteral("IDH_DLGASSEMBLE")); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(AboutLabel);
    layout->addLayout(nameRow);
    layout->addWidget(EditProtectCheck);
    layout->addWidget(TargetPages);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

QWidget *TfrmAssemble::buildAshPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(NoteLabel(tr("A program for the Ash 3.0 shell on the TI-82."), page));
    layout->addWidget(HomeScreenCheck);
    layout->addStretch();
    return page;
}

QWidget *TfrmAssemble::buildCrashPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(NoteLabel(tr("A program for the CrASH 1.3 shell on the TI-82. CrASH "
                                   "marks its programs with a byte in front of the name, so "
                                   "the name has at most 7 characters."),
                                page));
    layout->addStretch();
    return page;
}

QWidget *TfrmAssemble::buildTi83Page()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(NoteLabel(
        tr("A program for the TI-83's own assembly support, run with Send(9prgm."), page));
    layout->addWidget(SquishCheck);
    auto *extra = new QHBoxLayout;
    extra->addWidget(ExtraMemoryLabel);
    extra->addWidget(ExtraMemoryEdit);
    extra->addStretch();
    layout->addLayout(extra);
    layout->addStretch();
    return page;
}

QWidget *TfrmAssemble::buildAShell83Page()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(NoteLabel(tr("A program for the AShell83 1.0 shell on the TI-83."), page));
    layout->addStretch();
    return page;
}

void TfrmAssemble::prepare(const AssembleDialogSetup &setup)
{
    setWindowTitle(FromStd(run::AssembleDialogCaption(setup.sendAfterAssembly, setup.ti83Mode)));
    AboutLabel->setText(
        FromStd(run::AboutToAssembleLabel(QFile::encodeName(setup.fileName).toStdString())));

    target_ = setup.target;
    const int page = static_cast<int>(setup.target);
    for (int i = 0; i < TargetPages->count(); ++i) {
        // The target comes from the options; the other pages only show what exists.
        TargetPages->setTabEnabled(i, i == page);
    }
    TargetPages->setCurrentIndex(page);
    CrashPicture->setVisible(setup.target == ShellTarget::CrASH);
    // A name remembered from an 8-character target stays whole on the CrASH page:
    // only its first 7 characters reach the program file, and the source's
    // "; Progname:" line keeps the rest.
    ProgramNameEdit->setMaxLength(static_cast<int>(kMaxProgramName));
    ProgramNameEdit->setTypingLimit(static_cast<int>(ProgramNameLimit(setup.target)));

    EditProtectCheck->setEnabled(!setup.ti83Mode);
    HomeScreenCheck->setChecked(!setup.ti83Mode);
    ExtraMemoryLabel->setEnabled(setup.ti83Mode);
    ExtraMemoryEdit->setEnabled(setup.ti83Mode);
    if (!setup.ti83Mode) {
        ExtraMemoryEdit->setText(QStringLiteral("0000"));
    }
    ProgramNameEdit->setText(setup.programName);
}

ProgramSettings TfrmAssemble::programOptions() const
{
    ProgramSettings options;
    options.target = target_;
    options.name = ProgramNameEdit->text().toStdString();
    options.editProtect = EditProtectCheck->isChecked();
    options.homeScreen = HomeScreenCheck->isChecked();
    options.squish = SquishCheck->isChecked();
    options.extraMemory = ExtraMemoryEdit->text().toStdString();
    return options;
}

void TfrmAssemble::accept()
{
    const run::DialogCheck check = run::CheckAssembleDialog(ProgramNameEdit->text().toStdString(),
                                                            ExtraMemoryEdit->text().toStdString());
    if (!check.accepted) {
        uibase::Dialogs().message(uibase::MessageKind::Warning, FromStd(check.message),
                                  uibase::Buttons::Ok);
        return;
    }
    ExtraMemoryEdit->setText(FromStd(check.extraMemory));
    QDialog::accept();
}

void TfrmAssemble::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ProgramNameEdit->setFocus();
    ProgramNameEdit->selectAll();
}

} // namespace vexil::assemble::ui
