// SPDX-License-Identifier: GPL-3.0-or-later
// A panel that sets its contents apart with a bevelled edge, sunk into the window
// or standing out of it.
#pragma once

#include <QFrame>

namespace vexil::app {

class TModalBevel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { Lowered, Raised };
    Q_ENUM(Bevel)

private:
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(Bevel Style READ bevelStyle WRITE setBevelStyle)

public:
    explicit TModalBevel(QWidget *parent = nullptr);

    int borderWidth() const { return lineWidth(); }
    // Not style(): that name belongs to QWidget's QStyle.
    Bevel bevelStyle() const { return bevel_; }

    void setBorderWidth(int width);
    void setBevelStyle(Bevel bevel);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Bevel bevel_ = Bevel::Lowered;
};

} // namespace vexil::app
