// SPDX-License-Identifier: GPL-3.0-or-later
// The listing file: rows of line number, include marks, PC and up to four bytes,
// then the source line; optional paging with a header on each page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vexil::tasm {

class ListingWriter {
public:
    ListingWriter(int pageLength, std::string sourceName);

    void line(std::string_view text);
    // One source line's rows. More than four bytes continue on rows without source.
    void row(int lineNumber, int depth, std::int32_t pc, bool skipped, const std::uint8_t *bytes,
             std::size_t count, std::string_view source, bool withSource);

    void setTitle(std::string title) { title_ = std::move(title); }
    void setPaging(bool on);
    void eject();

    // Room for about this many bytes, so the text is not copied as it grows.
    void reserve(std::size_t bytes) { text_.reserve(bytes); }
    const std::string &text() const { return text_; }
    std::string take() { return std::move(text_); }

private:
    void pageHeader();
    // Starts a row or line: the page header when one is due.
    void beginLine();

    std::string text_;
    std::string sourceName_;
    std::string title_;
    int pageLength_;
    bool paging_;
    int linesOnPage_ = 0;
    int page_ = 0;
};

} // namespace vexil::tasm
