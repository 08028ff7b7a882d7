// SPDX-License-Identifier: GPL-3.0-or-later
// The Image Converter: one 96 x 64 black-and-white working image, taken from a
// picture file of any common format, a calculator picture file or the calculator
// (its screen, or a picture sent from its Link menu), and given out as a BMP or
// PNG picture, a picture file, a picture sent to the calculator, or ".db" lines on
// the clipboard. A colour or grey picture is reduced by the chosen method, again
// whenever a choice changes, with the original beside the preview.
#pragma once

#include "tools/Dither.h"
#include "tools/Sprite.h"
#include "varfile/CalcModel.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QStackedWidget;

namespace vexil::tools {

class ConverterLink;
class ScreenPreview;

class TfrmConvert : public QDialog {
    Q_OBJECT
public:
    enum Source { SourceBitmap, SourcePicFile, SourceCalculator };
    enum Destination { DestBitmap, DestPicFile, DestCalculator, DestClipboard };

    TfrmConvert(std::filesystem::path programDirectory, std::function<varfile::CalcModel()> model,
                ConverterLink &link, QWidget *parent = nullptr);

    const SpriteGrid &workingImage() const { return working_; }
    ScreenPreview &preview() { return *preview_; }
    Source source() const;
    Destination destination() const;
    void setSource(Source source);
    void setDestination(Destination destination);
    // The picture number of the "Pic #:" list; false when the model has no such number.
    bool setPictureNumber(int number);
    void setRule(const BlackAndWhite &rule, bool shrinkToFit);

    // The buttons' commands.
    void BrowseBitmapClick();
    void BrowsePicClick();
    void GrabScreenClick();
    void ReceivePicClick();
    void SaveBitmapClick();
    void SavePicClick();
    void SendPicClick();
    void ClipboardClick();

    QPushButton *grabButton() const { return grab_; }
    QComboBox *pictureNumberBox() const { return picNumber_; }
    QLabel *originalView() const { return original_; }

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    QWidget *sourcePages();
    QWidget *destinationPages();
    QWidget *ruleBox();
    template <typename Command> QPushButton *button(const QString &caption, Command command);
    void HelpClick();

    varfile::CalcModel model() const;
    void fillPictureNumbers();
    int pictureNumber() const;
    // A bitmap taken over as the original; the working image follows from it.
    void takeBitmap(const QImage &picture);
    // Cells from a picture file or the calculator, already black and white.
    void takeCells(const SpriteGrid &cells);
    // The working image made again from the original by the current choices.
    void convert();
    // Where the picture file goes to; false after saying why it cannot be written.
    bool writePictureFile(const std::filesystem::path &path, varfile::CalcModel model);
    void setGrabbing(bool grabbing);

    std::filesystem::path programDirectory_;
    std::function<varfile::CalcModel()> model_;
    ConverterLink &link_;
    // The bitmap in grey (none when the image came from the calculator or a picture
    // file), and the same shrunk to fit the destination's screen.
    std::optional<GreyImage> grey_;
    GreyImage fitted_;
    QSize fittedTo_;
    SpriteGrid calculatorCells_;
    SpriteGrid working_;
    bool grabbing_ = false;

    QButtonGroup *sources_;
    QButtonGroup *destinations_;
    QStackedWidget *sourceStack_ = nullptr;
    QStackedWidget *destinationStack_ = nullptr;
    QLineEdit *bitmapName_ = nullptr;
    QLineEdit *picName_ = nullptr;
    QPushButton *grab_ = nullptr;
    QLabel *picNumberLabel_ = nullptr;
    QComboBox *picNumber_ = nullptr;
    QComboBox *method_ = nullptr;
    QSlider *levelSlider_ = nullptr;
    QSpinBox *level_ = nullptr;
    QCheckBox *invert_ = nullptr;
    QCheckBox *shrink_ = nullptr;
    ScreenPreview *preview_ = nullptr;
    QLabel *original_ = nullptr;
};

} // namespace vexil::tools
