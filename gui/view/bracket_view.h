#pragma once

#include <QScrollArea>
#include <vector>

namespace kaz::gui {

class BracketDocument;
class LineWidget;
class MemberNameEdit;
class BracketCanvas;

// The scrolling view of one bracket: name boxes down the left, one line widget per bracket
// line round by round to the right, the champion's name right of the final line. It lays the
// bracket out once; afterwards every change comes from the document and repaints in place.
class BracketView : public QScrollArea {
    Q_OBJECT
public:
    explicit BracketView(BracketDocument* document, QWidget* parent = nullptr);

    BracketDocument* document() const { return m_document; }
    const std::vector<MemberNameEdit*>& nameEdits() const { return m_nameEdits; }
    const std::vector<LineWidget*>& lineWidgets() const { return m_lineWidgets; }
    QWidget* canvas() const;

    // Top-left corner of the champion's name in the bracket's own coordinates.
    QPoint championPosition() const;
    // Width and height of the bracket: 70 per round + 260, and 34 per member + 50.
    QSize bracketExtent() const;

    // The whole bracket, so that a window opens large enough to show all of it.
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;

private:
    void layoutBracket();
    // A page is a tenth of the extent and a line a tenth of a page, on either axis.
    void applyScrollSteps();
    void onSettingsChanged();

    BracketDocument* m_document;
    BracketCanvas* m_canvas;
    std::vector<MemberNameEdit*> m_nameEdits;
    std::vector<LineWidget*> m_lineWidgets;
};

}  // namespace kaz::gui
