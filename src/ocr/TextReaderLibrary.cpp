#include "ocr/TextReaderLibrary.h"

#include <QCoreApplication>
#include <memory>

#include "ocr/ITextReader.h"
#include "platform/AppInfo.h"
#include "platform/PluginFiles.h"

namespace TextReaderLibrary {

ITextReader* reader(QString* why) {
    static std::unique_ptr<ITextReader> loaded;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        const auto create = reinterpret_cast<CreateTextReader>(PluginFiles::resolveFirst(
            PluginFiles::beside(AppInfo::programFolder(),
                                QStringLiteral("libparlamo_ocr_tesseract.so")),
            createTextReaderEntry, &failure));
        if (create) {
            loaded.reset(create());
            // Released with the application object, while the library's own
            // data it refers to still exists.
            qAddPostRoutine([] { loaded.reset(); });
        }
    }
    if (!loaded && why) *why = failure;
    return loaded.get();
}

}  // namespace TextReaderLibrary
