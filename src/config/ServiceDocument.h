#pragma once

#include <QString>
#include <cstdint>

#include "config/ConfigDocument.h"

// The service configuration document behind typed accessors, owned by the
// application (Globals::service) from the start-up on; empty (not loaded)
// until then. Each accessor looks its element up when it is asked, with the
// same XPath and first match as ever, and throws Failure where the lookup or
// the conversion fails, at that moment.
class ServiceDocument : public ConfigDocument {
public:
    // Back to an empty document, as before the start-up.
    void clear();

    ConfigElement messages() const { return selectSingleNode(messagesQuery()); }
    ConfigElement features() const { return selectSingleNode(featuresQuery()); }
    ConfigElement engines() const { return selectSingleNode(enginesQuery()); }
    ConfigElement sizes() const { return selectSingleNode(sizesQuery()); }
    ConfigElement wav() const { return selectSingleNode(wavQuery()); }
    ConfigElement engine(const QString& name) const { return selectSingleNode(engineQuery(name)); }
    ConfigElement pair(const QString& engine, const QString& pair) const {
        return selectSingleNode(languageQuery(engine, pair));
    }

    // The most translations per run: Features maxtranslation.
    std::int32_t maxTranslations() const { return features().requireInt32("maxtranslation"); }
};
