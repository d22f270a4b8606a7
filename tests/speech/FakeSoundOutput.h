#pragma once

#include <QFile>
#include <QList>
#include <QString>

#include "platform/ISoundOutput.h"

// Records every sound asked for, with the file's bytes at that moment, and
// reports a scripted number of devices. Every sound "plays" until stopped.
class FakeSoundOutput : public ISoundOutput {
public:
    struct Played {
        QString file;
        PlayOptions options;
        QByteArray bytes;
    };
    int deviceCount() override { return devices; }
    bool play(const QString& file, PlayOptions options) override {
        QFile f(file);
        played.append({file, options, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray()});
        return devices > 0;
    }
    void stop() override { ++stops; }
    QString unavailable() const override { return why; }
    int devices = 1;
    QString why;  // no sound at all: the module could not be loaded
    QList<Played> played;
    int stops = 0;
};
