// SPDX-License-Identifier: GPL-3.0-or-later
// The Sprite Editor: draws a sprite of up to 96 x 64 cells, loads it from a picture or
// from the ".db" lines selected in a source window, and copies it to the clipboard as
// assembler data, whole or cut into segments.
#pragma once

#include "tools/Sprite.h"
#include "tools/SpriteHistory.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>

class QPushButton;
class QScrollArea;
class QSpinBox;

namespace vexil::tools {

class SpriteCanvas;
class SpritePreview;

class TfrmSprite : public QDialog {
    Q_OBJECT
public:
    // The selected text of the active source window; none when there is no source window.
    using SourceSelection = std::function<std::optional<QString>()>;

    TfrmSprite(std::filesystem::path programDirectory, SourceSelection sourceSelection,
               QWidget *parent = nullptr);

    const Sprite &sprite() const { return sprite_; }
    SpriteCanvas &canvas() { return *canvas_; }
    SpritePreview &preview() { return *preview_; }
    int zoom() const;

    // The buttons' commands.
    void SaveToClipboardClick();
    void ClearClick();
    void LoadBitmapClick();
    void LoadFromSourceClick();
    void UndoClick();
    void ZoomInClick();
    void ZoomOutClick();
    void setSpriteSize(int width, int height);

private:
    template <typename Command> QPushButton *button(const QString &caption, Command command);
    void HelpClick();
    void showSprite();
    void showZoom();
    // Takes over a loaded sprite, keeping what was there for Undo.
    void takeOver(const Sprite &loaded);
    // Asks until the answer is empty-free; none when cancelled.
    std::optional<QString> askLabel();
    std::optional<int> askSegmentSize(const QString &prompt, const QString &initial, int lowest,
                                      int highest);

    std::filesystem::path programDirectory_;
    SourceSelection sourceSelection_;
    Sprite sprite_;
    Sprite strokeStart_;
    SpriteHistory history_;
    QString label_;
    std::optional<int> lastSegmentSize_;
    SpriteCanvas *canvas_;
    SpritePreview *preview_;
    QScrollArea *scroll_;
    QSpinBox *width_;
    QSpinBox *height_;
    QPushButton *undo_ = nullptr;
};

} // namespace vexil::tools
