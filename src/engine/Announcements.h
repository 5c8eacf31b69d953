// Belote, carrés and sequences of the four hands, found and compared before
// the first trick; the belote call-out while the cards are played.
#pragma once

#include <string_view>

#include "engine/TableWindow.h"
#include "model/TableState.h"

namespace belote {

// Examines seats 1..4 (hands in picture order, as the rest of the deal
// sorted them): belote points, announcement codes, texts, the four
// announcement boxes; empties ET14.
void DetectAnnouncements(TableState& s, TableWindow& w);
// Turns codes into points and value texts, writes ET8 and sets BeloteSeat,
// finds BestAnnouncer, clears the others' points, writes its box and ET9.
void ScoreAnnouncements(TableState& s, TableWindow& w);
// Rank words and suit of a sequence's top picture, appended to AnnounceText1
// (from SequenceTop[1]) or AnnounceText2 (from SequenceTop[2]).
void AppendSequenceName1(TableState& s);
void AppendSequenceName2(TableState& s);
// "   BELOTE      joueur " / "RE-BELOTE    joueur " when the belote holder
// plays its trump queen or king (code after re-coding); says which it called.
enum class BeloteCall { None, Belote, Rebelote };
BeloteCall CallBelote(TableState& s, TableWindow& w, int seat, int code);
// The verdict an announcement's label shows until the best one is named:
// "Tierce trop faible" for "Tierce: au Roi de Coeur"; empty for no announcement.
std::string_view TooWeakVerdict(std::string_view announceText);

}  // namespace belote
