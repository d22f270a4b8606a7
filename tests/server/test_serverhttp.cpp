// The reference service over real loopback HTTP: the document's bytes, the
// lookup pages, synthesised wave files, refusals, and concurrent synthesis.
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "ReferenceService.h"
#include "SoundName.h"
#include "TestEnv.h"
#include "WaveFile.h"

namespace {

struct Reply {
    int status = 0;
    std::string head;
    std::string body;
};

// The request target goes out exactly as given, so that the server sees the
// dots and escapes a hostile client would send.
Reply rawGet(int port, const std::string& target) {
    Reply r;
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return r;
    }
    const std::string request =
        "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    if (::send(fd, request.data(), request.size(), 0) < 0) {
        ::close(fd);
        return r;
    }
    std::string all;
    char buf[8192];
    for (ssize_t n; (n = ::recv(fd, buf, sizeof buf, 0)) > 0;) all.append(buf, n);
    ::close(fd);
    const std::size_t end = all.find("\r\n\r\n");
    if (all.rfind("HTTP/1.1 ", 0) != 0 || end == std::string::npos) return r;
    r.status = std::stoi(all.substr(9, 3));
    r.head = all.substr(0, end);
    r.body = all.substr(end + 4);
    return r;
}

std::string readAll(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

class TestServerHttp : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SpeechSynthesizer> m_synth;
    std::unique_ptr<RequestLog> m_log;
    std::unique_ptr<ReferenceService> m_service;
    std::thread m_thread;
    std::string m_documentBytes;
    int m_port = 0;

    QString demo(const char* file) const {
        return TestEnv::sourceDir() + QStringLiteral("/data/demo/") + QLatin1String(file);
    }
    QString cacheDir() const { return m_dir.path() + QStringLiteral("/cache"); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        std::string error;
        auto doc = ServiceDocument::fromFile(demo("config.xml").toStdString(), error);
        QVERIFY2(doc, error.c_str());
        m_documentBytes = doc->bytes();
        m_synth = std::make_unique<SpeechSynthesizer>(3);
        m_log = std::make_unique<RequestLog>();
        QVERIFY(m_log->open((m_dir.path() + "/requests.log").toStdString(), error));
        m_service = std::make_unique<ReferenceService>(
            std::move(*doc),
            ReferenceService::Settings{demo("").toStdString(), cacheDir().toStdString(), 0},
            *m_synth, *m_log);
        QVERIFY2(m_service->prepare(error), error.c_str());
        QVERIFY2(m_service->bind("127.0.0.1", 0, error), error.c_str());
        m_port = m_service->port();
        m_thread = std::thread([this] { m_service->run(); });
        QTRY_VERIFY(m_service->isRunning());
    }
    void cleanupTestCase() {
        if (m_service) m_service->stop();
        if (m_thread.joinable()) m_thread.join();
    }

    void configAnswerIsTheFileByteForByte() {
        const Reply r = rawGet(m_port,
                               "/translator/3/config.asp?uid=&version=3.1.108&"
                               "installdate=12/7/2026%2011:30:00%20PM");
        QCOMPARE(r.status, 200);
        QVERIFY(r.body == m_documentBytes);
        QVERIFY(r.body == readAll(demo("config.xml")));
        QVERIFY(r.head.find("Content-Type: text/xml") != std::string::npos);
    }

    void configKeysAreLoggedOnOneLine() {
        QCOMPARE(rawGet(m_port, "/translator/3/config.asp?uid=a%0Aforged&version=3.1.108").status,
                 200);
        const std::string log = readAll(m_dir.path() + "/requests.log");
        QVERIFY(log.find("version=\"3.1.108\"") != std::string::npos);
        QVERIFY(log.find("installdate=\"12/7/2026 11:30:00 PM\"") != std::string::npos);
        // A line break sent by a client stays inside its own line.
        QVERIFY(log.find("uid=\"a\\x0aforged\"") != std::string::npos);
        QVERIFY(log.find("installdate=(absent)") != std::string::npos);
        QVERIFY(log.find("\nforged") == std::string::npos);
    }

    void lookupCarriesTheNameBetweenTheMarkers() {
        const Reply r = rawGet(m_port, "/wav/lookup?w=Hello");
        QCOMPARE(r.status, 200);
        QCOMPARE(QString::fromStdString(SoundName::cutBetween(r.body, "[[", "]]").value_or("")),
                 QStringLiteral("hello"));
        // The lookup already made the sound, so the wave request is served from disk.
        QVERIFY(QFile::exists(cacheDir() + "/en/h/hello.wav"));
    }

    void lookupWithoutSound_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("status");
        QTest::addRow("not ASCII") << "/wav/lookup?w=na%C3%AFve" << 404;
        QTest::addRow("markup in the word") << "/wav/lookup?w=%3Cb%3E%5D%5D" << 404;
        QTest::addRow("empty word") << "/wav/lookup?w=" << 404;
        QTest::addRow("word too long") << "/wav/lookup?w=" + QString(65, 'a') << 400;
        QTest::addRow("no word") << "/wav/lookup" << 400;
    }
    void lookupWithoutSound() {
        QFETCH(QString, target);
        const Reply r = rawGet(m_port, target.toStdString());
        QTEST(r.status, "status");
        QVERIFY(r.body.find("]]") == std::string::npos);
        QVERIFY(r.body.find("<b>") == std::string::npos);  // the word is escaped
    }

    void waveFileIsValidAndEndsQuietly() {
        const Reply r = rawGet(m_port, "/wav/play/t/tree.wav");
        QCOMPARE(r.status, 200);
        QVERIFY(r.head.find("Content-Type: audio/wav") != std::string::npos);
        const auto f = WaveFile::parse(r.body);
        QVERIFY(f);
        QCOMPARE(f->channels, 1);
        QCOMPARE(f->bitsPerSample, 16);
        QCOMPARE(f->sampleRate, 22050);
        const std::size_t tailBytes = 22050 * 300 / 1000 * 2;
        QVERIFY(f->dataSize > tailBytes + 2000);  // some speech before the tail
        QVERIFY(r.body.find_first_not_of('\0', r.body.size() - tailBytes) == std::string::npos);
        QVERIFY(r.body.find_first_not_of('\0', WaveFile::kHeaderSize) < r.body.size() - tailBytes);
        QVERIFY(readAll(cacheDir() + "/en/t/tree.wav") == r.body);
    }

    void refusedPaths_data() {
        QTest::addColumn<QString>("target");
        QTest::addRow("dot dot") << "/wav/play/../../../etc/passwd";
        QTest::addRow("dot dot in the name") << "/wav/play/h/../hello.wav";
        QTest::addRow("escaped dots") << "/wav/play/%2e%2e/%2e%2e%2fhello.wav";
        QTest::addRow("escaped slash") << "/wav/play/h/..%2F..%2Fhello.wav";
        QTest::addRow("wrong first char") << "/wav/play/x/hello.wav";
        QTest::addRow("upper case") << "/wav/play/H/Hello.wav";
        QTest::addRow("no extension") << "/wav/play/h/hello";
        QTest::addRow("name too long") << "/wav/play/a/" + QString(65, 'a') + ".wav";
        QTest::addRow("page outside the folder") << "/..%2Fdemo%2Fhelp.html";
        QTest::addRow("document as a page") << "/config.xml";
        QTest::addRow("hidden file") << "/.help.html";
        QTest::addRow("unknown path") << "/nothing.html";
    }
    void refusedPaths() {
        QFETCH(QString, target);
        const Reply r = rawGet(m_port, target.toStdString());
        QCOMPARE(r.status, 404);
        QVERIFY(r.body.find("RIFF") == std::string::npos);
        QVERIFY(r.body.find("root:") == std::string::npos);
    }

    // A whole text spoken: a valid wave file, cached by a name of its own, and
    // refusals for what must not reach the synthesizer or a path.
    void speak_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("status");
        QTest::addRow("spoken") << "/speak?voice=es&text=Buenos%20d%C3%ADas%2C%20amigo" << 200;
        QTest::addRow("no text") << "/speak?voice=es" << 400;
        QTest::addRow("empty text") << "/speak?voice=es&text=" << 400;
        QTest::addRow("not UTF-8") << "/speak?voice=es&text=caf%E9" << 400;
        QTest::addRow("too long") << "/speak?voice=en&text=" + QString(1001, 'a') << 400;
        QTest::addRow("unknown voice") << "/speak?voice=xx&text=hello" << 404;
        QTest::addRow("voice as a path") << "/speak?voice=..%2Fen&text=hello" << 404;
        QTest::addRow("nothing audible") << "/speak?voice=en&text=%20%20" << 404;
    }
    void speak() {
        QFETCH(QString, target);
        QFETCH(int, status);
        const Reply r = rawGet(m_port, target.toStdString());
        QCOMPARE(r.status, status);
        if (status != 200) {
            QVERIFY(r.body.find("RIFF") == std::string::npos);
            return;
        }
        QVERIFY(r.head.find("Content-Type: audio/wav") != std::string::npos);
        QVERIFY(WaveFile::parse(r.body));
        const std::string name = SoundName::forText("Buenos días, amigo").value_or("");
        QVERIFY(readAll(cacheDir() + "/speak/es/s/" + QString::fromStdString(name) + ".wav") ==
                r.body);
        QVERIFY(rawGet(m_port, target.toStdString()).body == r.body);  // from the cache
    }

    void helpPagesAreServed() {
        const Reply r = rawGet(m_port, "/help.html");
        QCOMPARE(r.status, 200);
        QVERIFY(r.head.find("text/html") != std::string::npos);
        QVERIFY(r.body == readAll(demo("help.html")));
        QCOMPARE(rawGet(m_port, "/support.html").status, 200);
    }

    // systemd keeps the socket across the service's stops and passes it to
    // the next start: a stop must leave it listening.
    void passedSocketOutlivesTheService() {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof addr;
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        QCOMPARE(::listen(fd, 8), 0);
        QCOMPARE(::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length), 0);
        for (int start = 0; start < 2; ++start) {
            std::string error;
            auto doc = ServiceDocument::fromFile(demo("config.xml").toStdString(), error);
            QVERIFY2(doc, error.c_str());
            ReferenceService service(std::move(*doc),
                                     {demo("").toStdString(), cacheDir().toStdString(), 0},
                                     *m_synth, *m_log);
            QVERIFY2(service.adopt(fd, error), error.c_str());
            QCOMPARE(service.port(), ntohs(addr.sin_port));
            std::thread serving([&] { service.run(); });
            QTRY_VERIFY(service.isRunning());
            QCOMPARE(rawGet(service.port(), ReferenceService::kConfigPath).status, 200);
            service.stop();
            QTRY_VERIFY_WITH_TIMEOUT(!service.isRunning(), 10000);
            serving.join();
        }
        ::close(fd);
    }

    // More callers than the synthesizer admits: every answer is a whole page or
    // a clear "busy", every sound that was announced is a valid file.
    void concurrentLookups() {
        constexpr int kCallers = 10;
        std::vector<Reply> replies(kCallers);
        std::vector<std::thread> callers;
        for (int i = 0; i < kCallers; ++i)
            callers.emplace_back(
                [&, i] { replies[i] = rawGet(m_port, "/wav/lookup?w=word" + std::to_string(i)); });
        for (auto& t : callers) t.join();
        int served = 0;
        for (int i = 0; i < kCallers; ++i) {
            const Reply& r = replies[i];
            QVERIFY2(r.status == 200 || r.status == 503, std::to_string(r.status).c_str());
            if (r.status != 200) continue;
            ++served;
            const std::string name = "word" + std::to_string(i);
            QCOMPARE(SoundName::cutBetween(r.body, "[[", "]]").value_or(""), name);
            QVERIFY(WaveFile::parse(rawGet(m_port, "/wav/play/w/" + name + ".wav").body));
        }
        QVERIFY(served >= 1);
    }
};

QTEST_GUILESS_MAIN(TestServerHttp)
#include "test_serverhttp.moc"
