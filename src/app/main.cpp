// SPDX-License-Identifier: GPL-3.0-or-later
// vexil: prepares the program directory and starts the main window.
#include "app/DesktopIntegration.h"
#include "app/ProgramDirectory.h"
#include "app/VexilCommandLine.h"
#include "app/ui/DesktopRegistration.h"
#include "app/ui/StartupSequence.h"
#include "app/ui/TForm1.h"
#include "base/Version.h"
#include "base/ui/HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    using vexil::app::VexilCommandLine;
    // Answered before Qt starts, so they work without a display.
    switch (vexil::app::ParseVexilCommandLine({argv + std::min(argc, 1), argv + argc}).request) {
    case VexilCommandLine::Request::Help:
        std::fputs(vexil::app::VexilUsageText().c_str(), stdout);
        return 0;
    case VexilCommandLine::Request::Version:
        std::fputs(vexil::base::VersionText("vexil").c_str(), stdout);
        return 0;
    case VexilCommandLine::Request::Run:
        break;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexil"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vexil Assembler"));
    QApplication::setApplicationVersion(QString::fromLatin1(vexil::base::VexilVersion()));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor")) {
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }

    namespace fs = std::filesystem;
    const fs::path programDirectory =
        vexil::app::ResolveProgramDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    const fs::path seed = vexil::app::FindSeedDirectory(
        QFile::encodeName(QApplication::applicationDirPath()).toStdString(), VEXIL_BUILD_DATA_DIR);
    const vexil::app::PrepareResult prepared =
        vexil::app::PrepareProgramDirectory(programDirectory, seed);
    for (const std::string &problem : prepared.problems) {
        qWarning("%s", problem.c_str());
    }
    if (!seed.empty()) {
        vexil::uibase::SetInstalledHelpFolder(seed / "help");
    }
    // A package or `cmake --install` already put the entry and the file types where
    // every user's desktop finds them; a copy per user would only shadow them.
    if (prepared.firstRun &&
        !vexil::app::SystemDesktopIntegrationPresent(std::getenv("XDG_DATA_DIRS"))) {
        vexil::app::RegisterWithDesktop(programDirectory);
    }

    std::vector<std::string> arguments;
    for (const QString &argument : QApplication::arguments().mid(1)) {
        arguments.push_back(QFile::encodeName(argument).toStdString());
    }
    QStringList files;
    for (const std::string &file : vexil::app::ParseVexilCommandLine(arguments).files) {
        files << QDir::current().absoluteFilePath(QFile::decodeName(file.c_str()));
    }

    vexil::app::TForm1 form(programDirectory);
    vexil::app::StartupSequence startup(form, prepared.firstRun, files);
    QStringList problems;
    for (const std::string &problem : prepared.problems) {
        problems << QString::fromStdString(problem);
    }
    startup.reportSetupProblems(problems);
    startup.start();
    return QApplication::exec();
}
