// SPDX-License-Identifier: GPL-3.0-or-later
// The window settings and zoom settings editors: one grid of the model's labels
// (17 on the TI-82, 23 on the TI-83) and their values. The two differ only in the
// variable they edit and the "Z" of the zoom labels. An entry that is no number
// within -1E100 to 1E100 is refused with the number message and becomes 0; an
// initial sequence value may be left empty, which the calculators store as
// undefined.
#pragma once

#include "base/ui/VarEditorWindow.h"
#include "vareditors/SettingsVariables.h"

class QTableWidgetItem;

namespace vexil::vareditors {

class NumberGrid;

class SettingsGridWindow : public uibase::VarEditorWindow {
    Q_OBJECT
public:
    SettingsGridWindow(uibase::MainFrame &frame, vardata::SettingsKind kind,
                       QWidget *parent = nullptr);

    NumberGrid *grid() const { return grid_; }

protected:
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    void modelChanged() override;

private:
    varfile::CalcModel model() const;
    void showSettings(const vardata::SettingsVariable &settings);
    void takeCell(QTableWidgetItem *cell);

    vardata::SettingsKind kind_;
    NumberGrid *grid_;
};

class TfrmVarWindow : public SettingsGridWindow {
    Q_OBJECT
public:
    explicit TfrmVarWindow(uibase::MainFrame &frame, QWidget *parent = nullptr)
        : SettingsGridWindow(frame, vardata::SettingsKind::Window, parent)
    {
    }
};

class TfrmVarZoom : public SettingsGridWindow {
    Q_OBJECT
public:
    explicit TfrmVarZoom(uibase::MainFrame &frame, QWidget *parent = nullptr)
        : SettingsGridWindow(frame, vardata::SettingsKind::Zoom, parent)
    {
    }
};

} // namespace vexil::vareditors
