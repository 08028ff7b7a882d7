// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TokenEncoding.h"

#include "base/ui/ProgressWindow.h"
#include "tibasic/Tokenizer.h"

#include <QFileInfo>

#include <cmath>

namespace vexil::tibasic::ui {

std::unique_ptr<uibase::ProgressWindow> ShowSavingProgress(QWidget *parent, const QString &fileName)
{
    auto progress = std::make_unique<uibase::ProgressWindow>(parent);
    progress->setText(QStringLiteral("Saving ") + QFileInfo(fileName).fileName() +
                      QStringLiteral("..."));
    progress->show();
    return progress;
}

EncodedTokenText EncodeTokenText(CalcModel model, const EightBitText &text,
                                 uibase::ProgressWindow *progress)
{
    if (!text.ok()) {
        return {std::nullopt, text.failedEditorOffset};
    }
    std::vector<std::uint8_t> tokens;
    std::size_t position = 0;
    int shown = -1;
    while (position < text.text.size()) {
        const auto match = MatchToken(model, text.text, position);
        if (!match) {
            return {std::nullopt, text.editorOffsetOf(position)};
        }
        AppendTokenCode(tokens, match->code);
        position += match->length;
        const int percent = static_cast<int>(std::lround(100.0 * static_cast<double>(position) /
                                                         static_cast<double>(text.text.size())));
        if (percent != shown && progress) {
            progress->setPosition(percent);
            shown = percent;
        }
    }
    return {std::move(tokens), -1};
}

} // namespace vexil::tibasic::ui
