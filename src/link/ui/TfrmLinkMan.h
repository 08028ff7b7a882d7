// SPDX-License-Identifier: GPL-3.0-or-later
// The Link Manager: a small file manager over the computer's calculator files
// beside a picture of the calculator. Files dropped on the calculator (or
// double-clicked) are sent, a click on it receives into the folder shown, and the
// buttons copy, move, delete and rename files, create and delete folders and
// repair checksums. The file commands themselves live in link/manager; this
// window asks the questions and shows the answers.
#pragma once

#include "link/manager/FileCommands.h"
#include "varfile/CalcModel.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vexil::link::ui {

class CalculatorPicture;
class FileListBox;
class FolderList;
class PlacesBox;
class TfrmSendFile;

class TfrmLinkMan : public QDialog {
    Q_OBJECT
public:
    // `model` tells which calculator to show each time the window opens.
    TfrmLinkMan(TfrmSendFile &transfer, std::function<varfile::CalcModel()> model,
                std::filesystem::path programDirectory, const QString &startFolder,
                QWidget *parent = nullptr);

    QLineEdit *Edit1;
    FileListBox *FileListBox1;
    FolderList *DirectoryListBox1;
    PlacesBox *DriveComboBox1;
    QLabel *Label3; // the current folder
    QComboBox *FilterComboBox1;
    CalculatorPicture *Image1; // TI-82
    CalculatorPicture *Image2; // TI-83
    QLabel *Label4;            // the current hint
    QPushButton *Copy;
    QPushButton *Move;
    QPushButton *Delete;
    QPushButton *Rename;
    QPushButton *CreateDir;
    QPushButton *DeleteDir;
    QLabel *Label5; // what to do during a pending copy or move
    QPushButton *CancelButton;
    QListWidget *ListBox1; // the files of a pending copy or move
    QPushButton *Button3;  // Fix Checksum
    QPushButton *Button1;  // Help
    QPushButton *Button2;  // Close

    // Resets the window as it opens: no selection, the six buttons ready, no
    // pending copy, the calculator of the development mode.
    void FormShow();
    // Sends files as a drop on the calculator does.
    void sendFiles(const QStringList &files);
    void receive();

    void CopyClick();
    void MoveClick();
    void DeleteClick();
    void RenameClick();
    void CreateDirClick();
    void DeleteDirClick();
    void Button3Click();
    // Enter in Edit1: the typed text becomes the list's mask, or selects the file.
    void applyEdit1();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildComputerPane();
    QWidget *buildCalculatorPane();
    QWidget *buildFileButtons();
    void connectPictures();
    void copyOrMove(manager::FileAction action, QPushButton *button);
    void goToFolder(const QString &folder);
    void showHint(const QString &hint);
    QString currentFolder() const;

    TfrmSendFile &transfer_;
    std::function<varfile::CalcModel()> model_;
    std::filesystem::path programDirectory_;
    std::optional<manager::FileAction> pending_;
};

} // namespace vexil::link::ui
