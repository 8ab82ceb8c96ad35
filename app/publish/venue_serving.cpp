#include "publish/venue_serving.h"

#include "common/ui_text.h"
#include "venue/network.h"
#include "venue/site_server.h"
#include "venue/venue_site.h"

namespace kaz::app {

VenueServing::VenueServing(QObject* parent)
    : QObject(parent), m_site(std::make_shared<serve::VenueSite>()) {}

VenueServing::~VenueServing() = default;

QString VenueServing::start(int port, bool loopbackOnly) {
    m_server.reset();
    serve::ServerOptions options;
    options.port = port;
    options.loopbackOnly = loopbackOnly;
    serve::SiteServer::Started started = serve::SiteServer::start(m_site->site(), options);
    if (const auto* failure = std::get_if<kaz::Message>(&started)) {
        emit servingChanged();
        return gui::uiText(*failure);
    }
    m_server = std::move(std::get<std::unique_ptr<serve::SiteServer>>(started));
    m_loopbackOnly = loopbackOnly;
    emit servingChanged();
    return QString();
}

void VenueServing::stop() {
    if (!m_server) return;
    m_server.reset();
    emit servingChanged();
}

int VenueServing::port() const { return m_server ? m_server->port() : 0; }

QStringList VenueServing::addresses() const {
    if (!m_server) return {};
    std::vector<std::string> hosts;
    if (!m_loopbackOnly) hosts = serve::localAddresses();
    if (hosts.empty()) hosts.push_back("127.0.0.1");
    QStringList addresses;
    for (const std::string& host : hosts) {
        addresses << QStringLiteral("http://%1:%2/").arg(QString::fromStdString(host)).arg(port());
    }
    return addresses;
}

int VenueServing::viewers() const { return m_server ? m_server->viewerCount() : 0; }

}  // namespace kaz::app
