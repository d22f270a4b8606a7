#include "config/ServiceDocument.h"

void ServiceDocument::clear() {
    // An empty input is no document: the parse leaves it empty and not loaded.
    loadFromBytes(QByteArray());
}
