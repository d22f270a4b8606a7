#include "app/WindowRequests.h"

#include "app/AppRequests.h"
#include "ui/TranslateAnywhere.h"
#include "ui/frmTranslate.h"

void connectWindowRequests(AppRequests& requests, frmTranslate& window) {
    TranslateAnywhere& anywhere = window.anywhere();
    QObject::connect(&requests, &AppRequests::translateRequested, &anywhere,
                     &TranslateAnywhere::translate);
    QObject::connect(&requests, &AppRequests::translateAutoRequested, &anywhere,
                     &TranslateAnywhere::translateAuto);
    QObject::connect(&requests, &AppRequests::translateScreenAreaRequested, &anywhere,
                     &TranslateAnywhere::translateScreenArea);
    QObject::connect(&requests, &AppRequests::translateSelectionRequested, &anywhere,
                     &TranslateAnywhere::translateSelection);
    QObject::connect(&requests, &AppRequests::translateClipboardRequested, &anywhere,
                     &TranslateAnywhere::translateClipboard);
    QObject::connect(&requests, &AppRequests::showRequested, &window, &frmTranslate::showFromTray);
    QObject::connect(&requests, &AppRequests::quitRequested, &window, &frmTranslate::mnuExit_Click);
    QObject::connect(&window, &frmTranslate::unloading, &requests, &AppRequests::detach);
    QObject::connect(&window, &QObject::destroyed, &requests, &AppRequests::detach);
    if (window.isUnloaded()) requests.detach();
    requests.attach();
}
