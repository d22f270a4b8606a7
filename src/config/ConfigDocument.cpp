#include "config/ConfigDocument.h"

#include <QFile>

#include "config/Failure.h"
#include "config/SafeFile.h"

bool ConfigDocument::loadFromBytes(const QByteArray& bytes) {
    m_loaded = false;
    m_raw.clear();
    m_doc.reset();
    const pugi::xml_parse_result r =
        m_doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), pugi::parse_default,
                          pugi::encoding_auto);
    if (!r) {
        m_error = tr("%1 at offset %2")
                      .arg(QString::fromUtf8(r.description()),
                           QString::number(static_cast<qint64>(r.offset)));
        m_doc.reset();
        return false;
    }
    if (!m_doc.document_element()) {
        m_error = tr("no root element");
        m_doc.reset();
        return false;
    }
    m_error.clear();
    m_raw = bytes;
    m_loaded = true;
    return true;
}

bool ConfigDocument::loadFromFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        m_loaded = false;
        m_error = f.errorString();
        return false;
    }
    return loadFromBytes(f.readAll());
}

bool ConfigDocument::save(const QString& path) const {
    if (!m_loaded) return false;
    // The bytes are the server's: a link at the name is replaced, never
    // written through.
    return SafeFile::replaceWithoutFollowing(path, m_raw);
}

ConfigElement ConfigDocument::documentElement() const {
    return ConfigElement(m_doc.document_element());
}

ConfigElement ConfigDocument::selectSingleNode(const QString& xpath) const {
    if (!m_loaded) throw Failure(tr("no configuration document is loaded"));
    const QByteArray q = xpath.toUtf8();
    try {
        const pugi::xpath_query query(q.constData());
        const pugi::xpath_node found = m_doc.document_element().select_node(query);
        // Only elements are of use to the callers; an attribute match (not
        // produced by the program's own expressions) is treated as nothing.
        return ConfigElement(found.node());
    } catch (const pugi::xpath_exception& e) {
        throw Failure(tr("invalid lookup %1: %2").arg(xpath, QString::fromUtf8(e.what())));
    }
}

QString ConfigDocument::engineQuery(const QString& engineName) {
    return QStringLiteral("//Engines/Engine[@name='") + engineName + QStringLiteral("']");
}

QString ConfigDocument::languagesQuery(const QString& engineName) {
    return engineQuery(engineName) + QStringLiteral("/Languages");
}

QString ConfigDocument::languageQuery(const QString& engineName, const QString& languageName) {
    return languagesQuery(engineName) + QStringLiteral("/Language[@name='") + languageName +
           QStringLiteral("']");
}
