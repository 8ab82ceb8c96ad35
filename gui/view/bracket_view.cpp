#include "view/bracket_view.h"

#include <QEvent>
#include <QScrollBar>

#include "document/bracket_document.h"
#include "view/bracket_canvas.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"

namespace {
constexpr int kRoundWidth = 70;
constexpr int kMemberPitch = 34;
}  // namespace

CKaz_editView::CKaz_editView(CKaz_editDoc* doc, QWidget* parent)
    : QScrollArea(parent), m_pDoc(doc), m_canvas(new BracketCanvas(this)) {
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::NoFocus);  // a click on a line leaves the focus in its name box
    LayoutBracket();
    setWidget(m_canvas);

    connect(doc, &CKaz_editDoc::lineChanged, this, [this](int line) {
        m_vecLine[static_cast<size_t>(line)]->update();
    });
    connect(doc, &CKaz_editDoc::memberNameChanged, this, [this](int member) {
        m_vecNameEdit[static_cast<size_t>(member)]->RefreshText();
    });
    connect(doc, &CKaz_editDoc::championChanged, m_canvas, qOverload<>(&QWidget::update));
    connect(doc, &CKaz_editDoc::settingsChanged, this, &CKaz_editView::OnSettingsChanged);
}

QWidget* CKaz_editView::Canvas() const { return m_canvas; }

QPoint CKaz_editView::ChampionPosition() const {
    return QPoint(kRoundWidth * m_pDoc->GetRounds() + 165,
                  kMemberPitch / 2 * m_pDoc->GetPlayers() + 19);
}

QSize CKaz_editView::BracketExtent() const {
    return QSize(kRoundWidth * m_pDoc->GetRounds() + 260,
                 kMemberPitch * m_pDoc->GetPlayers() + 50);
}

void CKaz_editView::LayoutBracket() {
    const int players = m_pDoc->GetPlayers();
    CreateNameEdits(players);
    CreateLines(players);
    m_canvas->setFixedSize(BracketExtent());
}

void CKaz_editView::CreateNameEdits(int count) {
    for (int i = 1; i <= count; ++i) {
        auto* box = new CMemberEdit(m_pDoc, i - 1, m_canvas);
        box->setGeometry(50, kMemberPitch * i, 110, 20);
        m_vecNameEdit.push_back(box);
    }
}

void CKaz_editView::CreateLines(int count) {
    int index = 0;
    int h = kMemberPitch;
    int right = 160 + kRoundWidth;
    for (int round = 1; round <= m_pDoc->GetRounds(); ++round) {
        int top = 25;
        for (int p = 0; p < count; ++p) {
            const int kind = count == 1 ? 2 : p % 2;
            auto* line = new CKaz_line(m_pDoc, index, kind, m_canvas);
            line->setGeometry(right - kRoundWidth, top, kRoundWidth, h);
            m_vecLine.push_back(line);
            ++index;
            top += h;
        }
        count /= 2;
        h *= 2;
        right += kRoundWidth;
    }
}

bool CKaz_editView::event(QEvent* event) {
    const bool handled = QScrollArea::event(event);
    // The scroll area sets its own steps whenever it lays its bars out again.
    switch (event->type()) {
        case QEvent::LayoutRequest:
        case QEvent::Resize:
        case QEvent::Show: ApplyScrollSteps(); break;
        default: break;
    }
    return handled;
}

void CKaz_editView::ApplyScrollSteps() {
    const QSize extent = BracketExtent();
    horizontalScrollBar()->setPageStep(extent.width() / 10);
    horizontalScrollBar()->setSingleStep(extent.width() / 10 / 10);
    verticalScrollBar()->setPageStep(extent.height() / 10);
    verticalScrollBar()->setSingleStep(extent.height() / 10 / 10);
}

void CKaz_editView::OnSettingsChanged() {
    for (CMemberEdit* box : m_vecNameEdit) box->RefreshColors();
    m_canvas->update();
    for (CKaz_line* line : m_vecLine) line->update();
}
