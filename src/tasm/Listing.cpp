// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/Listing.h"

#include <cstdio>

namespace vexil::tasm {

namespace {
constexpr int kDefaultPageLength = 60;
constexpr const char *kTableTitle = "Vexil tasm Z80 assembler";
constexpr const char *kDefaultTitle = "Vexil development environment";
// Large enough that handing the text on costs a few writes per megabyte, small
// enough to stay in the cache.
constexpr std::size_t kPieceSize = 64 * 1024;
} // namespace

ListingWriter::ListingWriter(int pageLength, std::string sourceName,
                             std::unique_ptr<OutputFile> out)
    : out_(std::move(out)), sourceName_(std::move(sourceName)), title_(kDefaultTitle),
      pageLength_(pageLength > 0 ? pageLength : kDefaultPageLength), paging_(pageLength > 0)
{
    text_.reserve(kPieceSize + 4096);
}

void ListingWriter::flush()
{
    if (out_) {
        out_->append(text_);
    }
    text_.clear();
}

std::unique_ptr<OutputFile> ListingWriter::finish()
{
    flush();
    return std::move(out_);
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

void ListingWriter::beginLine()
{
    if (text_.size() >= kPieceSize) {
        flush();
    }
    if (paging_ && (page_ == 0 || linesOnPage_ >= pageLength_)) {
        pageHeader();
    }
    ++linesOnPage_;
}

void ListingWriter::line(std::string_view text)
{
    beginLine();
    text_.append(text);
    text_ += '\n';
}

namespace {

void AppendDecimal(std::string &out, int value, int minDigits)
{
    char digits[16];
    int n = 0;
    auto v = static_cast<unsigned>(value < 0 ? 0 : value);
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    for (int i = n; i < minDigits; ++i) {
        out += '0';
    }
    while (n > 0) {
        out += digits[--n];
    }
}

void AppendHex(std::string &out, std::uint32_t value, int minDigits)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    char digits[8];
    int n = 0;
    do {
        digits[n++] = kHex[value & 15];
        value >>= 4;
    } while (value != 0);
    for (int i = n; i < minDigits; ++i) {
        out += '0';
    }
    while (n > 0) {
        out += digits[--n];
    }
}

} // namespace

// Each row: "0012+  9327 " (line number, include marks, PC), then a 13-column field
// of `~` or blank and up to four bytes, then the source.
void ListingWriter::row(int lineNumber, int depth, std::int32_t pc, bool skipped,
                        const std::uint8_t *bytes, std::size_t count, std::string_view source,
                        bool withSource)
{
    static constexpr const char *kMarks[] = {"   ", "+  ", "++ ", "+++"};
    std::size_t done = 0;
    bool first = true;
    do {
        beginLine();
        AppendDecimal(text_, lineNumber, 4);
        text_ += kMarks[depth > 3 ? 3 : depth];
        AppendHex(text_, static_cast<std::uint32_t>(pc + static_cast<std::int32_t>(done)), 4);
        text_ += skipped ? '~' : ' ';
        std::size_t chunk = count - done < 4 ? count - done : 4;
        for (std::size_t i = 0; i < chunk; ++i) {
            AppendHex(text_, bytes[done + i], 2);
            text_ += ' ';
        }
        if (first && withSource) {
            text_.append((4 - chunk) * 3, ' ');
            text_.append(source);
        }
        text_ += '\n';
        done += chunk;
        first = false;
    } while (done < count);
}

} // namespace vexil::tasm
