// SPDX-License-Identifier: GPL-3.0-or-later
// The plain text window: every file whose extension no other window claims.
#pragma once

#include "editor/ui/TextDocumentWindow.h"

namespace vexil::editor {

class TfrmText : public TextDocumentWindow {
    Q_OBJECT
public:
    explicit TfrmText(uibase::MainFrame &frame, QWidget *parent = nullptr);

    bool LoadFile(const QString &fileName) override;
    bool SaveFile() override;
};

} // namespace vexil::editor
