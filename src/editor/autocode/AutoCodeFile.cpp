// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/autocode/AutoCodeFile.h"

#include "base/AsciiText.h"
#include "editor/autocode/LineBreaks.h"

#include <algorithm>

namespace vexil::editor {
namespace {

// The number of continuation bytes a UTF-8 lead byte announces; -1 for a byte that
// cannot start a character.
int ContinuationCount(std::uint8_t lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 3;
    }
    return -1;
}

bool IsContinuation(std::uint8_t byte)
{
    return byte >= 0x80 && byte <= 0xBF;
}

constexpr std::uint8_t kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

bool StartsWithMark(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 3 &&
           std::equal(std::begin(kByteOrderMark), std::end(kByteOrderMark), bytes.begin());
}

// The length of the character starting at i in a UTF-8 file with standalone break
// bytes, or 0 when the bytes there are not UTF-8. Only a file with the byte order
// mark lets a byte 87 continue a character; elsewhere it is always a break.
std::size_t Utf8CharLength(std::span<const std::uint8_t> bytes, std::size_t i,
                           bool breakMayContinue)
{
    const std::uint8_t lead = bytes[i];
    if (lead < 0x80 || lead == kAutoCodeLineBreak) {
        return 1;
    }
    const int count = ContinuationCount(lead);
    if (count < 0 || bytes.size() - i <= static_cast<std::size_t>(count)) {
        return 0;
    }
    for (int k = 1; k <= count; ++k) {
        const std::uint8_t next = bytes[i + static_cast<std::size_t>(k)];
        if (!IsContinuation(next) || (next == kAutoCodeLineBreak && !breakMayContinue)) {
            return 0;
        }
    }
    return static_cast<std::size_t>(count) + 1;
}

bool IsUtf8WithBreaks(std::span<const std::uint8_t> bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = Utf8CharLength(bytes, i, false);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

void AppendLatin1(std::string &out, std::uint8_t byte)
{
    if (byte < 0x80) {
        out += static_cast<char>(byte);
    } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
}

// Whether every character is one Latin-1 byte other than the break byte.
bool FitsLatin1(const std::vector<std::string> &entries)
{
    for (const std::string &entry : entries) {
        for (std::size_t i = 0; i < entry.size(); ++i) {
            const auto byte = static_cast<std::uint8_t>(entry[i]);
            if (byte < 0x80) {
                continue;
            }
            if ((byte != 0xC2 && byte != 0xC3) || i + 1 == entry.size()) {
                return false;
            }
            const auto next = static_cast<std::uint8_t>(entry[++i]);
            if (!IsContinuation(next) || (byte == 0xC2 && next == kAutoCodeLineBreak)) {
                return false;
            }
        }
    }
    return true;
}

bool HoldsBreakByte(const std::vector<std::string> &entries)
{
    return std::any_of(entries.begin(), entries.end(), [](const std::string &entry) {
        return entry.find(static_cast<char>(kAutoCodeLineBreak)) != std::string::npos;
    });
}

AutoCodeEncoding EncodingFor(const std::vector<std::string> &entries, AutoCodeEncoding wanted)
{
    if (wanted == AutoCodeEncoding::Latin1 && FitsLatin1(entries)) {
        return AutoCodeEncoding::Latin1;
    }
    if (wanted != AutoCodeEncoding::Utf8WithMark && !HoldsBreakByte(entries)) {
        return AutoCodeEncoding::Utf8;
    }
    return AutoCodeEncoding::Utf8WithMark;
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return base::AsciiUpper(a) == base::AsciiUpper(b);
}

} // namespace

AutoCodeFileContents DecodeAutoCodeFile(std::span<const std::uint8_t> bytes)
{
    AutoCodeFileContents contents;
    if (StartsWithMark(bytes)) {
        contents.encoding = AutoCodeEncoding::Utf8WithMark;
        bytes = bytes.subspan(3);
    } else if (!IsUtf8WithBreaks(bytes)) {
        contents.encoding = AutoCodeEncoding::Latin1;
    }
    const bool marked = contents.encoding == AutoCodeEncoding::Utf8WithMark;
    std::string line;
    auto finishLine = [&] {
        if (!line.empty()) {
            contents.entries.push_back(std::move(line));
        }
        line.clear();
    };
    for (std::size_t i = 0; i < bytes.size();) {
        const std::uint8_t byte = bytes[i];
        const std::size_t length =
            contents.encoding == AutoCodeEncoding::Latin1 ? 0 : Utf8CharLength(bytes, i, marked);
        if (byte == '\r' || byte == '\n') {
            finishLine();
            i += (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        } else if (byte == kAutoCodeLineBreak) {
            line += "\r\n";
            ++i;
        } else if (length > 0) {
            line.append(reinterpret_cast<const char *>(bytes.data() + i), length);
            i += length;
        } else {
            // Latin-1, and a stray byte in a marked file.
            AppendLatin1(line, byte);
            ++i;
        }
    }
    finishLine();
    return contents;
}

std::vector<std::uint8_t> EncodeAutoCodeFile(const std::vector<std::string> &entries,
                                             AutoCodeEncoding encoding)
{
    encoding = EncodingFor(entries, encoding);
    std::vector<std::uint8_t> file;
    if (encoding == AutoCodeEncoding::Utf8WithMark) {
        file.assign(std::begin(kByteOrderMark), std::end(kByteOrderMark));
    }
    for (const std::string &entry : entries) {
        const std::string text = WithCrLfLineBreaks(entry);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<std::uint8_t>(text[i]);
            if (byte == '\r') {
                file.push_back(kAutoCodeLineBreak);
                ++i; // the LF that always follows after WithCrLfLineBreaks
            } else if (encoding == AutoCodeEncoding::Latin1 && byte >= 0x80) {
                // C2 or C3 and one continuation byte, as FitsLatin1 made sure.
                const auto next = static_cast<std::uint8_t>(text[++i]);
                file.push_back(static_cast<std::uint8_t>(((byte & 0x03) << 6) | (next & 0x3F)));
            } else {
                file.push_back(byte);
            }
        }
        file.push_back('\r');
        file.push_back('\n');
    }
    return file;
}

std::string_view AutoCodeName(std::string_view entry)
{
    return entry.substr(0, entry.find('|'));
}

std::string_view AutoCodeCode(std::string_view entry)
{
    const std::size_t bar = entry.find('|');
    return bar == std::string_view::npos ? std::string_view{} : entry.substr(bar + 1);
}

std::string MakeAutoCodeEntry(std::string_view name, std::string_view code)
{
    std::string entry(name);
    entry += '|';
    entry += code;
    return entry;
}

AutoCodeNameCheck CheckAutoCodeName(const std::vector<std::string> &entries, std::string_view name,
                                    std::size_t ignore)
{
    if (name.find('|') != std::string_view::npos) {
        return AutoCodeNameCheck::ContainsPipe;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i != ignore && SameIgnoringCase(AutoCodeName(entries[i]), name)) {
            return AutoCodeNameCheck::Duplicate;
        }
    }
    return AutoCodeNameCheck::Ok;
}

} // namespace vexil::editor
