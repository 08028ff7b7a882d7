// SPDX-License-Identifier: GPL-3.0-or-later
// The tool windows of the Tools menu: the TI-ASCII Table, a document window that
// exists from start-up (minimized, so the Window menu always lists it), the Sprite
// Editor, a dialog that keeps its sprite from one opening to the next, and the Image
// Converter, which keeps its image the same way. The first two work with the source
// window the user last worked in.
#pragma once

#include "varfile/CalcModel.h"

#include <QObject>
#include <QPointer>

#include <filesystem>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace vexil::editor {
class TfrmSource;
}

namespace vexil::tools {
class ConverterLink;
class TfrmAscii;
class TfrmConvert;
class TfrmSprite;
} // namespace vexil::tools

namespace vexil::app {

class ToolWindows : public QObject {
    Q_OBJECT
public:
    ToolWindows(QMdiArea &area, std::filesystem::path programDirectory, QWidget *dialogParent);

    tools::TfrmAscii &asciiTable() { return *ascii_; }
    QMdiSubWindow &asciiTableWindow() { return *asciiWindow_; }
    tools::TfrmSprite &spriteEditor();
    // The link the Image Converter reaches the calculator through; set before it opens.
    void setConverterLink(tools::ConverterLink &link) { converterLink_ = &link; }
    tools::TfrmConvert &imageConverter();

    // "TI-&Ascii Table" (F2): the table restored to its normal size, in front.
    void showAsciiTable();
    // "&Sprite Editor..." (F6): the editor as a modal dialog.
    void showSpriteEditor();
    // "&Image Converter..." (F4): the converter as a modal dialog.
    void showImageConverter();
    // The calculator in use changed.
    void setModel(varfile::CalcModel model);
    // Once the main window has its size: the table's place is the top-left corner.
    void placeAsciiTable();

    // The source window the user last worked in, if it is still open.
    editor::TfrmSource *lastSource() const;

private:
    QMdiArea &area_;
    std::filesystem::path programDirectory_;
    QWidget *dialogParent_;
    tools::TfrmAscii *ascii_;
    QMdiSubWindow *asciiWindow_;
    tools::TfrmSprite *sprite_ = nullptr;
    tools::TfrmConvert *converter_ = nullptr;
    tools::ConverterLink *converterLink_ = nullptr;
    varfile::CalcModel model_ = varfile::CalcModel::TI82;
    QPointer<editor::TfrmSource> lastSource_;
};

} // namespace vexil::app
