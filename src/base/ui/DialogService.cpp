// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/DialogService.h"

#include "base/ui/QtDialogService.h"

#include <QRegularExpression>

namespace vexil::uibase {
namespace {

std::unique_ptr<DialogService> &Installed()
{
    static std::unique_ptr<DialogService> service = std::make_unique<QtDialogService>();
    return service;
}

} // namespace

DialogService &Dialogs()
{
    return *Installed();
}

std::unique_ptr<DialogService> InstallDialogService(std::unique_ptr<DialogService> service)
{
    std::unique_ptr<DialogService> previous = std::move(Installed());
    Installed() = std::move(service);
    return previous;
}

QString ToQtFilter(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^)]*\\)\\s*$"));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        name.remove(trailingPatterns);
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" means every file here, also those without a dot in the name.
        if (patterns == QLatin1String("*.*")) {
            patterns = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace vexil::uibase
