#include "dialogs/draw_choices.h"

#include <QSettings>

#include "bracket/bracket_shape.h"
#include "pools/pool_stage.h"

namespace kaz::gui {

namespace {

const QString kGroup = QStringLiteral("Draw");

}  // namespace

DrawChoices loadDrawChoices(QSettings& settings) {
    DrawChoices choices;
    settings.beginGroup(kGroup);
    const int size = settings.value(QStringLiteral("Size"), 0).toInt();
    if (kaz::isValidMemberCount(size)) choices.size = size;
    choices.byLot = settings.value(QStringLiteral("ByLot"), choices.byLot).toBool();
    choices.keepClubsApart =
        settings.value(QStringLiteral("KeepClubsApart"), choices.keepClubsApart).toBool();
    choices.clubInName = settings.value(QStringLiteral("ClubInName"), choices.clubInName).toBool();
    choices.pools = settings.value(QStringLiteral("Pools"), choices.pools).toBool();
    choices.poolsBySize =
        settings.value(QStringLiteral("PoolsBySize"), choices.poolsBySize).toBool();
    const int number = settings.value(QStringLiteral("PoolNumber"), choices.poolNumber).toInt();
    const int least = choices.poolsBySize ? kaz::kMinPoolSize : 1;
    const int most = choices.poolsBySize ? kaz::kMaxPoolSize : kaz::kMaxPools;
    if (number >= least && number <= most) choices.poolNumber = number;
    if (settings.value(QStringLiteral("Through"), 1).toInt() == 2) choices.through = 2;
    settings.endGroup();
    return choices;
}

void saveDrawChoices(QSettings& settings, const DrawChoices& choices) {
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("Size"), choices.size);
    settings.setValue(QStringLiteral("ByLot"), choices.byLot);
    settings.setValue(QStringLiteral("KeepClubsApart"), choices.keepClubsApart);
    settings.setValue(QStringLiteral("ClubInName"), choices.clubInName);
    settings.setValue(QStringLiteral("Pools"), choices.pools);
    settings.setValue(QStringLiteral("PoolsBySize"), choices.poolsBySize);
    settings.setValue(QStringLiteral("PoolNumber"), choices.poolNumber);
    settings.setValue(QStringLiteral("Through"), choices.through);
    settings.endGroup();
}

}  // namespace kaz::gui
