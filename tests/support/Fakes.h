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
        QString details;  // empty for a box without a details part
    };
    Result messageBox(const QString& text, const QString& title, Icon icon,
                      Buttons buttons) override {
        asked.append({text, title, icon, buttons, QString()});
        return answers.isEmpty() ? Result::Ok : answers.takeFirst();
    }
    // Through messageBox, so that a subclass that watches it sees this box too.
    Result detailedMessageBox(const QString& text, const QString& title, Icon icon, Buttons buttons,
                              const QString& details) override {
        const Result result = messageBox(text, title, icon, buttons);
        asked.last().details = details;
        return result;
    }
    // Answers from its own script (empty: cancelled), recording the titles.
    QString saveFileName(const QString& title, const QString& suggested, const QString&) override {
        savesAsked.append({title, suggested});
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    QList<Asked> asked;
    QList<Result> answers;
    QList<QStringList> savesAsked;  // title, suggested path
    QStringList savePaths;
};

class FakeUrlOpener : public IUrlOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

class FakePauser : public IPauser {
public:
    QCoro::Task<> pause(int milliseconds) override {
        pauses.append(milliseconds);
        co_return;
    }
    QList<int> pauses;
};
