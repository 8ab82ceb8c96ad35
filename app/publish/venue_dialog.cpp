#include "publish/venue_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "desktop/desktop_services.h"
#include "document/file_access.h"
#include "painting/qr_picture.h"
#include "painting/venue_poster.h"
#include "publish/live_publishing.h"
#include "publish/venue_serving.h"

namespace kaz::app {

namespace {

constexpr int kQrModulePixels = 4;

}  // namespace

VenueDialog::VenueDialog(LivePublishing& publishing, QObject* doc, Poster poster, QWidget* parent,
                         bool loopbackOnly)
    : QDialog(parent),
      m_publishing(publishing),
      m_doc(doc),
      m_poster(std::move(poster)),
      m_loopbackOnly(loopbackOnly),
      m_printPoster(new QPushButton(tr("QRコードを印刷(&Q)..."), this)),
      m_served(new QCheckBox(tr("この表を会場に配信する(&D)"), this)),
      m_port(new QSpinBox(this)),
      m_start(new QPushButton(this)),
      m_failure(new QLabel(this)),
      m_viewers(new QLabel(this)),
      m_addresses(new QWidget(this)),
      m_addressLayout(new QVBoxLayout(m_addresses)) {
    setWindowTitle(tr("会場配信"));
    auto* about = new QLabel(
        tr("このPCから、同じネットワークのスマートフォンにライブ公開のページを配信します。"
           "スマートフォンでアドレスを開くか、QRコードを読み取ってください。"),
        this);
    about->setWordWrap(true);
    m_served->setObjectName(QStringLiteral("served"));
    m_served->setChecked(m_publishing.isServed(m_doc));
    m_served->setEnabled(m_doc != nullptr);
    m_port->setObjectName(QStringLiteral("port"));
    m_port->setRange(loopbackOnly ? 0 : 1, 65535);
    m_port->setValue(LivePublishing::servingPort());
    m_start->setObjectName(QStringLiteral("start"));
    m_failure->setObjectName(QStringLiteral("failure"));
    m_failure->setWordWrap(true);
    m_failure->setStyleSheet(QStringLiteral("color: #C00000"));
    m_failure->hide();
    m_viewers->setObjectName(QStringLiteral("viewers"));
    m_addressLayout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    form->addRow(tr("ポート(&P):"), m_port);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(m_served);
    layout->addLayout(form);
    layout->addWidget(m_start);
    layout->addWidget(m_failure);
    layout->addWidget(m_addresses);
    layout->addWidget(m_viewers);
    layout->addWidget(m_printPoster);
    layout->addWidget(buttons);
    m_printPoster->setObjectName(QStringLiteral("printPoster"));
    connect(m_printPoster, &QPushButton::clicked, this, &VenueDialog::printPoster);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_served, &QCheckBox::toggled, this,
            [this](bool served) { m_publishing.setServed(m_doc, served); });
    connect(m_start, &QPushButton::clicked, this, &VenueDialog::startOrStop);
    connect(m_publishing.venue(), &VenueServing::servingChanged, this, &VenueDialog::update);
    auto* count = new QTimer(this);
    connect(count, &QTimer::timeout, this, &VenueDialog::update);
    count->start(5000);
    update();
}

void VenueDialog::startOrStop() {
    VenueServing* venue = m_publishing.venue();
    if (venue->isServing()) {
        venue->stop();
        return;
    }
    // Starting serves the active document, which is what the organiser came here for.
    if (m_doc && !m_served->isChecked()) m_served->setChecked(true);
    const QString failure = m_publishing.startServing(m_port->value(), m_loopbackOnly);
    m_failure->setText(failure);
    m_failure->setVisible(!failure.isEmpty());
}

void VenueDialog::update() {
    const VenueServing* venue = m_publishing.venue();
    const bool serving = venue->isServing();
    m_start->setText(serving ? tr("配信をやめる(&S)") : tr("配信を始める(&S)"));
    m_port->setEnabled(!serving);
    m_printPoster->setEnabled(serving);
    if (serving) m_failure->hide();
    m_viewers->setText(serving ? tr("見ている端末: %1").arg(venue->viewers()) : QString());
    // The addresses and their QR codes, made again only when they changed.
    const QStringList addresses = venue->addresses();
    if (m_addresses->property("shown").toStringList() == addresses) return;
    m_addresses->setProperty("shown", addresses);
    while (QLayoutItem* item = m_addressLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const QString& address : addresses) {
        auto* text = new QLabel(address, m_addresses);
        text->setObjectName(QStringLiteral("address"));
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* code = new QLabel(m_addresses);
        code->setObjectName(QStringLiteral("qrCode"));
        code->setPixmap(QPixmap::fromImage(render::qrPicture(address, kQrModulePixels)));
        code->setAccessibleName(tr("%1 のQRコード").arg(address));
        m_addressLayout->addWidget(text);
        m_addressLayout->addWidget(code);
    }
}

void VenueDialog::printPoster() {
    gui::DesktopServices& desktop = gui::DesktopServices::instance();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(tr("会場配信"));
    if (!desktop.askPrint(this, printer, QString())) return;
    const kaz::Status printed = render::paintVenuePoster(
        printer, m_poster.title, m_publishing.venue()->addresses(), m_poster.language);
    if (!printed) gui::showFailure(this, printed.failure());
}

}  // namespace kaz::app
