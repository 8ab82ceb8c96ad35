#pragma once

#include <QWidget>

class CKaz_editView;

// The scrolled surface of a bracket view: paints the background and the champion's name, and
// keeps Tab and Shift+Tab cycling through the name boxes alone.
class BracketCanvas : public QWidget {
    Q_OBJECT
public:
    explicit BracketCanvas(CKaz_editView* view);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    CKaz_editView* m_pView;
};
