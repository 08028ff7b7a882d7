// SPDX-License-Identifier: GPL-3.0-or-later
// The graph database editor: the GDB's name, its graph type, the Format Settings
// menu and, on tabs, the equations of the type ("Functions"), its window values
// ("Window Settings") and, on the TI-83, the graph styles. Each graph type keeps
// its own equations, window values and styles while the window is open; the file
// holds those of the type chosen. Window values are checked only when saving.
// The keypads type into the equation box that had the focus last.
#pragma once

#include "base/ui/VarEditorWindow.h"
#include "tibasic/ui/IrreversibleTokensGuard.h"
#include "tibasic/ui/TokenInsertTarget.h"
#include "vareditors/GdbVariable.h"

#include <array>

class QComboBox;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace vexil::vareditors {

class EquationGrid;
class GdbFormatMenu;
class GdbStyleGrid;
class NumberGrid;

class TfrmVarGDB : public uibase::VarEditorWindow, public tibasic::ui::TokenInsertTarget {
    Q_OBJECT
public:
    explicit TfrmVarGDB(uibase::MainFrame &frame, QWidget *parent = nullptr);

    bool LoadFile(const QString &fileName) override;
    bool SaveFile() override;

    QComboBox *nameBox() const { return name_; }
    QComboBox *typeBox() const { return type_; }
    QPushButton *formatButton() const { return format_; }
    GdbFormatMenu *formatMenu() const { return formatMenu_; }
    QPushButton *keypadButton() const { return keypad_; }
    QTabWidget *tabs() const { return tabs_; }
    vardata::GraphType graphType() const;
    EquationGrid *equationGrid(vardata::GraphType type) const { return equations_[Page(type)]; }
    NumberGrid *windowGrid(vardata::GraphType type) const { return windows_[Page(type)]; }
    GdbStyleGrid *styleGrid(vardata::GraphType type) const { return styles_[Page(type)]; }

    tibasic::ui::TokenTargetKind tokenTargetKind() const override
    {
        return tibasic::ui::TokenTargetKind::Gdb;
    }
    void insertTokenText(std::string_view eightBit) override;

protected:
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    void modelChanged() override;

private:
    static std::size_t Page(vardata::GraphType type) { return static_cast<std::size_t>(type); }
    varfile::CalcModel model() const;
    QWidget *buildPages();
    // Every page empty for the model, the name and type boxes at their first item.
    void resetForModel();
    void showGdb(const vardata::GdbVariable &gdb);
    void showType();
    bool takeWindow(vardata::GdbVariable &gdb);
    bool takeEquations(vardata::GdbVariable &gdb);

    QComboBox *name_;
    QComboBox *type_;
    QPushButton *format_;
    GdbFormatMenu *formatMenu_;
    QPushButton *keypad_;
    QTabWidget *tabs_;
    QStackedWidget *equationPages_;
    QStackedWidget *windowPages_;
    QStackedWidget *stylePages_;
    std::array<EquationGrid *, 4> equations_{};
    std::array<NumberGrid *, 4> windows_{};
    std::array<GdbStyleGrid *, 4> styles_{};
    tibasic::ui::IrreversibleTokensGuard irreversible_;
};

} // namespace vexil::vareditors
