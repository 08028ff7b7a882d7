// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TfrmVarProg.h"

#include "app/uibase/ProgressWindow.h"
#include "tibasic/ProgramFile.h"
#include "tibasic/Tokenizer.h"
#include "tibasic/ui/TokenTextEdit.h"
#include "vareditors/data/FixedOffsetReader.h"
#include "varfile/VarNames.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace vexil::tibasic::ui {

namespace {

const vareditors::VarEditorTexts kProgramTexts{QStringLiteral("Programs"),
                                               QStringLiteral("Program"), QLatin1Char('p'),
                                               QStringLiteral("Program")};
constexpr int kPanelHeight = 49;
constexpr int kProgramNameLength = 8;
constexpr std::size_t kNameBytes = 8;
constexpr std::size_t kTokensOffset = vardata::kDataOffset + 2;
constexpr std::size_t kChecksumSize = 2;
constexpr std::uint8_t kProtectedProgramType = 0x06;
const QString kNewProgramName = QStringLiteral("UNTITLED");

} // namespace

TfrmVarProg::TfrmVarProg(uibase::MainFrame &frame, bool isTI82, QWidget *parent)
    : VarEditorWindow(frame, kProgramTexts, parent), fixedModelIsTI82_(isTI82),
      name_(new QLineEdit(kNewProgramName, this)),
      protected_(new QCheckBox(QStringLiteral("Protected"), this)), text_(new TokenTextEdit(this))
{
    IsTI82 = isTI82;
    name_->setMaxLength(kProgramNameLength);
    text_->setTabTypesStoreArrow(true);

    auto *panel = new QWidget(this);
    panel->setFixedHeight(kPanelHeight);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(new QLabel(QStringLiteral("Program name:"), panel));
    panelLayout->addWidget(name_);
    panelLayout->addWidget(protected_);
    panelLayout->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(text_);

    setWindowTitle((isTI82 ? QStringLiteral("TI-82") : QStringLiteral("TI-83")) +
                   QStringLiteral(" Program"));
    setFocusProxy(text_);
}

TfrmVarProg::~TfrmVarProg() = default;

varfile::CalcModel TfrmVarProg::model() const
{
    return fixedModelIsTI82_ ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
}

// Only the program text counts as a change; the name and Protected box alone do not.
bool TfrmVarProg::isModified() const
{
    return text_->document()->isModified();
}

void TfrmVarProg::setModified(bool modified)
{
    text_->document()->setModified(modified);
}

vareditors::DocumentTraits TfrmVarProg::traits() const
{
    vareditors::DocumentTraits traits;
    traits.editCommands = true;
    return traits;
}

bool TfrmVarProg::runEditCommand(vareditors::EditCommand command)
{
    return text_->runEditCommand(command);
}

bool TfrmVarProg::loadBytes(varfile::ByteView file)
{
    setWindowTitle(QStringLiteral("Loading..."));
    text_->setEightBitText({});
    // Only the type byte, the name bytes and everything between the program length
    // and the checksum are read: files from other tools often carry stale lengths,
    // and the program shown should be every token the file holds.
    const vardata::FixedOffsetReader reader(file);
    const auto type = reader.byteAt(vardata::kTypeOffset);
    if (!type) {
        return false;
    }
    protected_->setChecked(*type == kProtectedProgramType);
    QString name;
    bool wholeName = true;
    for (std::size_t i = 0; i < kNameBytes; ++i) {
        const auto byte = reader.byteAt(vardata::kNameOffset + i);
        if (!byte) {
            wholeName = false;
            break;
        }
        if (*byte == varfile::kThetaByte) {
            name += QLatin1Char('@');
        } else if (*byte != 0x00) {
            name += QChar::fromLatin1(static_cast<char>(*byte));
        }
    }
    name_->setText(name);
    if (!wholeName || file.size() < kTokensOffset + kChecksumSize) {
        return false;
    }
    const auto tokens = file.subspan(kTokensOffset, file.size() - kChecksumSize - kTokensOffset);
    text_->setEightBitText(DecodeTokens(model(), tokens));
    text_->placeCaret(0);
    return true;
}

QString TfrmVarProg::readErrorMessage() const
{
    return QString::fromLatin1(kProgramReadError);
}

void TfrmVarProg::beginSaving()
{
    progress_ = std::make_unique<uibase::ProgressWindow>(this);
    progress_->setText(QStringLiteral("Saving ") + QFileInfo(FileName).fileName() +
                       QStringLiteral("..."));
    progress_->show();
}

void TfrmVarProg::endSaving()
{
    progress_.reset();
}

std::optional<varfile::Bytes> TfrmVarProg::encodeText()
{
    const EightBitText text = text_->eightBitText();
    varfile::Bytes tokens;
    std::size_t position = 0;
    int shown = -1;
    while (text.ok() && position < text.text.size()) {
        const auto match = MatchToken(model(), text.text, position);
        if (!match) {
            break;
        }
        AppendTokenCode(tokens, match->code);
        position += match->length;
        const int percent = static_cast<int>(std::lround(100.0 * static_cast<double>(position) /
                                                         static_cast<double>(text.text.size())));
        if (percent != shown && progress_) {
            progress_->setPosition(percent);
            shown = percent;
        }
    }
    if (!text.ok() || position < text.text.size()) {
        showError(QString::fromLatin1(kInvalidProgramToken));
        text_->placeCaret(text.ok() ? text.editorOffsetOf(position) : text.failedEditorOffset);
        return std::nullopt;
    }
    return tokens;
}

std::optional<varfile::Bytes> TfrmVarProg::buildFile()
{
    auto tokens = encodeText();
    if (!tokens) {
        return std::nullopt;
    }
    Program program;
    // The text shows theta as θ, so a name copied from it must store theta too.
    QString name = name_->text();
    name.replace(QChar(0x03B8), QLatin1Char('@'));
    program.name = name.toLatin1().toStdString();
    program.isProtected = protected_->isChecked();
    program.tokens = std::move(*tokens);
    auto file = BuildProgramFile(model(), program);
    if (!file) {
        showError(QStringLiteral("The program is too long: a program file holds at most 65535 "
                                 "token bytes."));
        return std::nullopt;
    }
    return file;
}

} // namespace vexil::tibasic::ui
