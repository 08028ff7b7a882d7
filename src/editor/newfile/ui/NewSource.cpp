// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/newfile/ui/NewSource.h"

#include "app/Options.h"
#include "editor/autocode/HeaderTemplates.h"
#include "editor/ui/TextEncoding.h"
#include "editor/ui/TfrmSource.h"

#include <Qsci/qsciscintilla.h>

#include <QTimer>

namespace vexil::editor {

TfrmSource *CreateNewSource(uibase::MainFrame &frame, const QString &caption)
{
    auto *source = new TfrmSource(frame);
    source->setWindowTitle(caption);
    const app::Options &options = frame.options();
    if (options.insertHeader) {
        const std::optional<std::string> text =
            ReadHeaderTemplate(frame.programDirectory(), app::SelectedTarget(options));
        if (text) {
            // The editor holds UTF-8; the caret offset is taken on that text.
            const QString decoded =
                DecodeText(QByteArray(text->data(), static_cast<qsizetype>(text->size()))).text;
            const TextWithCaret placed = PlaceTemplateCaret(decoded.toStdString());
            source->Memo1->setText(QString::fromStdString(placed.text));
            QsciScintilla *memo = source->Memo1;
            // Moving the caret without scrolling: the window has no size yet, and a
            // scroll now would leave the text shifted sideways once it is shown.
            memo->SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION,
                                static_cast<unsigned long>(placed.caret));
            memo->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
            QTimer::singleShot(0, memo,
                               [memo] { memo->SendScintilla(QsciScintilla::SCI_SCROLLCARET); });
        }
    }
    source->setModified(false);
    return source;
}

} // namespace vexil::editor
