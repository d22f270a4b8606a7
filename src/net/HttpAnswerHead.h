#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The heads of an answer as libcurl hands them over, line by line, checked
// where libcurl is lenient: a line that does not end in LF (or hides a CR),
// a head or trailer past HttpLimits::maxHeadSize, a status line that is not
// HTTP/1.x, a switch of protocols, a transfer coding other than chunked, and
// a length that is not digits or not the same wherever it is given.
class HttpAnswerHead {
public:
    // A new request of a chain (a redirect) starts a new answer.
    void restart() {
        m_blockStart = true;
        m_complete = false;
    }
    // One whole line of a head or trailer, read by the easy handle; false,
    // with the reason in *why, when the answer must not be read on.
    bool take(void* easy, QByteArrayView line, QString* why);

    // The final answer's head has been read and checked.
    bool complete() const { return m_complete; }
    const QByteArray& statusLine() const { return m_statusLine; }
    // The Location of the last redirect, as the server wrote it.
    const QByteArray& location() const { return m_location; }

private:
    bool check(void* easy, QString* why);

    // A block is one head (interim answers, redirects, the final one) or the
    // trailer after a chunked body.
    bool m_blockStart = true;
    bool m_inTrailer = false;
    qint64 m_blockBytes = 0;
    bool m_complete = false;
    QByteArray m_statusLine;
    QByteArray m_location;
};
