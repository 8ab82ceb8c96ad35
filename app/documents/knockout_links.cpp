#include "documents/knockout_links.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "bracket/sheet_marks.h"
#include "common/notice.h"
#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "pools/knockout_fill.h"
#include "pools/pool_link.h"
#include "view/line_results.h"

namespace kaz::app {

namespace {

QString absolute(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

// "A1 山田、B2 佐藤": the slots a fill gave their members.
QString filledText(const kaz::Bracket& bracket, const std::vector<int>& filled) {
    QStringList named;
    for (int slot : filled) {
        named << QString::fromStdString(kaz::poolSlotMark(bracket.memberMarks(slot).fromPool)) +
                     QLatin1Char(' ') + gui::memberText(bracket, slot);
    }
    return named.join(KnockoutLinks::tr("、"));
}

}  // namespace

QString poolFileOf(const gui::BracketDocument& knockout) {
    const std::vector<std::string> candidates = kaz::poolFileCandidates(
        knockout.bracket().sheet().poolFile, knockout.filePath().toStdString());
    for (const std::string& candidate : candidates) {
        if (QFileInfo::exists(QString::fromStdString(candidate))) {
            return absolute(QString::fromStdString(candidate));
        }
    }
    return candidates.empty() ? QString() : absolute(QString::fromStdString(candidates.front()));
}

KnockoutLinks::KnockoutLinks(QWidget* window, QObject* parent)
    : StageKnockouts(parent), m_window(window) {}

gui::BracketDocument* KnockoutLinks::knockoutOf(const gui::PoolDocument* stage) const {
    const std::vector<gui::BracketDocument*> knockouts = knockoutsOf(stage);
    return knockouts.empty() ? nullptr : knockouts.front();
}

void KnockoutLinks::made(gui::BracketDocument* knockout, gui::PoolDocument* stage) {
    link(knockout, stage);
}

void KnockoutLinks::bracketShown(gui::BracketDocument* doc,
                                 const std::vector<gui::PoolDocument*>& stages) {
    if (!kaz::isKnockoutOfPools(doc->bracket()) || stageOf(doc)) return;
    const QString file = poolFileOf(*doc);
    if (file.isEmpty()) return;
    for (gui::PoolDocument* stage : stages) {
        if (absolute(stage->filePath()) == file) {
            link(doc, stage);
            return;
        }
    }
    if (!QFileInfo::exists(file)) {
        gui::tell(
            m_window,
            tr("%1 の予選リーグ %2 が見つかりません。決勝トーナメントは保存したときのままです。")
                .arg(doc->title(), QDir::toNativeSeparators(file)),
            gui::Notice::Standing);
    }
}

void KnockoutLinks::bracketGone(gui::BracketDocument* doc) {
    gui::PoolDocument* stage = stageOf(doc);
    m_links.erase(std::remove_if(m_links.begin(), m_links.end(),
                                 [doc](const auto& link) { return link.second == doc; }),
                  m_links.end());
    if (stage) emit knockoutChanged(stage);
}

void KnockoutLinks::stageShown(gui::PoolDocument* stage,
                               const std::vector<gui::BracketDocument*>& brackets) {
    const QString file = absolute(stage->filePath());
    if (file.isEmpty()) return;
    for (gui::BracketDocument* doc : brackets) {
        if (!stageOf(doc) && kaz::isKnockoutOfPools(doc->bracket()) && poolFileOf(*doc) == file) {
            link(doc, stage);
        }
    }
}

void KnockoutLinks::stageStored(gui::PoolDocument* stage) {
    const QString file = absolute(stage->filePath());
    for (gui::BracketDocument* knockout : knockoutsOf(stage)) {
        if (poolFileOf(*knockout) != file) knockout->setPoolFile(file.toStdString());
    }
}

void KnockoutLinks::stageGone(gui::PoolDocument* stage) {
    stage->setStepGuard(nullptr);
    disconnect(stage, nullptr, this, nullptr);
    for (gui::BracketDocument* knockout : knockoutsOf(stage)) {
        disconnect(knockout, nullptr, this, nullptr);
    }
    m_links.erase(std::remove_if(m_links.begin(), m_links.end(),
                                 [stage](const auto& link) { return link.first == stage; }),
                  m_links.end());
}

void KnockoutLinks::beforeStoring(gui::BracketDocument* knockout, const QString& path) {
    const std::string& link = knockout->bracket().sheet().poolFile;
    if (link.empty() || QFileInfo(QString::fromStdString(link)).isAbsolute()) return;
    const QString file = poolFileOf(*knockout);
    const std::string fromThere = kaz::poolFileOfLink(link, path.toStdString());
    if (absolute(QString::fromStdString(fromThere)) != file) {
        knockout->setPoolFile(file.toStdString());
    }
}

std::vector<gui::BracketDocument*> KnockoutLinks::knockoutsOf(
    const gui::PoolDocument* stage) const {
    std::vector<gui::BracketDocument*> knockouts;
    for (const auto& [linked, knockout] : m_links) {
        if (linked == stage) knockouts.push_back(knockout);
    }
    return knockouts;
}

gui::PoolDocument* KnockoutLinks::stageOf(const gui::BracketDocument* knockout) const {
    for (const auto& [stage, linked] : m_links) {
        if (linked == knockout) return stage;
    }
    return nullptr;
}

void KnockoutLinks::link(gui::BracketDocument* knockout, gui::PoolDocument* stage) {
    if (stageOf(knockout)) return;
    const bool followed = !knockoutsOf(stage).empty();
    m_links.emplace_back(stage, knockout);
    if (!followed) {
        stage->setStepGuard(
            [this, stage](const kaz::PoolStage& after) { return mayChange(stage, after); });
        connect(stage, &gui::PoolDocument::changed, this,
                [this, stage](const kaz::PoolDocumentChange& change) {
                    if (change.pools.empty() && !change.rules && !change.sheet) return;
                    onStageChanged(stage);
                });
    }
    connect(knockout, &gui::BracketDocument::changed, this,
            [this, stage] { emit knockoutChanged(stage); });
    fill(knockout, stage->stage(), true);
    emit knockoutChanged(stage);
}

void KnockoutLinks::fill(gui::BracketDocument* knockout, const kaz::PoolStage& stage, bool ask) {
    const kaz::KnockoutFill filled = kaz::knockoutFill(knockout->bracket(), stage);
    if (filled.change.isEmpty()) return;
    const QString cleared = gui::clearedResultsText(filled.cleared);
    if (ask && filled.asks()) {
        const QString question =
            tr("予選リーグの結果を %1 に反映すると、%2が消えます。反映しますか?")
                .arg(knockout->title(), cleared);
        if (!gui::DesktopServices::instance().confirmLoss(m_window, question)) return;
    }
    knockout->fillFromPools(filled.change);
    QString told =
        filled.filledSlots.empty()
            ? tr("予選リーグの結果を %1 に反映しました。").arg(knockout->title())
            : tr("予選リーグの結果を %1 に反映しました: %2")
                  .arg(knockout->title(), filledText(knockout->bracket(), filled.filledSlots));
    if (filled.asks()) told = tr("%1（%2を消しました）").arg(told, cleared);
    gui::tell(m_window, told, gui::Notice::Done);
}

bool KnockoutLinks::mayChange(gui::PoolDocument* stage, const kaz::PoolStage& after) {
    QStringList losses;
    for (gui::BracketDocument* knockout : knockoutsOf(stage)) {
        const kaz::KnockoutFill filled = kaz::knockoutFill(knockout->bracket(), after);
        if (!filled.asks()) continue;
        losses << tr("%1 の%2").arg(knockout->title(), gui::clearedResultsText(filled.cleared));
    }
    if (losses.isEmpty()) return true;
    const QString question =
        tr("予選リーグの結果を変えると、%1が消えます。変えますか?").arg(losses.join(tr("と")));
    return gui::DesktopServices::instance().confirmLoss(m_window, question);
}

void KnockoutLinks::onStageChanged(gui::PoolDocument* stage) {
    // The step, its undo or its redo was asked about before it was made (mayChange); the
    // knockout follows it as a step of its own.
    for (gui::BracketDocument* knockout : knockoutsOf(stage)) {
        fill(knockout, stage->stage(), false);
    }
}

}  // namespace kaz::app
