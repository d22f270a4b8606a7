#pragma once

#include <QByteArray>
#include <functional>
#include <optional>

class InetTransfer;

// Reads the body of a completed transfer with GetChunk in pieces of
// pieceSize bytes, letting pending events run after each read so that the
// program stays responsive while a large answer is taken in. Those events
// may release the transfer or its receiver: after each round the loop checks
// that the transfer still exists and asks stillWanted (which must not touch
// anything already released); either failing abandons the answer (nothing).
std::optional<QByteArray> collectAnswer(InetTransfer* transfer,
                                        const std::function<bool()>& stillWanted,
                                        qint64 pieceSize = 1024);
