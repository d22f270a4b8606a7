#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>
#include <chrono>
#include <functional>

#include "net/HttpLimits.h"

// One HTTP request as the program built it.
struct HttpRequest {
    QByteArray method = "GET";
    // "http://host[:port]/target" or https. The target goes out exactly as
    // written: %XX escapes are kept as they are, a "%" that starts none is
    // sent as "%25", and only bytes that cannot stand in a request line
    // (spaces, controls, non-ASCII and the like) are percent-encoded.
    QString address;
    // Extra header lines, "name:value", sent in this order as given.
    QList<QByteArray> headerLines;
    QByteArray body;
    // Basic credentials, sent with the request when a user name is set.
    QString username;
    QString password;
    qint64 sizeLimit = HttpLimits::translationMaxBody;
    std::chrono::milliseconds stallTimeout = HttpLimits::stallTimeout;
    std::chrono::milliseconds overallBound = HttpLimits::overallBound;
    // When set, the body is handed to it piece by piece as it arrives (of
    // the final answer only) instead of being kept in the result; false
    // ends the transfer with an error.
    std::function<bool(QByteArrayView)> bodySink;
};

// What came back. A whole answer is a result without error, whatever its
// HTTP status; anything short of a whole answer is an error and carries no
// body.
struct HttpResult {
    enum class Error {
        None,
        BadRequest,  // address, method or header line unusable; nothing sent
        HostNotFound,
        Refused,   // connection refused
        Connect,   // no connection for another reason
        Tls,       // handshake or certificate check failed
        NoAnswer,  // connection closed before any answer
        CutShort,  // connection ended inside the answer
        Protocol,  // not an HTTP answer we can read
        TooLarge,  // body over the request's size limit
        Stalled,   // silence longer than the stall time-out
        TimedOut,  // longer than the overall bound
        Redirect,  // too many redirects, or one to a less safe address
        Aborted,   // ended by the caller
    };

    int status = 0;
    QByteArray reason;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    Error error = Error::None;
    QString errorText;

    bool ok() const { return error == Error::None; }
    // First header of that name (case-insensitive), or a null array.
    QByteArray header(const QByteArray& name) const {
        for (const auto& h : headers)
            if (h.first.compare(name, Qt::CaseInsensitive) == 0) return h.second;
        return QByteArray();
    }
};
