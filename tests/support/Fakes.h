#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/IDialogs.h"
#include "platform/IPauser.h"
#include "platform/IUrlOpener.h"

// Records every message box asked for and answers from a script (OK when
// the script is empty).
class FakeDialogs : public IDialogs {
public:
    struct Asked {
        QString text, title;
        Icon icon;
        Buttons buttons;
    };
    Result messageBox(const QString& text, const QString& title, Icon icon,
                      Buttons buttons) override {
        asked.append({text, title, icon, buttons});
        return answers.isEmpty() ? Result::Ok : answers.takeFirst();
    }
    QList<Asked> asked;
    QList<Result> answers;
};

class FakeUrlOpener : public IUrlOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

class FakePauser : public IPauser {
public:
    void pause(int milliseconds) override { pauses.append(milliseconds); }
    QList<int> pauses;
};
