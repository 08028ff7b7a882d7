// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, both as a variable file and as text, through every kind's text form:
// nothing may crash or read outside the buffer, and a text that imports must come
// out of the file it built unchanged, so export and import agree for every file
// Vexil writes.
#include "vareditors/VariableText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vexil;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const varfile::ByteView bytes(data, size);
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const vardata::VariableTextForm &form : vardata::VariableTextForms()) {
        for (const varfile::CalcModel model :
             {varfile::CalcModel::TI82, varfile::CalcModel::TI83}) {
            const vardata::FileBuild built = form.importText({model, {}, text});
            if (!built.ok()) {
                continue;
            }
            const vardata::TextExport first = form.exportText(built.file);
            if (!first.ok() || !first.lossy.empty()) {
                std::abort();
            }
            const vardata::FileBuild again = form.importText({model, {}, first.text});
            if (!again.ok() || again.file != built.file) {
                std::abort();
            }
        }
        // A file from anywhere may hold numbers no calculator stores (1E-120, 1E120);
        // it only has to be read safely.
        (void)form.exportText(bytes);
    }
    (void)vardata::EntryAsFile(bytes, size % 3);
    return 0;
}
