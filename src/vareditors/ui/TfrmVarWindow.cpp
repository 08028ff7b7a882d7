// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarWindow.h"

#include "vareditors/ui/NumberEntry.h"
#include "vareditors/ui/NumberGrid.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace vexil::vareditors {

namespace {

uibase::VarEditorTexts TextsOf(vardata::SettingsKind kind)
{
    const QString words = kind == vardata::SettingsKind::Window ? QStringLiteral("Window Settings")
                                                                : QStringLiteral("Zoom Settings");
    return {words, words, QLatin1Char(kind == vardata::SettingsKind::Window ? 'w' : 'z'), words};
}

QString ValueText(const vardata::SettingValue &value)
{
    return value.defined ? FormatNumber(value.value) : QString();
}

constexpr int kLabelColumn = 0;
constexpr int kValueColumn = 1;

} // namespace

SettingsGridWindow::SettingsGridWindow(uibase::MainFrame &frame, vardata::SettingsKind kind,
                                       QWidget *parent)
    : uibase::VarEditorWindow(frame, TextsOf(kind), parent), kind_(kind),
      grid_(new NumberGrid(this))
{
    grid_->setColumnCount(2);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(kLabelColumn, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(kValueColumn, QHeaderView::Stretch);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    setFocusProxy(grid_);
    modelChanged();
    connect(grid_, &QTableWidget::itemChanged, this, &SettingsGridWindow::takeCell);
}

varfile::CalcModel SettingsGridWindow::model() const
{
    return IsTI82 ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
}

void SettingsGridWindow::modelChanged()
{
    showSettings(vardata::NewSettings(kind_, model()));
    setModified(false);
}

void SettingsGridWindow::showSettings(const vardata::SettingsVariable &settings)
{
    grid_->setRowCount(static_cast<int>(settings.values.size()));
    for (std::size_t row = 0; row < settings.values.size(); ++row) {
        const int at = static_cast<int>(row);
        grid_->setCellText(
            at, kLabelColumn,
            QString::fromStdString(vardata::SettingLabel(kind_, settings.model, row)), false);
        grid_->setCellText(at, kValueColumn, ValueText(settings.values[row]));
    }
    grid_->setCurrentCell(0, kValueColumn);
}

void SettingsGridWindow::takeCell(QTableWidgetItem *cell)
{
    const auto row = static_cast<std::size_t>(cell->row());
    auto value = vardata::ParseSettingEntry(model(), row, cell->text().toStdString());
    if (!value) {
        ShowInvalidNumberMessage();
        value = vardata::SettingValue{};
    }
    grid_->setCellText(cell->row(), kValueColumn, ValueText(*value));
    setModified(true);
}

bool SettingsGridWindow::loadBytes(varfile::ByteView file)
{
    const auto loaded = vardata::LoadSettingsFile(kind_, file);
    IsTI82 = loaded.variable.model == varfile::CalcModel::TI82;
    showSettings(loaded.variable);
    return loaded.complete;
}

QString SettingsGridWindow::readErrorMessage() const
{
    const std::string_view message = vardata::SettingsReadError(kind_);
    return QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()));
}

std::optional<varfile::Bytes> SettingsGridWindow::buildFile()
{
    grid_->commitEdit();
    vardata::SettingsVariable settings = vardata::NewSettings(kind_, model());
    for (std::size_t row = 0; row < settings.values.size(); ++row) {
        const QString text = grid_->cellText(static_cast<int>(row), kValueColumn);
        // Every cell holds a taken entry; a text that is none would be stored as 0.
        settings.values[row] = vardata::ParseSettingEntry(model(), row, text.toStdString())
                                   .value_or(vardata::SettingValue{});
    }
    auto build = vardata::BuildSettingsFile(settings);
    if (!build.ok()) {
        showError(QString::fromStdString(build.error));
        return std::nullopt;
    }
    return std::move(build.file);
}

} // namespace vexil::vareditors
