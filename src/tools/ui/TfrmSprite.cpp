// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/TfrmSprite.h"

#include "base/ui/DialogService.h"
#include "base/ui/HelpViewer.h"
#include "tools/SpriteImage.h"
#include "tools/SpriteReader.h"
#include "tools/SpriteText.h"
#include "tools/ui/QtImages.h"
#include "tools/ui/SpriteCanvas.h"
#include "tools/ui/SpritePreview.h"

#include <QClipboard>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vexil::tools {
namespace {

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 16;

using uibase::Dialogs;

} // namespace

template <typename Command> QPushButton *TfrmSprite::button(const QString &caption, Command command)
{
    auto *push = new QPushButton(caption, this);
    // Enter in the size boxes must not press a button.
    push->setAutoDefault(false);
    connect(push, &QPushButton::clicked, this, command);
    return push;
}

void TfrmSprite::HelpClick()
{
    uibase::ShowHelp(programDirectory_, QStringLiteral("IDH_DLGSPRITE"));
}

TfrmSprite::TfrmSprite(std::filesystem::path programDirectory, SourceSelection sourceSelection,
                       QWidget *parent)
    : QDialog(parent), programDirectory_(std::move(programDirectory)),
      sourceSelection_(std::move(sourceSelection)), canvas_(new SpriteCanvas(sprite_)),
      preview_(new SpritePreview(sprite_)), scroll_(new QScrollArea(this)),
      width_(new QSpinBox(this)), height_(new QSpinBox(this))
{
    setObjectName(QStringLiteral("frmSprite"));
    scroll_->setWidget(canvas_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setMinimumSize(420, 300);

    width_->setRange(1, kSpriteColumns);
    height_->setRange(1, kSpriteRows);
    width_->setValue(sprite_.width);
    height_->setValue(sprite_.height);
    auto *size = new QFormLayout;
    size->addRow(tr("&Width:"), width_);
    size->addRow(tr("&Height:"), height_);
    connect(width_, &QSpinBox::valueChanged, this,
            [this](int value) { setSpriteSize(value, sprite_.height); });
    connect(height_, &QSpinBox::valueChanged, this,
            [this](int value) { setSpriteSize(sprite_.width, value); });

    auto *previewBox = new QGroupBox(tr("Preview"), this);
    auto *previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(preview_);

    auto *side = new QVBoxLayout;
    side->addLayout(size);
    side->addWidget(previewBox);
    side->addWidget(button(tr("&Save to Clipboard"), &TfrmSprite::SaveToClipboardClick));
    side->addWidget(button(tr("Clea&r Sprite"), &TfrmSprite::ClearClick));
    side->addWidget(button(tr("&Load Bitmap"), &TfrmSprite::LoadBitmapClick));
    QPushButton *fromSource = button(tr("Load &from Source"), &TfrmSprite::LoadFromSourceClick);
    fromSource->setToolTip(tr("Read the sprite back from the .db lines selected in a source "
                              "window."));
    side->addWidget(fromSource);
    undo_ = button(tr("&Undo"), &TfrmSprite::UndoClick);
    undo_->setShortcut(QKeySequence::Undo);
    side->addWidget(undo_);
    side->addWidget(button(tr("Zoom &In"), &TfrmSprite::ZoomInClick));
    side->addWidget(button(tr("Zoom &Out"), &TfrmSprite::ZoomOutClick));
    side->addWidget(button(tr("&Help"), &TfrmSprite::HelpClick));
    side->addWidget(button(tr("&Close"), &QDialog::accept));
    side->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(side);

    connect(canvas_, &SpriteCanvas::strokeStarted, this, [this] { strokeStart_ = sprite_; });
    connect(canvas_, &SpriteCanvas::cellsChanged, preview_, qOverload<>(&QWidget::update));
    connect(canvas_, &SpriteCanvas::strokeFinished, this, [this] {
        if (!(strokeStart_.cells == sprite_.cells)) {
            history_.record(strokeStart_, false);
            undo_->setEnabled(true);
        }
    });
    undo_->setEnabled(false);
    showZoom();
    resize(720, 480);
}

int TfrmSprite::zoom() const
{
    return canvas_->zoom();
}

void TfrmSprite::showZoom()
{
    setWindowTitle(tr("Sprite Editor (x%1)").arg(canvas_->zoom()));
}

void TfrmSprite::showSprite()
{
    const QSignalBlocker blockWidth(width_);
    const QSignalBlocker blockHeight(height_);
    width_->setValue(sprite_.width);
    height_->setValue(sprite_.height);
    canvas_->sizeChanged();
    preview_->update();
    undo_->setEnabled(history_.canUndo());
}

void TfrmSprite::setSpriteSize(int width, int height)
{
    sprite_.width = std::clamp(width, 1, kSpriteColumns);
    sprite_.height = std::clamp(height, 1, kSpriteRows);
    showSprite();
}

void TfrmSprite::ZoomInClick()
{
    canvas_->setZoom(std::min(canvas_->zoom() + 1, kMaxZoom));
    showZoom();
}

void TfrmSprite::ZoomOutClick()
{
    canvas_->setZoom(std::max(canvas_->zoom() - 1, kMinZoom));
    showZoom();
}

void TfrmSprite::ClearClick()
{
    history_.record(sprite_, false);
    sprite_.cells.clear();
    showSprite();
}

void TfrmSprite::UndoClick()
{
    if (history_.undo(sprite_)) {
        showSprite();
    }
}

void TfrmSprite::takeOver(const Sprite &loaded)
{
    history_.record(sprite_, true);
    PasteSprite(loaded, sprite_);
    showSprite();
}

void TfrmSprite::LoadBitmapClick()
{
    uibase::FileDialogRequest request;
    request.title = QStringLiteral("Load Bitmap into Sprite");
    request.filter = QStringLiteral("Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*");
    request.defaultSuffix = QStringLiteral("bmp");
    const QString path = Dialogs().openFileName(request);
    if (path.isEmpty()) {
        return;
    }
    const ImageFileRead read = ReadImageFile(path);
    if (read.image.isNull()) {
        Dialogs().message(uibase::MessageKind::Error, read.error, uibase::Buttons::Ok);
        return;
    }
    takeOver(SpriteFromImage(RgbaOfImage(read.image)));
}

void TfrmSprite::LoadFromSourceClick()
{
    const std::optional<QString> selection = sourceSelection_ ? sourceSelection_() : std::nullopt;
    if (!selection) {
        Dialogs().message(uibase::MessageKind::Information,
                          tr("Open the source that holds the sprite, select its .db lines and "
                             "choose Load from Source again."),
                          uibase::Buttons::Ok);
        return;
    }
    if (selection->trimmed().isEmpty()) {
        Dialogs().message(uibase::MessageKind::Information,
                          tr("Select the sprite's .db lines in the source window first."),
                          uibase::Buttons::Ok);
        return;
    }
    const std::string text = selection->toStdString();
    SpriteReadResult read = ReadSpriteText(text, lastSegmentSize_);
    if (read.segmentSizeNeeded) {
        const SegmentSizeRange range = *read.segmentSizeNeeded;
        const std::optional<int> size =
            askSegmentSize(tr("Enter the segment size the sprite was cut into (%1 to %2):")
                               .arg(range.lowest)
                               .arg(range.highest),
                           QString::number(range.highest), range.lowest, range.highest);
        if (!size) {
            return;
        }
        read = ReadSpriteText(text, size);
        lastSegmentSize_ = size;
    }
    if (!read.sprite) {
        Dialogs().message(uibase::MessageKind::Warning,
                          tr("The selection cannot be read as a sprite.\n\n%1")
                              .arg(QString::fromStdString(read.error)),
                          uibase::Buttons::Ok);
        return;
    }
    if (!read.label.empty()) {
        label_ = QString::fromStdString(read.label);
    }
    takeOver(*read.sprite);
}

std::optional<QString> TfrmSprite::askLabel()
{
    while (true) {
        const std::optional<QString> answer =
            Dialogs().inputText(QStringLiteral("Sprite Name"),
                                QStringLiteral("Enter a label for your sprite:"), label_);
        if (!answer) {
            return std::nullopt;
        }
        // A label of blanks is no label either.
        if (!answer->trimmed().isEmpty()) {
            return answer->trimmed();
        }
    }
}

std::optional<int> TfrmSprite::askSegmentSize(const QString &prompt, const QString &initial,
                                              int lowest, int highest)
{
    while (true) {
        const std::optional<QString> answer =
            Dialogs().inputText(QStringLiteral("Segment size"), prompt, initial);
        if (!answer) {
            return std::nullopt;
        }
        bool whole = false;
        const int size = answer->trimmed().toInt(&whole);
        if (whole && size >= lowest && size <= highest) {
            return size;
        }
    }
}

void TfrmSprite::SaveToClipboardClick()
{
    const std::optional<QString> label = askLabel();
    if (!label) {
        return;
    }
    label_ = *label;
    const uibase::Answer split =
        Dialogs().message(uibase::MessageKind::Confirmation,
                          QStringLiteral("Do you wish to split this sprite up into segments?"),
                          uibase::Buttons::YesNoCancel);
    if (split == uibase::Answer::Cancel) {
        return;
    }
    std::optional<int> segmentSize;
    if (split == uibase::Answer::Yes) {
        // A segment holds at least one cell; a size of 0 would cut nothing.
        segmentSize = askSegmentSize(QStringLiteral("Enter the segment size for the sprite:"),
                                     QStringLiteral("10"), 1, 1 << 20);
        if (!segmentSize) {
            return;
        }
        lastSegmentSize_ = segmentSize;
    }
    const SpriteText text = WriteSpriteText(sprite_, label_.toStdString(), segmentSize);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text.text));
    Dialogs().message(uibase::MessageKind::Information,
                      QString::fromStdString(SpriteCopiedMessage(text)), uibase::Buttons::Ok);
}

} // namespace vexil::tools
