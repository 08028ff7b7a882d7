// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog: link, assembler, editor font and link timing settings. It edits
// the main window's options record and writes Vexil.opt when confirmed.
#pragma once

#include "app/Options.h"

#include <QDialog>

#include <array>
#include <filesystem>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vexil::app {

class FontChoiceBox;

class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    // Result code when "Use Default" reset the record (the controls were not taken over).
    static constexpr int kDefaultsRestored = 2;

    TfrmOptions(Options &options, std::filesystem::path programDirectory,
                QWidget *parent = nullptr);

    // Loads every control from the record and shows the first page.
    void loadControls();

    QTabWidget *pages() const { return pages_; }
    QRadioButton *linkTypeButton(int type) const
    {
        return linkTypes_[static_cast<std::size_t>(type)];
    }
    QRadioButton *linkPortButton(int port) const
    {
        return linkPorts_[static_cast<std::size_t>(port)];
    }
    QCheckBox *outputListingBox() const { return outputListing_; }
    QCheckBox *includeLabelsBox() const { return includeLabels_; }
    FontChoiceBox *fontNameBox() const { return fontName_; }
    FontChoiceBox *fontStyleBox() const { return fontStyle_; }
    FontChoiceBox *fontSizeBox() const { return fontSize_; }
    QLabel *preview() const { return preview_; }
    QPushButton *editHeadersButton() const { return editHeaders_; }

    void accept() override;
    void useDefaults();

private:
    QWidget *buildGeneralPage();
    QWidget *buildAssemblerPage();
    QWidget *buildEditorPage();
    QWidget *buildBugPage();
    QCheckBox *addBox(QWidget *page, const QString &caption);
    void enforceGraphLinkPort();
    void updateListingBoxes();
    void updatePreview();

    Options &options_;
    std::filesystem::path programDirectory_;
    QTabWidget *pages_;
    std::array<QRadioButton *, 2> linkTypes_{};
    std::array<QRadioButton *, 6> linkPorts_{};
    QCheckBox *insertHeader_ = nullptr;
    QPushButton *editHeaders_ = nullptr;
    QCheckBox *autoSave_ = nullptr;
    QCheckBox *displayListing_ = nullptr;
    QCheckBox *outputListing_ = nullptr;
    QCheckBox *includeLabels_ = nullptr;
    QCheckBox *expandMacros_ = nullptr;
    QCheckBox *pageListing_ = nullptr;
    QCheckBox *ignoreCase_ = nullptr;
    QCheckBox *checkIllegal_ = nullptr;
    QCheckBox *checkUnused_ = nullptr;
    QCheckBox *checkDuplicate_ = nullptr;
    QCheckBox *checkNonUnary_ = nullptr;
    QCheckBox *bugDelay_ = nullptr;
    FontChoiceBox *fontName_ = nullptr;
    FontChoiceBox *fontStyle_ = nullptr;
    FontChoiceBox *fontSize_ = nullptr;
    QLabel *preview_ = nullptr;
};

// The font style texts of the dialog, from and to the stored bits.
QString FontStyleText(std::uint8_t style);
std::uint8_t FontStyleBitsFromText(const QString &text);

} // namespace vexil::app
