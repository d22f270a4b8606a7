#pragma once

#include <QString>

class ConfigElement;

// One translation request as the transfer object gets it.
struct TranslationRequest {
    QString url;        // the full address, query string included
    QString operation;  // the HTTP method, upper case; empty when the engine names none
    QString headers;    // the one extra header line, "name:value"

    // Builds the request from an engine's and a language pair's elements and
    // the already encoded source text:
    //   url ? textstring = text & languagestring = value otherstring
    // An absent attribute contributes nothing (its separators stay), then
    // every "&amp;" becomes "&".
    static TranslationRequest build(const ConfigElement& engine, const ConfigElement& language,
                                    const QString& encodedText);

    // The engine's server as messages name it: "host" or "host:port"; the
    // address itself when it names no host.
    QString serverName() const;

    // The user-agent line sent with every translation request.
    static QString userAgentHeader();
};
