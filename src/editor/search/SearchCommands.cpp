// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/search/SearchCommands.h"

#include <algorithm>

namespace vexil::editor {
namespace {

int Length(std::u32string_view text)
{
    return static_cast<int>(text.size());
}

void SelectMatch(SearchableText &editor, SearchState &state, int at, int length)
{
    const TextRange match{at, length};
    editor.select(match);
    state.lastSelected = match;
    state.position = at + 1;
}

// The scope, taken anew when the user has selected other text since, and kept inside
// the text when edits have shortened it.
TextRange CurrentScope(const SearchableText &editor, SearchState &state)
{
    const TextRange selection = editor.selection();
    const bool userSelected = selection.length > 0 && selection != state.lastSelected &&
                              (!state.scope || selection != *state.scope);
    if (!state.scope || userSelected) {
        state.scope = selection;
        state.scopeIsNew = true;
    }
    const int size = Length(editor.text());
    TextRange scope = *state.scope;
    scope.start = std::clamp(scope.start, 0, size);
    scope.length = std::clamp(scope.length, 0, size - scope.start);
    state.scope = scope;
    return scope;
}

struct SearchRange {
    int from;
    int to;
    int restart; // the position after a failed search
};

// Where the Replace dialog's commands search: from the search position to the end of
// the scope or of the text. A position before the scope starts at its start, so that
// "in selection only" never reaches text before the selection.
SearchRange ReplaceRange(const SearchableText &editor, SearchState &state,
                         const ReplaceRequest &request)
{
    if (!request.selectionOnly) {
        state.scope.reset();
        return {std::max(state.position, 0), Length(editor.text()), 0};
    }
    const TextRange scope = CurrentScope(editor, state);
    const int from = state.scopeIsNew ? scope.start : std::max(state.position, scope.start);
    state.scopeIsNew = false;
    return {from, scope.end(), scope.start};
}

void AfterReplacing(SearchState &state, const ReplaceRequest &request, int at, int count)
{
    const int inserted = Length(request.replaceWith);
    state.position = at + inserted;
    state.lastSelected.reset();
    if (request.selectionOnly && state.scope) {
        state.scope->length += count * (inserted - Length(request.find.what));
    }
}

} // namespace

SearchOutcome FindNext(SearchableText &editor, SearchState &state, const SearchQuery &query)
{
    const std::u32string_view text = editor.text();
    const auto found =
        FindForward(text, query.what, std::max(state.position, 0), Length(text), query.options);
    if (!found) {
        state.position = 0;
        return SearchOutcome::NotFound;
    }
    SelectMatch(editor, state, *found, Length(query.what));
    return SearchOutcome::Found;
}

SearchOutcome SearchAgain(SearchableText &editor, SearchState &state, const SearchQuery &query)
{
    if (query.what.empty()) {
        return SearchOutcome::ShowFindDialog;
    }
    int from = editor.selection().end();
    if (state.againFailed) {
        state.againFailed = false;
        from = 0;
    }
    const std::u32string_view text = editor.text();
    const auto found = FindForward(text, query.what, from, Length(text), query.options);
    if (!found) {
        state.position = 0;
        state.againFailed = true;
        return SearchOutcome::NotFound;
    }
    SelectMatch(editor, state, *found, Length(query.what));
    return SearchOutcome::Found;
}

void BeginSelectionScope(SearchableText &editor, SearchState &state)
{
    state.scope = editor.selection();
    state.scopeIsNew = true;
    state.lastSelected.reset();
}

SearchOutcome ReplaceFindNext(SearchableText &editor, SearchState &state,
                              const ReplaceRequest &request)
{
    const SearchRange range = ReplaceRange(editor, state, request);
    const auto found =
        FindForward(editor.text(), request.find.what, range.from, range.to, request.find.options);
    if (!found) {
        state.position = range.restart;
        return SearchOutcome::NotFound;
    }
    SelectMatch(editor, state, *found, Length(request.find.what));
    return SearchOutcome::Found;
}

SearchOutcome ReplaceNext(SearchableText &editor, SearchState &state, const ReplaceRequest &request)
{
    const std::u32string_view what = request.find.what;
    const TextRange selection = editor.selection();
    const SearchRange range = ReplaceRange(editor, state, request);
    const bool selectionIsMatch =
        selection.length == Length(what) &&
        MatchesAt(editor.text(), what, selection.start, request.find.options) &&
        (!request.selectionOnly ||
         (selection.start >= state.scope->start && selection.end() <= state.scope->end()));
    if (selectionIsMatch) {
        editor.replace(selection, request.replaceWith);
        AfterReplacing(state, request, selection.start, 1);
        return SearchOutcome::Found;
    }
    const auto found = FindForward(editor.text(), what, range.from, range.to, request.find.options);
    if (!found) {
        state.position = range.restart;
        return SearchOutcome::NotFound;
    }
    const TextRange match{*found, Length(what)};
    editor.select(match);
    editor.replace(match, request.replaceWith);
    editor.placeCaret(match.start);
    AfterReplacing(state, request, match.start, 1);
    return SearchOutcome::Found;
}

std::vector<int> PlanReplaceAll(std::u32string_view text, std::u32string_view what,
                                std::u32string_view replaceWith, int from, int to,
                                FindOptions options)
{
    std::vector<int> starts;
    const int length = Length(what);
    // The character before `from` once the previous replacement is in; nothing before
    // the text counts as a blank.
    std::optional<char32_t> before;
    while (length > 0) {
        std::optional<int> found;
        if (before && from + length <= to && MatchesAt(text, what, from, options, before)) {
            found = from;
        } else {
            found = FindForward(text, what, before ? from + 1 : from, to, options);
        }
        if (!found) {
            break;
        }
        const std::optional<char32_t> beforeMatch =
            *found == from && before ? before
                                     : (*found > 0 ? std::optional<char32_t>(text[*found - 1])
                                                   : std::optional<char32_t>(U' '));
        starts.push_back(*found);
        from = *found + length;
        before = replaceWith.empty() ? beforeMatch : std::optional<char32_t>(replaceWith.back());
    }
    return starts;
}

int ReplaceAll(SearchableText &editor, SearchState &state, const ReplaceRequest &request)
{
    const int caret = editor.selection().start;
    const SearchRange range = [&] {
        if (!request.selectionOnly) {
            state.scope.reset();
            return SearchRange{0, Length(editor.text()), 0};
        }
        const TextRange scope = CurrentScope(editor, state);
        state.scopeIsNew = false;
        return SearchRange{scope.start, scope.end(), scope.start};
    }();
    const std::vector<int> starts =
        PlanReplaceAll(editor.text(), request.find.what, request.replaceWith, range.from, range.to,
                       request.find.options);
    const int count = static_cast<int>(starts.size());
    if (count > 0) {
        editor.replaceEach(starts, Length(request.find.what), request.replaceWith);
        const int last =
            starts.back() + (count - 1) * (Length(request.replaceWith) - Length(request.find.what));
        AfterReplacing(state, request, last, count);
    }
    editor.placeCaret(caret);
    return count;
}

std::string ReplaceAllMessage(int count)
{
    if (count == 0) {
        return kTextNotFound;
    }
    return std::to_string(count) + " replacement" + (count > 1 ? "s" : "") + " made.";
}

} // namespace vexil::editor
