#pragma once

#include <QObject>
#include <QString>
#include <utility>
#include <vector>

#include "publish/stage_knockouts.h"

class QWidget;

namespace kaz {
struct PoolStage;
}

namespace kaz::gui {
class BracketDocument;
class PoolDocument;
}  // namespace kaz::gui

namespace kaz::app {

// A knockout made from a pool stage, and the stage, while both are open: a pool that becomes
// decided fills its slots at once, as one step of the knockout; a step of the stage that would
// take knockout results away is asked about first; the knockout follows its stage's file when the
// stage is stored under another name, and keeps its link when it is stored under another itself.
class KnockoutLinks : public StageKnockouts {
    Q_OBJECT
public:
    explicit KnockoutLinks(QWidget* window, QObject* parent = nullptr);
    gui::BracketDocument* knockoutOf(const gui::PoolDocument* stage) const override;

    // `knockout` was made from `stage` just now.
    void made(gui::BracketDocument* knockout, gui::PoolDocument* stage);
    // A bracket came to be shown: a knockout is linked to its stage where that is open, and told
    // once that its stage's file was not found where it is not.
    void bracketShown(gui::BracketDocument* doc, const std::vector<gui::PoolDocument*>& stages);
    void bracketGone(gui::BracketDocument* doc);
    // A stage came to be shown: linked to every open knockout made from its file.
    void stageShown(gui::PoolDocument* stage, const std::vector<gui::BracketDocument*>& brackets);
    // The stage was stored, perhaps under another name: its knockouts name that file now.
    void stageStored(gui::PoolDocument* stage);
    void stageGone(gui::PoolDocument* stage);
    // `knockout` is about to be stored at `path`: a link by name alone that would no longer find
    // its stage from there becomes the stage's full path.
    void beforeStoring(gui::BracketDocument* knockout, const QString& path);

    std::vector<gui::BracketDocument*> knockoutsOf(const gui::PoolDocument* stage) const;
    gui::PoolDocument* stageOf(const gui::BracketDocument* knockout) const;

private:
    void link(gui::BracketDocument* knockout, gui::PoolDocument* stage);
    // Brings the knockout into line with the stage; where that would take results away it asks
    // first when `ask`, otherwise it does it and says so.
    void fill(gui::BracketDocument* knockout, const kaz::PoolStage& stage, bool ask);
    // The stage's step guard: true when no knockout would lose a result, or the user agreed.
    bool mayChange(gui::PoolDocument* stage, const kaz::PoolStage& after);
    void onStageChanged(gui::PoolDocument* stage);

    QWidget* m_window;
    std::vector<std::pair<gui::PoolDocument*, gui::BracketDocument*>> m_links;
};

// The pool file a knockout names, as an absolute path: its link resolved from the knockout's
// folder, or, where nothing is there, the file of that name beside the knockout; empty for a
// bracket not made from pools.
QString poolFileOf(const gui::BracketDocument& knockout);

}  // namespace kaz::app
