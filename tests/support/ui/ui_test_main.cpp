// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the widget tests: one QApplication for the whole binary, on the
// offscreen platform unless the caller chose another, with Qt's test mode on so
// no test touches the user's own settings or data folder.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
