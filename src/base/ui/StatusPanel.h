// SPDX-License-Identifier: GPL-3.0-or-later
// Status panel 0 of the main window: one line of text that the program draws itself,
// so a message can be bold and coloured (red for a failed assembly, blue for success).
#pragma once

#include <QColor>
#include <QWidget>

namespace vexil::uibase {

class StatusPanel : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget *parent = nullptr);

    void setText(const QString &text);
    void setBold(bool bold);
    void setColor(const QColor &color);
    // Text in regular black: what hints and plain notices use.
    void showPlain(const QString &text);
    void clear() { showPlain(QString()); }

    QString text() const { return text_; }
    bool isBold() const { return bold_; }
    QColor color() const { return color_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    bool bold_ = false;
    QColor color_ = Qt::black;
};

} // namespace vexil::uibase
