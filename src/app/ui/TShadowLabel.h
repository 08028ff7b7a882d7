// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line caption with a drop shadow: the text is drawn first in the shadow
// colour at an offset, then in the label's own colour on top.
#pragma once

#include <QColor>
#include <QLabel>

namespace vexil::app {

class TShadowLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QColor ShadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowOffsetX READ shadowOffsetX WRITE setShadowOffsetX)
    Q_PROPERTY(int ShadowOffsetY READ shadowOffsetY WRITE setShadowOffsetY)

public:
    explicit TShadowLabel(const QString &text = {}, QWidget *parent = nullptr);

    QColor shadowColor() const { return shadowColor_; }
    int shadowOffsetX() const { return offsetX_; }
    int shadowOffsetY() const { return offsetY_; }

    void setShadowColor(const QColor &color);
    void setShadowOffsetX(int offset);
    void setShadowOffsetY(int offset);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSize shadowExtent() const;

    QColor shadowColor_ = QColor(0, 0, 0, 110);
    int offsetX_ = 2;
    int offsetY_ = 2;
};

} // namespace vexil::app
