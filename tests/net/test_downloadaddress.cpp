#include <QTest>

#include "net/DownloadAddress.h"

// The address rules of the downloader, without any network.
class TestDownloadAddress : public QObject {
    Q_OBJECT
private slots:
    void split_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("path");

        QTest::addRow("scheme, host, path") << "http://server/dir/file.wav" << true << "server"
                                            << "dir/file.wav";
        QTest::addRow("no scheme") << "server/dir" << true << "server"
                                   << "dir";
        QTest::addRow("no slash: all host") << "server" << true << "server"
                                            << "";
        QTest::addRow("no slash keeps scheme-like text") << "http:server" << true << "http:server"
                                                         << "";
        QTest::addRow("https text removed too") << "https://server/x" << true << "server"
                                                << "x";
        QTest::addRow("scheme text in the query goes as well")
            << "http://server/look?u=http://other/x" << true << "server"
            << "look?u=other/x";
        QTest::addRow("http removed before https") << "https://http://server/a" << true << "server"
                                                   << "a";
        QTest::addRow("one pass, no re-scan") << "hthttp://tp://x/y" << true << "http:"
                                              << "/x/y";
        QTest::addRow("case-sensitive") << "HTTP://server/x" << true << "HTTP:"
                                        << "/server/x";
        QTest::addRow("port stays in the host")
            << "http://127.0.0.1:8080/x" << true << "127.0.0.1:8080"
            << "x";
        QTest::addRow("trailing slash") << "http://server/" << true << "server"
                                        << "";
        QTest::addRow("empty host") << "http:///x" << true << ""
                                    << "x";
        QTest::addRow("leading slash") << "/x" << true << ""
                                       << "x";
        QTest::addRow("only the first slash splits") << "a/b/c" << true << "a"
                                                     << "b/c";
        QTest::addRow("nothing after the host") << "http://server" << false << ""
                                                << "";
        QTest::addRow("nothing after the https host") << "https://server" << false << ""
                                                      << "";
        QTest::addRow("scheme text alone") << "http://" << false << ""
                                           << "";
    }
    void split() {
        QFETCH(QString, address);
        QFETCH(bool, ok);
        QFETCH(QString, host);
        QFETCH(QString, path);
        const auto got = DownloadAddress::split(address);
        QCOMPARE(got.has_value(), ok);
        if (!ok) return;
        QCOMPARE(got->host, host);
        QCOMPARE(got->path, path);
    }

    void portFromArgument_data() {
        QTest::addColumn<qint32>("argument");
        QTest::addColumn<int>("port");  // -1: refused
        QTest::addRow("80") << 80 << 80;
        QTest::addRow("443") << 443 << 443;
        QTest::addRow("largest") << 32767 << 32767;
        QTest::addRow("above 16 bits signed") << 32768 << -1;
        QTest::addRow("far above") << 70000 << -1;
        QTest::addRow("-1 wraps") << -1 << 65535;
        QTest::addRow("smallest wraps") << -32768 << 32768;
        QTest::addRow("below 16 bits signed") << -32769 << -1;
        QTest::addRow("0 is the default") << 0 << 0;
    }
    void portFromArgument() {
        QFETCH(qint32, argument);
        QFETCH(int, port);
        const auto got = DownloadAddress::portFromArgument(argument);
        QCOMPARE(got.value_or(-1), port);
    }

    void toAddress_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("url");  // empty: never connects

        QTest::addRow("port 80 is the default")
            << "server"
            << "dir/file.wav" << 80 << "http://server/dir/file.wav";
        QTest::addRow("other port") << "server"
                                    << "x" << 8080 << "http://server:8080/x";
        QTest::addRow("port 0 is the default") << "server"
                                               << "x" << 0 << "http://server/x";
        QTest::addRow("443 is https") << "server"
                                      << "x" << 443 << "https://server/x";
        QTest::addRow("host port wins") << "127.0.0.1:8081"
                                        << "x" << 80 << "http://127.0.0.1:8081/x";
        QTest::addRow("host port over https") << "127.0.0.1:8443"
                                              << "x" << 443 << "https://127.0.0.1:8443/x";
        QTest::addRow("host port 80 written out") << "server:80"
                                                  << "" << 80 << "http://server/";
        QTest::addRow("bracketed IPv6 with port") << "[::1]:8080"
                                                  << "" << 80 << "http://[::1]:8080/";
        QTest::addRow("query kept") << "server"
                                    << "look?w=Hello" << 80 << "http://server/look?w=Hello";
        QTest::addRow("existing escapes kept")
            << "server"
            << "a%20b?q=%C3%A9&x=1" << 80 << "http://server/a%20b?q=%C3%A9&x=1";
        QTest::addRow("written as is")
            << "server"
            << "look?w=two words&p=100%" << 80 << "http://server/look?w=two words&p=100%";
        QTest::addRow("empty host") << ""
                                    << "x" << 80 << "";
        QTest::addRow("colon, no port") << "HTTP:"
                                        << "/server/x" << 80 << "";
        QTest::addRow("port out of range") << "server:70000"
                                           << "" << 80 << "";
        QTest::addRow("space in host") << "ser ver"
                                       << "" << 80 << "";
    }
    void toAddress() {
        QFETCH(QString, host);
        QFETCH(QString, path);
        QFETCH(int, port);
        QFETCH(QString, url);
        DownloadAddress a;
        a.host = host;
        a.path = path;
        QCOMPARE(a.toAddress(port), url);
    }
};

QTEST_GUILESS_MAIN(TestDownloadAddress)
#include "test_downloadaddress.moc"
