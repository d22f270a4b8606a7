// The do-nothing facilities behind every seam that was left unwired.

#include "platform/IDialogs.h"
#include "platform/IGlobalShortcut.h"
#include "platform/IPauser.h"
#include "platform/IScreenArea.h"
#include "platform/ISoundOutput.h"
#include "platform/ITrayHost.h"
#include "platform/IUrlOpener.h"
#include "platform/Platform.h"

#include <QCoreApplication>

namespace {

class NoDialogs final : public IDialogs {
public:
    // Enter on the box: its default button.
    Result messageBox(const QString&, const QString&, Icon, Buttons buttons) override {
        return buttons == Buttons::OkCancelDefaultCancel ? Result::Cancel : Result::Ok;
    }
};

class NoUrlOpener final : public IUrlOpener {
public:
    void open(const QString&) override {}
};

class NoPauser final : public IPauser {
public:
    QCoro::Task<> pause(int) override { co_return; }
};

class NoSoundOutput final : public ISoundOutput {
public:
    int deviceCount() override { return 0; }
    bool play(const QString&, PlayOptions) override { return false; }
    void stop() override {}
};

class NoTrayHost final : public ITrayHost {
public:
    bool isAvailable() const override { return false; }
    void addIcon(const QIcon&, const QString&, ActivationHandler) override {}
    void showBalloon(const QString&, const QString&, BalloonIcon, int) override {}
    void removeIcon() override {}
    bool hasIcon() const override { return false; }
    void setLostHandler(LostHandler) override {}
    void popUpMenu(QMenu&) override {}
};

class NoGlobalShortcut final : public IGlobalShortcut {
public:
    bool isAvailable() const override { return false; }
    void setKey(const QString&, PressedHandler, RefusedHandler) override {}
    QString key() const override { return QString(); }
};

class NoScreenArea final : public IScreenArea {
public:
    void pick(PickedHandler, RefusedHandler onRefused) override {
        if (onRefused)
            onRefused(QCoreApplication::translate("NoScreenArea",
                                                  "The screen cannot be read on this desktop."));
    }
};

}  // namespace

template <>
IScreenArea& doNothing<IScreenArea>() {
    static NoScreenArea none;
    return none;
}

template <>
IGlobalShortcut& doNothing<IGlobalShortcut>() {
    static NoGlobalShortcut none;
    return none;
}

template <>
IDialogs& doNothing<IDialogs>() {
    static NoDialogs none;
    return none;
}

template <>
IUrlOpener& doNothing<IUrlOpener>() {
    static NoUrlOpener none;
    return none;
}

template <>
IPauser& doNothing<IPauser>() {
    static NoPauser none;
    return none;
}

template <>
ISoundOutput& doNothing<ISoundOutput>() {
    static NoSoundOutput none;
    return none;
}

template <>
ITrayHost& doNothing<ITrayHost>() {
    static NoTrayHost none;
    return none;
}
