// SPDX-License-Identifier: GPL-3.0-or-later
// The one modal dialog every send and receive of variables runs in. A start
// operation keeps what to transfer and shows the dialog; a 1 ms timer then runs
// the transfer once the dialog is painted. It shows status, file number,
// description and gauge, stops on request, and after a failure shows the message
// with a retry prompt and runs the same transfer again from Button1.
//
// It owns the process-wide link state and is its host: status line, gauge, busy
// cursor, beep, and the event pump the cable driver calls while it waits.
#pragma once

#include "link/Link.h"
#include "link/transfer/ReceiveVariables.h"
#include "link/transfer/TransferView.h"

#include <QDialog>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vexil::link::ui {

class TfrmExists;

// The options a transfer reads each time it starts.
struct LinkSettings {
    int linkType = 0;
    int linkPort = 2;
    bool delayReceive = false;
    std::filesystem::path programDirectory; // where the virtual cable lives
};

class TfrmSendFile : public QDialog, public LinkHost, public transfer::TransferView {
    Q_OBJECT
public:
    explicit TfrmSendFile(std::function<LinkSettings()> settings, QWidget *parent = nullptr);
    ~TfrmSendFile() override;

    void StartSendFile(const QString &fileName);
    void StartSendList(const QStringList &fileNames);
    void StartReceive(const QString &folder, transfer::NamingFunction naming);

    // LinkInit with the current options; the main window calls it at start-up and
    // after the options dialog. Returns the message of a device that cannot be
    // opened, or an empty string.
    QString linkInit();

    Link &link() { return link_; }

    QLabel *Label1; // status line
    QLabel *Label2;
    QLabel *Label3; // "File number:"
    QLabel *Label4;
    QLabel *Label5; // variable description
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QProgressBar *Gauge1;
    QTimer *Timer1;
    QTimer *Timer2;
    QTimer *Timer3;
    TfrmExists *frmExists;

    // LinkHost
    void setStatus(const std::string &text) override;
    void setGaugeMax(int max) override;
    void setGaugePosition(int position) override;
    void setBusyCursor(bool busy) override;
    void beep() override;
    void pumpEvents() override;

    // TransferView
    void setCaption(const std::string &caption) override;
    void setFileNumber(const std::string &text) override;
    void showDescription(const std::string &text) override;
    void hideDescription() override;
    transfer::ExistsAnswer askExists(const std::string &message) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Button1Click();
    void Button3Click();

    // How every timer handler starts: stops its one-shot timer, marks the transfer
    // running and leaves only the stop button enabled.
    void beginTransfer(QTimer *timer);
    // A file that could not be read or written: the transfer ends with its message.
    TransferResult runGuarded(const std::function<TransferResult()> &transfer);
    // How every timer handler ends: the dialog closes on success, on a skip, and on
    // an exit where `refusalsClose`; otherwise it beeps, shows the result's message
    // with `retryPrompt` and enables Send (or Receive) and Cancel again.
    void finishTransfer(TransferResult result, const char *retryPrompt, bool refusalsClose);
    void showGauge(bool shown);

    std::function<LinkSettings()> settings_;
    Link link_;
    bool running_ = false;
    QString failureText_; // replaces the result message: a device or file fault
    int busyDepth_ = 0;
    QTimer *activeTimer_ = nullptr;
    std::filesystem::path fileName_;
    std::vector<std::filesystem::path> fileNames_;
    std::filesystem::path folder_;
    transfer::NamingFunction naming_;
};

} // namespace vexil::link::ui
