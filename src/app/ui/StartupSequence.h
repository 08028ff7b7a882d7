// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up in three timed steps so the splash window paints while the rest is
// prepared: after 1 ms the options are read and the menus built, after 1 s more the
// main window appears maximized, after 3.5 s the splash goes and a first run is
// welcomed.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

namespace vexil::app {

class SplashWindow;
class TForm1;

class StartupSequence : public QObject {
    Q_OBJECT
public:
    StartupSequence(TForm1 &form, bool firstRun, QStringList filesToOpen,
                    QObject *parent = nullptr);

    void start();

    // The steps, public so tests can run them without waiting.
    void prepare();
    void showMainWindow();
    void welcome();

    bool firstRun() const { return firstRun_; }

    // What could not be set up in the program directory, shown once the window is
    // up (after the welcome on a first run).
    void reportSetupProblems(QStringList problems) { setupProblems_ = std::move(problems); }

private:
    TForm1 &form_;
    bool firstRun_;
    QStringList filesToOpen_;
    QStringList setupProblems_;
    QPointer<SplashWindow> splash_;
};

} // namespace vexil::app
