#pragma once

#include <QDialog>

#include "bracket/sheet_info.h"

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
    // What the poster says of the tournament: its title, in the sheet's language.
    struct Poster {
        QString title;
        kaz::SheetLanguage language = kaz::SheetLanguage::Japanese;
    };
    // `doc` is the active document (a bracket or a pool stage); `loopbackOnly` serves on
    // 127.0.0.1 alone (tests).
    VenueDialog(LivePublishing& publishing, QObject* doc, Poster poster, QWidget* parent = nullptr,
                bool loopbackOnly = false);

private:
    void startOrStop();
    // 「QRコードを印刷」: the poster of each address, printed through the print dialog.
    void printPoster();
    void update();

    LivePublishing& m_publishing;
    QObject* m_doc;
    Poster m_poster;
    bool m_loopbackOnly;
    QPushButton* m_printPoster;
    QCheckBox* m_served;
    QSpinBox* m_port;
    QPushButton* m_start;
    QLabel* m_failure;
    QLabel* m_viewers;
    QWidget* m_addresses;
    QVBoxLayout* m_addressLayout;
};

}  // namespace kaz::app
