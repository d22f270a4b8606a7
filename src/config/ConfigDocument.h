#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <pugixml.hpp>

#include "config/ConfigElement.h"

// The service configuration document: loaded once per run from the bytes the
// configuration server sent, then only read. Every lookup is an XPath
// expression from the document element; the first match in document order
// counts.
class ConfigDocument {
    Q_DECLARE_TR_FUNCTIONS(ConfigDocument)

public:
    ConfigDocument() = default;
    ConfigDocument(const ConfigDocument&) = delete;
    ConfigDocument& operator=(const ConfigDocument&) = delete;

    // Parses the bytes; false (and an empty document) when they are not a
    // well-formed document with a root element. Whitespace between elements
    // is not kept.
    bool loadFromBytes(const QByteArray& bytes);
    bool loadFromFile(const QString& path);
    bool isLoaded() const { return m_loaded; }
    QString lastError() const { return m_error; }

    // The bytes as received, for the copy written beside the program.
    const QByteArray& rawBytes() const { return m_raw; }
    // Writes rawBytes() to path, replacing an earlier file (a link at path is
    // replaced, not followed). False on failure.
    bool save(const QString& path) const;

    ConfigElement documentElement() const;

    // First match of the expression from the document element, or a null
    // element. Throws Failure for an expression that does not compile
    // (for example a name with an apostrophe) or a document not loaded.
    ConfigElement selectSingleNode(const QString& xpath) const;

    // The lookup expressions, exactly as the program builds them.
    static QString messagesQuery() { return QStringLiteral("//Messages"); }
    static QString featuresQuery() { return QStringLiteral("//Features"); }
    static QString enginesQuery() { return QStringLiteral("//Engines"); }
    static QString sizesQuery() { return QStringLiteral("//Sizes"); }
    static QString wavQuery() { return QStringLiteral("//Wav"); }
    static QString engineQuery(const QString& engineName);
    static QString languagesQuery(const QString& engineName);
    static QString languageQuery(const QString& engineName, const QString& languageName);

private:
    pugi::xml_document m_doc;
    QByteArray m_raw;
    QString m_error;
    bool m_loaded = false;
};
