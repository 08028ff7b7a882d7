// SPDX-License-Identifier: GPL-3.0-or-later
// The character table itself: one of four prepared pictures, chosen by model and
// font, painted in the system's button colours. It reports the code under the
// pointer, clicks and double-clicks.
#pragma once

#include "tools/CalculatorFont.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <optional>

namespace vexil::tools {

class AsciiTableView : public QWidget {
    Q_OBJECT
public:
    explicit AsciiTableView(QWidget *parent = nullptr);

    void showTable(varfile::CalcModel model, CalculatorFont font);
    varfile::CalcModel model() const { return model_; }
    CalculatorFont font() const { return font_; }
    // The picture as it is painted now, in the system's colours.
    QImage currentPicture() const;

signals:
    // The code under the pointer, or none over the headers.
    void hovered(std::optional<std::uint8_t> code);
    void clicked(std::uint8_t code);
    void doubleClicked(std::uint8_t code);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // Four colour indices: black, white, grey, silver.
    std::array<QImage, 4> pictures_;
    varfile::CalcModel model_ = varfile::CalcModel::TI82;
    CalculatorFont font_ = CalculatorFont::Large;
};

} // namespace vexil::tools
