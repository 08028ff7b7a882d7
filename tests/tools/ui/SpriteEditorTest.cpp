// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/ScriptedDialogService.h"
#include "support/StalledPipe.h"
#include "tools/SpriteText.h"
#include "tools/ui/SpriteCanvas.h"
#include "tools/ui/TfrmSprite.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexil;
using namespace vexil::tools;
using uibase::Answer;

namespace {

class SpriteEditorTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    uibase::ScopedScriptedDialogs dialogs;
    std::optional<QString> selection;
    TfrmSprite editor{dir.path().toStdString(), [this] { return selection; }};

    // A mouse event at the centre of a cell (or at a point given in pixels).
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), editor.canvas().mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&editor.canvas(), &event);
    }
    QPoint cell(int x, int y) const
    {
        const int zoom = editor.zoom();
        return {x * zoom + zoom / 2, y * zoom + zoom / 2};
    }
    void press(QPoint at, Qt::MouseButton button)
    {
        mouse(QEvent::MouseButtonPress, at, button, button);
    }
    void release(QPoint at, Qt::MouseButton button)
    {
        mouse(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    int inkCount() const
    {
        int n = 0;
        for (int y = 0; y < kSpriteRows; ++y) {
            for (int x = 0; x < kSpriteColumns; ++x) {
                n += editor.sprite().cells.at(x, y) ? 1 : 0;
            }
        }
        return n;
    }
};

TEST_F(SpriteEditorTest, OpensAtTenByTenAndZoomsBetweenOneAndSixteen)
{
    EXPECT_EQ(editor.windowTitle(), "Sprite Editor (x4)");
    EXPECT_EQ(editor.sprite().width, 10);
    EXPECT_EQ(editor.sprite().height, 10);
    EXPECT_EQ(editor.canvas().size(), QSize(40, 40));
    for (int i = 0; i < 20; ++i) {
        editor.ZoomInClick();
    }
    EXPECT_EQ(editor.windowTitle(), "Sprite Editor (x16)");
    EXPECT_EQ(editor.canvas().size(), QSize(160, 160));
    for (int i = 0; i < 20; ++i) {
        editor.ZoomOutClick();
    }
    EXPECT_EQ(editor.windowTitle(), "Sprite Editor (x1)");
    editor.setSpriteSize(96, 64);
    EXPECT_EQ(editor.canvas().size(), QSize(96, 64));
    EXPECT_EQ(editor.findChildren<QSpinBox *>()[0]->value(), 96);
}

TEST_F(SpriteEditorTest, DrawingStaysInsideTheArea)
{
    // Left turns a cell on, any other button turns it off.
    press(cell(2, 3), Qt::LeftButton);
    release(cell(2, 3), Qt::LeftButton);
    EXPECT_TRUE(editor.sprite().cells.at(2, 3));
    press(cell(2, 3), Qt::MiddleButton);
    release(cell(2, 3), Qt::MiddleButton);
    EXPECT_FALSE(editor.sprite().cells.at(2, 3));

    // A quick drag sets every cell on its way, not only those under the events.
    press(cell(0, 0), Qt::LeftButton);
    mouse(QEvent::MouseMove, cell(9, 0), Qt::NoButton, Qt::LeftButton);
    // Out of the area and back in at another place: nothing in between is drawn.
    mouse(QEvent::MouseMove, cell(12, 0), Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, cell(12, 9), Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, cell(9, 9), Qt::NoButton, Qt::LeftButton);
    release(cell(9, 9), Qt::LeftButton);
    EXPECT_EQ(inkCount(), 11);
    for (int x = 0; x < 10; ++x) {
        EXPECT_TRUE(editor.sprite().cells.at(x, 0));
    }
    EXPECT_TRUE(editor.sprite().cells.at(9, 9));
    for (int x = 10; x < kSpriteColumns; ++x) {
        for (int y = 0; y < kSpriteRows; ++y) {
            ASSERT_FALSE(editor.sprite().cells.at(x, y));
        }
    }

    // The right button clears while dragging; the middle one only on its press.
    press(cell(0, 0), Qt::RightButton);
    mouse(QEvent::MouseMove, cell(4, 0), Qt::NoButton, Qt::RightButton);
    release(cell(4, 0), Qt::RightButton);
    press(cell(9, 9), Qt::MiddleButton);
    mouse(QEvent::MouseMove, cell(5, 0), Qt::NoButton, Qt::MiddleButton);
    release(cell(5, 0), Qt::MiddleButton);
    EXPECT_EQ(inkCount(), 5);
    EXPECT_TRUE(editor.sprite().cells.at(5, 0));

    // Undo takes back one stroke at a time.
    editor.UndoClick();
    EXPECT_TRUE(editor.sprite().cells.at(9, 9));
    editor.UndoClick();
    EXPECT_EQ(inkCount(), 11);
    editor.ClearClick();
    EXPECT_EQ(inkCount(), 0);
    editor.UndoClick();
    EXPECT_EQ(inkCount(), 11);
}

TEST_F(SpriteEditorTest, SaveToClipboardAsksForALabelAndSegments)
{
    editor.setSpriteSize(10, 2);
    press(cell(0, 0), Qt::LeftButton);
    release(cell(0, 0), Qt::LeftButton);
    // An empty label is asked again; No means one block of rows.
    dialogs->inputs = {QString(""), QString("  "), QString("ship")};
    dialogs->answers = {Answer::No};
    editor.SaveToClipboardClick();
    EXPECT_TRUE(dialogs->inputs.empty());
    EXPECT_EQ(QApplication::clipboard()->text(),
              "; Sprite data for ship\r\nship:\r\n.db $80, $00\r\n.db $00, $00\r\n");
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_EQ(dialogs->shown[0].text, "Do you wish to split this sprite up into segments?");
    EXPECT_EQ(dialogs->shown[0].buttons, uibase::Buttons::YesNoCancel);
    EXPECT_EQ(dialogs->shown[1].text, "Sprite data copied to clipboard.");
    EXPECT_EQ(dialogs->shown[1].kind, uibase::MessageKind::Information);

    // Segments: the size is asked until it is a whole number of at least 1.
    editor.setSpriteSize(10, 10);
    dialogs->shown.clear();
    dialogs->inputs = {QString("ship"), QString("abc"), QString("0"), QString("8")};
    dialogs->answers = {Answer::Yes};
    dialogs->inputRequests.clear();
    editor.SaveToClipboardClick();
    EXPECT_TRUE(dialogs->inputs.empty());
    ASSERT_EQ(dialogs->inputRequests.size(), 4u);
    EXPECT_EQ(dialogs->inputRequests[0].title, "Sprite Name");
    EXPECT_EQ(dialogs->inputRequests[0].prompt, "Enter a label for your sprite:");
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(dialogs->inputRequests[i].title, "Segment size");
        EXPECT_EQ(dialogs->inputRequests[i].prompt, "Enter the segment size for the sprite:");
        EXPECT_EQ(dialogs->inputRequests[i].initial, "10");
    }
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              WriteSpriteText(editor.sprite(), "ship", 8).text);
    EXPECT_EQ(dialogs->shown.back().text,
              "Sprite data copied to clipboard (using 32 ($0020) bytes).");

    // Cancel at any question leaves the clipboard alone.
    QApplication::clipboard()->setText("kept");
    dialogs->inputs = {QString()};
    editor.SaveToClipboardClick();
    dialogs->inputs = {QString("ship")};
    dialogs->answers = {Answer::Cancel};
    editor.SaveToClipboardClick();
    dialogs->inputs = {QString("ship"), QString()};
    dialogs->answers = {Answer::Yes};
    editor.SaveToClipboardClick();
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}

TEST_F(SpriteEditorTest, LoadBitmapTakesThePicturesSize)
{
    QImage picture(12, 5, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(11, 4, qRgb(0, 0, 0));
    picture.setPixel(0, 0, qRgb(40, 40, 40));
    const QString path = dir.filePath("ship.png");
    ASSERT_TRUE(picture.save(path));
    // Cells outside the picture keep their state.
    editor.setSpriteSize(20, 20);
    press(cell(15, 15), Qt::LeftButton);
    release(cell(15, 15), Qt::LeftButton);

    dialogs->fileNames = {path};
    editor.LoadBitmapClick();
    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].title, "Load Bitmap into Sprite");
    EXPECT_EQ(dialogs->fileRequests[0].filter, "Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs->fileRequests[0].defaultSuffix, "bmp");
    EXPECT_EQ(editor.sprite().width, 12);
    EXPECT_EQ(editor.sprite().height, 5);
    EXPECT_TRUE(editor.sprite().cells.at(11, 4));
    EXPECT_TRUE(editor.sprite().cells.at(0, 0));
    EXPECT_TRUE(editor.sprite().cells.at(15, 15));
    EXPECT_EQ(inkCount(), 3);
    // Undoing the load brings back the size as well.
    editor.UndoClick();
    EXPECT_EQ(editor.sprite().width, 20);
    EXPECT_EQ(inkCount(), 1);

    // A file that is no picture is reported and changes nothing.
    QFile text(dir.filePath("notes.bmp"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no picture");
    text.close();
    dialogs->fileNames = {text.fileName()};
    editor.LoadBitmapClick();
    EXPECT_EQ(dialogs->shown.back().kind, uibase::MessageKind::Error);
    EXPECT_EQ(editor.sprite().width, 20);

    // Nor is a pipe waited on.
    const vexil::testing::StalledPipe pipe(dir.filePath("pipe.bmp").toStdString());
    ASSERT_TRUE(pipe.made());
    dialogs->fileNames = {dir.filePath("pipe.bmp")};
    editor.LoadBitmapClick();
    EXPECT_EQ(dialogs->shown.back().text,
              "Cannot read " + dir.filePath("pipe.bmp") + ": it is not a regular file");
    EXPECT_EQ(editor.sprite().width, 20);
}

TEST_F(SpriteEditorTest, LoadFromSourceReadsWhatWasCopied)
{
    press(cell(1, 1), Qt::LeftButton);
    mouse(QEvent::MouseMove, cell(8, 8), Qt::NoButton, Qt::LeftButton);
    release(cell(8, 8), Qt::LeftButton);
    dialogs->inputs = {QString("diag"), QString("4")};
    dialogs->answers = {Answer::Yes};
    editor.SaveToClipboardClick();
    const Sprite drawn = editor.sprite();
    selection = QApplication::clipboard()->text();

    editor.ClearClick();
    editor.setSpriteSize(3, 3);
    editor.LoadFromSourceClick();
    // The last segment column is as wide as its byte holds, short of the segment size.
    EXPECT_EQ(editor.sprite().width, 12);
    EXPECT_EQ(editor.sprite().height, 10);
    EXPECT_TRUE(editor.sprite().cells == drawn.cells);
    EXPECT_EQ(WriteSpriteText(editor.sprite(), "diag", 4).text, selection->toStdString());

    // One row of segments leaves the size open: the size used last fills the gap.
    editor.ClearClick();
    editor.setSpriteSize(16, 1);
    press(cell(13, 0), Qt::LeftButton);
    release(cell(13, 0), Qt::LeftButton);
    dialogs->inputs = {QString("wide"), QString("12")};
    dialogs->answers = {Answer::Yes};
    editor.SaveToClipboardClick();
    selection = QApplication::clipboard()->text();
    const Sprite wide = editor.sprite();
    editor.ClearClick();
    editor.LoadFromSourceClick();
    EXPECT_EQ(editor.sprite().width, 20);
    EXPECT_TRUE(editor.sprite().cells == wide.cells);
    // Where that size does not fit, it is asked for until the answer does.
    selection = QString("s_0_0:\r\n.db $80\r\ns_1_0:\r\n.db $80\r\n");
    dialogs->inputs = {QString("12"), QString("3")};
    editor.LoadFromSourceClick();
    EXPECT_TRUE(dialogs->inputs.empty());
    EXPECT_EQ(editor.sprite().width, 6);
    EXPECT_TRUE(editor.sprite().cells.at(3, 0));
    editor.UndoClick();

    // No source window, nothing selected, or no sprite data: a message, no change.
    dialogs->shown.clear();
    selection.reset();
    editor.LoadFromSourceClick();
    selection = QString("  \r\n");
    editor.LoadFromSourceClick();
    selection = QString("ld a,b\r\n");
    editor.LoadFromSourceClick();
    ASSERT_EQ(dialogs->shown.size(), 3u);
    EXPECT_EQ(dialogs->shown[2].text, "The selection cannot be read as a sprite.\n\n"
                                      "Line 1: \"ld a,b\" is not sprite data.");
    EXPECT_TRUE(editor.sprite().cells == wide.cells);
}

} // namespace
