// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/DesktopRegistration.h"

#include "app/DesktopIntegration.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace vexil::app {
namespace {

void StartIfInstalled(const QString &program, const std::filesystem::path &folder)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty()) {
        QProcess::startDetached(found, {QFile::decodeName(folder.c_str())});
    }
}

} // namespace

void RegisterWithDesktop(const std::filesystem::path &programDirectory)
{
    const std::filesystem::path dataHome = programDirectory.parent_path();
    const std::filesystem::path executable =
        QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    const DesktopIntegrationResult result =
        InstallDesktopIntegration(dataHome, executable, programDirectory / "icons");
    for (const std::string &problem : result.problems) {
        qWarning("%s", problem.c_str());
    }
    StartIfInstalled(QStringLiteral("update-mime-database"), result.mimeDirectory);
    StartIfInstalled(QStringLiteral("update-desktop-database"), result.applicationsDirectory);
}

} // namespace vexil::app
