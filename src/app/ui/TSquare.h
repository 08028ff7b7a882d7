// SPDX-License-Identifier: GPL-3.0-or-later
// A plain rectangle: filled with a two-colour gradient (or a solid brush) and
// framed by a pen. Windows compose their painted backgrounds from it instead of
// each drawing its own.
#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QWidget>

namespace vexil::app {

class TSquare : public QWidget {
    Q_OBJECT
public:
    // The direction the gradient runs from ShadeStart to ShadeEnd; None fills with Brush.
    enum class Shade { None, Horizontal, Vertical, Diagonal };
    Q_ENUM(Shade)

private:
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(Shade ShadeStyle READ shadeStyle WRITE setShadeStyle)
    Q_PROPERTY(QColor ShadeStart READ shadeStart WRITE setShadeStart)
    Q_PROPERTY(QColor ShadeEnd READ shadeEnd WRITE setShadeEnd)
    Q_PROPERTY(QBrush Brush READ brush WRITE setBrush)
    Q_PROPERTY(QPen Pen READ pen WRITE setPen)

public:
    explicit TSquare(QWidget *parent = nullptr);

    int borderWidth() const { return borderWidth_; }
    Shade shadeStyle() const { return shade_; }
    QColor shadeStart() const { return shadeStart_; }
    QColor shadeEnd() const { return shadeEnd_; }
    QBrush brush() const { return brush_; }
    QPen pen() const { return pen_; }

    void setBorderWidth(int width);
    void setShadeStyle(Shade shade);
    void setShadeStart(const QColor &color);
    void setShadeEnd(const QColor &color);
    void setBrush(const QBrush &brush);
    void setPen(const QPen &pen);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int borderWidth_ = 1;
    Shade shade_ = Shade::None;
    QColor shadeStart_ = Qt::white;
    QColor shadeEnd_ = Qt::black;
    QBrush brush_ = Qt::white;
    QPen pen_ = QPen(Qt::black);
};

} // namespace vexil::app
