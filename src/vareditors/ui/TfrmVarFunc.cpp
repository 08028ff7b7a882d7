// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarFunc.h"

#include "base/ui/ProgressWindow.h"
#include "tibasic/ui/TokenEncoding.h"
#include "tibasic/ui/TokenTextEdit.h"
#include "vareditors/FunctionVariable.h"
#include "vareditors/TokenBody.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vexil::vareditors {

namespace {

const uibase::VarEditorTexts kFunctionTexts{QStringLiteral("Functions"), QStringLiteral("Function"),
                                            QLatin1Char('y'), QStringLiteral("Function")};
// An equation is a line or two; the box leaves room for a long one to wrap.
constexpr int kEquationLines = 4;

} // namespace

TfrmVarFunc::TfrmVarFunc(uibase::MainFrame &frame, QWidget *parent)
    : uibase::VarEditorWindow(frame, kFunctionTexts, parent), name_(new QComboBox(this)),
      equation_(new tibasic::ui::TokenTextEdit(this)),
      keypad_(new QPushButton(QStringLiteral("Show Keypad"), this))
{
    showNames();
    keypad_->setToolTip(QStringLiteral("Show Keypad"));
    keypad_->setStatusTip(QStringLiteral("Display the calculator keypad."));
    equation_->setTabChangesFocus(true);
    equation_->setFixedHeight(equation_->fontMetrics().lineSpacing() * kEquationLines +
                              2 * equation_->frameWidth() + 8);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Name:"), this));
    top->addWidget(name_);
    top->addStretch();
    top->addWidget(keypad_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("Equation:"), this));
    layout->addWidget(equation_);
    layout->addStretch();

    setFocusProxy(equation_);
    markModifiedOn(equation_, &QPlainTextEdit::textChanged);
    markModifiedOn(name_, &QComboBox::currentIndexChanged);
    connect(keypad_, &QPushButton::clicked, this, [this] { frame_.showKeypad(model()); });
}

TfrmVarFunc::~TfrmVarFunc() = default;

varfile::CalcModel TfrmVarFunc::model() const
{
    return IsTI82 ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
}

void TfrmVarFunc::insertTokenText(std::string_view eightBit)
{
    equation_->insertTokenText(eightBit);
}

bool TfrmVarFunc::LoadFile(const QString &fileName)
{
    irreversible_.forget();
    if (!VarEditorWindow::LoadFile(fileName)) {
        return false;
    }
    irreversible_.tellUser(FileName);
    return true;
}

bool TfrmVarFunc::SaveFile()
{
    if (!irreversible_.allowSave(FileName.isEmpty() ? windowTitle() : FileName) ||
        !VarEditorWindow::SaveFile()) {
        return false;
    }
    irreversible_.forget();
    return true;
}

void TfrmVarFunc::showNames()
{
    const int count = vardata::FunctionNameCount(model());
    const QSignalBlocker quiet(name_);
    const int current = std::min(std::max(name_->currentIndex(), 0), count - 1);
    name_->clear();
    for (int i = 0; i < count; ++i) {
        name_->addItem(QString::fromStdString(vardata::FunctionNameLabel(model(), i)));
    }
    name_->setCurrentIndex(current);
}

void TfrmVarFunc::modelChanged()
{
    showNames();
}

bool TfrmVarFunc::loadBytes(varfile::ByteView file)
{
    const vardata::LoadedFunction loaded = vardata::LoadFunctionFile(file);
    IsTI82 = loaded.variable.model == varfile::CalcModel::TI82;
    showNames();
    name_->setCurrentIndex(loaded.variable.nameIndex);
    equation_->setEightBitText(loaded.variable.text);
    irreversible_.check(model(), loaded.tokens, vardata::kTokenBodyOffset);
    return loaded.complete;
}

QString TfrmVarFunc::readErrorMessage() const
{
    return QString::fromLatin1(vardata::kFunctionReadError.data(),
                               vardata::kFunctionReadError.size());
}

void TfrmVarFunc::beginSaving()
{
    progress_ = tibasic::ui::ShowSavingProgress(this, FileName);
}

void TfrmVarFunc::endSaving()
{
    progress_.reset();
}

std::optional<varfile::Bytes> TfrmVarFunc::buildFile()
{
    const tibasic::ui::EncodedTokenText encoded =
        tibasic::ui::EncodeTokenText(model(), equation_->eightBitText(), progress_.get());
    progress_.reset();
    if (!encoded.tokens) {
        showError(QString::fromLatin1(vardata::kInvalidTokenFound.data(),
                                      vardata::kInvalidTokenFound.size()));
        equation_->placeCaret(encoded.failedEditorOffset);
        return std::nullopt;
    }
    auto build = vardata::FunctionFileFromTokens(model(), name_->currentIndex(), *encoded.tokens);
    if (!build.ok()) {
        showError(QString::fromStdString(build.error));
        return std::nullopt;
    }
    return std::move(build.file);
}

} // namespace vexil::vareditors
