// SPDX-License-Identifier: GPL-3.0-or-later
// The window shown while Vexil starts.
#pragma once

#include <QWidget>

namespace vexil::app {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);
};

} // namespace vexil::app
