// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a resizable top-level window ("form") between a smallest and a largest
// size while the user drags its edges. A limit of 0 leaves that side free.
#pragma once

#include <QObject>

class QWidget;

namespace vexil::app {

class TFormSizeLimit : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MinWidth READ minWidth WRITE setMinWidth)
    Q_PROPERTY(int MinHeight READ minHeight WRITE setMinHeight)
    Q_PROPERTY(int MaxWidth READ maxWidth WRITE setMaxWidth)
    Q_PROPERTY(int MaxHeight READ maxHeight WRITE setMaxHeight)

public:
    // Becomes a child of form. Throws std::invalid_argument when form is not a
    // top-level window, cannot be resized, or already has a size limit: each of
    // those is a mistake in the code that places it, not a condition to recover from.
    explicit TFormSizeLimit(QWidget *form);

    int minWidth() const { return minWidth_; }
    int minHeight() const { return minHeight_; }
    int maxWidth() const { return maxWidth_; }
    int maxHeight() const { return maxHeight_; }

    void setMinWidth(int width);
    void setMinHeight(int height);
    void setMaxWidth(int width);
    void setMaxHeight(int height);

private:
    QWidget *form_;
    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};

} // namespace vexil::app
