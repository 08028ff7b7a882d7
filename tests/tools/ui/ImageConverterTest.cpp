// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileIo.h"
#include "base/ui/ScriptedDialogService.h"
#include "support/StalledPipe.h"
#include "tools/ImageDataText.h"
#include "tools/PictureFile.h"
#include "tools/ui/ConverterLink.h"
#include "tools/ui/ScreenPreview.h"
#include "tools/ui/TfrmConvert.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace vexil;
using namespace vexil::tools;
using uibase::Answer;
using uibase::MessageKind;
using varfile::CalcModel;

namespace {

// A calculator on the other end that answers as each test tells it to.
class ScriptedLink : public ConverterLink {
public:
    std::function<ScreenGrab()> grab = [] { return ScreenGrab{}; };
    std::optional<std::vector<std::uint8_t>> picture;
    std::function<void(const QString &)> send = [](const QString &) {};
    int cancels = 0;
    int grabs = 0;

    ScreenGrab grabScreen() override
    {
        ++grabs;
        return grab();
    }
    void cancelGrab() override { ++cancels; }
    std::optional<std::vector<std::uint8_t>> receivePicture() override { return picture; }
    void sendFile(const QString &path) override { send(path); }
};

class ImageConverterTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    uibase::ScopedScriptedDialogs dialogs;
    ScriptedLink link;
    CalcModel mode = CalcModel::TI82;
    TfrmConvert converter{dir.path().toStdString(), [this] { return mode; }, link};

    QString path(const QString &name) const { return dir.filePath(name); }
    std::vector<std::uint8_t> read(const QString &name) const
    {
        return base::ReadWholeFile(path(name).toStdString()).bytes;
    }
    QString lastMessage()
    {
        return dialogs->shown.empty() ? QString() : dialogs->shown.back().text;
    }
    void loadBitmap(const QImage &image, const QString &name = QStringLiteral("in.png"))
    {
        ASSERT_TRUE(image.save(path(name)));
        dialogs->fileNames.push_back(path(name));
        converter.BrowseBitmapClick();
    }
    int darkCells() const
    {
        int dark = 0;
        for (int y = 0; y < kSpriteRows; ++y) {
            for (int x = 0; x < kSpriteColumns; ++x) {
                dark += converter.workingImage().at(x, y) ? 1 : 0;
            }
        }
        return dark;
    }
};

QImage Gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int level = x * 255 / (width - 1);
            image.setPixel(x, y, qRgb(level, level / 2, 255 - level));
        }
    }
    return image;
}

SpriteGrid Pattern()
{
    SpriteGrid cells;
    for (int y = 0; y < kSpriteRows; ++y) {
        for (int x = 0; x < kSpriteColumns; ++x) {
            cells.set(x, y, (x * 3 + y * 5) % 7 < 3);
        }
    }
    return cells;
}

TEST_F(ImageConverterTest, OpensOnBitmapToPicFileWithThePicNumbersOfTheMode)
{
    EXPECT_EQ(converter.windowTitle(), "Image Converter");
    EXPECT_EQ(converter.source(), TfrmConvert::SourceBitmap);
    EXPECT_EQ(converter.destination(), TfrmConvert::DestPicFile);
    EXPECT_FALSE(converter.pictureNumberBox()->isHidden());
    EXPECT_EQ(converter.preview().shownArea(), QSize(95, 63));
    converter.setDestination(TfrmConvert::DestClipboard);
    EXPECT_TRUE(converter.pictureNumberBox()->isHidden());
    EXPECT_EQ(converter.preview().shownArea(), QSize(96, 64));
    converter.setDestination(TfrmConvert::DestBitmap);
    EXPECT_TRUE(converter.pictureNumberBox()->isHidden());
    converter.setDestination(TfrmConvert::DestCalculator);
    EXPECT_FALSE(converter.pictureNumberBox()->isHidden());

    QComboBox &numbers = *converter.pictureNumberBox();
    ASSERT_EQ(numbers.count(), 6);
    EXPECT_EQ(numbers.itemText(5), "6");
    EXPECT_FALSE(converter.setPictureNumber(7));
    mode = CalcModel::TI83;
    converter.show();
    ASSERT_EQ(numbers.count(), 10);
    EXPECT_EQ(numbers.itemText(9), "0");
    EXPECT_TRUE(converter.setPictureNumber(0));
    converter.hide();
    mode = CalcModel::TI82;
    converter.show();
    // Pic0 is not a TI-82 picture, so the list starts again at Pic1.
    EXPECT_EQ(numbers.currentText(), "1");
    EXPECT_EQ(dialogs->unscripted, 0);
}

TEST_F(ImageConverterTest, ColourBitmapsAreForcedToBlackAndWhiteByTheChosenMethod)
{
    loadBitmap(Gradient(80, 40));
    ASSERT_EQ(dialogs->shown.size(), 1U);
    EXPECT_EQ(dialogs->shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs->shown[0].text,
              "This bitmap is not monochrome.  It will be forced to black and white.");
    EXPECT_EQ(dialogs->fileRequests[0].title, "Browse for Bitmap File");
    EXPECT_FALSE(converter.originalView()->pixmap().isNull());

    // Threshold: the dark left part is black, the light right part white.
    const SpriteGrid threshold = converter.workingImage();
    EXPECT_TRUE(threshold.at(0, 0));
    EXPECT_FALSE(threshold.at(79, 39));
    EXPECT_FALSE(threshold.at(80, 0)); // past the picture
    EXPECT_EQ(converter.preview().cells(), threshold);

    converter.setRule({DitherMethod::Threshold, 10, false}, false);
    EXPECT_LT(darkCells(), [&] {
        int dark = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 96; ++x) {
                dark += threshold.at(x, y) ? 1 : 0;
            }
        }
        return dark;
    }());
    converter.setRule({DitherMethod::Ordered, 128, false}, false);
    const SpriteGrid ordered = converter.workingImage();
    converter.setRule({DitherMethod::FloydSteinberg, 128, false}, false);
    const SpriteGrid diffused = converter.workingImage();
    EXPECT_FALSE(ordered == threshold);
    EXPECT_FALSE(diffused == ordered);
    converter.setRule({DitherMethod::FloydSteinberg, 128, true}, false);
    for (int x = 0; x < 80; ++x) {
        EXPECT_NE(converter.workingImage().at(x, 5), diffused.at(x, 5)) << x;
    }
    EXPECT_FALSE(converter.workingImage().at(85, 5)); // the margin stays white
    EXPECT_EQ(converter.preview().cells(), converter.workingImage());

    // A large picture is cut, or shrunk to the calculator's screen when asked.
    dialogs->shown.clear();
    loadBitmap(Gradient(400, 100), QStringLiteral("wide.png"));
    converter.setRule({}, true);
    EXPECT_TRUE(converter.workingImage().at(0, 23));
    EXPECT_FALSE(converter.workingImage().at(0, 24));
    converter.setDestination(TfrmConvert::DestClipboard);
    EXPECT_TRUE(converter.workingImage().at(0, 23));
    EXPECT_FALSE(converter.workingImage().at(0, 24));

    // A black-and-white picture loads without the warning.
    dialogs->shown.clear();
    QImage mono(10, 10, QImage::Format_RGB32);
    mono.fill(Qt::white);
    mono.setPixel(3, 4, qRgb(0, 0, 0));
    loadBitmap(mono, QStringLiteral("mono.bmp"));
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_EQ(darkCells(), 1);
    EXPECT_TRUE(converter.workingImage().at(3, 4));
}

TEST_F(ImageConverterTest, UnreadablePicturesLeaveTheImageAlone)
{
    loadBitmap(Gradient(20, 20));
    const SpriteGrid before = converter.workingImage();
    dialogs->shown.clear();
    ASSERT_FALSE(base::WriteFileAtomically(path("junk.png").toStdString(),
                                           std::vector<std::uint8_t>{'x', 'y'}));
    dialogs->fileNames.push_back(path("junk.png"));
    converter.BrowseBitmapClick();
    ASSERT_EQ(dialogs->shown.size(), 1U);
    EXPECT_EQ(dialogs->shown[0].kind, MessageKind::Error);
    EXPECT_EQ(converter.workingImage(), before);

    {
        // A pipe chosen by mistake is refused at once.
        const vexil::testing::StalledPipe pipe(path("pipe.png").toStdString());
        ASSERT_TRUE(pipe.made());
        dialogs->fileNames.push_back(path("pipe.png"));
        converter.BrowseBitmapClick();
        EXPECT_EQ(lastMessage(), "Cannot read " + path("pipe.png") + ": it is not a regular file");
        EXPECT_EQ(converter.workingImage(), before);
    }

    std::vector<std::uint8_t> cut = *BuildPictureFile(CalcModel::TI82, 1, Pattern());
    cut.resize(800);
    ASSERT_FALSE(base::WriteFileAtomically(path("cut.82i").toStdString(), cut));
    dialogs->fileNames.push_back(path("cut.82i"));
    converter.BrowsePicClick();
    EXPECT_EQ(lastMessage(), path("cut.82i") +
                                 "\n\nThis file is too short to be a picture: it holds 800 bytes, "
                                 "a picture file at least 828.");
    EXPECT_EQ(converter.workingImage(), before);
}

TEST_F(ImageConverterTest, PicFilesSaveByTheExtensionsModelAndKeepTheirRows)
{
    const SpriteGrid pattern = Pattern();
    ASSERT_FALSE(base::WriteFileAtomically(path("in.83i").toStdString(),
                                           *BuildPictureFile(CalcModel::TI83, 9, pattern)));
    dialogs->fileNames.push_back(path("in.83i"));
    converter.BrowsePicClick();
    EXPECT_EQ(dialogs->fileRequests[0].title, "Browse for Pic File");
    EXPECT_EQ(dialogs->fileRequests[0].filter,
              "Pic Files (*.83i, *.82i)|*.83i;*.82i|TI-83 Pics (*.83i)|*.83i|TI-82 Pics "
              "(*.82i)|*.82i|All Files (*.*)|*.*");
    EXPECT_EQ(RowsOfGrid(converter.workingImage(), 64), [&] {
        std::vector<std::uint8_t> rows = RowsOfGrid(pattern, 63);
        rows.resize(768, 0);
        return rows;
    }());

    // In TI-82 mode the dialog starts on the TI-82 filter; X.83I still writes a TI-83 file.
    ASSERT_TRUE(converter.setPictureNumber(3));
    dialogs->fileNames.push_back(path("X.83I"));
    converter.SavePicClick();
    const uibase::FileDialogRequest &request = dialogs->fileRequests.back();
    EXPECT_EQ(request.title, "Save Pic As...");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.defaultSuffix, "82i");
    EXPECT_EQ(lastMessage(), "Pic saved.");
    EXPECT_EQ(dialogs->shown.back().kind, MessageKind::Information);
    const std::vector<std::uint8_t> saved = read(QStringLiteral("X.83I"));
    ASSERT_EQ(saved.size(), 830U);
    EXPECT_EQ(std::string(saved.begin(), saved.begin() + 8), "**TI83**");
    EXPECT_EQ(saved[60], 0x60);
    EXPECT_EQ(saved[61], 0x02);
    // Loaded and saved again, the 756 picture bytes are the same.
    const std::vector<std::uint8_t> original = read(QStringLiteral("in.83i"));
    EXPECT_TRUE(std::equal(saved.begin() + 72, saved.begin() + 828, original.begin() + 72));

    mode = CalcModel::TI83;
    converter.show();
    ASSERT_TRUE(converter.setPictureNumber(0));
    dialogs->fileNames.push_back(path("pic0.82i"));
    converter.SavePicClick();
    EXPECT_EQ(dialogs->fileRequests.back().filterIndex, 1);
    EXPECT_EQ(dialogs->fileRequests.back().defaultSuffix, "83i");
    EXPECT_EQ(lastMessage(), "The TI-82 has no Pic0; choose a number from 1 to 6.");
    EXPECT_FALSE(QFile::exists(path("pic0.82i")));
    dialogs->fileNames.push_back(path("Pic0.83i"));
    converter.SavePicClick();
    EXPECT_EQ(read(QStringLiteral("Pic0.83i"))[61], 0x09);

    dialogs->fileNames.push_back(QString());
    const std::size_t shown = dialogs->shown.size();
    converter.SavePicClick();
    EXPECT_EQ(dialogs->shown.size(), shown);
}

TEST_F(ImageConverterTest, BitmapsAndTheClipboardGetTheWholeScreen)
{
    converter.ClipboardClick();
    std::string white = "; Image data\r\n";
    for (int i = 0; i < 64; ++i) {
        white += ".db\t$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00\r\n";
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), white);
    EXPECT_EQ(lastMessage(), "Image data is in clipboard.");

    ScreenGrab grab;
    grab.outcome = ScreenGrab::Outcome::Screen;
    grab.screen = RowsOfGrid(Pattern(), 64);
    link.grab = [&] { return grab; };
    dialogs->answers.push_back(Answer::Ok);
    converter.GrabScreenClick();
    for (const QString &name : {QStringLiteral("out.bmp"), QStringLiteral("out.png")}) {
        dialogs->fileNames.push_back(path(name));
        converter.SaveBitmapClick();
        EXPECT_EQ(lastMessage(), "Image saved.");
        const QImage saved(path(name));
        ASSERT_EQ(saved.size(), QSize(96, 64)) << name.toStdString();
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 96; ++x) {
                ASSERT_EQ(qGray(saved.pixel(x, y)) == 0, Pattern().at(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(dialogs->fileRequests.back().title, "Save Bitmap As...");
    EXPECT_EQ(dialogs->fileRequests.back().defaultSuffix, "bmp");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), white);
    converter.ClipboardClick();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), ImageDataText(Pattern()));
}

TEST_F(ImageConverterTest, GrabbingTheScreenDrawsItsBitsAndCanBeCancelled)
{
    converter.setSource(TfrmConvert::SourceCalculator);
    dialogs->answers.push_back(Answer::Cancel);
    converter.GrabScreenClick();
    EXPECT_EQ(link.grabs, 0);
    EXPECT_TRUE(lastMessage().startsWith("Make sure calculator is showing the screen"));

    QString captionDuringGrab;
    bool othersDisabled = false;
    link.grab = [&] {
        captionDuringGrab = converter.grabButton()->text();
        othersDisabled =
            !converter.pictureNumberBox()->isEnabled() && converter.grabButton()->isEnabled();
        ScreenGrab grab;
        grab.outcome = ScreenGrab::Outcome::Screen;
        grab.screen.assign(768, 0);
        grab.screen[0] = 0x80;
        return grab;
    };
    dialogs->answers.push_back(Answer::Ok);
    converter.GrabScreenClick();
    EXPECT_EQ(captionDuringGrab, "Cancel");
    EXPECT_TRUE(othersDisabled);
    EXPECT_EQ(converter.grabButton()->text(), "Grab Screenshot");
    EXPECT_TRUE(converter.pictureNumberBox()->isEnabled());
    EXPECT_TRUE(converter.workingImage().at(0, 0));
    for (int x = 1; x < 8; ++x) {
        EXPECT_FALSE(converter.workingImage().at(x, 0)) << x;
    }
    EXPECT_EQ(darkCells(), 1);

    // Pressing the button while it reads "Cancel" ends the wait: no message follows.
    link.grab = [&] {
        converter.grabButton()->click();
        EXPECT_EQ(converter.grabButton()->text(), "Grab Screenshot");
        ScreenGrab grab;
        grab.outcome = ScreenGrab::Outcome::Cancelled;
        return grab;
    };
    dialogs->answers.push_back(Answer::Ok);
    const std::size_t shown = dialogs->shown.size();
    converter.GrabScreenClick();
    EXPECT_EQ(link.cancels, 1);
    EXPECT_EQ(dialogs->shown.size(), shown + 1);
    EXPECT_TRUE(converter.workingImage().at(0, 0));

    link.grab = [] {
        ScreenGrab grab;
        grab.message = QStringLiteral("Timeout!  Check your cables.  ");
        return grab;
    };
    dialogs->answers.push_back(Answer::Ok);
    converter.GrabScreenClick();
    EXPECT_EQ(dialogs->shown.back().kind, MessageKind::Error);
    EXPECT_EQ(lastMessage(), "Timeout!  Check your cables.  ");
    EXPECT_EQ(converter.grabButton()->text(), "Grab Screenshot");
    EXPECT_TRUE(converter.workingImage().at(0, 0));

    link.picture = RowsOfGrid(Pattern(), 63);
    converter.ReceivePicClick();
    EXPECT_EQ(RowsOfGrid(converter.workingImage(), 63), RowsOfGrid(Pattern(), 63));
}

TEST_F(ImageConverterTest, SendPicWritesATemporaryPictureThatIsAlwaysRemoved)
{
    converter.setDestination(TfrmConvert::DestCalculator);
    QString sent;
    std::vector<std::uint8_t> sentBytes;
    link.send = [&](const QString &file) {
        sent = file;
        sentBytes = base::ReadWholeFile(file.toStdString()).bytes;
    };
    ASSERT_TRUE(converter.setPictureNumber(2));
    dialogs->answers.push_back(Answer::Ok);
    converter.SendPicClick();
    EXPECT_EQ(lastMessage(), "Please put calculator into Receive mode.  Then click OK to send the "
                             "Pic, or Cancel not to bother.");
    EXPECT_EQ(dialogs->shown.back().kind, MessageKind::Information);
    EXPECT_EQ(dialogs->shown.back().buttons, uibase::Buttons::OkCancel);
    EXPECT_TRUE(sent.endsWith("/temppic.82i"));
    EXPECT_EQ(sentBytes, *BuildPictureFile(CalcModel::TI82, 2, SpriteGrid{}));
    EXPECT_FALSE(QFile::exists(sent));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(sent).path()));

    mode = CalcModel::TI83;
    sent.clear();
    dialogs->answers.push_back(Answer::Cancel);
    converter.SendPicClick();
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(dialogs->unscripted, 0);
}

} // namespace
