// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/Listing.h"

#include <cstdio>

namespace vexil::tasm {

namespace {
constexpr int kDefaultPageLength = 60;
constexpr const char *kTableTitle = "Vexil tasm Z80 assembler";
constexpr const char *kDefaultTitle = "Vexil development environment";
} // namespace

ListingWriter::ListingWriter(int pageLength, std::string sourceName)
    : sourceName_(std::move(sourceName)), title_(kDefaultTitle),
      pageLength_(pageLength > 0 ? pageLength : kDefaultPageLength), paging_(pageLength > 0)
{
}

void ListingWriter::setPaging(bool on)
{
    paging_ = on;
}

void ListingWriter::eject()
{
    if (paging_) {
        linesOnPage_ = pageLength_;
    }
}

void ListingWriter::pageHeader()
{
    ++page_;
    char header[160];
    std::snprintf(header, sizeof header, "\f%-30s    %-30.30s page %d\n", kTableTitle,
                  sourceName_.c_str(), page_);
    text_ += header;
    text_ += title_;
    text_ += "\n\n";
    linesOnPage_ = 3;
}

void ListingWriter::line(std::string_view text)
{
    if (paging_ && (page_ == 0 || linesOnPage_ >= pageLength_)) {
        pageHeader();
    }
    text_.append(text);
    text_ += '\n';
    ++linesOnPage_;
}

std::string rowPrefix(int lineNumber, int depth, std::int32_t pc)
{
    static const char *marks[] = {"   ", "+  ", "++ ", "+++"};
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d%s%04X", lineNumber, marks[depth > 3 ? 3 : depth],
                  static_cast<unsigned>(pc));
    return buffer;
}

void ListingWriter::row(int lineNumber, int depth, std::int32_t pc, bool skipped,
                        const std::uint8_t *bytes, std::size_t count, std::string_view source,
                        bool withSource)
{
    static const char hex[] = "0123456789ABCDEF";
    std::size_t done = 0;
    bool first = true;
    do {
        std::string text = rowPrefix(lineNumber, depth, pc + static_cast<std::int32_t>(done));
        text += skipped ? '~' : ' ';
        std::size_t chunk = count - done < 4 ? count - done : 4;
        for (std::size_t i = 0; i < chunk; ++i) {
            std::uint8_t b = bytes[done + i];
            text += hex[b >> 4];
            text += hex[b & 15];
            text += ' ';
        }
        if (first && withSource) {
            text.append((4 - chunk) * 3, ' ');
            text.append(source);
        }
        done += chunk;
        first = false;
        line(text);
    } while (done < count);
}

} // namespace vexil::tasm
