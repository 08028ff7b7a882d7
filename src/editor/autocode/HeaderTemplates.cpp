// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/autocode/HeaderTemplates.h"

#include "base/FileIo.h"
#include "editor/autocode/LineBreaks.h"

namespace vexil::editor {
namespace {

constexpr std::string_view kAsh30 = "; Ash 3.0 Program\r\n"
                                    "\r\n"
                                    "#include \"ti82.h\"\r\n"
                                    "#include \"keys.inc\"\r\n"
                                    ".org START_ADDR\r\n"
                                    "\r\n"
                                    ".db \"Program Title\",0\r\n"
                                    "\r\n"
                                    "\t|\r\n"
                                    "\r\n"
                                    ".end\r\n";

constexpr std::string_view kCrASH13 = "; CrASH 1.3 Program\r\n"
                                      "\r\n"
                                      "#include \"crash82.inc\"\r\n"
                                      "\r\n"
                                      ".db \"Program Title\",0\r\n"
                                      "\r\n"
                                      "\t|\r\n"
                                      "\r\n"
                                      ".end\r\n";

constexpr std::string_view kTI83 = "; TI-83 Assembler Program\r\n"
                                   "\r\n"
                                   "#include \"ti83asm.inc\"\r\n"
                                   "#include \"tokens.inc\"\r\n"
                                   ".org $9327\r\n"
                                   "\r\n"
                                   "\t|\r\n"
                                   "\r\n"
                                   ".end\r\n";

constexpr std::string_view kAShell83 = "; AShell83 1.0 Program\r\n"
                                       "\r\n"
                                       "#include \"ti83asm.inc\"\r\n"
                                       "#include \"tokens.inc\"\r\n"
                                       ".org $9327\r\n"
                                       "\r\n"
                                       "\tnop\r\n"
                                       "\tjr prog_start\r\n"
                                       "\t.dw\t$0000\r\n"
                                       "\t.dw\tprog_description\r\n"
                                       "\t.dw\tprog_icon\r\n"
                                       "prog_start:\r\n"
                                       "\r\n"
                                       "\t|\r\n"
                                       "\r\n"
                                       "prog_description:\r\n"
                                       "\t.db \"Program Title\",0\r\n"
                                       "prog_icon:\r\n"
                                       "\t.db %00000000\r\n"
                                       "\t.db %00000000\r\n"
                                       "\t.db %00000000\r\n"
                                       "\t.db %00000000\r\n"
                                       "\t.db %00000000\r\n"
                                       "\t.db %00000000\r\n"
                                       "\t.db %00000000\r\n"
                                       "\t.db %00000000\r\n"
                                       ".end\r\n";

} // namespace

std::string_view DefaultHeaderText(assemble::ShellTarget target)
{
    switch (target) {
    case assemble::ShellTarget::Ash:
        return kAsh30;
    case assemble::ShellTarget::CrASH:
        return kCrASH13;
    case assemble::ShellTarget::TI83:
        return kTI83;
    case assemble::ShellTarget::AShell83:
        return kAShell83;
    }
    return kAsh30;
}

std::optional<std::string> ReadHeaderTemplate(const std::filesystem::path &programDirectory,
                                              assemble::ShellTarget target)
{
    const base::ReadResult read =
        base::ReadWholeFile(programDirectory / Describe(target).headerTemplate);
    if (!read.ok()) {
        return std::nullopt;
    }
    return std::string(read.text());
}

std::string WriteHeaderTemplate(const std::filesystem::path &programDirectory,
                                assemble::ShellTarget target, std::string_view text)
{
    return base::WriteFileAtomically(programDirectory / Describe(target).headerTemplate, text)
        .errorText();
}

TextWithCaret PlaceTemplateCaret(std::string_view templateText)
{
    TextWithCaret result{WithCrLfLineBreaks(templateText), 0};
    const std::size_t bar = result.text.find('|');
    if (bar == std::string::npos) {
        result.caret = result.text.size();
    } else {
        result.text.erase(bar, 1);
        result.caret = bar;
    }
    return result;
}

} // namespace vexil::editor
