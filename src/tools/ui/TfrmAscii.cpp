// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/TfrmAscii.h"

#include "base/ui/DialogService.h"
#include "tools/CharacterNames.h"
#include "tools/CharsetTable.h"
#include "tools/ui/AsciiTableView.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace vexil::tools {
namespace {
constexpr int kCornerPanelSize = 22;
} // namespace

TfrmAscii::TfrmAscii(InsertIntoSource insert, QWidget *parent)
    : QWidget(parent), insert_(std::move(insert)), table_(new AsciiTableView(this)),
      corner_(new QLabel(table_)), tabs_(new QTabBar(this)), name_(new QLabel(this)),
      repaint_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmAscii"));
    setWindowTitle(tr("TI-ASCII Table"));

    // The corner panel sits on the corner cell of the table, above the headers.
    corner_->setGeometry(1, 1, kCornerPanelSize, kCornerPanelSize);
    corner_->setAlignment(Qt::AlignCenter);
    corner_->setAutoFillBackground(true);
    corner_->setBackgroundRole(QPalette::Highlight);
    corner_->setForegroundRole(QPalette::HighlightedText);
    QFont bold = corner_->font();
    bold.setBold(true);
    corner_->setFont(bold);
    corner_->setText(QStringLiteral("00"));

    tabs_->addTab(tr("Large font"));
    tabs_->addTab(tr("Small font"));
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setDrawBase(false);
    name_->setMinimumWidth(kTableSize / 2);
    name_->setTextFormat(Qt::PlainText);

    repaint_->setSingleShot(true);
    repaint_->setInterval(1);
    connect(repaint_, &QTimer::timeout, this, [this] { table_->showTable(model_, font()); });
    connect(tabs_, &QTabBar::currentChanged, repaint_, qOverload<>(&QTimer::start));

    connect(table_, &AsciiTableView::hovered, this, &TfrmAscii::showCode);
    connect(table_, &AsciiTableView::clicked, this,
            [](std::uint8_t code) { QGuiApplication::clipboard()->setText(CodeText(code)); });
    connect(table_, &AsciiTableView::doubleClicked, this, [this](std::uint8_t code) {
        if (!insert_ || !insert_(CodeText(code))) {
            uibase::Dialogs().beep();
        }
    });

    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(0, 0, 4, 0);
    bottom->addWidget(tabs_);
    bottom->addWidget(name_, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(table_);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    table_->showTable(model_, font());
}

QString TfrmAscii::CodeText(std::uint8_t code)
{
    return QStringLiteral("$%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

CalculatorFont TfrmAscii::font() const
{
    return tabs_->currentIndex() == 1 ? CalculatorFont::Small : CalculatorFont::Large;
}

void TfrmAscii::setModel(varfile::CalcModel model)
{
    model_ = model;
    table_->showTable(model_, font());
}

void TfrmAscii::showCode(std::optional<std::uint8_t> code)
{
    if (!code) {
        corner_->clear();
        name_->clear();
        return;
    }
    corner_->setText(QStringLiteral("%1").arg(*code, 2, 16, QLatin1Char('0')).toUpper());
    const std::string name = CharacterName(model_, font(), *code);
    const QString text =
        name.empty() ? tr("%1: no character").arg(CodeText(*code))
                     : QStringLiteral("%1: %2").arg(CodeText(*code), QString::fromStdString(name));
    // The window has a fixed width: a long name is cut, and whole in the tooltip.
    name_->setText(name_->fontMetrics().elidedText(text, Qt::ElideRight, name_->width()));
    name_->setToolTip(text);
}

void TfrmAscii::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        frame->showMinimized();
    } else {
        showMinimized();
    }
}

} // namespace vexil::tools
