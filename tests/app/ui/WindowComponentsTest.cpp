// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/SplashWindow.h"
#include "app/ui/TFormSizeLimit.h"
#include "app/ui/TModalBevel.h"
#include "app/ui/TShadowLabel.h"
#include "app/ui/TSquare.h"

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

using namespace vexil::app;

namespace {

QImage Snapshot(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Gradients are sampled at pixel centres, so an edge pixel is a step away from the
// exact end colour.
::testing::AssertionResult Near(const QImage &image, int x, int y, QColor expected,
                                int tolerance = 6)
{
    const QColor actual = image.pixelColor(x, y);
    if (std::abs(actual.red() - expected.red()) <= tolerance &&
        std::abs(actual.green() - expected.green()) <= tolerance &&
        std::abs(actual.blue() - expected.blue()) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "pixel (" << x << ", " << y << ") is " << actual.name().toStdString() << ", expected "
           << expected.name().toStdString();
}

// Where an image holds exactly one colour.
QRegion PixelsOf(const QImage &image, QColor color)
{
    QRegion pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color) {
                pixels += QRect(x, y, 1, 1);
            }
        }
    }
    return pixels;
}

} // namespace

TEST(WindowComponentsTest, SquarePaintsItsGradientAlongTheChosenDirectionInsideTheBorder)
{
    TSquare square;
    square.resize(100, 60);
    square.setBorderWidth(0);
    square.setShadeStart(Qt::black);
    square.setShadeEnd(Qt::white);

    square.setShadeStyle(TSquare::Shade::Horizontal);
    QImage image = Snapshot(square);
    EXPECT_TRUE(Near(image, 0, 0, Qt::black));
    EXPECT_TRUE(Near(image, 0, 59, Qt::black));
    EXPECT_TRUE(Near(image, 99, 30, Qt::white));

    square.setShadeStyle(TSquare::Shade::Vertical);
    image = Snapshot(square);
    EXPECT_TRUE(Near(image, 99, 0, Qt::black));
    EXPECT_TRUE(Near(image, 50, 59, Qt::white));

    square.setShadeStyle(TSquare::Shade::Diagonal);
    image = Snapshot(square);
    EXPECT_TRUE(Near(image, 0, 0, Qt::black));
    EXPECT_TRUE(Near(image, 99, 59, Qt::white));
    EXPECT_FALSE(Near(image, 99, 0, Qt::white, 40));
    EXPECT_FALSE(Near(image, 99, 0, Qt::black, 40));

    // No shade: the brush, and a width of 0 draws no border at all.
    square.setShadeStyle(TSquare::Shade::None);
    square.setBrush(QColor(Qt::green));
    image = Snapshot(square);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(50, 30), QColor(Qt::green));

    // The border is BorderWidth pixels wide on every side, in the pen's colour.
    square.setPen(QPen(Qt::red, 1));
    square.setBorderWidth(3);
    image = Snapshot(square);
    for (const QPoint inside : {QPoint(0, 30), QPoint(2, 30), QPoint(97, 30), QPoint(99, 30),
                                QPoint(50, 0), QPoint(50, 59)}) {
        EXPECT_EQ(image.pixelColor(inside), QColor(Qt::red)) << inside.x() << "," << inside.y();
    }
    EXPECT_EQ(image.pixelColor(3, 30), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(96, 30), QColor(Qt::green));
}

TEST(WindowComponentsTest, ShadowLabelDrawsTheShadowAtItsOffsetBeneathTheText)
{
    TShadowLabel label(QStringLiteral("Vexil"));
    QFont font = label.font();
    font.setPointSize(28);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias); // exact colours to compare
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::blue);
    label.setPalette(palette);
    label.setAutoFillBackground(true);

    QLabel plain(label.text());
    plain.setFont(font);

    for (const QPoint offset : {QPoint(4, 3), QPoint(-3, -5)}) {
        label.setShadowOffsetX(offset.x());
        label.setShadowOffsetY(offset.y());
        EXPECT_EQ(label.sizeHint(),
                  plain.sizeHint() + QSize(std::abs(offset.x()), std::abs(offset.y())));
        label.resize(label.sizeHint());
        label.setShadowColor(Qt::transparent);
        const QRegion alone = PixelsOf(Snapshot(label), Qt::blue);
        label.setShadowColor(Qt::red);
        const QImage image = Snapshot(label);
        // The text is drawn last, so the shadow hides none of it.
        EXPECT_EQ(PixelsOf(image, Qt::blue), alone);
        const QRect text = alone.boundingRect();
        const QRect shadow = PixelsOf(image, Qt::red).boundingRect();
        ASSERT_FALSE(text.isEmpty());
        ASSERT_FALSE(shadow.isEmpty());
        // Beneath the text, the shadow shows only on the side it falls to.
        if (offset.x() > 0) {
            EXPECT_EQ(shadow.right(), text.right() + offset.x());
            EXPECT_EQ(shadow.bottom(), text.bottom() + offset.y());
        } else {
            EXPECT_EQ(shadow.left(), text.left() + offset.x());
            EXPECT_EQ(shadow.top(), text.top() + offset.y());
        }
        // Room was made for the shadow: neither copy is cut off.
        EXPECT_TRUE(label.rect().contains(text | shadow));
    }
}

TEST(WindowComponentsTest, BevelIsSunkOrRaisedByItsBorderWidth)
{
    TModalBevel bevel;
    QPalette palette = bevel.palette();
    palette.setColor(QPalette::Window, Qt::gray);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Dark, Qt::black);
    bevel.setPalette(palette);
    bevel.resize(80, 50);
    bevel.setBorderWidth(3);
    EXPECT_EQ(bevel.contentsRect(), QRect(3, 3, 74, 44));

    QImage image = Snapshot(bevel);
    EXPECT_EQ(image.pixelColor(2, 25), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(77, 25), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(40, 25), QColor(Qt::gray));

    bevel.setBevelStyle(TModalBevel::Bevel::Raised);
    image = Snapshot(bevel);
    EXPECT_EQ(image.pixelColor(2, 25), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(77, 25), QColor(Qt::black));
}

TEST(WindowComponentsTest, SizeLimitKeepsTheFormWithinItsBounds)
{
    QWidget form;
    form.resize(300, 300);
    auto *limit = new TFormSizeLimit(&form);
    // Through the property names, as anything that configures it by name would.
    limit->setProperty("MinWidth", 200);
    limit->setProperty("MinHeight", 150);
    limit->setProperty("MaxWidth", 400);
    limit->setProperty("MaxHeight", 350);
    form.show();

    form.resize(1000, 1000);
    EXPECT_EQ(form.size(), QSize(400, 350));
    form.resize(10, 10);
    EXPECT_EQ(form.size(), QSize(200, 150));

    // Crossed limits leave the minimum in force; 0 frees the side again.
    limit->setMaxWidth(100);
    form.resize(10, 10);
    EXPECT_EQ(form.width(), 200);
    limit->setMaxWidth(0);
    form.resize(900, 200);
    EXPECT_EQ(form.width(), 900);
}

TEST(WindowComponentsTest, SizeLimitRefusesFormsItCannotLimit)
{
    QWidget form;
    QWidget child(&form);
    EXPECT_THROW(TFormSizeLimit{&child}, std::invalid_argument);
    EXPECT_THROW(TFormSizeLimit{nullptr}, std::invalid_argument);

    QDialog fixed;
    fixed.setFixedSize(200, 100);
    EXPECT_THROW(TFormSizeLimit{&fixed}, std::invalid_argument);
    QDialog hinted(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    EXPECT_THROW(TFormSizeLimit{&hinted}, std::invalid_argument);

    new TFormSizeLimit(&form);
    EXPECT_THROW(TFormSizeLimit{&form}, std::invalid_argument);
    EXPECT_EQ(form.findChildren<TFormSizeLimit *>().size(), 1);
    EXPECT_TRUE(child.findChildren<TFormSizeLimit *>().isEmpty());
}

TEST(WindowComponentsTest, SplashIsTheShadedSquareWithItsTitle)
{
    SplashWindow splash;
    splash.setAttribute(Qt::WA_DeleteOnClose, false);
    const QImage image = Snapshot(splash);
    // Inside the translucent border the gradient runs corner to corner.
    EXPECT_TRUE(Near(image, 4, 4, QColor(0x10, 0x2A, 0x6B)));
    EXPECT_TRUE(Near(image, splash.width() - 5, splash.height() - 5, QColor(0x2E, 0x7D, 0xC4)));
    EXPECT_FALSE(Near(image, 0, 0, image.pixelColor(4, 4), 10)) << "no border drawn";
    auto *title = splash.findChild<TShadowLabel *>();
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "Vexil Assembler");
}
