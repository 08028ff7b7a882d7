// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/StartupSequence.h"

#include "app/ui/SplashWindow.h"
#include "app/ui/TForm1.h"
#include "base/ui/DialogService.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace vexil::app {
namespace {
constexpr int kStartupDelayMs = 1;
constexpr int kShowWindowDelayMs = 1000;
constexpr int kWelcomeDelayMs = 3500;
} // namespace

StartupSequence::StartupSequence(TForm1 &form, bool firstRun, QStringList filesToOpen,
                                 QObject *parent)
    : QObject(parent), form_(form), firstRun_(firstRun), filesToOpen_(std::move(filesToOpen))
{
}

void StartupSequence::start()
{
    QTimer::singleShot(kStartupDelayMs, this, [this] {
        prepare();
        QTimer::singleShot(kShowWindowDelayMs, this, &StartupSequence::showMainWindow);
        QTimer::singleShot(kWelcomeDelayMs, this, &StartupSequence::welcome);
    });
}

void StartupSequence::prepare()
{
    splash_ = new SplashWindow;
    splash_->show();
    form_.readOptions();
    form_.rebuildWindowMenu();
    form_.loadAutoCode();
    form_.rebuildRecentFiles();
    form_.applyStoredMode();
}

void StartupSequence::showMainWindow()
{
    // Without a window manager a maximize request is ignored; start at full size anyway.
    if (QScreen *screen = form_.screen()) {
        form_.setGeometry(screen->availableGeometry());
    }
    form_.showMaximized();
    form_.activateWindow();
    form_.raise();
    form_.placeAsciiTable();
    for (const QString &file : std::as_const(filesToOpen_)) {
        form_.openFile(file);
    }
    filesToOpen_.clear();
}

void StartupSequence::welcome()
{
    if (splash_) {
        splash_->close();
    }
    if (form_.isMinimized()) {
        form_.showMaximized();
    }
    form_.activateWindow();
    if (firstRun_) {
        uibase::Dialogs().message(
            uibase::MessageKind::Information,
            QStringLiteral("Thanks for using Vexil Assembler as your TI-82 and TI-83 assembler "
                           "development environment.  Please don't hesitate to e-mail me with "
                           "comments, bug reports or suggestions!"),
            uibase::Buttons::Ok, QStringLiteral("Welcome to Vexil Assembler"));
    }
    if (!setupProblems_.isEmpty()) {
        uibase::Dialogs().message(
            uibase::MessageKind::Warning,
            QStringLiteral("Some of Vexil's files could not be set up in %1:\n\n%2\n\n"
                           "Assembling may fail until they are there.  Vexil tries again "
                           "on its next start.")
                .arg(QString::fromStdString(form_.programDirectory().string()),
                     setupProblems_.join(QLatin1Char('\n'))),
            uibase::Buttons::Ok);
        setupProblems_.clear();
    }
}

} // namespace vexil::app
