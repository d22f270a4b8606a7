#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ServiceDocument.h"

// The HTML pages of the lookup service. The client cuts the sound's name out
// between the two markers, so each page is checked against that same cut.
namespace LookupPage {

// A page from which the client's cut gives exactly `name`; nullopt when the
// document's markers cannot carry this name (a marker that also occurs in it).
std::optional<std::string> withSound(const std::string& name, const WavContract& wav);

// A page in which the closing marker does not occur, so the client finds no name.
std::string withoutSound(std::string_view word, const WavContract& wav);

std::string htmlEscape(std::string_view text);

}  // namespace LookupPage
