// SPDX-License-Identifier: GPL-3.0-or-later
// The editor font of the options record, and applying it to an editor without
// disturbing the user's selection.
#pragma once

#include "app/Options.h"

#include <QFont>

class QsciScintilla;

namespace vexil::editor {

QFont EditorFont(const app::Options &options);
void ApplyEditorFont(QsciScintilla &editor, const QFont &font);

} // namespace vexil::editor
