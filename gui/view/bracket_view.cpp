#include "view/bracket_view.h"

#include <QEvent>
#include <QScrollBar>

#include "bracket/line_style.h"
#include "bridge/qt_geometry.h"
#include "document/bracket_document.h"
#include "view/bracket_canvas.h"
#include "view/line_widget.h"
#include "view/member_club_edit.h"
#include "view/member_name_edit.h"
#include "view/screen_scene.h"
#include "view/third_place_line.h"

namespace kaz::gui {

namespace {

// The band the champion's name is drawn in: from a little above its top, as high as its
// 14-pixel bold text with room to spare.
constexpr int kChampionMargin = 4;
constexpr int kChampionBand = 28;

}  // namespace

BracketView::BracketView(BracketDocument* document, QWidget* parent)
    : ZoomedScrollArea(parent),
      m_document(document),
      m_scene(new ScreenScene(document, this)),
      m_canvas(new BracketCanvas(this)) {
    // The canvas fills the whole view, so that all of it shows the background colour; below
    // the bracket's extent the view scrolls.
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::NoFocus);  // a click on a line leaves the focus in its name box
    layoutBracket();
    setWidget(m_canvas);

    connect(document, &BracketDocument::changed, this, &BracketView::onChanged);
}

QWidget* BracketView::canvas() const { return m_canvas; }

QPoint BracketView::championPosition() const {
    return render::toQPoint(kaz::championPosition(m_document->memberCount())) +
           render::toQPoint(m_layout.bracketOrigin);
}

QRect BracketView::championBand() const {
    if (m_layout.twoSided) {
        return render::toQRect(m_layout.champion).adjusted(0, -kChampionMargin, 0, kChampionMargin);
    }
    const QPoint at = championPosition();
    return QRect(at.x(), at.y() - kChampionMargin, bracketExtent().width() - at.x(), kChampionBand);
}

QSize BracketView::bracketExtent() const { return render::toQSize(m_layout.extent); }

// The boxes and lines are made once, in the order Tab and the line indices follow.
void BracketView::layoutBracket() {
    const int members = m_document->memberCount();
    for (int member = 0; member < members; ++member) {
        auto* box = new MemberNameEdit(m_document, member, m_canvas);
        connect(box, &MemberNameEdit::lineTextRequested, this,
                [this](int line) { m_lineWidgets[static_cast<size_t>(line)]->askTextAtLine(); });
        connect(box, &MemberNameEdit::thirdPlaceScoreRequested, this,
                [this](int side) { m_thirdPlaceLines[size_t(side)]->askTextAtLine(); });
        m_nameEdits.push_back(box);
    }
    for (int line = 0; line < m_document->bracket().lineCount(); ++line) {
        m_lineWidgets.push_back(new LineWidget(m_document, line, m_layout, *m_scene, m_canvas));
    }
    for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
        m_thirdPlaceLines.push_back(new ThirdPlaceLine(m_document, side, *m_scene, m_canvas));
    }
    placeWidgets();
    // A click on a line would give the focus to the child window, which gives it back to the
    // name box: both repaint for nothing. With a name box as the surface's focus proxy, Qt sees
    // the focus already inside and leaves it where it is.
    if (!m_nameEdits.empty()) m_canvas->setFocusProxy(m_nameEdits.front());
}

void BracketView::placeWidgets() {
    m_layout = kaz::layoutSheet(m_document->bracket());
    const int members = m_document->memberCount();
    for (int member = 0; member < members; ++member) {
        m_nameEdits[static_cast<size_t>(member)]->setGeometry(
            render::toQRect(kaz::zoomed(kaz::sheetNameRect(m_layout, member), zoom())));
    }
    for (int line = 0; line < static_cast<int>(m_lineWidgets.size()); ++line) {
        m_lineWidgets[static_cast<size_t>(line)]->placeOnSheet(
            kaz::sheetLineRect(m_layout, members, line), zoom());
    }
    for (ThirdPlaceLine* side : m_thirdPlaceLines) side->place(m_layout.thirdPlace, zoom());
    showClubBoxes(m_layout.hasClubColumn());
    m_canvas->setMinimumSize(render::toQSize(kaz::zoomed(m_layout.extent, zoom())));
}

void BracketView::showClubBoxes(bool shown) {
    if (shown && m_clubEdits.empty()) {
        for (int member = 0; member < m_document->memberCount(); ++member) {
            m_clubEdits.push_back(new MemberClubEdit(m_document, member, m_canvas));
            if (zoom() != kaz::kActualSize) m_clubEdits.back()->setZoom(zoom());
        }
    }
    for (MemberClubEdit* box : m_clubEdits) {
        if (shown) {
            box->setGeometry(
                render::toQRect(kaz::zoomed(kaz::sheetClubRect(m_layout, box->member()), zoom())));
        } else if (box->hasFocus() || m_canvas->focusProxy() == box) {
            // The focus stays on the member's row, in its name box.
            MemberNameEdit* name = m_nameEdits[static_cast<size_t>(box->member())];
            if (box->hasFocus()) name->setFocus(Qt::OtherFocusReason);
            m_canvas->setFocusProxy(name);
        }
        box->setVisible(shown);
    }
}

QRect BracketView::onCanvas(const QRect& rect) const { return render::zoomedCover(rect, zoom()); }

QSize BracketView::sizeHint() const {
    const int frame = 2 * frameWidth();
    return m_canvas->minimumSize() + QSize(frame, frame);
}

void BracketView::applyZoom() {
    for (MemberNameEdit* box : m_nameEdits) box->setZoom(zoom());
    for (MemberClubEdit* box : m_clubEdits) box->setZoom(zoom());
    placeWidgets();
}

bool BracketView::event(QEvent* event) {
    const bool handled = ZoomedScrollArea::event(event);
    // The scroll area sets its own steps whenever it lays its bars out again.
    switch (event->type()) {
        case QEvent::LayoutRequest:
        case QEvent::Resize:
        case QEvent::Show: applyScrollSteps(); break;
        default: break;
    }
    return handled;
}

void BracketView::applyScrollSteps() {
    const QSize extent = m_canvas->minimumSize();
    horizontalScrollBar()->setPageStep(extent.width() / 10);
    horizontalScrollBar()->setSingleStep(extent.width() / 10 / 10);
    verticalScrollBar()->setPageStep(extent.height() / 10);
    verticalScrollBar()->setSingleStep(extent.height() / 10 / 10);
}

void BracketView::onChanged(const kaz::DocumentChange& change) {
    if (change.colors) onSettingsChanged();
    if (kaz::affectsSheet(change)) onSheetChanged();
    for (const std::vector<int>* lines : {&change.lines, &change.scores}) {
        for (int line : *lines) {
            m_lineWidgets[static_cast<size_t>(line)]->update();
            const int partner = kaz::lineColorPartner(m_document->memberCount(), line);
            if (partner >= 0) m_lineWidgets[static_cast<size_t>(partner)]->update();
        }
    }
    for (int member : change.names) m_nameEdits[static_cast<size_t>(member)]->refreshText();
    // Only the champion's band: a whole repaint would paint every line and box again.
    if (change.champion) m_canvas->update(onCanvas(championBand()));
}

void BracketView::onSettingsChanged() {
    for (MemberNameEdit* box : m_nameEdits) box->refreshColors();
    for (MemberClubEdit* box : m_clubEdits) box->refreshColors();
    m_canvas->update();
    for (LineWidget* line : m_lineWidgets) line->update();
    for (ThirdPlaceLine* side : m_thirdPlaceLines) side->update();
}

// The sheet's shape may have changed (the club column, a title): the boxes and lines move, and
// keep the focus and the scrolled place; the sheet's texts, byes and numbers repaint.
void BracketView::onSheetChanged() {
    placeWidgets();
    for (MemberClubEdit* box : m_clubEdits) box->refreshText();
    m_canvas->update();
    for (LineWidget* line : m_lineWidgets) line->update();
    for (ThirdPlaceLine* side : m_thirdPlaceLines) side->update();
}

}  // namespace kaz::gui
