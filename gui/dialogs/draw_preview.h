#pragma once

#include <QWidget>
#include <optional>

#include "bracket/bracket.h"
#include "pools/pool_stage.h"
#include "scene/scene.h"

namespace kaz::gui {

// The draw dialog's picture of the bracket (or the pool stage) a draw makes, drawn by the renderer
// that prints and exports brackets, scaled to fit the widget. Empty while there is no bracket to
// show.
class DrawPreview : public QWidget {
    Q_OBJECT
public:
    explicit DrawPreview(QWidget* parent = nullptr);

    void setBracket(std::optional<kaz::Bracket> bracket);
    const std::optional<kaz::Bracket>& bracket() const { return m_bracket; }
    // A pool stage instead: every pool's table, scaled to fit.
    void setPools(std::optional<kaz::PoolStage> stage);
    const std::optional<kaz::PoolStage>& pools() const { return m_pools; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<kaz::Bracket> m_bracket;
    std::optional<kaz::PoolStage> m_pools;
    std::optional<kaz::Scene> m_poolScene;
};

}  // namespace kaz::gui
