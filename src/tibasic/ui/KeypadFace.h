// SPDX-License-Identifier: GPL-3.0-or-later
// Our own drawing of a calculator keyboard: each key a panel with its face, the
// 2nd function and the letter above it as labels of their own, and the 2nd, ALPHA
// and A-LOCK indicators along the top. Everything scales with the widget, keeping
// the keyboard's proportions. The face only draws and reports clicks; what a key
// does is the keypad window's business.
#pragma once

#include "tibasic/Keypad.h"

#include <QColor>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

namespace vexil::tibasic::ui {

struct KeypadColours {
    QColor body;
    QColor lightKey; // digits, point and negation
    QColor darkKey;  // functions
    QColor operatorKey;
    QColor topKey; // the row under the screen
    QColor secondKey;
    QColor alphaKey;
    QColor secondCaption;
    QColor alphaCaption;
};

KeypadColours ColoursOf(CalcModel model);

// Acts only when the left button goes down and comes up inside: moving off the
// key while the button is held raises it again, moving back lowers it.
class PressablePanel : public QWidget {
    Q_OBJECT
public:
    explicit PressablePanel(QWidget *parent = nullptr);

    bool isDown() const { return down_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool tracking_ = false;
    bool down_ = false;
};

class KeypadKeyPanel : public PressablePanel {
    Q_OBJECT
public:
    KeypadKeyPanel(const KeypadKey &key, QColor colour, QColor text, QWidget *parent);

    int tag() const { return tag_; }
    QString face() const { return face_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int tag_;
    QString face_;
    QColor colour_;
    QColor text_;
};

class KeypadCaption : public PressablePanel {
    Q_OBJECT
public:
    KeypadCaption(int tag, KeyLayer layer, const QString &text, QColor colour,
                  Qt::Alignment alignment, QWidget *parent);

    int tag() const { return tag_; }
    KeyLayer layer() const { return layer_; }
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int tag_;
    KeyLayer layer_;
    QString text_;
    QColor colour_;
    Qt::Alignment alignment_;
};

class KeypadFace : public QWidget {
    Q_OBJECT
public:
    KeypadFace(CalcModel model, QWidget *parent = nullptr);

    void showState(const KeypadState &state);

    KeypadKeyPanel *key(int tag) const;
    KeypadCaption *caption(int tag, KeyLayer layer) const;

    QSize sizeHint() const override;

signals:
    void keyClicked(int tag);
    void captionClicked(int tag, KeyLayer layer);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // A key's colour and the colour of its face text.
    std::pair<QColor, QColor> keyColours(int tag) const;
    void addCaption(int tag, KeyLayer layer, const std::string &text, QColor colour,
                    Qt::Alignment alignment);
    // Where the keyboard sits in the widget: its top left and the size of one unit
    // (a key column is one unit wide).
    QPointF origin() const;
    double unit() const;
    QRect toWidget(const QRectF &units) const;

    CalcModel model_;
    KeypadColours colours_;
    std::vector<KeypadKeyPanel *> keys_;
    std::vector<KeypadCaption *> captions_;
    bool second_ = false;
    bool alpha_ = false;
    bool alphaLock_ = false;
};

} // namespace vexil::tibasic::ui
