#pragma once

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "service/ConfigLoader.h"
#include "translate/TranslationPipeline.h"

class ConfigDocument;
class Translator;
class QTextStream;

// What the command line asks of the headless mode.
struct HeadlessRequest {
    bool list = false;  // print the engines and their pairs instead of translating
    QString text;       // the source text, already read from standard input for "-"
    QString engine;     // empty: the document's default engine
    QString pair;  // empty: that engine's default language pair; "auto": by the text's language
    QString to;    // with "auto": the BCP 47 code of the language wanted
    bool back = false;    // also print the translation translated back
    bool detect = false;  // only print the code of the text's language
    // Instead of text: the text made once the engine and pair are chosen (an
    // image read in the pair's language); nothing, with the reason, when it
    // cannot be made. With printSource it is printed instead of translated.
    std::function<std::optional<QString>(const ConfigDocument& doc, const QString& engine,
                                         const QString& pair, QString* why)>
        textSource;
    bool printSource = false;
};

// Translation without a window: fetches the configuration document with the
// start-up's request, runs one translation through a Translator (refusing
// an HTTP error status, which the window shows like any page) and prints
// the result. The caller's event loop runs the job. Reads the settings store but
// writes nothing anywhere. Every failure is one line on the error stream and a non-zero exit code;
// nothing then reaches the output stream.
class HeadlessTranslation {
    Q_DECLARE_TR_FUNCTIONS(HeadlessTranslation)

public:
    enum ExitCode {
        Success = 0,
        Failed = 1,   // a server could not be reached or gave no usable answer
        Usage = 2,    // the command line asks for something the document lacks
        Refused = 3,  // end-of-service notice or a per-run limit of 0
    };

    HeadlessTranslation(QTextStream& out, QTextStream& err);

    void setConfigTimeout(int milliseconds) { m_configTimeoutMs = milliseconds; }
    // Like the window's: restarted by every piece of the answer.
    void setTranslateTimeout(int milliseconds) { m_translateTimeoutMs = milliseconds; }

    // The exit code, once done; the streams must outlive the job.
    QCoro::Task<int> run(HeadlessRequest request);

    // Where the failure line starts: "RaDudezozad: ".
    static QString prefix();

private:
    QCoro::Task<int> translate(Translator& translator, const ConfigDocument& doc,
                               HeadlessRequest request);
    int list(const ConfigDocument& doc);
    int detect(const QString& text);
    // One translation; the exit code, having said any failure.
    QCoro::Task<int> send(Translator& translator, const QString& engine, const QString& pair,
                          const QString& text, QString* shown);
    int fail(int code, const QString& line);

    QTextStream& m_out;
    QTextStream& m_err;
    int m_configTimeoutMs = ConfigLoader::defaultTimeoutMs;
    int m_translateTimeoutMs = TranslationPipeline::defaultStallTimeoutMs;
    QString m_host;
};
