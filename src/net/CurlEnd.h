#pragma once

#include <QByteArray>
#include <QString>

#include "net/HttpMessage.h"

// How a transfer that libcurl ended with an error code is reported: the
// error and a sentence for people, from the code, libcurl's own words and
// what the transfer saw.
struct CurlEnd {
    struct Failure {
        HttpResult::Error error = HttpResult::Error::Protocol;
        QString text;
    };

    void* easy = nullptr;  // the easy handle, still there
    int code = 0;          // the CURLcode, not CURLE_OK
    QString curlText;      // libcurl's error buffer
    QByteArray hostHeader;
    bool anyAnswer = false;  // some of an answer arrived
    qint64 received = 0;     // body bytes
    qint64 sizeLimit = 0;
    QByteArray location;  // of the last redirect, as written

    Failure failure() const;

    static QString tooLargeText(qint64 limit);
};
