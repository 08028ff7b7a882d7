// SPDX-License-Identifier: GPL-3.0-or-later
// Lines of a group on the clipboard: the variables themselves, for pasting into
// another group of the same model, and their type and name as text for anything
// else.
#pragma once

#include "varfile/group/GroupFile.h"

#include <QString>

#include <optional>
#include <vector>

class QMimeData;

namespace vexil::group::ui {

QMimeData *ElementsToMime(CalcModel model, const std::vector<GroupElement> &elements,
                          const QString &text);

// The elements on the clipboard when they were copied from a group of `model` and
// are all whole; nothing otherwise.
std::optional<std::vector<GroupElement>> ElementsFromMime(const QMimeData &mime, CalcModel model);

} // namespace vexil::group::ui
