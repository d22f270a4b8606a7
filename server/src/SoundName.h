#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Sound names: what the lookup page hands to the client and what the client
// asks for as <first char>/<name>.wav. They double as file names in the cache,
// so only a small safe alphabet is allowed.
namespace SoundName {

inline constexpr std::size_t kMaxWordLength = 64;  // bytes, as received
inline constexpr std::size_t kMaxNameLength = 64;

// [a-z0-9_-], starting with a letter or digit, 1..kMaxNameLength long.
bool isValid(std::string_view name);

// The word lower-cased (ASCII), with surrounding blanks removed; nullopt when
// the result is not a valid name (other characters, empty, too long).
std::optional<std::string> forWord(std::string_view word);

// What the client cuts out of a page: the text after the first `before` up to
// the first `after` that follows it; nullopt when `after` does not follow.
// A missing `before` counts as found at the start (the client goes on then).
std::optional<std::string> cutBetween(std::string_view page, std::string_view before,
                                      std::string_view after);

}  // namespace SoundName
