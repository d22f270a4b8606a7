#include "net/CurlEnd.h"

#include <curl/curl.h>

#include <cerrno>

#include "net/HttpTransfer.h"

namespace {
using Error = HttpResult::Error;
CurlEnd::Failure failed(Error error, const QString& text) {
    return {error, text};
}
}  // namespace

QString CurlEnd::tooLargeText(qint64 limit) {
    const qint64 mib = 1024 * 1024;
    return limit % mib == 0 ? HttpTransfer::tr("The answer is larger than %1 MiB.").arg(limit / mib)
                            : HttpTransfer::tr("The answer is larger than %1 bytes.").arg(limit);
}

CurlEnd::Failure CurlEnd::failure() const {
    const auto curlCode = static_cast<CURLcode>(code);
    const QString why = curlText.simplified();
    const QString said = why.isEmpty() ? QString::fromUtf8(curl_easy_strerror(curlCode)) : why;
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    const auto cannotConnect = [&] {
        return HttpTransfer::tr("Cannot connect to %1: %2")
            .arg(QString::fromLatin1(hostHeader), said);
    };
    switch (curlCode) {
        case CURLE_COULDNT_RESOLVE_HOST:
            return failed(Error::HostNotFound, cannotConnect());
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_PROXY:
            return failed(Error::Connect, cannotConnect());
        case CURLE_COULDNT_CONNECT: {
            long osError = 0;
            curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &osError);
            return failed(osError == ECONNREFUSED ? Error::Refused : Error::Connect,
                          cannotConnect());
        }
        case CURLE_PEER_FAILED_VERIFICATION:
            return failed(Error::Tls,
                          HttpTransfer::tr("The server's certificate was refused: %1").arg(said));
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_INVALIDCERTSTATUS:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        case CURLE_SSL_CRL_BADFILE:
        case CURLE_USE_SSL_FAILED:
            return failed(Error::Tls,
                          HttpTransfer::tr("The secure connection failed: %1").arg(said));
        case CURLE_GOT_NOTHING:
            return failed(Error::NoAnswer,
                          HttpTransfer::tr("The server closed the connection without answering."));
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR: {
            // A broken connection, or libcurl refusing what it read.
            long osError = 0;
            curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &osError);
            if (osError == 0 && curlCode == CURLE_RECV_ERROR && anyAnswer) break;
            if (!anyAnswer)
                return failed(
                    Error::NoAnswer,
                    HttpTransfer::tr("The server closed the connection without answering."));
            return failed(Error::CutShort,
                          HttpTransfer::tr("The connection ended before the whole answer."));
        }
        case CURLE_PARTIAL_FILE: {
            curl_off_t announced = -1;
            curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
            if (announced >= 0)
                return failed(Error::CutShort,
                              HttpTransfer::tr("The connection ended after %1 of %2 bytes.")
                                  .arg(received)
                                  .arg(announced));
            return failed(Error::CutShort,
                          HttpTransfer::tr("The connection ended before the whole answer."));
        }
        case CURLE_FILESIZE_EXCEEDED:
            return failed(Error::TooLarge, tooLargeText(sizeLimit));
        case CURLE_TOO_MANY_REDIRECTS:
            return failed(Error::Redirect, HttpTransfer::tr("Too many redirects."));
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_URL_MALFORMAT:
            if (status >= 300 && status < 400) {
                // Where it pointed: libcurl's resolved address, or the
                // Location as written where libcurl could not resolve it.
                const char* next = nullptr;
                curl_easy_getinfo(easy, CURLINFO_REDIRECT_URL, &next);
                return failed(
                    Error::Redirect,
                    HttpTransfer::tr("Refused a redirect to %1")
                        .arg(QString::fromUtf8(next ? QByteArray(next) : location).simplified()));
            }
            break;
        case CURLE_OPERATION_TIMEDOUT:
            return failed(Error::TimedOut, said);
        default:
            break;
    }
    return failed(Error::Protocol,
                  HttpTransfer::tr("The server's answer is not readable HTTP: %1").arg(said));
}
