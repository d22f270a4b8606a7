#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/ISoundModule.h"
#include "platform/ISoundOutput.h"

// The sound output of the sound module (libparlamo_sound.so), loaded with
// QPluginLoader at the first call that needs it (a device count or a sound),
// so that a program that plays nothing never loads Qt Multimedia. The module
// is looked for beside the executable (a build or an unpacked folder), under
// the install prefix beside it, then where the build put it and where the
// install puts it (both recorded at build time), which a copy of the program
// in a folder of its own finds. Without it there is no device, nothing plays,
// and unavailable() says why.
class LazySoundOutput final : public ISoundOutput {
    Q_OBJECT
public:
    explicit LazySoundOutput(QObject* parent = nullptr);
    // Looks in these files, in order, instead.
    explicit LazySoundOutput(QStringList candidates, QObject* parent = nullptr);
    ~LazySoundOutput() override;

    int deviceCount() override;
    bool play(const QString& file, PlayOptions options) override;
    void stop() override;
    bool isPlaying() const override;
    QString unavailable() const override { return m_unavailable; }

    // The file the output was loaded from; empty before the first sound, or
    // when none of the candidates loads.
    QString loadedFrom() const { return m_loadedFrom; }

    // Where the program looks for the module, given its own folder.
    static QStringList candidatesBeside(const QString& programFolder);

private:
    ISoundModule::Player* player();

    QStringList m_candidates;
    std::unique_ptr<ISoundModule::Player> m_player;
    QString m_loadedFrom;
    QString m_unavailable;
    bool m_tried = false;
};
