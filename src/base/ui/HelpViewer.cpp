// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/HelpViewer.h"

#include "base/HelpTopics.h"
#include "base/ui/DialogService.h"
#include "base/ui/HelpFindBar.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace vexil::uibase {
namespace {

QPointer<HelpViewer> &TheViewer()
{
    static QPointer<HelpViewer> viewer;
    return viewer;
}

std::filesystem::path &InstalledHelpFolder()
{
    static std::filesystem::path folder;
    return folder;
}

QUrl PageUrl(const std::filesystem::path &file)
{
    return QUrl::fromLocalFile(QFile::decodeName(file.c_str()));
}

} // namespace

void SetInstalledHelpFolder(const std::filesystem::path &folder)
{
    InstalledHelpFolder() = folder;
}

std::filesystem::path HelpFolderFor(const std::filesystem::path &programDirectory)
{
    std::error_code ec;
    const std::filesystem::path &installed = InstalledHelpFolder();
    if (!installed.empty() &&
        std::filesystem::is_regular_file(installed / base::kHelpContentsPage, ec)) {
        return installed;
    }
    return programDirectory / "help";
}

void ShowHelp(const std::filesystem::path &programDirectory, const QString &topic)
{
    const std::filesystem::path folder = HelpFolderFor(programDirectory);
    const std::filesystem::path contents = folder / base::kHelpContentsPage;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(contents, ec)) {
        Dialogs().message(MessageKind::Error,
                          QStringLiteral("The help pages cannot be found in %1.")
                              .arg(QFile::decodeName(folder.c_str())),
                          Buttons::Ok);
        return;
    }
    const std::string_view topicPage = base::HelpTopicPage(topic.toStdString());
    if (!topic.isEmpty() && topicPage.empty()) {
        qWarning("No help page holds the topic %s", qPrintable(topic));
    }
    QUrl page = PageUrl(topicPage.empty() ? contents : folder / topicPage);
    if (!topicPage.empty()) {
        page.setFragment(topic);
    }

    // A window opened while a modal dialog runs takes no input unless it belongs to
    // that dialog, so the viewer moves to whichever dialog asks for it.
    QPointer<HelpViewer> &viewer = TheViewer();
    QWidget *owner = QApplication::activeModalWidget();
    if (viewer.isNull()) {
        viewer = new HelpViewer(owner);
    } else if (viewer->parentWidget() != owner && owner != viewer) {
        const QRect place = viewer->geometry();
        viewer->setParent(owner, Qt::Window);
        viewer->setGeometry(place);
    }
    viewer->showPage(page, PageUrl(contents));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

HelpViewer *HelpViewer::current()
{
    return TheViewer().data();
}

HelpViewer::HelpViewer(QWidget *parent)
    : QMainWindow(parent, Qt::Window), browser_(new QTextBrowser(this)),
      findBar_(new HelpFindBar(browser_, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpViewer"));
    resize(780, 600);

    browser_->setOpenExternalLinks(true);
    browser_->setOpenLinks(true);
    // Room around the text, and examples set off from it, for every page alike.
    browser_->document()->setDocumentMargin(14);
    browser_->document()->setDefaultStyleSheet(QStringLiteral(
        "h1 { color: #2b3440; } h2 { color: #2b3440; } pre { background-color: #eef1f4; } "
        "th { background-color: #e3e7ec; }"));
    auto *centre = new QWidget(this);
    auto *layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(browser_, 1);
    layout->addWidget(findBar_);
    setCentralWidget(centre);
    findBar_->hide();

    QToolBar *bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = bar->addAction(QIcon::fromTheme(QStringLiteral("go-previous")), tr("&Back"));
    back_->setShortcut(QKeySequence::Back);
    back_->setToolTip(tr("Back to the page shown before (Alt+Left)"));
    forward_ = bar->addAction(QIcon::fromTheme(QStringLiteral("go-next")), tr("&Forward"));
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setToolTip(tr("Forward again (Alt+Right)"));
    contents_ = bar->addAction(QIcon::fromTheme(QStringLiteral("go-home")), tr("&Contents"));
    contents_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    contents_->setToolTip(tr("The list of all help pages (Alt+Home)"));
    bar->addSeparator();
    QAction *find = bar->addAction(QIcon::fromTheme(QStringLiteral("edit-find")), tr("&Find"));
    find->setShortcut(QKeySequence::Find);
    find->setToolTip(tr("Find text on this page (Ctrl+F)"));
    QAction *close = new QAction(this);
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W)});
    addAction(close);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(contents_, &QAction::triggered, this, [this] { browser_->setSource(contentsPage_); });
    connect(find, &QAction::triggered, findBar_, &HelpFindBar::open);
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        updateTitle();
        if (findBar_->isVisible()) {
            findBar_->pageChanged();
        }
    });
}

void HelpViewer::showPage(const QUrl &page, const QUrl &contents)
{
    contentsPage_ = contents;
    browser_->setSource(page);
    updateTitle();
}

void HelpViewer::updateTitle()
{
    // The desktop adds the program's name to every window title.
    const QString page = browser_->documentTitle();
    const QLatin1String contentsPage(base::kHelpContentsPage.data(),
                                     static_cast<qsizetype>(base::kHelpContentsPage.size()));
    const bool contents = browser_->source().fileName() == contentsPage;
    setWindowTitle(page.isEmpty() || contents ? tr("Help") : tr("%1 - Help").arg(page));
}

} // namespace vexil::uibase
