#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <vector>

class QMdiArea;
namespace kaz::gui {
class BracketDocument;
}

namespace kaz::app {

class BracketWindow;

// Shows the open brackets in child windows of the MDI area: makes a window on a bracket, next
// in the cascade, numbers the windows of a bracket shown more than once (":1", ":2" …), and
// tells when a bracket gets its first window and when its last one is gone. Whether a bracket
// may close is not its question: the close box of a bracket's last window asks `mayClose`.
class BracketWindows : public QObject {
    Q_OBJECT
public:
    BracketWindows(QMdiArea* area, QObject* parent);

    // Asked when the user closes the last window of a bracket; false keeps it open.
    void setCloseCheck(std::function<bool(gui::BracketDocument*)> mayClose);

    // A new window on `doc`, shown and active.
    BracketWindow* open(gui::BracketDocument* doc);
    // Activates the first window of `doc`.
    void activate(const gui::BracketDocument* doc);
    // Closes every window of `doc` (of every bracket for nullptr) without asking.
    void closeWindowsOf(const gui::BracketDocument* doc);

    BracketWindow* activeWindow() const;
    gui::BracketDocument* activeDocument() const;
    // The brackets shown, in the order their first window opened.
    std::vector<gui::BracketDocument*> documents() const;
    std::vector<BracketWindow*> windowsOf(const gui::BracketDocument* doc) const;

signals:
    void firstWindowOpened(gui::BracketDocument* doc);
    // Every window of `doc` is deleted: nothing shows it any more.
    void lastWindowGone(gui::BracketDocument* doc);

private:
    // From here on the window no longer counts, although Qt deletes it a moment later.
    void release(BracketWindow* window);
    void renumber(const gui::BracketDocument* doc);

    QMdiArea* m_area;
    std::function<bool(gui::BracketDocument*)> m_mayClose;
    std::vector<std::pair<BracketWindow*, gui::BracketDocument*>>
        m_windows;  // open, in opening order
    std::map<gui::BracketDocument*, int>
        m_windowCount;  // windows not yet deleted, closing ones too
};

}  // namespace kaz::app
