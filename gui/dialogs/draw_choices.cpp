#include "dialogs/draw_choices.h"

#include <QSettings>

#include "bracket/bracket_shape.h"

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
    settings.endGroup();
    return choices;
}

void saveDrawChoices(QSettings& settings, const DrawChoices& choices) {
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("Size"), choices.size);
    settings.setValue(QStringLiteral("ByLot"), choices.byLot);
    settings.setValue(QStringLiteral("KeepClubsApart"), choices.keepClubsApart);
    settings.setValue(QStringLiteral("ClubInName"), choices.clubInName);
    settings.endGroup();
}

}  // namespace kaz::gui
