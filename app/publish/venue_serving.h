#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace kaz::serve {
class SiteServer;
class VenueSite;
}  // namespace kaz::serve

namespace kaz::app {

// The editor's venue server (会場配信): the live pages of the documents served to the venue, and
// their index, answered to the phones on the hall's network from the server's own thread. It
// costs nothing until the organiser starts it; the pages it answers with are made by each
// document's publisher, off the window's thread, and it can change no document.
class VenueServing : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultPort = 8080;

    explicit VenueServing(QObject* parent = nullptr);
    ~VenueServing() override;

    // Where the publishers of served documents put their pages.
    const std::shared_ptr<serve::VenueSite>& site() const { return m_site; }

    // Starts serving on `port` of every IPv4 address (of 127.0.0.1 alone with `loopbackOnly`,
    // for tests; port 0 takes a free one): an empty text, or why it could not, in the system's
    // words (the port in use named).
    QString start(int port, bool loopbackOnly = false);
    void stop();
    bool isServing() const { return m_server != nullptr; }
    int port() const;
    // "http://192.168.1.23:8080/" for each of this computer's network addresses (127.0.0.1's
    // where it has none).
    QStringList addresses() const;
    // The phones that read a page in the last minute.
    int viewers() const;

signals:
    void servingChanged();

private:
    std::shared_ptr<serve::VenueSite> m_site;
    std::unique_ptr<serve::SiteServer> m_server;
    bool m_loopbackOnly = false;
};

}  // namespace kaz::app
