#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "platform/ISoundModule.h"

class QSoundEffect;
class QTemporaryFile;

// Sound through Qt Multimedia. One sound at a time, as the classic call had
// it: a new one replaces the playing one unless asked not to interrupt it.
// play() returns at once; ended() (and the ended handler) say when the sound
// is over.
class QtSoundOutput : public QObject, public ISoundModule::Player {
    Q_OBJECT
public:
    explicit QtSoundOutput(QObject* parent = nullptr);
    ~QtSoundOutput() override;

    int deviceCount() override;
    bool play(const QString& file, ISoundOutput::PlayOptions options) override;
    void stop() override;
    bool isPlaying() const override { return isBusy(); }
    void setEndedHandler(std::function<void()> handler) override;

    // The sound being loaded or played, empty when silent.
    bool isBusy() const;
    QString currentFile() const;

signals:
    // The current sound has ended, failed or been replaced.
    void ended();

private:
    void stopCurrent();
    void deleteRetired();

    QSoundEffect* m_effect = nullptr;
    QList<QSoundEffect*> m_retired;  // stopped, waiting to be deleted
    QString m_file;
    std::unique_ptr<QTemporaryFile> m_copy;  // the checked copy being played
    bool m_busy = false;
    std::function<void()> m_endedHandler;
};
