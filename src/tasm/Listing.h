// SPDX-License-Identifier: GPL-3.0-or-later
// The listing file: rows of line number, include marks, PC and up to four bytes,
// then the source line; optional paging with a header on each page.
#pragma once

#include "tasm/FileSystem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vexil::tasm {

class ListingWriter {
public:
    // The text goes to `out` in pieces as it is made, so a run never holds the whole
    // listing; without `out` it is dropped.
    ListingWriter(int pageLength, std::string sourceName, std::unique_ptr<OutputFile> out);

    void line(std::string_view text);
    // One source line's rows. More than four bytes continue on rows without source.
    void row(int lineNumber, int depth, std::int32_t pc, bool skipped, const std::uint8_t *bytes,
             std::size_t count, std::string_view source, bool withSource);

    void setTitle(std::string title) { title_ = std::move(title); }
    void setPaging(bool on);
    void eject();

    // Hands on the rest of the text and gives back the file, to be committed once
    // the object is written.
    std::unique_ptr<OutputFile> finish();

private:
    void pageHeader();
    // Starts a row or line: the page header when one is due.
    void beginLine();
    void flush();

    std::unique_ptr<OutputFile> out_;
    std::string text_; // what is not yet handed on
    std::string sourceName_;
    std::string title_;
    int pageLength_;
    bool paging_;
    int linesOnPage_ = 0;
    int page_ = 0;
};

} // namespace vexil::tasm
