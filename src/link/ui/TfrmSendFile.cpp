// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/TfrmSendFile.h"

#include "base/ui/DialogService.h"
#include "link/transfer/SendOperations.h"
#include "link/ui/TfrmExists.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vexil::link::ui {

namespace {

std::filesystem::path ToPath(const QString &name)
{
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QString FromNative(const std::string &text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}

QTimer *OneMillisecond(QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setInterval(1);
    timer->setSingleShot(true);
    return timer;
}

} // namespace

TfrmSendFile::TfrmSendFile(std::function<LinkSettings()> settings, QWidget *parent)
    : QDialog(parent), Label1(new QLabel(tr("Status"), this)),
      Label2(new QLabel(tr("Status:"), this)), Label3(new QLabel(tr("File number:"), this)),
      Label4(new QLabel(QStringLiteral("0"), this)), Label5(new QLabel(tr("File"), this)),
      Button1(new QPushButton(tr("&Send"), this)), Button2(new QPushButton(tr("Cancel"), this)),
      Button3(new QPushButton(tr("S&top Sending"), this)), Gauge1(new QProgressBar(this)),
      Timer1(OneMillisecond(this)), Timer2(OneMillisecond(this)), Timer3(OneMillisecond(this)),
      frmExists(new TfrmExists(this)), settings_(std::move(settings)), link_(*this)
{
    setObjectName(QStringLiteral("frmSendFile"));
    setWindowTitle(tr("Send File"));
    // No close box: while a transfer runs, the stop button is the only way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(360);
    Label5->hide();
    Gauge1->setTextVisible(false);
    Gauge1->hide();
    Button3->setEnabled(false);

    auto *grid = new QGridLayout;
    grid->addWidget(Label2, 0, 0, Qt::AlignTop);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(Label4, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Label5);
    layout->addWidget(Gauge1);
    layout->addLayout(buttons);

    connect(Timer1, &QTimer::timeout, this, &TfrmSendFile::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TfrmSendFile::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TfrmSendFile::Timer3Timer);
    connect(Button1, &QPushButton::clicked, this, &TfrmSendFile::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TfrmSendFile::Button3Click);
}

TfrmSendFile::~TfrmSendFile() = default;

QString TfrmSendFile::linkInit()
{
    const LinkSettings s = settings_();
    link_.setProgramDir(s.programDirectory);
    link_.setDelayReceive(s.delayReceive);
    return FromNative(link_.LinkInit(s.linkType, s.linkPort));
}

void TfrmSendFile::StartSendFile(const QString &fileName)
{
    fileName_ = ToPath(fileName);
    const QString text = tr("Sending %1...").arg(FromNative(fileName_.filename().string()));
    setWindowTitle(text);
    Label1->setText(text);
    Label5->clear();
    Label5->show();
    activeTimer_ = Timer1;
    Timer1->start();
    Button1->setText(tr("&Send"));
    Button3->setText(tr("S&top Sending"));
    exec();
}

void TfrmSendFile::StartSendList(const QStringList &fileNames)
{
    fileNames_.clear();
    for (const QString &name : fileNames) {
        fileNames_.push_back(ToPath(name));
    }
    setWindowTitle(tr("Sending multiple files..."));
    activeTimer_ = Timer2;
    Timer2->start();
    Label5->show();
    Button1->setText(tr("&Send"));
    Button3->setText(tr("S&top Sending"));
    exec();
}

void TfrmSendFile::StartReceive(const QString &folder, transfer::NamingFunction naming)
{
    folder_ = ToPath(folder);
    naming_ = std::move(naming);
    setWindowTitle(tr("Receiving..."));
    Label1->clear();
    activeTimer_ = Timer3;
    Timer3->start();
    Button1->setText(tr("&Receive"));
    Button3->setText(tr("S&top Receiving"));
    exec();
}

void TfrmSendFile::beginTransfer(QTimer *timer)
{
    timer->stop();
    running_ = true;
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    Button3->setEnabled(true);
}

TransferResult TfrmSendFile::runGuarded(const std::function<TransferResult()> &transfer)
{
    const QString deviceError = linkInit();
    Gauge1->setValue(0);
    if (!deviceError.isEmpty()) {
        // The cable could not be opened: say which and why instead of a time-out.
        failureText_ = deviceError + QStringLiteral("  ");
        return TransferResult::Timeout;
    }
    failureText_.clear();
    try {
        return transfer();
    } catch (const transfer::FileError &error) {
        link_.ReleaseLines();
        running_ = false;
        const QString text = FromNative(error.what());
        uibase::Dialogs().message(uibase::MessageKind::Error, text, uibase::Buttons::Ok);
        // A send closes: nothing a retry could change, the file itself is at
        // fault. A receive stays open with the reason above its retry prompt.
        failureText_ = text + QStringLiteral("  ");
        return TransferResult::RefusedExit;
    }
}

void TfrmSendFile::finishTransfer(TransferResult result, const char *retryPrompt,
                                  bool refusalsClose)
{
    running_ = false;
    const bool closes = result == TransferResult::Ok ||
                        (refusalsClose && result == TransferResult::RefusedExit) ||
                        result == TransferResult::RefusedSkip;
    if (closes) {
        accept();
    } else {
        uibase::Dialogs().beep();
        const char *message = ResultMessage(result);
        const QString text =
            failureText_.isEmpty() ? QString::fromLatin1(message ? message : "") : failureText_;
        Label1->setText(text + QString::fromLatin1(retryPrompt));
        Button1->setEnabled(true);
        Button2->setEnabled(true);
        Button3->setEnabled(false);
    }
}

void TfrmSendFile::Timer1Timer()
{
    beginTransfer(Timer1);
    Label3->hide();
    Label4->hide();
    const TransferResult result =
        runGuarded([this] { return transfer::SendAnyFile(link_, *this, fileName_); });
    link_.ReleaseLines();
    finishTransfer(result, kRetrySendProgram, true);
    Label5->clear();
    showGauge(false);
}

void TfrmSendFile::Timer2Timer()
{
    beginTransfer(Timer2);
    Label3->show();
    Label4->show();
    Label5->hide();
    const bool delay = settings_().delayReceive;
    const TransferResult result = runGuarded(
        [this, delay] { return transfer::SendFileList(link_, *this, fileNames_, delay); });
    finishTransfer(result, kRetrySendFiles, true);
    Label5->clear();
    showGauge(false);
    link_.ReleaseLines();
}

void TfrmSendFile::Timer3Timer()
{
    beginTransfer(Timer3);
    Label3->hide();
    Label4->hide();
    Label5->hide();
    const TransferResult result =
        runGuarded([this] { return transfer::ReceiveVariables(link_, *this, folder_, naming_); });
    finishTransfer(result, kRetryReceive, false);
    Label5->clear();
    showGauge(false);
    link_.ReleaseLines();
}

void TfrmSendFile::Button1Click()
{
    if (activeTimer_ == Timer1) {
        Timer1Timer();
    } else if (activeTimer_ == Timer2) {
        Timer2Timer();
    } else if (activeTimer_ == Timer3) {
        Timer3Timer();
    }
}

void TfrmSendFile::Button3Click()
{
    link_.Cancel();
}

void TfrmSendFile::showGauge(bool shown)
{
    Gauge1->setVisible(shown);
}

void TfrmSendFile::showEvent(QShowEvent *event)
{
    Gauge1->setValue(0);
    showGauge(false);
    link_.ReleaseLines();
    QDialog::showEvent(event);
}

void TfrmSendFile::keyPressEvent(QKeyEvent *event)
{
    // Escape is Button2's, and only while Button2 may be pressed.
    if (event->key() == Qt::Key_Escape && !Button2->isEnabled()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmSendFile::closeEvent(QCloseEvent *event)
{
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrmSendFile::setStatus(const std::string &text)
{
    Label1->setText(FromNative(text));
}

void TfrmSendFile::setGaugeMax(int max)
{
    Gauge1->setMaximum(std::max(max, 1));
    showGauge(true);
}

void TfrmSendFile::setGaugePosition(int position)
{
    Gauge1->setValue(std::min(position, Gauge1->maximum()));
}

void TfrmSendFile::setBusyCursor(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void TfrmSendFile::beep()
{
    uibase::Dialogs().beep();
}

void TfrmSendFile::pumpEvents()
{
    QCoreApplication::processEvents();
}

void TfrmSendFile::setCaption(const std::string &caption)
{
    setWindowTitle(FromNative(caption));
}

void TfrmSendFile::setFileNumber(const std::string &text)
{
    Label4->setText(FromNative(text));
}

void TfrmSendFile::showDescription(const std::string &text)
{
    // Names spell the calculator's theta "@"; on screen it is the letter itself.
    Label5->setText(QString::fromStdString(text).replace(QLatin1Char('@'), QChar(0x03B8)));
    Label5->show();
}

void TfrmSendFile::hideDescription()
{
    Label5->hide();
}

transfer::ExistsAnswer TfrmSendFile::askExists(const std::string &message)
{
    return frmExists->ask(FromNative(message));
}

} // namespace vexil::link::ui
