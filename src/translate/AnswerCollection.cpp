#include "translate/AnswerCollection.h"

#include <QCoreApplication>
#include <QPointer>

#include "translate/InetTransfer.h"

std::optional<QByteArray> collectAnswer(InetTransfer* transfer,
                                        const std::function<bool()>& stillWanted,
                                        qint64 pieceSize) {
    QPointer<InetTransfer> guard(transfer);
    if (!guard) return std::nullopt;
    QByteArray answer;
    QByteArray piece = guard->GetChunk(pieceSize);
    QCoreApplication::processEvents();
    for (;;) {
        if (!guard || (stillWanted && !stillWanted())) return std::nullopt;
        if (piece.isEmpty()) break;
        answer.append(piece);
        piece = guard->GetChunk(pieceSize);
        QCoreApplication::processEvents();
    }
    return answer;
}
