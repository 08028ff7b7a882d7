// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/GdbFormatMenu.h"

#include <QActionGroup>

namespace vexil::vareditors {

namespace {

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

GdbFormatMenu::GdbFormatMenu(QWidget *parent) : QMenu(parent)
{
    for (std::size_t group = 0; group < vardata::kFormatGroupCount; ++group) {
        if (group > 0) {
            separators_.push_back(addSeparator());
        }
        auto *radio = new QActionGroup(this);
        std::vector<QAction *> words;
        for (const std::string_view word : vardata::FormatWords(varfile::CalcModel::TI83, group)) {
            QAction *action = addAction(Latin1(word));
            action->setCheckable(true);
            radio->addAction(action);
            connect(action, &QAction::triggered, this, &GdbFormatMenu::formatChosen);
            words.push_back(action);
        }
        actions_.push_back(std::move(words));
    }
    setFormat(vardata::InitialFormat());
}

void GdbFormatMenu::setModel(varfile::CalcModel model)
{
    for (std::size_t group = 0; group < actions_.size(); ++group) {
        const std::size_t offered = vardata::FormatWords(model, group).size();
        for (std::size_t word = 0; word < actions_[group].size(); ++word) {
            actions_[group][word]->setVisible(word < offered);
        }
        if (group > 0) {
            separators_[group - 1]->setVisible(offered > 0);
        }
    }
}

void GdbFormatMenu::setGraphType(vardata::GraphType type)
{
    for (QAction *action : actions_[vardata::kAxesGroup]) {
        action->setEnabled(type == vardata::GraphType::Sequence);
    }
}

vardata::GdbFormat GdbFormatMenu::format() const
{
    vardata::GdbFormat format{};
    for (std::size_t group = 0; group < actions_.size(); ++group) {
        for (std::size_t word = 0; word < actions_[group].size(); ++word) {
            if (actions_[group][word]->isChecked()) {
                format[group] = static_cast<std::uint8_t>(word);
            }
        }
    }
    return format;
}

void GdbFormatMenu::setFormat(const vardata::GdbFormat &format)
{
    for (std::size_t group = 0; group < actions_.size(); ++group) {
        actions_[group].at(format[group])->setChecked(true);
    }
}

} // namespace vexil::vareditors
