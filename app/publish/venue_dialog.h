#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace kaz::app {

class LivePublishing;

// "会場配信": serves the live pages from this PC to the phones on the hall's network. The
// organiser chooses whether the active document is served and the port, starts or stops the
// server, and sees each address with its QR code and how many phones read.
class VenueDialog : public QDialog {
    Q_OBJECT
public:
    // `doc` is the active document (a bracket or a pool stage); `loopbackOnly` serves on
    // 127.0.0.1 alone (tests).
    VenueDialog(LivePublishing& publishing, QObject* doc, QWidget* parent = nullptr,
                bool loopbackOnly = false);

private:
    void startOrStop();
    void update();

    LivePublishing& m_publishing;
    QObject* m_doc;
    bool m_loopbackOnly;
    QCheckBox* m_served;
    QSpinBox* m_port;
    QPushButton* m_start;
    QLabel* m_failure;
    QLabel* m_spectators;
    QWidget* m_addresses;
    QVBoxLayout* m_addressLayout;
};

}  // namespace kaz::app
