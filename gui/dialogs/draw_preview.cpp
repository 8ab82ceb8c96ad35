#include "dialogs/draw_preview.h"

#include <QPainter>

#include "painting/bracket_renderer.h"

namespace kaz::gui {

DrawPreview::DrawPreview(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DrawPreview::setBracket(std::optional<kaz::Bracket> bracket) {
    m_bracket = std::move(bracket);
    update();
}

// A 16-member bracket at four fifths of its size, where its names can still be read.
QSize DrawPreview::sizeHint() const { return render::bracketExtent(kaz::Bracket(16)) * 4 / 5; }

void DrawPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (!m_bracket) return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    render::renderBracketFitted(painter, *m_bracket, QRectF(rect()).adjusted(4, 4, -4, -4));
}

}  // namespace kaz::gui
