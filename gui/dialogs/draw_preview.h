#pragma once

#include <QWidget>
#include <optional>

#include "bracket/bracket.h"

namespace kaz::gui {

// The draw dialog's picture of the bracket a draw makes, drawn by the renderer that prints and
// exports brackets, scaled to fit the widget. Empty while there is no bracket to show.
class DrawPreview : public QWidget {
    Q_OBJECT
public:
    explicit DrawPreview(QWidget* parent = nullptr);

    void setBracket(std::optional<kaz::Bracket> bracket);
    const std::optional<kaz::Bracket>& bracket() const { return m_bracket; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<kaz::Bracket> m_bracket;
};

}  // namespace kaz::gui
