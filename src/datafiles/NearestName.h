#pragma once
// The known name nearest to a misspelt one, for "did you mean ...?".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

// True when `a` and `b` are the same name, ignoring the case of ASCII letters (the game's names are
// found whatever their case).
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// The number of single-character insertions, deletions and substitutions that turn `a` into `b`,
// ignoring the case of ASCII letters.
size_t editDistance(std::string_view a, std::string_view b);

// The name of `known` nearest to `written`, when it is near enough to be a slip of the keyboard
// (at most a third of the name's length, at most three edits); the first of equally near names.
std::optional<std::string> nearestName(std::string_view written, const std::vector<std::string>& known);

}  // namespace zw
