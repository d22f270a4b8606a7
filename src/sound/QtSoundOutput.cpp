#include "sound/QtSoundOutput.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "sound/WaveCheck.h"

QtSoundOutput::QtSoundOutput(QObject* parent) : QObject(parent) {}

QtSoundOutput::~QtSoundOutput() = default;

void QtSoundOutput::setEndedHandler(std::function<void()> handler) {
    m_endedHandler = std::move(handler);
}

int QtSoundOutput::deviceCount() {
    // Asked afresh every time: the list follows the sound server's sinks.
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

bool QtSoundOutput::isBusy() const {
    return m_busy;
}

QString QtSoundOutput::currentFile() const {
    return m_busy ? m_file : QString();
}

void QtSoundOutput::stopCurrent() {
    if (!m_effect) return;
    QSoundEffect* old = m_effect;
    m_effect = nullptr;
    m_busy = false;
    old->disconnect(this);
    old->stop();
    // We may be inside one of its signals: it goes at the next turn of the
    // event loop, or before the next sound starts, whichever comes first.
    m_retired.append(old);
    QMetaObject::invokeMethod(this, &QtSoundOutput::deleteRetired, Qt::QueuedConnection);
    emit ended();
    if (m_endedHandler) m_endedHandler();
}

void QtSoundOutput::deleteRetired() {
    qDeleteAll(m_retired);
    m_retired.clear();
}

void QtSoundOutput::stop() {
    stopCurrent();
}

bool QtSoundOutput::play(const QString& file, ISoundOutput::PlayOptions options) {
    if (options.doNotInterrupt && m_busy) return false;
    stopCurrent();
    // Qt keeps one decoded sound per address for as long as any sound effect
    // holds it. The cache file is rewritten on every fetch, so the old effect
    // must be gone before the new one asks for the same address, or the old
    // sound would play again.
    deleteRetired();

    // Without a device Qt's sound effect claims to play for ever; and a file
    // that is not there has nothing to play.
    const QFileInfo info(file);
    if (file.isEmpty() || !info.isFile() || deviceCount() == 0) return false;
    // Only a file that passed the check reaches Qt Multimedia, and only as
    // the plain copy the check wrote: anything else plays nothing.
    m_copy = WaveCheck::playableCopy(info.absoluteFilePath());
    if (!m_copy) return false;

    m_effect = new QSoundEffect(this);
    // Looping only makes sense for a sound that plays on its own; a caller
    // that waits for its end would wait for ever.
    m_effect->setLoopCount(options.loop && !options.wait ? QSoundEffect::Infinite : 1);
    QSoundEffect* effect = m_effect;
    connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
        if (effect == m_effect && effect->status() == QSoundEffect::Error) stopCurrent();
    });
    connect(effect, &QSoundEffect::playingChanged, this, [this, effect] {
        if (effect == m_effect && !effect->isPlaying()) stopCurrent();
    });
    m_file = file;
    m_busy = true;
    effect->setSource(QUrl::fromLocalFile(m_copy->fileName()));
    effect->play();
    if (options.wait && m_busy) {
        // A sound server that never moves on must not keep a waiting caller
        // for ever: allow the length of the file at the lowest common rate
        // (8000 bytes a second) and some slack.
        const auto cap = static_cast<int>(std::min<qint64>(info.size() / 8 + 5000, 3600 * 1000));
        QTimer::singleShot(cap, effect, [this, effect] {
            if (effect == m_effect) stopCurrent();
        });
    }
    return m_busy;
}
