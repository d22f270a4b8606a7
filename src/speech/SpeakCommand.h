#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

#include "net/HttpLimits.h"
#include "net/HttpTransfer.h"
#include "platform/Platform.h"

struct Globals;
class ConfigDocument;
class ISpeakView;

// Speaks the translation a window shows. The language pair's optional
// `speak` attribute is an address to which the translation is appended,
// encoded as a translation request carries text. The answer is fetched in
// the background, so the window stays usable; it is stored under one fixed
// name in the "wav" folder (never a name of the server's, never through a
// link) and played through the sound seam, which plays only what libsndfile
// accepts as a wave file. A newer request replaces a running one; a new
// sound cuts off the one playing.
class SpeakCommand : public QObject {
    Q_OBJECT
public:
    SpeakCommand(ISpeakView& view, const Globals& globals, Platform platform,
                 QObject* parent = nullptr);
    ~SpeakCommand() override;

    // Fetches and plays the view's translation; says in the view's status
    // when there is nothing to speak or the pair has no speech, and then
    // sends nothing.
    void speak();
    // Ends a running fetch (nothing is stored or played) and silences the
    // sound output. True when a fetch was running.
    bool stop();
    bool isFetching() const { return m_transfer != nullptr; }

    // The address that speaks text for the pair; nothing when the pair is
    // not in the document or has no (or an empty) `speak` attribute.
    static std::optional<QString> address(const ConfigDocument& doc, const QString& engine,
                                          const QString& pair, const QString& text);
    // The file in the "wav" folder that holds the last spoken translation.
    static QString fileName() { return QStringLiteral("spoken-translation.wav"); }

    // Silence from the server that ends a fetch.
    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }

signals:
    // A command has ended: spoken, refused, failed or stopped.
    void finished();

private:
    void fetched();
    void end(const QString& status);

    ISpeakView& m_view;
    const Globals& m_globals;
    Platform m_platform;
    HttpTransferPtr m_transfer;
    std::chrono::milliseconds m_stallTimeout = HttpLimits::stallTimeout;
};
