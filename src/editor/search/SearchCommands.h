// SPDX-License-Identifier: GPL-3.0-or-later
// Find, Search Again, and the Replace dialog's Find Next, Replace and Replace All, on
// any editor that shows its text as characters (a CR LF line break counting two).
// Each window keeps its own SearchState; the windows only apply what these decide.
#pragma once

#include "editor/search/TextSearch.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::editor {

inline constexpr const char *kTextNotFound = "The specified text could not be found!";

struct TextRange {
    int start = 0;
    int length = 0;
    int end() const { return start + length; }
    bool operator==(const TextRange &) const = default;
};

// What the commands need of an editor. select and placeCaret also focus it.
class SearchableText {
public:
    virtual ~SearchableText() = default;
    virtual std::u32string_view text() const = 0;
    virtual TextRange selection() const = 0;
    virtual void select(TextRange range) = 0;
    virtual void placeCaret(int offset) = 0;
    // Replaces range by `with`; the caret ends right after the inserted text.
    virtual void replace(TextRange range, std::u32string_view with) = 0;
    // Replaces `length` characters at each of `starts` (ascending, apart, offsets in
    // the text before any of them changed) as one step the user can undo.
    virtual void replaceEach(const std::vector<int> &starts, int length,
                             std::u32string_view with) = 0;
};

struct SearchQuery {
    std::u32string what;
    FindOptions options;
};

struct ReplaceRequest {
    SearchQuery find;
    std::u32string replaceWith;
    bool selectionOnly = false;
};

struct SearchState {
    int position = -1;        // where the next find starts; -1 until the first one
    bool againFailed = false; // Search Again found nothing: the next one starts at the top
    // The text "Replace in selection only" works in. It is the selection the user made,
    // not the match a find selected last, and it grows and shrinks with replacements.
    std::optional<TextRange> scope;
    bool scopeIsNew = false;               // the next search in the scope starts at its start
    std::optional<TextRange> lastSelected; // the match the commands themselves selected
};

enum class SearchOutcome { Found, NotFound, ShowFindDialog };

// Find Next of the find dialog: from the search position to the end; not found puts the
// position back to the top.
SearchOutcome FindNext(SearchableText &editor, SearchState &state, const SearchQuery &query);
// Search Again (F3): from the end of the selection, or from the top after a failed one.
SearchOutcome SearchAgain(SearchableText &editor, SearchState &state, const SearchQuery &query);

// The editor's selection becomes the text "Replace in selection only" works in (the
// Replace dialog opens, or the user ticks the box).
void BeginSelectionScope(SearchableText &editor, SearchState &state);
SearchOutcome ReplaceFindNext(SearchableText &editor, SearchState &state,
                              const ReplaceRequest &request);
// "&Replace": the selection when it is a match, else the next match after the search
// position. NotFound when there was nothing to replace.
SearchOutcome ReplaceNext(SearchableText &editor, SearchState &state,
                          const ReplaceRequest &request);
// "Replace &All": the number of replacements. The caret goes back to where the
// selection started.
int ReplaceAll(SearchableText &editor, SearchState &state, const ReplaceRequest &request);
// What Replace All tells the user: "3 replacements made.", or the not-found message.
std::string ReplaceAllMessage(int count);

// The starts of the matches Replace All replaces in [from, to), as offsets of the
// text before replacing. The search resumes right after each inserted replacement,
// which is what a whole-word match next to it sees before it.
std::vector<int> PlanReplaceAll(std::u32string_view text, std::u32string_view what,
                                std::u32string_view replaceWith, int from, int to,
                                FindOptions options);

} // namespace vexil::editor
