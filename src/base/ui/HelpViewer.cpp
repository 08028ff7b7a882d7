// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/HelpViewer.h"

#include "base/ui/DialogService.h"

#include <QApplication>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace vexil::uibase {

void ShowHelp(const std::filesystem::path &programDirectory, const QString &topic)
{
    const std::filesystem::path page = programDirectory / kHelpContentsPage;
    std::error_code ec;
    if (!std::filesystem::exists(page, ec)) {
        Dialogs().message(MessageKind::Error,
                          QStringLiteral("The help pages cannot be found in %1.")
                              .arg(QString::fromStdString(page.parent_path().string())),
                          Buttons::Ok);
        return;
    }
    static QPointer<QTextBrowser> viewer;
    if (viewer.isNull()) {
        viewer = new QTextBrowser;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setOpenExternalLinks(true);
        viewer->setWindowTitle(
            QStringLiteral("%1 Help").arg(QApplication::applicationDisplayName()));
        viewer->resize(720, 560);
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(page.string()));
    if (!topic.isEmpty()) {
        url.setFragment(topic);
    }
    viewer->setSource(url);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace vexil::uibase
