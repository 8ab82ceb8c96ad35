#include "documents/bracket_windows.h"

#include <QMdiArea>
#include <algorithm>

#include "document/bracket_document.h"
#include "documents/bracket_window.h"
#include "support/window_cascade.h"

namespace kaz::app {

BracketWindows::BracketWindows(QMdiArea* area, QObject* parent) : QObject(parent), m_area(area) {}

void BracketWindows::setCloseCheck(std::function<bool(gui::BracketDocument*)> mayClose) {
    m_mayClose = std::move(mayClose);
}

BracketWindow* BracketWindows::open(gui::BracketDocument* doc) {
    auto* window = new BracketWindow(doc);
    m_windows.emplace_back(window, doc);
    if (m_windowCount[doc]++ == 0) emit firstWindowOpened(doc);
    m_area->addSubWindow(window);
    connect(window, &BracketWindow::closeRequested, this, [this, closing = window](bool* allow) {
        const auto entry = std::make_pair(closing, closing->document());
        // A window released already closes without a question.
        if (std::find(m_windows.begin(), m_windows.end(), entry) == m_windows.end()) return;
        gui::BracketDocument* shown = closing->document();
        *allow = windowsOf(shown).size() > 1 || !m_mayClose || m_mayClose(shown);
        if (*allow) release(closing);
    });
    connect(window, &QObject::destroyed, this, [this, doc] {
        // A bracket is shown until its last window is gone, closing or not.
        if (--m_windowCount[doc] > 0) return;
        m_windowCount.erase(doc);
        emit lastWindowGone(doc);
    });
    connect(doc, &gui::BracketDocument::changed, window,
            [this, doc](const kaz::DocumentChange& change) {
                if (change.title) renumber(doc);
            });
    renumber(doc);
    // A new window shows its whole bracket as far as the area allows, next in the cascade, so
    // that no earlier window's left edge is hidden.
    placeInCascade(window, static_cast<int>(m_windows.size()) - 1, m_area);
    window->show();
    m_area->setActiveSubWindow(window);
    return window;
}

void BracketWindows::activate(const gui::BracketDocument* doc) {
    const std::vector<BracketWindow*> windows = windowsOf(doc);
    if (!windows.empty()) m_area->setActiveSubWindow(windows.front());
}

void BracketWindows::closeWindowsOf(const gui::BracketDocument* doc) {
    const auto windows = m_windows;
    for (const auto& [window, shown] : windows) {
        if (doc && shown != doc) continue;
        release(window);
        window->close();
    }
}

BracketWindow* BracketWindows::activeWindow() const {
    return qobject_cast<BracketWindow*>(m_area->currentSubWindow());
}

gui::BracketDocument* BracketWindows::activeDocument() const {
    BracketWindow* window = activeWindow();
    return window ? window->document() : nullptr;
}

std::vector<gui::BracketDocument*> BracketWindows::documents() const {
    std::vector<gui::BracketDocument*> docs;
    for (const auto& entry : m_windows) {
        if (std::find(docs.begin(), docs.end(), entry.second) == docs.end()) {
            docs.push_back(entry.second);
        }
    }
    return docs;
}

std::vector<BracketWindow*> BracketWindows::windowsOf(const gui::BracketDocument* doc) const {
    std::vector<BracketWindow*> windows;
    for (const auto& entry : m_windows) {
        if (entry.second == doc) windows.push_back(entry.first);
    }
    return windows;
}

void BracketWindows::release(BracketWindow* window) {
    gui::BracketDocument* doc = window->document();
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), std::make_pair(window, doc)),
                    m_windows.end());
    renumber(doc);
}

void BracketWindows::renumber(const gui::BracketDocument* doc) {
    const std::vector<BracketWindow*> windows = windowsOf(doc);
    const bool several = windows.size() > 1;
    for (size_t i = 0; i < windows.size(); ++i) {
        windows[i]->updateCaption(several ? static_cast<int>(i) + 1 : 0);
    }
}

}  // namespace kaz::app
