// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/ToolWindows.h"

#include "editor/ui/TfrmSource.h"
#include "tools/ui/TfrmAscii.h"
#include "tools/ui/TfrmConvert.h"
#include "tools/ui/TfrmSprite.h"

#include <Qsci/qsciscintilla.h>

#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace vexil::app {

ToolWindows::ToolWindows(QMdiArea &area, std::filesystem::path programDirectory,
                         QWidget *dialogParent)
    : QObject(dialogParent), area_(area), programDirectory_(std::move(programDirectory)),
      dialogParent_(dialogParent)
{
    ascii_ = new tools::TfrmAscii([this](const QString &text) {
        editor::TfrmSource *source = lastSource_;
        if (source == nullptr || !source->IsSource) {
            return false;
        }
        source->Memo1->replaceSelectedText(text);
        return true;
    });
    // A fixed size and no maximize button; the close button only minimizes it.
    asciiWindow_ =
        area_.addSubWindow(ascii_, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    asciiWindow_->setWindowIcon(QIcon::fromTheme(QStringLiteral("accessories-character-map")));
    asciiWindow_->adjustSize();
    asciiWindow_->setFixedSize(asciiWindow_->size());
    asciiWindow_->move(0, 0);
    asciiWindow_->showMinimized();

    connect(&area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        if (auto *source =
                sub != nullptr ? qobject_cast<editor::TfrmSource *>(sub->widget()) : nullptr) {
            lastSource_ = source;
        }
    });
}

tools::TfrmSprite &ToolWindows::spriteEditor()
{
    if (sprite_ == nullptr) {
        sprite_ = new tools::TfrmSprite(
            programDirectory_,
            [this]() -> std::optional<QString> {
                if (lastSource_ == nullptr) {
                    return std::nullopt;
                }
                return lastSource_->Memo1->selectedText();
            },
            dialogParent_);
    }
    return *sprite_;
}

tools::TfrmConvert &ToolWindows::imageConverter()
{
    if (converter_ == nullptr) {
        converter_ = new tools::TfrmConvert(
            programDirectory_, [this] { return model_; }, *converterLink_, dialogParent_);
    }
    return *converter_;
}

editor::TfrmSource *ToolWindows::lastSource() const
{
    return lastSource_;
}

void ToolWindows::showAsciiTable()
{
    asciiWindow_->showNormal();
    area_.setActiveSubWindow(asciiWindow_);
    asciiWindow_->raise();
}

void ToolWindows::showSpriteEditor()
{
    spriteEditor().exec();
}

void ToolWindows::showImageConverter()
{
    imageConverter().exec();
}

void ToolWindows::setModel(varfile::CalcModel model)
{
    model_ = model;
    ascii_->setModel(model);
}

void ToolWindows::placeAsciiTable()
{
    // A minimized window goes back to where it was when it is restored, so it is
    // put in the corner in its normal state.
    const bool minimized = asciiWindow_->isMinimized();
    if (minimized) {
        asciiWindow_->showNormal();
    }
    asciiWindow_->move(0, 0);
    if (minimized) {
        asciiWindow_->showMinimized();
    }
}

} // namespace vexil::app
