#pragma once

#include <cstddef>

#include "bracket/bracket.h"
#include "text/cp932.h"

// Every text a bracket holds, by kind and index, for what treats them all alike: the file's
// exact forms of text beyond CP932, the checks that they fit.

namespace kaz {

enum class TextKind {
    MemberName,       // by member
    Score,            // by line
    Champion,         // index 0
    Title,            // index 0
    Subtitle,         // index 0
    RoundName,        // by round
    Club,             // by member
    ThirdPlaceScore,  // by side
};
constexpr int kTextKinds = 8;

// Calls `visit(kind, index, text)` for every text of `content` (a BracketContent, const or not),
// kind by kind in the order above, each in ascending index; empty texts too.
template <typename Content, typename Visit>
void forEachText(Content& content, Visit visit) {
    for (size_t i = 0; i < content.memberNames.size(); ++i) {
        visit(TextKind::MemberName, i, content.memberNames[i]);
    }
    for (size_t i = 0; i < content.lines.size(); ++i)
        visit(TextKind::Score, i, content.lines[i].score);
    visit(TextKind::Champion, size_t(0), content.champion);
    visit(TextKind::Title, size_t(0), content.sheet.title);
    visit(TextKind::Subtitle, size_t(0), content.sheet.subtitle);
    for (size_t i = 0; i < content.sheet.roundNames.size(); ++i) {
        visit(TextKind::RoundName, i, content.sheet.roundNames[i]);
    }
    for (size_t i = 0; i < content.memberMarks.size(); ++i) {
        visit(TextKind::Club, i, content.memberMarks[i].club);
    }
    for (size_t i = 0; i < content.thirdPlaceResults.size(); ++i) {
        visit(TextKind::ThirdPlaceScore, i, content.thirdPlaceResults[i].score);
    }
}

// The classic field that holds a text of `kind`: its CP932 form, for a line's score only as
// much of it as the classic score field takes.
Cp932Text classicField(TextKind kind, Utf8View text);

// True when `exact` is UTF-8 and classicField(kind, exact) == `field`, so that `exact` is what
// the field was written from.
bool isExactFormOfField(TextKind kind, Utf8View exact, Cp932View field);

// True when the classic field alone gives `text` back, so that the file needs no exact form.
bool classicFieldHoldsExactly(TextKind kind, Utf8View text);

// True when a text of the bracket is one its file's classic form cannot give back exactly.
bool holdsTextBeyondClassicFields(const Bracket& bracket);

}  // namespace kaz
