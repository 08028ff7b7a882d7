// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/TfrmOptions.h"

#include "app/OptionsFile.h"
#include "app/ui/FontChoiceBox.h"
#include "base/ui/DialogService.h"
#include "base/ui/HelpViewer.h"
#include "editor/autocode/ui/TfrmHeaders.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vexil::app {
namespace {

const QStringList kStyleTexts = {QStringLiteral("Regular"), QStringLiteral("Italic"),
                                 QStringLiteral("Bold"), QStringLiteral("Bold Italic")};
const QStringList kSizeTexts = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                "20", "22", "24", "26", "28", "36", "48", "72"};
constexpr int kDependentIndent = 22;

bool GraphLinkRefusesPort(int port)
{
    return port == static_cast<int>(LinkPort::Lpt1) || port == static_cast<int>(LinkPort::Lpt2) ||
           port == static_cast<int>(LinkPort::VirtualCable);
}

} // namespace

QString FontStyleText(std::uint8_t style)
{
    const bool bold = (style & kFontBold) != 0;
    const bool italic = (style & kFontItalic) != 0;
    return kStyleTexts[(bold ? 2 : 0) + (italic ? 1 : 0)];
}

std::uint8_t FontStyleBitsFromText(const QString &text)
{
    std::uint8_t bits = 0;
    if (text.contains(QLatin1String("Bold"), Qt::CaseInsensitive)) {
        bits |= kFontBold;
    }
    if (text.contains(QLatin1String("Italic"), Qt::CaseInsensitive)) {
        bits |= kFontItalic;
    }
    return bits;
}

TfrmOptions::TfrmOptions(Options &options, std::filesystem::path programDirectory, QWidget *parent)
    : QDialog(parent), options_(options), programDirectory_(std::move(programDirectory)),
      pages_(new QTabWidget(this))
{
    setWindowTitle(tr("Options"));
    pages_->addTab(buildGeneralPage(), tr("General"));
    pages_->addTab(buildAssemblerPage(), tr("Assembler"));
    pages_->addTab(buildEditorPage(), tr("Editor"));
    pages_->addTab(buildBugPage(), tr("Bug squashing"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *defaults = buttons->addButton(tr("Use &Default"), QDialogButtonBox::ResetRole);
    auto *help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmOptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmOptions::reject);
    connect(defaults, &QPushButton::clicked, this, &TfrmOptions::useDefaults);
    connect(help, &QPushButton::clicked, this,
            [this] { uibase::ShowHelp(programDirectory_, QStringLiteral("IDH_DLGOPTIONS")); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
    resize(520, 460);
    loadControls();
}

QCheckBox *TfrmOptions::addBox(QWidget *page, const QString &caption)
{
    auto *box = new QCheckBox(caption, page);
    page->layout()->addWidget(box);
    return box;
}

QWidget *TfrmOptions::buildGeneralPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    auto *typeGroup = new QGroupBox(tr("Link cable"), page);
    auto *typeLayout = new QVBoxLayout(typeGroup);
    const QStringList types = {tr("&Old black link / home-made link"), tr("&TI-Graph Link")};
    for (int i = 0; i < 2; ++i) {
        linkTypes_[static_cast<std::size_t>(i)] = new QRadioButton(types[i], typeGroup);
        typeLayout->addWidget(linkTypes_[static_cast<std::size_t>(i)]);
    }

    auto *portGroup = new QGroupBox(tr("Port"), page);
    auto *portLayout = new QVBoxLayout(portGroup);
    const QStringList ports = {tr("&COM1: (3F8h)"),
                               tr("C&OM2: (2F8h)"),
                               tr("&LPT1: (378h)"),
                               tr("L&PT2: (278h)"),
                               tr("&Virtual cable (simulator)"),
                               tr("U&SB serial adapter (/dev/ttyUSB0)")};
    for (int i = 0; i < 6; ++i) {
        linkPorts_[static_cast<std::size_t>(i)] = new QRadioButton(ports[i], portGroup);
        portLayout->addWidget(linkPorts_[static_cast<std::size_t>(i)]);
        connect(linkPorts_[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this](bool on) {
                    if (on) {
                        enforceGraphLinkPort();
                    }
                });
    }
    connect(linkTypes_[1], &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            enforceGraphLinkPort();
        }
    });

    auto *linkRow = new QHBoxLayout;
    linkRow->addWidget(typeGroup, 1, Qt::AlignTop);
    linkRow->addWidget(portGroup, 1);
    layout->addLayout(linkRow);
    insertHeader_ = addBox(page, tr("&Automatically insert default header at top of new files"));
    editHeaders_ = new QPushButton(tr("&Edit default header"), page);
    connect(editHeaders_, &QPushButton::clicked, this,
            [this] { editor::TfrmHeaders(programDirectory_, this).exec(); });
    auto *headerRow = new QHBoxLayout;
    headerRow->addSpacing(20);
    headerRow->addWidget(editHeaders_);
    headerRow->addStretch(1);
    layout->addLayout(headerRow);
    autoSave_ = addBox(page, tr("A&utomatically save modified source files on assembly"));
    layout->addStretch(1);
    return page;
}

QWidget *TfrmOptions::buildAssemblerPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *listing = new QGroupBox(tr("Listing"), page);
    listing->setLayout(new QVBoxLayout);
    outputListing_ = addBox(listing, tr("&Output listing file of object file"));
    // Indented under the box they depend on, so the dependency shows at a glance.
    auto *dependent = new QWidget(listing);
    dependent->setLayout(new QVBoxLayout);
    dependent->layout()->setContentsMargins(kDependentIndent, 0, 0, 0);
    listing->layout()->addWidget(dependent);
    includeLabels_ = addBox(dependent, tr("&Include label table in listing file"));
    expandMacros_ = addBox(dependent, tr("&Expand source macros"));
    pageListing_ = addBox(dependent, tr("&Page break and format listing file for printing"));
    displayListing_ = addBox(dependent, tr("&Display listing file after assembly"));
    connect(outputListing_, &QCheckBox::toggled, this, [this] { updateListingBoxes(); });
    layout->addWidget(listing);

    auto *checks = new QGroupBox(tr("Checks"), page);
    checks->setLayout(new QVBoxLayout);
    ignoreCase_ = addBox(checks, tr("Ig&nore case in labels"));
    checkIllegal_ = addBox(checks, tr("C&heck for apparent illegal use of indirection"));
    checkUnused_ = addBox(checks, tr("Chec&k for unused data in the arguments"));
    checkDuplicate_ = addBox(checks, tr("Check &for duplicate labels"));
    checkNonUnary_ = addBox(checks, tr("Check fo&r non-unary operators at start of expression"));
    layout->addWidget(checks);
    layout->addStretch(1);
    return page;
}

QWidget *TfrmOptions::buildEditorPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *row = new QHBoxLayout;
    fontName_ = new FontChoiceBox(tr("&Font:"), page);
    fontStyle_ = new FontChoiceBox(tr("Font st&yle:"), page);
    fontSize_ = new FontChoiceBox(tr("&Size:"), page);
    fontName_->setEntries(QFontDatabase::families());
    fontStyle_->setEntries(kStyleTexts);
    fontSize_->setEntries(kSizeTexts);
    row->addWidget(fontName_, 3);
    row->addWidget(fontStyle_, 2);
    row->addWidget(fontSize_, 1);
    layout->addLayout(row, 1);

    auto *sample = new QGroupBox(tr("Sample"), page);
    auto *sampleLayout = new QVBoxLayout(sample);
    preview_ = new QLabel(QStringLiteral("AaBbCcXxYyZz"), sample);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setMinimumHeight(64);
    sampleLayout->addWidget(preview_);
    layout->addWidget(sample);
    for (FontChoiceBox *box : {fontName_, fontStyle_, fontSize_}) {
        connect(box, &FontChoiceBox::changed, this, [this] { updatePreview(); });
    }
    return page;
}

QWidget *TfrmOptions::buildBugPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *note = new QLabel(tr("Some calculators and cables lose bytes when the PC reads them "
                               "too quickly. If receiving fails repeatedly, let the link wait "
                               "between received bytes."),
                            page);
    note->setWordWrap(true);
    layout->addWidget(note);
    bugDelay_ = addBox(page, tr("&Delay receiving routine"));
    layout->addStretch(1);
    return page;
}

void TfrmOptions::loadControls()
{
    const Options &o = options_;
    linkTypes_[o.linkType == 1 ? 1 : 0]->setChecked(true);
    linkPorts_[o.linkPort < linkPorts_.size() ? o.linkPort : 0]->setChecked(true);
    insertHeader_->setChecked(o.insertHeader);
    autoSave_->setChecked(o.autoSave);
    displayListing_->setChecked(o.displayListing);
    outputListing_->setChecked(o.outputListing);
    includeLabels_->setChecked(o.includeLabels);
    expandMacros_->setChecked(o.expandMacros);
    pageListing_->setChecked(o.pageListing);
    ignoreCase_->setChecked(o.ignoreCase);
    checkIllegal_->setChecked(o.checkIllegal);
    checkUnused_->setChecked(o.checkUnused);
    checkDuplicate_->setChecked(o.checkDuplicate);
    checkNonUnary_->setChecked(o.checkNonUnary);
    bugDelay_->setChecked(o.bugDelay);
    fontName_->setText(QString::fromStdString(o.fontName));
    fontStyle_->setText(FontStyleText(o.fontStyle));
    fontSize_->setText(QString::number(o.fontSize));
    updateListingBoxes();
    updatePreview();
    pages_->setCurrentIndex(0);
}

void TfrmOptions::enforceGraphLinkPort()
{
    if (!linkTypes_[1]->isChecked()) {
        return;
    }
    for (int port = 0; port < static_cast<int>(linkPorts_.size()); ++port) {
        if (linkPorts_[static_cast<std::size_t>(port)]->isChecked() && GraphLinkRefusesPort(port)) {
            linkPorts_[static_cast<std::size_t>(LinkPort::Com1)]->setChecked(true);
            return;
        }
    }
}

void TfrmOptions::updateListingBoxes()
{
    const bool listing = outputListing_->isChecked();
    for (QCheckBox *box : {includeLabels_, expandMacros_, pageListing_, displayListing_}) {
        box->setEnabled(listing);
    }
}

void TfrmOptions::updatePreview()
{
    QFont font(fontName_->text());
    bool ok = false;
    const int size = fontSize_->text().toInt(&ok);
    if (ok && IsEditorFontSize(size)) {
        font.setPointSize(size);
    }
    const std::uint8_t style = FontStyleBitsFromText(fontStyle_->text());
    font.setBold((style & kFontBold) != 0);
    font.setItalic((style & kFontItalic) != 0);
    preview_->setFont(font);
}

void TfrmOptions::accept()
{
    bool ok = false;
    const int size = fontSize_->text().trimmed().toInt(&ok);
    if (!ok || !IsEditorFontSize(size)) {
        uibase::Dialogs().message(
            uibase::MessageKind::Warning,
            tr("\"%1\" is not a font size. Enter a whole number of points from 1 to %2.")
                .arg(fontSize_->text())
                .arg(kLargestFontSize),
            uibase::Buttons::Ok);
        pages_->setCurrentIndex(2);
        fontSize_->edit()->setFocus();
        fontSize_->edit()->selectAll();
        return;
    }
    Options &o = options_;
    o.linkType = linkTypes_[1]->isChecked() ? 1 : 0;
    for (std::uint32_t port = 0; port < linkPorts_.size(); ++port) {
        if (linkPorts_[port]->isChecked()) {
            o.linkPort = port;
        }
    }
    o.insertHeader = insertHeader_->isChecked();
    o.autoSave = autoSave_->isChecked();
    o.displayListing = displayListing_->isChecked();
    o.outputListing = outputListing_->isChecked();
    o.includeLabels = includeLabels_->isChecked();
    o.expandMacros = expandMacros_->isChecked();
    o.pageListing = pageListing_->isChecked();
    o.ignoreCase = ignoreCase_->isChecked();
    o.checkIllegal = checkIllegal_->isChecked();
    o.checkUnused = checkUnused_->isChecked();
    o.checkDuplicate = checkDuplicate_->isChecked();
    o.checkNonUnary = checkNonUnary_->isChecked();
    o.bugDelay = bugDelay_->isChecked();
    o.fontName = CutToShortString(fontName_->text().toStdString());
    o.fontStyle = FontStyleBitsFromText(fontStyle_->text());
    o.fontSize = static_cast<std::uint32_t>(size);
    const std::string error = SaveOptionsFile(programDirectory_, o);
    if (!error.empty()) {
        uibase::Dialogs().message(
            uibase::MessageKind::Error,
            tr("The options were not saved.\n%1").arg(QString::fromLocal8Bit(error.c_str())),
            uibase::Buttons::Ok);
    }
    QDialog::accept();
}

void TfrmOptions::useDefaults()
{
    if (uibase::Dialogs().message(uibase::MessageKind::Confirmation,
                                  tr("Reset all options to default values?"),
                                  uibase::Buttons::YesNo) != uibase::Answer::Yes) {
        return;
    }
    options_ = DefaultOptions();
    const std::string error = SaveOptionsFile(programDirectory_, options_);
    if (!error.empty()) {
        uibase::Dialogs().message(
            uibase::MessageKind::Error,
            tr("The options were not saved.\n%1").arg(QString::fromLocal8Bit(error.c_str())),
            uibase::Buttons::Ok);
    }
    std::error_code ec;
    std::filesystem::remove(programDirectory_ / "default.82h", ec);
    std::filesystem::remove(programDirectory_ / "default.83h", ec);
    done(kDefaultsRestored);
}

} // namespace vexil::app
