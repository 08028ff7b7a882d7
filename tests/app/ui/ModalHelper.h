// SPDX-License-Identifier: GPL-3.0-or-later
// Acting on a modal dialog from a test: the action runs from the dialog's own event
// loop as soon as a visible window of the class appears.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

template <class Dialog> void WhenShown(std::function<void(Dialog *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<Dialog *>(window);
            if (dialog != nullptr && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                act(dialog);
                return;
            }
        }
    });
    timer->start();
}
