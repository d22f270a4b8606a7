#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

#include "platform/ISoundOutput.h"

class QSoundEffect;
class QTemporaryFile;

// Sound through Qt Multimedia. One sound at a time, as the classic call had
// it: a new one replaces the playing one unless asked not to interrupt it.
class QtSoundOutput : public QObject, public ISoundOutput {
    Q_OBJECT
public:
    explicit QtSoundOutput(QObject* parent = nullptr);
    ~QtSoundOutput() override;

    int deviceCount() override;
    bool play(const QString& file, PlayOptions options) override;
    void stop() override;
    bool isPlaying() const override { return isBusy(); }

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
};
