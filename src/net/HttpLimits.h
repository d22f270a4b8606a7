#pragma once

#include <QtGlobal>
#include <chrono>

// Every size cap and time-out of the program's HTTP traffic, in one place.
// They keep a bad or hostile server from filling the memory or keeping the
// window busy for as long as it likes.
namespace HttpLimits {
using std::chrono::milliseconds;

// Largest answer body: translation pages and configuration documents come
// nowhere near these, a wave file of a spoken word neither.
inline constexpr qint64 translationMaxBody = qint64(32) * 1024 * 1024;
inline constexpr qint64 configMaxBody = qint64(32) * 1024 * 1024;
inline constexpr qint64 downloadMaxBody = qint64(64) * 1024 * 1024;
// Status line and header lines of one answer together.
inline constexpr qint64 maxHeadSize = 64 * 1024;
// Longest translation request address, in characters. Web servers take 8 to
// 64 KiB in a request line; this is far beyond, so that only a text no engine
// would take (a selection or a D-Bus caller's string of megabytes) is refused
// at once with its reason instead of being encoded and sent at length.
inline constexpr qsizetype maxRequestAddress = 1024 * 1024;

// Silence that ends a transfer: nothing sent or received for this long.
inline constexpr milliseconds stallTimeout{30000};
// The translation waits as long as the window's own time-out.
inline constexpr milliseconds translationStallTimeout{60000};
// Whole transfers, however steadily the server trickles.
inline constexpr milliseconds overallBound{120000};

// Redirects followed in a row, as the previous network stack did.
inline constexpr int maxRedirects = 50;
}  // namespace HttpLimits
