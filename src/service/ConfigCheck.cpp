#include "service/ConfigCheck.h"

#include <cmath>

#include "config/ConfigDocument.h"
#include "config/ConfigElement.h"
#include "config/ConfigValue.h"
#include "config/Failure.h"
#include "service/Twips.h"

namespace {

void needText(QStringList& out, const ConfigElement& e, const char* element, const char* attr) {
    if (!e.getAttribute(attr))
        out +=
            ConfigCheck::tr("the %1 attribute %2").arg(QLatin1String(element), QLatin1String(attr));
}

template <typename Convert>
void needNumber(QStringList& out, const ConfigElement& e, const char* element, const char* attr,
                Convert convert) {
    const auto text = e.getAttribute(attr);
    if (!text || !convert(*text))
        out += ConfigCheck::tr("a numeric %1 attribute %2")
                   .arg(QLatin1String(element), QLatin1String(attr));
}

// Sizes: the four band measures must be numbers, the two minimums may be
// absent (no minimum) but not something else; all must fit a screen.
void checkSizes(QStringList& out, const ConfigElement& sizes) {
    for (const char* attr : {"minwidth", "minheight", "header", "footer", "right", "center"}) {
        const bool optional = attr[0] == 'm';
        const auto text = sizes.getAttribute(attr);
        if (!text && optional) continue;
        const auto value = text ? ConfigValue::toSingle(*text) : std::nullopt;
        if (!value) {
            out += ConfigCheck::tr("a numeric Sizes attribute %1").arg(QLatin1String(attr));
        } else if (!(std::fabs(*value) <= Twips::largest)) {
            out += ConfigCheck::tr(
                       "a Sizes attribute %1 that a screen can hold (at most %2 "
                       "twips, not %3)")
                       .arg(QLatin1String(attr))
                       .arg(Twips::largest, 0, 'f', 0)
                       .arg(double(*value));
        }
    }
}

bool isInt16(const QString& t) {
    return ConfigValue::toInt16(t).has_value();
}
bool isInt32(const QString& t) {
    return ConfigValue::toInt32(t).has_value();
}

void checkEngines(QStringList& out, const ConfigDocument& doc) {
    const ConfigElement engines = doc.selectSingleNode(ConfigDocument::enginesQuery());
    if (!engines) {
        out += ConfigCheck::tr("the Engines element");
        return;
    }
    needNumber(out, engines, "Engines", "default", isInt16);
    needNumber(out, engines, "Engines", "commonlanguages", isInt32);

    const std::vector<ConfigElement> list = engines.childNodes();
    int position = 0;
    for (const ConfigElement& engine : list) {
        ++position;
        const auto name = engine.getAttribute("name");
        if (!name) {
            out += ConfigCheck::tr("the name of engine %1").arg(position);
            continue;
        }
        if (name->contains(QLatin1Char('\''))) {
            // It would end the lookup's quoted literal early.
            out += ConfigCheck::tr("an engine name without an apostrophe (%1)").arg(*name);
            continue;
        }
        ConfigElement languages;
        try {
            languages = doc.selectSingleNode(ConfigDocument::languagesQuery(*name));
        } catch (const Failure&) {
            out += ConfigCheck::tr("a usable name for engine %1").arg(position);
            continue;
        }
        if (!languages) {
            out += ConfigCheck::tr("the Languages element of engine %1").arg(*name);
            continue;
        }
        needNumber(out, languages, "Languages", "default", isInt16);
        const std::vector<ConfigElement> pairs = languages.childNodes();
        int pair = 0;
        for (const ConfigElement& language : pairs) {
            ++pair;
            if (!language.getAttribute("name"))
                out += ConfigCheck::tr("the name of language %1 of engine %2")
                           .arg(QString::number(pair), *name);
        }
        // The window selects this entry when it switches engines; -1 is "none".
        const auto chosen = ConfigValue::toInt16(languages.joinedText("default"));
        if (chosen && (*chosen < -1 || *chosen >= pair))
            out += ConfigCheck::tr(
                       "a language at the Languages default %1 of engine %2 "
                       "(there are %3)")
                       .arg(QString::number(*chosen), *name, QString::number(pair));
    }

    const auto selected = ConfigValue::toInt16(engines.joinedText("default"));
    if (selected && (*selected < 0 || *selected >= static_cast<int>(list.size())))
        out += ConfigCheck::tr("an engine at the Engines default %1 (there are %2)")
                   .arg(*selected)
                   .arg(list.size());
}

}  // namespace

QStringList ConfigCheck::missing(const ConfigDocument& document) {
    QStringList out;
    if (!document.isLoaded()) return {tr("a configuration document")};
    const ConfigElement messages = document.selectSingleNode(ConfigDocument::messagesQuery());
    if (!messages) return {tr("the Messages element")};
    needText(out, messages, "Messages", "titlemsgbox");
    if (!messages.joinedText("endmessage").isEmpty()) return out;

    needText(out, messages, "Messages", "cmdTranslate");
    if (!document.selectSingleNode(ConfigDocument::featuresQuery()))
        out += tr("the Features element");
    checkEngines(out, document);
    const ConfigElement sizes = document.selectSingleNode(ConfigDocument::sizesQuery());
    if (!sizes) {
        out += tr("the Sizes element");
    } else {
        checkSizes(out, sizes);
    }
    return out;
}

QString ConfigCheck::refusalMessage(const QStringList& missing) {
    return tr("The configuration sent by the server is incomplete, so the program cannot "
              "start. It lacks %1.")
               .arg(missing.join(u"; ")) +
           QStringLiteral("\n\n") + tr("Please start again later.");
}
