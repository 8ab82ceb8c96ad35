#include "view/bracket_canvas.h"

#include <QPaintEvent>
#include <QPainter>

#include "common/qt_colors.h"
#include "common/ui_fonts.h"
#include "document/bracket_document.h"
#include "view/bracket_view.h"
#include "view/member_name_edit.h"

BracketCanvas::BracketCanvas(BracketView* view) : QWidget(view), m_view(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BracketCanvas::paintEvent(QPaintEvent* event) {
    const BracketDocument* doc = m_view->document();
    const kaz::ColorSet& colors = doc->colors();
    QPainter painter(this);
    painter.fillRect(event->rect(), qColorFromString(colors.backgroundColor));

    const QString champion = doc->championText();
    if (champion.isEmpty()) return;
    painter.setFont(japaneseFontPixels(14, 600));
    painter.setPen(qColorFromString(colors.scoreColor));
    // The name has the space right of the final line, up to the bracket's extent; a longer
    // one is cut there. Only its start is laid out: no more can show, and a name of millions
    // of characters would overflow the text engine's coordinates.
    const QPoint at = m_view->championPosition();
    const QSize extent = m_view->bracketExtent();
    painter.setClipRect(QRect(at.x(), 0, extent.width() - at.x(), extent.height()));
    constexpr int kMostCharactersShown = 256;
    painter.drawText(at.x(), at.y() + painter.fontMetrics().ascent(),
                     champion.left(kMostCharactersShown));
}

bool BracketCanvas::focusNextPrevChild(bool next) {
    const auto& boxes = m_view->nameEdits();
    if (boxes.empty()) return QWidget::focusNextPrevChild(next);
    int current = -1;
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i]->hasFocus()) current = static_cast<int>(i);
    }
    const int count = static_cast<int>(boxes.size());
    const int target = current < 0 ? 0 : (current + (next ? 1 : count - 1)) % count;
    MemberNameEdit* box = boxes[static_cast<size_t>(target)];
    box->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    m_view->ensureWidgetVisible(box);
    return true;
}
