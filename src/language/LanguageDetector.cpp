#include "language/LanguageDetector.h"

#include <QMutex>
#include <QtDebug>
#include <memory>

#include "language/ILanguageDetector.h"
#include "platform/AppInfo.h"
#include "platform/PluginFiles.h"

namespace LanguageDetector {

namespace {

constexpr char entryName[] = "parlamo_create_language_detector";

struct Loader {
    QMutex mutex;
    QStringList candidates;  // empty: beside the program
    // The library stays loaded to the end, so the detector's code outlives
    // the detector.
    std::unique_ptr<ILanguageDetector> detector;
    QString error;
    bool tried = false;

    ILanguageDetector* get() {
        if (tried) return detector.get();
        tried = true;
        const QStringList files = candidates.isEmpty()
                                      ? PluginFiles::beside(AppInfo::programFolder(),
                                                            QStringLiteral("libparlamo_cld2.so"))
                                      : candidates;
        using Create = ILanguageDetector* (*)();
        const auto create =
            reinterpret_cast<Create>(PluginFiles::resolveFirst(files, entryName, &error));
        if (!create) {
            qWarning().noquote() << "No language detection:" << error;
            return nullptr;
        }
        detector.reset(create());
        return detector.get();
    }
};

Loader& loader() {
    static Loader instance;
    return instance;
}

int letters(const QString& text, int enough) {
    int count = 0;
    for (const QChar c : text)
        if (c.isLetter() && ++count >= enough) break;
    return count;
}

}  // namespace

QString detect(const QString& text) {
    if (letters(text, minimumLetters) < minimumLetters) return QString();
    QString sample = text.left(sampleLimit);
    if (sample.size() == sampleLimit && sample.back().isHighSurrogate()) sample.chop(1);
    Loader& l = loader();
    const QMutexLocker lock(&l.mutex);
    ILanguageDetector* const detector = l.get();
    return detector ? detector->detect(sample) : QString();
}

bool isAvailable() {
    Loader& l = loader();
    const QMutexLocker lock(&l.mutex);
    return l.get() != nullptr;
}

QString loadError() {
    Loader& l = loader();
    const QMutexLocker lock(&l.mutex);
    return l.error;
}

void useLibrary(const QString& file) {
    Loader& l = loader();
    const QMutexLocker lock(&l.mutex);
    l.candidates = {file};
}

}  // namespace LanguageDetector
