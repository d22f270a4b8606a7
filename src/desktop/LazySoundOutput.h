#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/ISoundOutput.h"

// The sound output of libparlamo_sound, loaded at the first call that needs
// it (a device count or a sound), so that a program that plays nothing never
// loads Qt Multimedia. The library is looked for beside the executable (a
// build or an unpacked folder), then where the install puts it. Without it
// there is no device and nothing plays; the reason is written to the log
// once.
class LazySoundOutput final : public ISoundOutput {
public:
    LazySoundOutput();
    // Looks in these files, in order, instead.
    explicit LazySoundOutput(QStringList candidates);
    ~LazySoundOutput() override;

    int deviceCount() override;
    bool play(const QString& file, PlayOptions options) override;
    void stop() override;
    bool isPlaying() const override;

    // The file the output was loaded from; empty before the first sound, or
    // when none of the candidates loads.
    QString loadedFrom() const { return m_loadedFrom; }

    // Where the program looks for the library, given its own folder.
    static QStringList candidatesBeside(const QString& programFolder);

private:
    ISoundOutput* output();

    QStringList m_candidates;
    std::unique_ptr<ISoundOutput> m_output;
    QString m_loadedFrom;
    bool m_tried = false;
};
