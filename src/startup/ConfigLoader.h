#pragma once

#include <QString>

class ConfigDocument;

// Fetches the service configuration document from the configuration server.
class ConfigLoader {
public:
    static constexpr int defaultTimeoutMs = 30000;

    // "http://" host "/translator/3/config.asp?uid=" uid "&version=3.1.108"
    // "&installdate=" installdate, with no escaping of any value.
    static QString requestAddress(const QString& host, const QString& uid,
                                  const QString& installdate);

    // A plain GET of the address, synchronous for the caller: it waits in a
    // local event loop that lets no user input through. Characters an
    // address cannot carry (the spaces of the date) are percent-encoded on
    // the way out. False, with a reason in *error, when there is no answer
    // within timeoutMs, the server answers with an error status, or the
    // answer is not a well-formed document.
    static bool load(ConfigDocument& document, const QString& address,
                     int timeoutMs = defaultTimeoutMs, QString* error = nullptr);
};
