// The service configuration document as the server sends it, then the start-up
// check that decides whether the window can open with it.
#include <QStringList>

#include "FuzzInput.h"
#include "config/ConfigDocument.h"
#include "service/ConfigCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ConfigDocument document;
    const bool loaded = document.loadFromBytes(fuzz::bytes(data, size));
    // The start-up calls the check with no handler around it: it must not
    // throw, and a document that did not load is never good enough.
    const QStringList missing = ConfigCheck::missing(document);
    fuzz::require(loaded || !missing.isEmpty());
    if (!missing.isEmpty()) fuzz::require(!ConfigCheck::refusalMessage(missing).isEmpty());
    return 0;
}
