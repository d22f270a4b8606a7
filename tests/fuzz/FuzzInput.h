#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <cstdlib>

// Helpers shared by the fuzz targets.
namespace fuzz {

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input cut at its first `count - 1` NUL bytes into `count` fields, the
// last holding the rest; missing fields are empty. Lets one input carry
// several arguments.
inline QList<QByteArray> fields(const QByteArray& input, int count) {
    QList<QByteArray> out;
    qsizetype from = 0;
    for (int i = 0; i < count - 1; ++i) {
        const qsizetype nul = input.indexOf('\0', from);
        if (nul < 0) break;
        out.append(input.mid(from, nul - from));
        from = nul + 1;
    }
    out.append(input.mid(from));
    while (out.size() < count) out.append(QByteArray());
    return out;
}

// A property the code promises did not hold: stop like a crash, so that the
// fuzzer keeps the input and the replay test fails.
inline void require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace fuzz
