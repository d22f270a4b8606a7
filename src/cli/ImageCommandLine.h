#pragma once

#include <QCoro/QCoroTask>

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <optional>

class QCommandLineParser;
class QTextStream;

// The options that read text from an image:
//   --read-image FILE        print the text read from an image file (no display)
//   --translate-image FILE   print its translation
//   --read-screen X,Y,W,H    print the text read from that area of the screen
// each with --engine and --pair as --translate. Reading alone fetches the
// configuration only when --engine or --pair names the pair whose `from`
// code picks the language (English otherwise), so that it starts as fast as
// the reader itself; translating always does.
class ImageCommandLine {
    Q_DECLARE_TR_FUNCTIONS(ImageCommandLine)

public:
    static void addOptions(QCommandLineParser& parser);
    static bool isRequested(const QCommandLineParser& parser);
    // --read-screen needs a display, so a QGuiApplication.
    static bool needsDisplay(const QCommandLineParser& parser);

    // Exit codes as HeadlessTranslation's.
    static QCoro::Task<int> run(const QCommandLineParser& parser, QTextStream& out,
                                QTextStream& err);

    // "X,Y,W,H" with a positive width and height.
    static std::optional<QRect> parseArea(const QString& text);
};
