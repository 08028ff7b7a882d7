// SPDX-License-Identifier: GPL-3.0-or-later
// What a document window implements so the keypads, the token menus, the catalog
// and the Insert Symbol menu can type tokens into it. The window is also a
// TfrmVarTemplate; its IsTI82 says whose tokens it takes.
#pragma once

#include <string_view>

namespace vexil::tibasic::ui {

// Which editor a window is: the keypads warn by this when the model differs.
enum class TokenTargetKind { Program, Function, Gdb, String };

class TokenInsertTarget {
public:
    virtual ~TokenInsertTarget() = default;

    virtual TokenTargetKind tokenTargetKind() const = 0;

    // Types one token's 8-bit text at the caret of the window's token field (the
    // one that had the focus last, where there are several). Selected text stays:
    // the caret drops the selection and the token goes in where it stands.
    virtual void insertTokenText(std::string_view eightBit) = 0;
};

} // namespace vexil::tibasic::ui
