// SPDX-License-Identifier: GPL-3.0-or-later
// Entries and group files for the group tests, built with the container's own
// entry layout.
#pragma once

#include "varfile/VarFile.h"

#include <initializer_list>

namespace vexil::group::test {

using varfile::Bytes;
using varfile::VarEntry;
using varfile::VarName;

inline VarName Name(std::initializer_list<std::uint8_t> bytes)
{
    VarName name{};
    std::copy(bytes.begin(), bytes.end(), name.begin());
    return name;
}

inline Bytes Entry(std::uint8_t typeId, VarName name, Bytes data)
{
    return varfile::SerializeVarEntry({typeId, name, std::move(data)});
}

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

// A real A, the program PROG and the list L6, as three entries.
inline Bytes RealA()
{
    return Entry(0x00, Name({'A'}), {0x00, 0x80, 0x50, 0, 0, 0, 0, 0, 0});
}
inline Bytes ProgramProg()
{
    return Entry(0x05, Name({'P', 'R', 'O', 'G'}), {0x02, 0x00, 0xDE, 0x2A});
}
inline Bytes ListL6()
{
    return Entry(0x01, Name({0x5D, 0x05}), {0x00, 0x00});
}

// A file around `section` with the given comment writer's header.
inline Bytes FileOf(varfile::CalcModel model, const Bytes &section,
                    varfile::CommentWriter writer = varfile::CommentWriter::Group)
{
    return *varfile::BuildVarFileFromSection(model, varfile::WriterComment(writer), section);
}

} // namespace vexil::group::test
