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

inline constexpr std::size_t kMaxTextLength = 1000;  // bytes of a text to speak

// The cache name of a whole text to speak: "s" and 32 hexadecimal digits of
// two independent 64-bit hashes of its bytes. nullopt for an empty text, one
// over kMaxTextLength bytes, or one that is not UTF-8.
std::optional<std::string> forText(std::string_view text);

// What the client cuts out of a page: the text after the first `before` up to
// the first `after` that follows it; nullopt when `after` does not follow.
// A missing `before` counts as found at the start (the client goes on then).
std::optional<std::string> cutBetween(std::string_view page, std::string_view before,
                                      std::string_view after);

}  // namespace SoundName
