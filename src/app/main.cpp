// SPDX-License-Identifier: GPL-3.0-or-later
// vexil: prepares the program directory and starts the main window.
#include "app/ProgramDirectory.h"
#include "app/ui/DesktopRegistration.h"
#include "app/ui/StartupSequence.h"
#include "app/ui/TForm1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexil"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vexil Assembler"));
    QApplication::setApplicationVersion(QStringLiteral(VEXIL_VERSION));
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
    if (prepared.firstRun) {
        vexil::app::RegisterWithDesktop(programDirectory);
    }

    QStringList files;
    for (const QString &argument : QApplication::arguments().mid(1)) {
        files << QDir::current().absoluteFilePath(argument);
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
