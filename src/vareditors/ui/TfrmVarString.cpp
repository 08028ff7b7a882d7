// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarString.h"

#include "tibasic/ui/TokenTextEdit.h"
#include "vareditors/StringVariable.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexil::vareditors {

namespace {

const uibase::VarEditorTexts kStringTexts{QStringLiteral("Strings"), QStringLiteral("String"),
                                          QLatin1Char('s'), QStringLiteral("String")};

} // namespace

TfrmVarString::TfrmVarString(uibase::MainFrame &frame, QWidget *parent)
    : uibase::VarEditorWindow(frame, kStringTexts, parent), name_(new QComboBox(this)),
      text_(new tibasic::ui::TokenTextEdit(this)),
      showKeypad_(new QPushButton(QStringLiteral("Show Keypad"), this))
{
    IsTI82 = false;
    for (int i = 0; i < vardata::kStringNameCount; ++i) {
        name_->addItem(QString::fromStdString(vardata::StringVarLabel(i)));
    }
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Name:"), this));
    top->addWidget(name_);
    top->addStretch();
    top->addWidget(showKeypad_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(text_);

    // A tab is no token; Tab moves on to the next control as in any edit box.
    text_->setTabChangesFocus(true);
    setFocusProxy(text_);
    markModifiedOn(text_, &QPlainTextEdit::textChanged);
    showKeypad_->setToolTip(QStringLiteral("Show Keypad"));
    showKeypad_->setStatusTip(QStringLiteral("Display the calculator keypad."));
    showKeypad_->setFocusPolicy(Qt::NoFocus);
    connect(showKeypad_, &QPushButton::clicked, this,
            [this] { frame_.showKeypad(varfile::CalcModel::TI83); });
    markModifiedOn(name_, &QComboBox::currentIndexChanged);
}

void TfrmVarString::insertTokenText(std::string_view eightBit)
{
    text_->insertTokenText(eightBit);
}

bool TfrmVarString::LoadFile(const QString &fileName)
{
    irreversible_.forget();
    if (!VarEditorWindow::LoadFile(fileName)) {
        return false;
    }
    irreversible_.tellUser(FileName);
    return true;
}

bool TfrmVarString::SaveFile()
{
    if (!irreversible_.allowSave(FileName.isEmpty() ? windowTitle() : FileName) ||
        !VarEditorWindow::SaveFile()) {
        return false;
    }
    irreversible_.forget();
    return true;
}

bool TfrmVarString::loadBytes(varfile::ByteView file)
{
    const auto loaded = vardata::LoadStringFile(file);
    IsTI82 = false;
    name_->setCurrentIndex(loaded.variable.nameIndex);
    text_->setEightBitText(loaded.variable.text);
    irreversible_.check(varfile::CalcModel::TI83, vardata::StringFileTokens(file),
                        vardata::kStringTokensOffset);
    return loaded.complete;
}

QString TfrmVarString::readErrorMessage() const
{
    return QString::fromLatin1(vardata::kStringReadError.data(), vardata::kStringReadError.size());
}

std::optional<varfile::Bytes> TfrmVarString::buildFile()
{
    const tibasic::ui::EightBitText text = text_->eightBitText();
    const QString invalid =
        QString::fromLatin1(vardata::kInvalidTokenFound.data(), vardata::kInvalidTokenFound.size());
    if (!text.ok()) {
        showError(invalid);
        text_->placeCaret(text.failedEditorOffset);
        return std::nullopt;
    }
    vardata::StringVariable string;
    string.nameIndex = name_->currentIndex();
    string.text = text.text;
    auto build = vardata::BuildStringFile(string);
    if (build.failedAt != 0) {
        showError(invalid);
        text_->placeCaret(text.editorOffsetOf(build.failedAt - 1));
        return std::nullopt;
    }
    if (!build.ok()) {
        showError(QString::fromStdString(build.error));
        return std::nullopt;
    }
    return std::move(build.file);
}

} // namespace vexil::vareditors
