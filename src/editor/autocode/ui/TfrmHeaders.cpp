// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/autocode/ui/TfrmHeaders.h"

#include "base/ui/DialogService.h"
#include "base/ui/HelpViewer.h"
#include "editor/autocode/LineBreaks.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vexil::editor {
namespace {

const std::array<QString, assemble::kShellTargets.size()> kPageCaptions = {
    QStringLiteral("Ash 3.0"), QStringLiteral("CrASH 1.3"), QStringLiteral("TI-83 In-Built"),
    QStringLiteral("AShell83 1.0")};

QByteArray ToBytes(const std::string &text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TfrmHeaders::TfrmHeaders(std::filesystem::path programDirectory, QWidget *parent)
    : QDialog(parent), PageControl1(new QTabWidget(this)),
      programDirectory_(std::move(programDirectory))
{
    setWindowTitle(QStringLiteral("Editing Default Headers"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (std::size_t i = 0; i < assemble::kShellTargets.size(); ++i) {
        pages[i] = new QPlainTextEdit(PageControl1);
        pages[i]->setFont(fixed);
        pages[i]->setLineWrapMode(QPlainTextEdit::NoWrap);
        pages[i]->setTabStopDistance(pages[i]->fontMetrics().horizontalAdvance(QLatin1Char(' ')) *
                                     8);
        PageControl1->addTab(pages[i], kPageCaptions[i]);
    }
    auto *hint = new QLabel(
        QStringLiteral("Insert a vertical bar ( | ) to indicate the default cursor position."),
        this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Set here rather than left to the platform theme, which may add accelerators.
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    auto *help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    defaultsButton = buttons->addButton(tr("Use &Default"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmHeaders::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmHeaders::reject);
    connect(defaultsButton, &QPushButton::clicked, this, &TfrmHeaders::useDefaults);
    connect(help, &QPushButton::clicked, this,
            [this] { uibase::ShowHelp(programDirectory_, QStringLiteral("IDH_HEADERS")); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    resize(560, 480);
}

void TfrmHeaders::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        loadPages();
    }
}

void TfrmHeaders::loadPages()
{
    for (std::size_t i = 0; i < assemble::kShellTargets.size(); ++i) {
        const assemble::ShellTarget which = assemble::kShellTargets[i];
        std::optional<std::string> text = ReadHeaderTemplate(programDirectory_, which);
        if (!text) {
            text = std::string(DefaultHeaderText(which));
            // A folder that cannot take the file only costs the default on disk; the
            // page still shows it and OK will say so if writing keeps failing.
            WriteHeaderTemplate(programDirectory_, which, *text);
        }
        const DecodedText decoded = DecodeText(ToBytes(*text));
        encodings_[i] = decoded.encoding;
        pages[i]->setPlainText(decoded.text);
    }
}

bool TfrmHeaders::writePage(std::size_t index)
{
    const QByteArray bytes = EncodeText(pages[index]->toPlainText(), encodings_[index]);
    const std::string error =
        WriteHeaderTemplate(programDirectory_, assemble::kShellTargets[index],
                            WithCrLfLineBreaks(std::string_view(
                                bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    if (error.empty()) {
        return true;
    }
    uibase::Dialogs().message(
        uibase::MessageKind::Error,
        tr("The header was not saved.\n%1").arg(QString::fromLocal8Bit(error.c_str())),
        uibase::Buttons::Ok);
    return false;
}

void TfrmHeaders::accept()
{
    bool written = true;
    for (std::size_t i = 0; i < assemble::kShellTargets.size(); ++i) {
        written = writePage(i) && written;
    }
    if (written) {
        QDialog::accept();
    }
}

void TfrmHeaders::useDefaults()
{
    if (uibase::Dialogs().message(uibase::MessageKind::Confirmation,
                                  QStringLiteral("Revert to default headers?"),
                                  uibase::Buttons::YesNo) != uibase::Answer::Yes) {
        return;
    }
    for (const assemble::ShellTarget which : assemble::kShellTargets) {
        std::error_code ignored;
        std::filesystem::remove(programDirectory_ / assemble::Describe(which).headerTemplate,
                                ignored);
    }
    loadPages();
}

} // namespace vexil::editor
