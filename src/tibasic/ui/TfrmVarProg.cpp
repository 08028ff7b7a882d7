// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TfrmVarProg.h"

#include "base/ui/ProgressWindow.h"
#include "base/ui/VariableNameText.h"
#include "tibasic/ProgramFile.h"
#include "tibasic/Tokenizer.h"
#include "tibasic/ui/TokenEncoding.h"
#include "tibasic/ui/TokenTextEdit.h"
#include "varfile/FileKind.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vexil::tibasic::ui {

namespace {

const uibase::VarEditorTexts kProgramTexts{QStringLiteral("Programs"), QStringLiteral("Program"),
                                           QLatin1Char('p'), QStringLiteral("Program")};
constexpr int kPanelHeight = 49;
constexpr int kProgramNameLength = 8;
const QString kNewProgramName = QStringLiteral("UNTITLED");

} // namespace

TfrmVarProg::TfrmVarProg(uibase::MainFrame &frame, bool isTI82, QWidget *parent)
    : uibase::VarEditorWindow(frame, kProgramTexts, parent), fixedModelIsTI82_(isTI82),
      name_(new QLineEdit(kNewProgramName, this)),
      protected_(new QCheckBox(QStringLiteral("Protected"), this)), text_(new TokenTextEdit(this))
{
    IsTI82 = isTI82;
    name_->setMaxLength(kProgramNameLength);
    text_->setTabTypesStoreArrow(true);
    text_->setModel(model());

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

uibase::DocumentTraits TfrmVarProg::traits() const
{
    uibase::DocumentTraits traits;
    traits.editCommands = true;
    traits.print = true;
    return traits;
}

std::optional<uibase::PrintableText> TfrmVarProg::printable() const
{
    uibase::PrintableText document;
    document.text = text_->toPlainText();
    document.font = text_->font();
    return document;
}

bool TfrmVarProg::runEditCommand(uibase::EditCommand command)
{
    return text_->runEditCommand(command);
}

void TfrmVarProg::insertTokenText(std::string_view eightBit)
{
    text_->insertTokenText(eightBit);
}

bool TfrmVarProg::LoadFile(const QString &fileName)
{
    foreignFile_.clear();
    irreversible_.forget();
    if (!VarEditorWindow::LoadFile(fileName) || !foreignFile_.isEmpty()) {
        return false;
    }
    irreversible_.tellUser(FileName);
    return true;
}

bool TfrmVarProg::SaveFile()
{
    if (!irreversible_.allowSave(FileName.isEmpty() ? windowTitle() : FileName) ||
        !VarEditorWindow::SaveFile()) {
        return false;
    }
    irreversible_.forget();
    return true;
}

bool TfrmVarProg::loadBytes(varfile::ByteView file)
{
    setWindowTitle(QStringLiteral("Loading..."));
    text_->setEightBitText({});
    const LoadedProgram loaded = LoadProgramFile(file);
    if (loaded.error == ProgramFileError::Foreign) {
        foreignFile_ =
            QString::fromStdString(varfile::ForeignFileMessage(varfile::FamilyOfFile(file)));
        return false;
    }
    // A file too short to hold a name leaves the window's own name alone.
    if (loaded.error == ProgramFileError::TooShort) {
        return false;
    }
    name_->setText(uibase::NameTextFromBytes(loaded.program.name));
    protected_->setChecked(loaded.program.isProtected);
    text_->setEightBitText(DecodeTokens(model(), loaded.program.tokens));
    text_->placeCaret(0);
    irreversible_.check(model(), loaded.program.tokens, kProgramTokensOffset);
    // The type byte only tells whether the program is protected.
    return loaded.ok() || loaded.error == ProgramFileError::NotAProgram;
}

QString TfrmVarProg::readErrorMessage() const
{
    return foreignFile_.isEmpty() ? QString::fromLatin1(kProgramReadError) : foreignFile_;
}

void TfrmVarProg::beginSaving()
{
    progress_ = ShowSavingProgress(this, FileName);
}

void TfrmVarProg::endSaving()
{
    progress_.reset();
}

std::optional<varfile::Bytes> TfrmVarProg::encodeText()
{
    EncodedTokenText encoded = EncodeTokenText(model(), text_->eightBitText(), progress_.get());
    if (!encoded.tokens) {
        showError(QString::fromLatin1(kInvalidProgramToken));
        text_->placeCaret(encoded.failedEditorOffset);
    }
    return std::move(encoded.tokens);
}

std::optional<varfile::Bytes> TfrmVarProg::buildFile()
{
    auto tokens = encodeText();
    if (!tokens) {
        return std::nullopt;
    }
    Program program;
    program.name = uibase::NameBytesFromText(name_->text());
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
