#pragma once

#include <QWidget>

namespace kaz::gui {

class BracketView;

// The scrolled surface of a bracket view: paints the background, the sheet's texts and the
// champion's name, and keeps Tab and Shift+Tab cycling through the name boxes alone (from a
// club box, through the club boxes).
class BracketCanvas : public QWidget {
    Q_OBJECT
public:
    explicit BracketCanvas(BracketView* view);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    BracketView* m_view;
};

}  // namespace kaz::gui
