#include <QProcess>
#include <QTcpSocket>
#include <QtTest>
#include <memory>

#include "venue/site_server.h"

using namespace kaz;
using namespace kaz::serve;

namespace {

const std::string kPage = "<!DOCTYPE html>\n<title>第1試合</title><p>山田</p>\n";

// The response to `request`, sent as it stands from `source`, read until the server closes or
// nothing more comes within a second.
QByteArray exchange(int port, const QByteArray& request, const QString& source = "127.0.0.1") {
    QTcpSocket socket;
    socket.bind(QHostAddress(source));
    socket.connectToHost(QHostAddress::LocalHost, quint16(port));
    if (!socket.waitForConnected(3000)) return QByteArray();
    socket.write(request);
    QByteArray response;
    while (socket.waitForReadyRead(1000)) response += socket.readAll();
    return response;
}

QByteArray statusLine(const QByteArray& response) { return response.left(response.indexOf('\r')); }

// curl's reading of `path`: "status etag" on its first line, then the body.
QByteArray curl(int port, const QString& path, const QStringList& options = {}) {
    QProcess process;
    process.start("curl", QStringList{"-s", "-w", "\n%{http_code}", "--max-time", "5"} + options +
                              QStringList{QString("http://127.0.0.1:%1%2").arg(port).arg(path)});
    process.waitForFinished(10000);
    return process.readAllStandardOutput();
}

}  // namespace

class SiteServerTest : public QObject {
    Q_OBJECT
private:
    std::shared_ptr<Site> m_site;
    std::unique_ptr<SiteServer> m_server;
    ServerLimits m_limits;

    int port() const { return m_server->port(); }

private slots:
    void init() {
        m_site = std::make_shared<Site>();
        m_site->setPage("/", "<p>index</p>");
        m_site->setPage(pagePath("決勝.html"), kPage);
        m_limits.idleSeconds = 2;
        m_limits.connectionsPerAddress = 8;
        SiteServer::Started started = SiteServer::start(m_site, {0, true, m_limits});
        QVERIFY(std::holds_alternative<std::unique_ptr<SiteServer>>(started));
        m_server = std::move(std::get<std::unique_ptr<SiteServer>>(started));
    }
    void cleanup() { m_server.reset(); }

    // A real client reads each page; an unchanged one is 304 for its tag, a replaced one is new.
    void pagesAreServedAndFollowed() {
        if (QStandardPaths::findExecutable("curl").isEmpty()) QSKIP("curl is not installed");
        const QString path = QString::fromStdString(pagePath("決勝.html"));
        QCOMPARE(curl(port(), path), QByteArray::fromStdString(kPage) + "\n200");
        QCOMPARE(curl(port(), "/"), QByteArray("<p>index</p>\n200"));
        const QByteArray tag =
            QByteArray::fromStdString(m_site->page(path.toStdString())->entityTag);
        QCOMPARE(curl(port(), path, {"-H", "If-None-Match: " + tag}), QByteArray("\n304"));
        m_site->setPage(path.toStdString(), "<p>佐藤</p>");
        QCOMPARE(curl(port(), path, {"-H", "If-None-Match: " + tag}),
                 QByteArray("<p>佐藤</p>\n200"));
        const QByteArray head = curl(port(), path, {"-I"});
        QVERIFY2(head.contains("Content-Length: 13"), head);
        QVERIFY2(head.endsWith("\r\n\r\n\n200"), head);  // no body after the headers
        QVERIFY(head.contains("ETag: \""));
        QCOMPARE(m_server->viewerCount(), 1);
    }

    // Whatever a hostile client asks, only the pages there are answered.
    void hostileRequests_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("status");
        const QByteArray host = " HTTP/1.1\r\nHost: x\r\n\r\n";
        const QByteArray notFound = "HTTP/1.1 404 Not Found";
        QTest::newRow("POST") << "POST /" + host << QByteArray("HTTP/1.1 405 Method Not Allowed");
        QTest::newRow("PUT with a body")
            << QByteArray("PUT / HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\n\r\nabc")
            << QByteArray("HTTP/1.1 405 Method Not Allowed");
        QTest::newRow("..") << "GET /../../etc/passwd" + host << notFound;
        QTest::newRow("%2e%2e") << "GET /%2e%2e/%2e%2e/etc/passwd" + host << notFound;
        QTest::newRow("%00") << "GET /%E6%B1%BA%E5%8B%9D.html%00.txt" + host << notFound;
        QTest::newRow("backslash") << "GET /..\\..\\windows\\win.ini" + host << notFound;
        QTest::newRow("absolute URL") << "GET http://evil.example/" + host << notFound;
        QTest::newRow("lower-case escapes") << "GET /%e6%b1%ba%e5%8b%9d.html" + host << notFound;
        QTest::newRow("long request line")
            << "GET /" + QByteArray(20000, 'a') + host << QByteArray("HTTP/1.1 414 URI Too Long");
        QTest::newRow("long headers")
            << "GET / HTTP/1.1\r\nHost: x\r\nX-A: " + QByteArray(20000, 'a') + "\r\n\r\n"
            << QByteArray("HTTP/1.1 431 Request Header Fields Too Large");
        QTest::newRow("the page itself")
            << "GET /%E6%B1%BA%E5%8B%9D.html" + host << QByteArray("HTTP/1.1 200 OK");
    }
    void hostileRequests() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, status);
        QCOMPARE(statusLine(exchange(port(), request)), status);
    }

    // One address holds no more than its share of connections, and others are still answered;
    // a connection that sends nothing is dropped.
    void connectionsAreBounded() {
        std::vector<std::unique_ptr<QTcpSocket>> held;
        for (unsigned i = 0; i < m_limits.connectionsPerAddress + 4; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            socket->bind(QHostAddress("127.0.0.2"));
            socket->connectToHost(QHostAddress::LocalHost, quint16(port()));
            QVERIFY(socket->waitForConnected(3000));
            socket->write("GET / HTTP/1.1\r\n");
            held.push_back(std::move(socket));
        }
        QTRY_COMPARE_WITH_TIMEOUT(
            std::count_if(held.begin(), held.end(),
                          [](auto& s) { return s->state() == QAbstractSocket::ConnectedState; }),
            long(m_limits.connectionsPerAddress), 5000);
        QCOMPARE(statusLine(exchange(port(), "GET / HTTP/1.1\r\nHost: x\r\n\r\n", "127.0.0.3")),
                 QByteArray("HTTP/1.1 200 OK"));
        // The idle ones go after the idle time.
        QTRY_VERIFY_WITH_TIMEOUT(std::none_of(held.begin(), held.end(),
                                              [](auto& s) {
                                                  s->waitForReadyRead(10);
                                                  return s->state() ==
                                                         QAbstractSocket::ConnectedState;
                                              }),
                                 m_limits.idleSeconds * 1000 + 5000);
    }

    // A port another program holds is told by its number.
    void portInUse() {
        const SiteServer::Started second = SiteServer::start(m_site, {port(), true, {}});
        const auto* failure = std::get_if<Message>(&second);
        QVERIFY(failure != nullptr);
        QCOMPARE(
            QString::fromStdString(japaneseText(*failure)),
            QString("ポート %1 はほかのプログラムが使っています。別のポート番号を選んでください。")
                .arg(port()));
    }

    // The viewers are the addresses seen in the last minute, and their number is bounded.
    void viewersOfTheLastMinute() {
        Viewers viewers;
        const auto start = Viewers::Clock::now();
        viewers.seen("192.168.1.2", start);
        viewers.seen("192.168.1.3", start + std::chrono::seconds(30));
        viewers.seen("192.168.1.2", start + std::chrono::seconds(40));
        QCOMPARE(viewers.count(start + std::chrono::seconds(50)), 2);
        QCOMPARE(viewers.count(start + std::chrono::seconds(95)), 1);
        for (size_t i = 0; i < 3 * Viewers::kMostAddresses; ++i) {
            viewers.seen(std::to_string(i), start + std::chrono::milliseconds(i));
        }
        QVERIFY(viewers.count(start + std::chrono::seconds(59)) <= int(Viewers::kMostAddresses));
    }
};

QTEST_GUILESS_MAIN(SiteServerTest)
#include "tst_site_server.moc"
