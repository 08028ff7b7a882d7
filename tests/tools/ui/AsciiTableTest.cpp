// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/ScriptedDialogService.h"
#include "tools/CharsetTable.h"
#include "tools/ui/AsciiTableView.h"
#include "tools/ui/TfrmAscii.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace vexil;
using namespace vexil::tools;

namespace {

class AsciiTableTest : public ::testing::Test {
protected:
    uibase::ScopedScriptedDialogs dialogs;
    QStringList inserted;
    bool sourceOpen = true;
    TfrmAscii table{[this](const QString &text) {
        inserted << text;
        return sourceOpen;
    }};

    void moveTo(int x, int y)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&table.table(), &event);
    }
    QRgb pixelOfCode(int code, int dx, int dy)
    {
        return table.table().currentPicture().pixel((code % 16 + 1) * kTableCellSize + dx,
                                                    (code / 16 + 1) * kTableCellSize + dy);
    }
};

TEST_F(AsciiTableTest, CornerPanelShowsTheCodeUnderThePointer)
{
    EXPECT_EQ(table.cornerPanel().text(), "00");
    EXPECT_EQ(table.cornerPanel().size(), QSize(22, 22));
    EXPECT_TRUE(table.cornerPanel().font().bold());
    EXPECT_EQ(table.tabs().tabText(0), "Large font");
    EXPECT_EQ(table.tabs().tabText(1), "Small font");
    EXPECT_EQ(table.tabs().currentIndex(), 0);

    moveTo(400, 400);
    EXPECT_EQ(table.cornerPanel().text(), "FF");
    moveTo(100, 30);
    EXPECT_EQ(table.cornerPanel().text(), "03");
    moveTo(30, 30);
    EXPECT_EQ(table.cornerPanel().text(), "00");
    moveTo(100, 200);
    EXPECT_EQ(table.cornerPanel().text(), "73");
    EXPECT_EQ(table.nameLine().toolTip(), "$73: small s");
    // Over the headers the panel and the name are empty.
    moveTo(100, 10);
    EXPECT_EQ(table.cornerPanel().text(), "");
    EXPECT_EQ(table.nameLine().text(), "");
}

TEST_F(AsciiTableTest, ModelAndTabChooseThePicture)
{
    table.resize(table.sizeHint());
    const QImage large82 = table.table().currentPicture();
    table.setModel(varfile::CalcModel::TI83);
    const QImage large83 = table.table().currentPicture();
    EXPECT_NE(large82, large83);
    // TI-83 E5 is a cursor in the large font; the TI-82 has no character there.
    moveTo((0xE5 % 16 + 1) * 24 + 5, (0xE5 / 16 + 1) * 24 + 5);
    EXPECT_EQ(table.nameLine().toolTip(), "$E5: insert cursor, second function");
    table.setModel(varfile::CalcModel::TI82);
    moveTo((0xE5 % 16 + 1) * 24 + 5, (0xE5 / 16 + 1) * 24 + 5);
    EXPECT_EQ(table.nameLine().toolTip(), "$E5: no character");
    EXPECT_EQ(table.table().currentPicture(), large82);

    // A tab change repaints one event-loop turn later.
    table.tabs().setCurrentIndex(1);
    EXPECT_EQ(table.table().font(), CalculatorFont::Large);
    QTRY_COMPARE(table.table().font(), CalculatorFont::Small);
    EXPECT_NE(table.table().currentPicture(), large82);
}

TEST_F(AsciiTableTest, PaintedInTheSystemsColours)
{
    QPalette colours = table.palette();
    colours.setColor(QPalette::ButtonText, QColor(10, 20, 30));
    colours.setColor(QPalette::Light, QColor(250, 240, 230));
    colours.setColor(QPalette::Dark, QColor(100, 110, 120));
    colours.setColor(QPalette::Button, QColor(180, 170, 160));
    table.setPalette(colours);
    // The cell of a character without a glyph is button face; the grid button shadow;
    // a glyph's space button highlight with ink in button text.
    EXPECT_EQ(pixelOfCode(0xF5, 10, 10), qRgb(180, 170, 160));
    EXPECT_EQ(pixelOfCode(0x41, 0, 10), qRgb(100, 110, 120));
    EXPECT_EQ(pixelOfCode(0x41, 2, 2), qRgb(250, 240, 230));
    QSet<QRgb> used;
    const QImage picture = table.table().currentPicture();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            used.insert(picture.pixel(x, y));
        }
    }
    EXPECT_EQ(used, (QSet<QRgb>{qRgb(10, 20, 30), qRgb(250, 240, 230), qRgb(100, 110, 120),
                                qRgb(180, 170, 160)}));
}

TEST_F(AsciiTableTest, ClickCopiesDoubleClickTypes)
{
    const QPoint a((0x41 % 16 + 1) * 24 + 8, (0x41 / 16 + 1) * 24 + 8);
    QTest::mouseClick(&table.table(), Qt::LeftButton, {}, a);
    EXPECT_EQ(QApplication::clipboard()->text(), "$41");
    QTest::mouseDClick(&table.table(), Qt::LeftButton, {}, a);
    EXPECT_EQ(inserted, QStringList{"$41"});
    EXPECT_EQ(dialogs->beeps, 0);
    // Without a source window the double-click beeps; the headers do nothing.
    sourceOpen = false;
    QTest::mouseDClick(&table.table(), Qt::LeftButton, {}, a);
    EXPECT_EQ(dialogs->beeps, 1);
    QTest::mouseDClick(&table.table(), Qt::LeftButton, {}, QPoint(8, 100));
    EXPECT_EQ(inserted.size(), 2);
}

TEST_F(AsciiTableTest, ClosingOnlyMinimizes)
{
    QMdiArea area;
    auto *owned = new TfrmAscii({});
    QMdiSubWindow *sub = area.addSubWindow(owned);
    area.show();
    sub->show();
    EXPECT_FALSE(sub->close());
    EXPECT_TRUE(sub->isMinimized());
    EXPECT_EQ(area.subWindowList().size(), 1);
}

} // namespace
