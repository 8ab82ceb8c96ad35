#include "draw/bracket_draw.h"

#include <algorithm>
#include <map>

#include "bracket/bracket_shape.h"
#include "bracket/line_rules.h"
#include "bracket/round_names.h"
#include "draw/club_spread.h"
#include "draw/seed_order.h"
#include "text/document_text.h"
#include "text/messages.h"

namespace kaz {
namespace {

int roundsOf(int size) {
    int rounds = 0;
    while ((1 << rounds) < size) ++rounds;
    return rounds;
}

bool anyClubShared(const std::vector<int>& clubs) {
    std::vector<int> sorted = clubs;
    std::sort(sorted.begin(), sorted.end());
    return std::adjacent_find(sorted.begin(), sorted.end(),
                              [](int a, int b) { return a == b && a != kNoClub; }) != sorted.end();
}

std::vector<ClubMeeting> earlyMeetingsOf(const std::vector<int>& entrantAt,
                                         const std::vector<int>& clubs) {
    const int positions = static_cast<int>(entrantAt.size());
    const int finalRound = roundsOf(positions);
    std::vector<ClubMeeting> meetings;
    for (int a = 0; a < positions; ++a) {
        const int first = entrantAt[size_t(a)];
        if (first < 0 || clubs[size_t(first)] == kNoClub) continue;
        for (int b = a + 1; b < positions; ++b) {
            const int second = entrantAt[size_t(b)];
            if (second < 0 || clubs[size_t(second)] != clubs[size_t(first)]) continue;
            const int round = meetingRound(a, b);
            if (round < finalRound) meetings.push_back({first, second, round});
        }
    }
    std::stable_sort(meetings.begin(), meetings.end(),
                     [](const ClubMeeting& x, const ClubMeeting& y) { return x.round < y.round; });
    return meetings;
}

}  // namespace

std::optional<Message> drawSizeProblem(int entrants, int size) {
    if (entrants < kMinEntrants) return tooFewEntrantsText(entrants);
    if (entrants > kMaxEntrants) return Message(MessageId::TooManyEntrants, {kMaxEntrants});
    if (size == 0 || isDrawSizeAllowed(entrants, size)) return std::nullopt;
    // No first-round match may be between two byes.
    if (isValidMemberCount(size) && size > entrants) {
        return Message(MessageId::DrawSizeTooLarge, {entrants, size, largestDrawSize(entrants)});
    }
    return Message(MessageId::DrawSize, {entrants, size});
}

std::optional<Draw> drawEntrants(const std::vector<Entrant>& entrants, const DrawOptions& options) {
    const int count = static_cast<int>(entrants.size());
    if (drawSizeProblem(count, options.size)) return std::nullopt;
    const int size = options.size == 0 ? smallestDrawSize(count) : options.size;
    DrawRandom random(options.drawNumber);
    const std::vector<int> order = sheetSeedOrder(size, count, options.byLot ? &random : nullptr);
    std::vector<int> positionOfSeed(size_t(size) + 1);
    for (int p = 0; p < size; ++p) positionOfSeed[size_t(order[size_t(p)])] = p;

    Draw draw;
    draw.entrantAt.assign(size_t(size), -1);
    draw.seedNumberAt = order;
    if (options.byLot) draw.drawNumber = options.drawNumber;
    std::vector<bool> seedTaken(size_t(count) + 1, false);
    std::vector<int> unseeded;
    for (int e = 0; e < count; ++e) {
        const int seed = entrants[size_t(e)].seed;
        if (seed == 0) {
            unseeded.push_back(e);
            continue;
        }
        if (seed < 0 || seed > count || seedTaken[size_t(seed)]) return std::nullopt;
        seedTaken[size_t(seed)] = true;
        draw.entrantAt[size_t(positionOfSeed[size_t(seed)])] = e;
    }
    std::vector<int> freeSeedPositions;  // in ascending seed number
    for (int seed = 1; seed <= count; ++seed) {
        if (!seedTaken[size_t(seed)]) freeSeedPositions.push_back(positionOfSeed[size_t(seed)]);
    }

    const std::vector<int> clubs = clubNumbers(entrants);
    if (options.byLot && options.keepClubsApart && anyClubShared(clubs)) {
        std::vector<int> clubAt(size_t(size), kNoClub);
        for (int p = 0; p < size; ++p) {
            const int e = draw.entrantAt[size_t(p)];
            if (e >= 0) clubAt[size_t(p)] = clubs[size_t(e)];
        }
        std::vector<int> freePositions = freeSeedPositions;
        std::sort(freePositions.begin(), freePositions.end());
        std::vector<int> freeClubs;
        for (const int e : unseeded) freeClubs.push_back(clubs[size_t(e)]);
        const std::vector<int> placed = spreadClubs(clubAt, freePositions, freeClubs, random);
        for (size_t i = 0; i < unseeded.size(); ++i) {
            draw.entrantAt[size_t(placed[i])] = unseeded[i];
        }
    } else {
        if (options.byLot) random.shuffle(unseeded);
        for (size_t i = 0; i < unseeded.size(); ++i) {
            draw.entrantAt[size_t(freeSeedPositions[i])] = unseeded[i];
        }
    }
    draw.earlyMeetings = earlyMeetingsOf(draw.entrantAt, clubs);
    return draw;
}

Bracket makeDrawnBracket(const Draw& draw, const std::vector<Entrant>& entrants, bool clubInName) {
    const int size = static_cast<int>(draw.entrantAt.size());
    Bracket bracket(size);
    SheetInfo sheet;
    for (int p = 0; p < size; ++p) {
        const int e = draw.entrantAt[size_t(p)];
        if (e < 0) {
            bracket.setBye(p, true);
            continue;
        }
        const Entrant& entrant = entrants[size_t(e)];
        bracket.setMemberName(p, memberNameOf(entrant, clubInName));
        if (!clubInName) bracket.setMemberClub(p, entrant.club);
        bracket.setMemberSeed(p, entrant.seed);
    }
    sheet.drawNumber = draw.drawNumber;
    bracket.setSheet(std::move(sheet));
    // A first-round line's index is its position; a bye's opponent wins by a left click.
    for (int p = 0; p < size; ++p) {
        if (draw.entrantAt[size_t(p)] < 0) leftClickLine(bracket, p ^ 1);
    }
    return bracket;
}

Message clubMeetingText(const ClubMeeting& meeting, const std::vector<Entrant>& entrants,
                        int size) {
    const Entrant& first = entrants[size_t(meeting.first)];
    const Entrant& second = entrants[size_t(meeting.second)];
    return Message(MessageId::ClubMeeting,
                   {matchRoundMessage(size, meeting.round), shownText(first.name),
                    shownText(second.name), MessageValue::name(shownText(first.club))});
}

std::vector<Message> unavoidableMeetingTexts(const std::vector<Entrant>& entrants, int size) {
    const int finalRound = roundsOf(size);
    std::vector<Message> texts;
    for (const ClubCount& club : clubCounts(entrants)) {
        const MeetingCounts forced = unavoidableMeetings(club.members, size);
        std::vector<Message> rounds;
        for (int round = 1; round < finalRound; ++round) {
            if (forced[size_t(round)] == 0) continue;
            rounds.push_back(Message(MessageId::RoundMeetings,
                                     {matchRoundMessage(size, round), forced[size_t(round)]}));
        }
        if (rounds.empty()) continue;
        texts.push_back(
            Message(MessageId::UnavoidableMeetings,
                    {MessageValue::name(shownText(*club.name)), club.members, std::move(rounds)}));
    }
    return texts;
}

}  // namespace kaz
