// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/TfrmConvert.h"

#include "base/FileIo.h"
#include "base/ui/DialogService.h"
#include "base/ui/HelpViewer.h"
#include "tools/ImageDataText.h"
#include "tools/ImageEncode.h"
#include "tools/PictureFile.h"
#include "tools/ui/ConverterLink.h"
#include "tools/ui/QtImages.h"
#include "tools/ui/ScreenPreview.h"
#include "varfile/VarFileReader.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace vexil::tools {
namespace {

using uibase::Answer;
using uibase::Buttons;
using uibase::Dialogs;
using uibase::MessageKind;
using varfile::CalcModel;

constexpr QSize kOriginalBox(192, 128);

QString FromPath(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

std::filesystem::path ToPath(const QString &name)
{
    return std::filesystem::path(name.toStdString());
}

// A page of a source or destination: a caption, and the controls after it.
QWidget *Page(const QString &caption, std::initializer_list<QWidget *> controls)
{
    auto *widget = new QWidget;
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!caption.isEmpty()) {
        layout->addWidget(new QLabel(caption));
    }
    for (QWidget *control : controls) {
        layout->addWidget(control);
    }
    layout->addStretch();
    return widget;
}

void SetHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace

template <typename Command>
QPushButton *TfrmConvert::button(const QString &caption, Command command)
{
    auto *push = new QPushButton(caption, this);
    push->setAutoDefault(false);
    connect(push, &QPushButton::clicked, this, command);
    return push;
}

TfrmConvert::TfrmConvert(std::filesystem::path programDirectory, std::function<CalcModel()> model,
                         ConverterLink &link, QWidget *parent)
    : QDialog(parent), programDirectory_(std::move(programDirectory)), model_(std::move(model)),
      link_(link), sources_(new QButtonGroup(this)), destinations_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("frmConvert"));
    setWindowTitle(QStringLiteral("Image Converter"));

    auto *sourceBox = new QGroupBox(QStringLiteral("Source"), this);
    auto *sourceLayout = new QVBoxLayout(sourceBox);
    auto *sourceButtons = new QHBoxLayout;
    int id = 0;
    for (const char *caption : {"Bitmap", "Pic on computer", "Pic on calculator"}) {
        auto *radio = new QRadioButton(QString::fromLatin1(caption), sourceBox);
        sources_->addButton(radio, id++);
        sourceButtons->addWidget(radio);
    }
    sourceLayout->addLayout(sourceButtons);
    sourceLayout->addWidget(sourcePages());

    auto *destinationBox = new QGroupBox(QStringLiteral("Destination"), this);
    auto *destinationLayout = new QVBoxLayout(destinationBox);
    auto *destinationButtons = new QHBoxLayout;
    id = 0;
    for (const char *caption :
         {"Bitmap", "Pic on computer", "Pic on calculator", "Clipboard as data"}) {
        auto *radio = new QRadioButton(QString::fromLatin1(caption), destinationBox);
        destinations_->addButton(radio, id++);
        destinationButtons->addWidget(radio);
    }
    destinationLayout->addLayout(destinationButtons);
    destinationLayout->addWidget(destinationPages());

    preview_ = new ScreenPreview(this);
    original_ = new QLabel(this);
    original_->setFixedSize(kOriginalBox);
    original_->setAlignment(Qt::AlignCenter);
    original_->setFrameShape(QFrame::StyledPanel);
    SetHint(original_, tr("The picture as it was loaded."));
    auto *views = new QGridLayout;
    views->addWidget(new QLabel(QStringLiteral("Preview:"), this), 0, 0);
    views->addWidget(new QLabel(tr("Original:"), this), 0, 1);
    views->addWidget(preview_, 1, 0, Qt::AlignTop);
    views->addWidget(original_, 1, 1, Qt::AlignTop);

    auto *left = new QVBoxLayout;
    left->addWidget(sourceBox);
    left->addWidget(destinationBox);
    left->addWidget(ruleBox());
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addLayout(views);
    right->addStretch();
    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button(tr("&Help"), &TfrmConvert::HelpClick));
    buttons->addWidget(button(QStringLiteral("Close"), &QDialog::accept));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    connect(sources_, &QButtonGroup::idClicked, this,
            [this](int source) { sourceStack_->setCurrentIndex(source); });
    connect(destinations_, &QButtonGroup::idClicked, this,
            [this](int destination) { setDestination(static_cast<Destination>(destination)); });
    setSource(SourceBitmap);
    setDestination(DestPicFile);
    fillPictureNumbers();
    preview_->setCells(working_);
}

QWidget *TfrmConvert::sourcePages()
{
    bitmapName_ = new QLineEdit(this);
    picName_ = new QLineEdit(this);
    for (QLineEdit *name : {bitmapName_, picName_}) {
        name->setReadOnly(true);
        name->setMinimumWidth(180);
    }
    grab_ = button(QStringLiteral("Grab Screenshot"), &TfrmConvert::GrabScreenClick);
    QPushButton *receive = button(tr("Receive Pic..."), &TfrmConvert::ReceivePicClick);
    SetHint(receive, tr("Wait for a Pic sent from the calculator's Link menu."));
    sourceStack_ = new QStackedWidget(this);
    sourceStack_->addWidget(
        Page(QStringLiteral("Bitmap file:"),
             {bitmapName_, button(QStringLiteral("Browse..."), &TfrmConvert::BrowseBitmapClick)}));
    sourceStack_->addWidget(
        Page(QStringLiteral("Pic file:"),
             {picName_, button(QStringLiteral("Browse..."), &TfrmConvert::BrowsePicClick)}));
    sourceStack_->addWidget(Page(QStringLiteral("Screenshot:"), {grab_, receive}));
    return sourceStack_;
}

QWidget *TfrmConvert::destinationPages()
{
    picNumberLabel_ = new QLabel(QStringLiteral("Pic #:"), this);
    picNumber_ = new QComboBox(this);
    picNumberLabel_->setBuddy(picNumber_);
    destinationStack_ = new QStackedWidget(this);
    destinationStack_->addWidget(
        Page({}, {button(QStringLiteral("Save As..."), &TfrmConvert::SaveBitmapClick)}));
    destinationStack_->addWidget(
        Page({}, {button(QStringLiteral("Save As..."), &TfrmConvert::SavePicClick)}));
    destinationStack_->addWidget(
        Page({}, {button(QStringLiteral("Send Pic"), &TfrmConvert::SendPicClick)}));
    destinationStack_->addWidget(
        Page(QStringLiteral("Send to clipboard as data:"),
             {button(QStringLiteral("Do it"), &TfrmConvert::ClipboardClick)}));
    auto *widget = new QWidget(this);
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(destinationStack_, 1);
    layout->addWidget(picNumberLabel_);
    layout->addWidget(picNumber_);
    return widget;
}

QWidget *TfrmConvert::ruleBox()
{
    auto *box = new QGroupBox(tr("Black and white"), this);
    method_ = new QComboBox(box);
    method_->addItems({tr("Threshold"), tr("Ordered dithering"), tr("Floyd-Steinberg diffusion")});
    SetHint(method_, tr("How a colour or grey picture becomes black and white."));
    levelSlider_ = new QSlider(Qt::Horizontal, box);
    level_ = new QSpinBox(box);
    for (auto *control : {static_cast<QWidget *>(levelSlider_), static_cast<QWidget *>(level_)}) {
        SetHint(control, tr("Pixels darker than this level become black."));
    }
    levelSlider_->setRange(0, 255);
    level_->setRange(0, 255);
    levelSlider_->setValue(BlackAndWhite{}.threshold);
    level_->setValue(BlackAndWhite{}.threshold);
    invert_ = new QCheckBox(tr("&Invert"), box);
    SetHint(invert_, tr("Swap black and white in the picture."));
    shrink_ = new QCheckBox(tr("&Shrink to fit"), box);
    SetHint(shrink_, tr("Shrink a larger picture to the calculator's screen instead of cutting "
                        "it at the right and bottom."));

    auto *level = new QHBoxLayout;
    level->addWidget(levelSlider_, 1);
    level->addWidget(level_);
    auto *form = new QFormLayout(box);
    form->addRow(tr("&Method:"), method_);
    auto *levelLabel = new QLabel(tr("&Level:"), box);
    levelLabel->setBuddy(level_);
    form->addRow(levelLabel, level);
    auto *checks = new QHBoxLayout;
    checks->addWidget(invert_);
    checks->addWidget(shrink_);
    checks->addStretch();
    form->addRow(checks);

    connect(levelSlider_, &QSlider::valueChanged, level_, &QSpinBox::setValue);
    connect(level_, &QSpinBox::valueChanged, levelSlider_, &QSlider::setValue);
    connect(level_, &QSpinBox::valueChanged, this, &TfrmConvert::convert);
    connect(method_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const bool threshold = index == static_cast<int>(DitherMethod::Threshold);
        levelSlider_->setEnabled(threshold);
        level_->setEnabled(threshold);
        convert();
    });
    connect(invert_, &QCheckBox::toggled, this, &TfrmConvert::convert);
    connect(shrink_, &QCheckBox::toggled, this, &TfrmConvert::convert);
    return box;
}

void TfrmConvert::HelpClick()
{
    uibase::ShowHelp(programDirectory_, QStringLiteral("IDH_DLGSCREEN"));
}

CalcModel TfrmConvert::model() const
{
    return model_ ? model_() : CalcModel::TI82;
}

TfrmConvert::Source TfrmConvert::source() const
{
    return static_cast<Source>(sources_->checkedId());
}

TfrmConvert::Destination TfrmConvert::destination() const
{
    return static_cast<Destination>(destinations_->checkedId());
}

void TfrmConvert::setSource(Source source)
{
    sources_->button(source)->setChecked(true);
    sourceStack_->setCurrentIndex(source);
}

void TfrmConvert::setDestination(Destination destination)
{
    destinations_->button(destination)->setChecked(true);
    destinationStack_->setCurrentIndex(destination);
    const bool picture = destination == DestPicFile || destination == DestCalculator;
    picNumberLabel_->setVisible(picture);
    picNumber_->setVisible(picture);
    // A picture keeps 63 rows, and the graph screen shows 95 columns of them.
    if (picture) {
        preview_->setShownArea(kShownPictureColumns, kPictureRows);
    } else {
        preview_->setShownArea(kSpriteColumns, kSpriteRows);
    }
    convert();
}

void TfrmConvert::fillPictureNumbers()
{
    const int kept = picNumber_->count() > 0 ? pictureNumber() : 1;
    const QSignalBlocker block(picNumber_);
    picNumber_->clear();
    for (int number : PictureNumbers(model())) {
        picNumber_->addItem(QString::number(number), number);
    }
    const int index = picNumber_->findData(kept);
    picNumber_->setCurrentIndex(index >= 0 ? index : 0);
}

int TfrmConvert::pictureNumber() const
{
    return picNumber_->currentData().toInt();
}

bool TfrmConvert::setPictureNumber(int number)
{
    const int index = picNumber_->findData(number);
    if (index < 0) {
        return false;
    }
    picNumber_->setCurrentIndex(index);
    return true;
}

void TfrmConvert::setRule(const BlackAndWhite &rule, bool shrinkToFit)
{
    {
        const QSignalBlocker blockMethod(method_);
        const QSignalBlocker blockLevel(level_);
        const QSignalBlocker blockInvert(invert_);
        const QSignalBlocker blockShrink(shrink_);
        method_->setCurrentIndex(static_cast<int>(rule.method));
        level_->setValue(rule.threshold);
        invert_->setChecked(rule.invert);
        shrink_->setChecked(shrinkToFit);
    }
    levelSlider_->setValue(rule.threshold);
    levelSlider_->setEnabled(rule.method == DitherMethod::Threshold);
    level_->setEnabled(rule.method == DitherMethod::Threshold);
    convert();
}

void TfrmConvert::showEvent(QShowEvent *event)
{
    // The mode may have changed since the dialog was last open.
    fillPictureNumbers();
    QDialog::showEvent(event);
}

void TfrmConvert::reject()
{
    // Escape or the close box while the screen is on its way ends the wait instead.
    if (grabbing_) {
        GrabScreenClick();
        return;
    }
    QDialog::reject();
}

void TfrmConvert::convert()
{
    if (grey_) {
        const bool picture = destination() == DestPicFile || destination() == DestCalculator;
        const QSize fit = picture ? QSize(kShownPictureColumns, kPictureRows)
                                  : QSize(kSpriteColumns, kSpriteRows);
        const GreyImage *image = &*grey_;
        if (shrink_->isChecked()) {
            if (fittedTo_ != fit) {
                fitted_ = ShrinkToFit(*grey_, fit.width(), fit.height());
                fittedTo_ = fit;
            }
            image = &fitted_;
        }
        const BlackAndWhite rule{static_cast<DitherMethod>(method_->currentIndex()),
                                 level_->value(), invert_->isChecked()};
        working_ = ToBlackAndWhite(*image, rule);
    } else {
        working_ = calculatorCells_;
        if (invert_->isChecked()) {
            for (int y = 0; y < kSpriteRows; ++y) {
                for (int x = 0; x < kSpriteColumns; ++x) {
                    working_.set(x, y, !working_.at(x, y));
                }
            }
        }
    }
    preview_->setCells(working_);
}

void TfrmConvert::takeBitmap(const QImage &picture)
{
    grey_ = GreyOf(RgbaOfImage(picture));
    fittedTo_ = QSize();
    // A small picture is enlarged pixel by pixel, a large one smoothly reduced.
    const QSize box = kOriginalBox - QSize(4, 4);
    const bool enlarge = picture.width() < box.width() && picture.height() < box.height();
    original_->setPixmap(QPixmap::fromImage(picture.scaled(
        box, Qt::KeepAspectRatio, enlarge ? Qt::FastTransformation : Qt::SmoothTransformation)));
    // The preview is drawn first, so the warning has the result behind it.
    convert();
    if (!IsBlackAndWhite(*grey_)) {
        Dialogs().message(MessageKind::Warning, QString::fromLatin1(kForcedBlackAndWhiteMessage),
                          Buttons::Ok);
    }
}

void TfrmConvert::takeCells(const SpriteGrid &cells)
{
    grey_.reset();
    calculatorCells_ = cells;
    original_->setPixmap(
        QPixmap::fromImage(ImageOfCells(cells, kSpriteColumns, kSpriteRows)
                               .scaled(kOriginalBox - QSize(4, 4), Qt::KeepAspectRatio)));
    convert();
}

void TfrmConvert::BrowseBitmapClick()
{
    uibase::FileDialogRequest request;
    request.title = QStringLiteral("Browse for Bitmap File");
    request.filter =
        tr("All Pictures (*.bmp, *.png, *.jpg, *.gif)|*.bmp;*.png;*.jpg;*.jpeg;*.gif|") +
        QStringLiteral("Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*");
    const QString path = Dialogs().openFileName(request);
    if (path.isEmpty()) {
        return;
    }
    const ImageFileRead read = ReadImageFile(path);
    if (read.image.isNull()) {
        Dialogs().message(MessageKind::Error, read.error, Buttons::Ok);
        return;
    }
    bitmapName_->setText(path);
    takeBitmap(read.image);
}

void TfrmConvert::BrowsePicClick()
{
    uibase::FileDialogRequest request;
    request.title = QStringLiteral("Browse for Pic File");
    request.filter = QStringLiteral("Pic Files (*.83i, *.82i)|*.83i;*.82i|TI-83 Pics "
                                    "(*.83i)|*.83i|TI-82 Pics (*.82i)|*.82i|All Files (*.*)|*.*");
    const QString path = Dialogs().openFileName(request);
    if (path.isEmpty()) {
        return;
    }
    const base::ReadResult read = varfile::ReadVarFileBytes(ToPath(path));
    if (!read.ok()) {
        Dialogs().message(MessageKind::Error, QString::fromStdString(read.error->message),
                          Buttons::Ok);
        return;
    }
    const auto picture = ReadPictureFile(read.bytes);
    if (const auto *error = std::get_if<std::string>(&picture)) {
        Dialogs().message(MessageKind::Error,
                          tr("%1\n\n%2").arg(path, QString::fromStdString(*error)), Buttons::Ok);
        return;
    }
    picName_->setText(path);
    takeCells(std::get<SpriteGrid>(picture));
}

void TfrmConvert::setGrabbing(bool grabbing)
{
    grabbing_ = grabbing;
    grab_->setText(grabbing ? QStringLiteral("Cancel") : QStringLiteral("Grab Screenshot"));
    // Nothing else may start while the link waits: every control off the way to the
    // grab button is disabled, so only that button stays live.
    for (QWidget *widget : findChildren<QWidget *>()) {
        QWidget *parent = widget->parentWidget();
        const bool onTheWay = widget == grab_ || widget->isAncestorOf(grab_);
        const bool branchesOff =
            parent == this || (parent != nullptr && parent->isAncestorOf(grab_));
        if (!onTheWay && branchesOff) {
            widget->setEnabled(!grabbing);
        }
    }
}

void TfrmConvert::GrabScreenClick()
{
    if (grabbing_) {
        setGrabbing(false);
        link_.cancelGrab();
        return;
    }
    const Answer ready = Dialogs().message(
        MessageKind::Information,
        QStringLiteral("Make sure calculator is showing the screen you wish to capture.  Note "
                       "that this will not work if the calculator is doing something with the "
                       "progress indicator going.  Click OK when ready, or Cancel not to bother."),
        Buttons::OkCancel);
    if (ready != Answer::Ok) {
        return;
    }
    setGrabbing(true);
    const ScreenGrab grab = link_.grabScreen();
    setGrabbing(false);
    switch (grab.outcome) {
    case ScreenGrab::Outcome::Screen:
        takeCells(GridFromRows(grab.screen));
        break;
    case ScreenGrab::Outcome::Failed:
        Dialogs().message(MessageKind::Error, grab.message, Buttons::Ok);
        break;
    case ScreenGrab::Outcome::Cancelled:
        break;
    }
}

void TfrmConvert::ReceivePicClick()
{
    if (const auto picture = link_.receivePicture()) {
        takeCells(GridFromRows(*picture));
    }
}

void TfrmConvert::SaveBitmapClick()
{
    uibase::FileDialogRequest request;
    request.title = QStringLiteral("Save Bitmap As...");
    request.filter =
        tr("Bitmap Files (*.bmp)|*.bmp|PNG Pictures (*.png)|*.png|All Files (*.*)|*.*");
    request.defaultSuffix = QStringLiteral("bmp");
    const QString path = Dialogs().saveFileName(request);
    if (path.isEmpty()) {
        return;
    }
    const ImageFormat format = ImageFormatOfName(ToPath(path)).value_or(ImageFormat::Bmp);
    if (const auto error = base::WriteFileAtomically(
            ToPath(path), EncodeBlackAndWhite(working_, kSpriteColumns, kSpriteRows, format))) {
        Dialogs().message(MessageKind::Error, QString::fromStdString(error->message), Buttons::Ok);
        return;
    }
    Dialogs().message(MessageKind::Information, QStringLiteral("Image saved."), Buttons::Ok);
}

bool TfrmConvert::writePictureFile(const std::filesystem::path &path, CalcModel model)
{
    const int number = pictureNumber();
    const std::optional<std::vector<std::uint8_t>> file = BuildPictureFile(model, number, working_);
    if (!file) {
        const std::vector<int> numbers = PictureNumbers(model);
        Dialogs().message(MessageKind::Warning,
                          tr("The TI-%1 has no Pic%2; choose a number from 1 to %3.")
                              .arg(QString::fromLatin1(varfile::ModelDigits(model)))
                              .arg(number)
                              .arg(model == CalcModel::TI82 ? 6 : 9),
                          Buttons::Ok);
        return false;
    }
    if (const auto error = base::WriteFileAtomically(path, *file)) {
        Dialogs().message(MessageKind::Error, QString::fromStdString(error->message), Buttons::Ok);
        return false;
    }
    return true;
}

void TfrmConvert::SavePicClick()
{
    const bool ti83 = model() == CalcModel::TI83;
    uibase::FileDialogRequest request;
    request.title = QStringLiteral("Save Pic As...");
    request.filter =
        QStringLiteral("Pics (*.83i, *.82i)|*.83i;*.82i|TI-83 Pics (*.83i)|*.83i|TI-82 "
                       "Pics (*.82i)|*.82i|All Files (*.*)|*.*");
    request.filterIndex = ti83 ? 1 : 2;
    request.defaultSuffix = ti83 ? QStringLiteral("83i") : QStringLiteral("82i");
    const QString path = Dialogs().saveFileName(request);
    if (path.isEmpty()) {
        return;
    }
    if (writePictureFile(ToPath(path), PictureFileModel(ToPath(path), model()))) {
        Dialogs().message(MessageKind::Information, QStringLiteral("Pic saved."), Buttons::Ok);
    }
}

void TfrmConvert::SendPicClick()
{
    // The file lives in a folder of its own that goes, with it, however this ends.
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        Dialogs().message(
            MessageKind::Error,
            tr("No temporary folder for the Pic could be made: %1").arg(folder.errorString()),
            Buttons::Ok);
        return;
    }
    const std::filesystem::path file =
        ToPath(folder.path()) / (std::string("temppic.") + varfile::ModelDigits(model()) + "i");
    if (!writePictureFile(file, model())) {
        return;
    }
    const Answer go = Dialogs().message(
        MessageKind::Information,
        QStringLiteral("Please put calculator into Receive mode.  Then click OK to send the Pic, "
                       "or Cancel not to bother."),
        Buttons::OkCancel);
    if (go == Answer::Ok) {
        link_.sendFile(FromPath(file));
    }
}

void TfrmConvert::ClipboardClick()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(ImageDataText(working_)));
    Dialogs().message(MessageKind::Information, QStringLiteral("Image data is in clipboard."),
                      Buttons::Ok);
}

} // namespace vexil::tools
