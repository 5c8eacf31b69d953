#!/usr/bin/env python3
"""Runs belote-selfplay and checks what it reports against the rules of the
game: the transcript of every deal, repeatability, and the command line.

    check_selfplay.py --tool PATH transcript --human computer --deals 2000 --seed 1234 --workdir DIR
    check_selfplay.py --tool PATH command-line --workdir DIR
"""

import argparse
import json
import os
import re
import subprocess
import sys

TAKE_QUESTION_TEXTS = {"Je prends", "Je passe", ""}
SUIT_BAND_X = {1: 33, 2: 102, 3: 171, 4: 238}
PASS_X = 300
STATS_LINE = re.compile(r"^deals=(\d+) seconds=\d+\.\d+ deals_per_second=\d+$")

PLAYED_KEYS = [
    "game", "deal", "seed", "opener", "before", "first_five", "reserved", "turned", "bids",
    "human_presses", "taker", "trump", "redeal", "hands", "announce", "tricks", "after",
]
REDEAL_KEYS = PLAYED_KEYS[:PLAYED_KEYS.index("redeal") + 1]


class Failure(Exception):
    pass


def expect(condition, where, message):
    if not condition:
        raise Failure(f"{where}: {message}")


def run_tool(tool, args):
    return subprocess.run([tool] + args, capture_output=True, text=True, timeout=600)


def high_cards(first_five, seat, suit):
    """Ace to nine of `suit` among the seat's first five cards (pictures)."""
    base = 8 * (suit - 1)
    return sum(1 for p in first_five[seat - 1] if base + 1 <= p <= base + 6)


def suit_of_picture(p):
    return (p - 1) // 8 + 1


def takes_lead(card, best):
    if best == 0:
        return True
    if card >= 25 and best < 25:
        return True
    return (card - 1) // 8 == (best - 1) // 8 and card > best


def check_bids(d, where, human_mode):
    """Who speaks when, and what the rule-bound seats say."""
    bids = d["bids"]
    turned_suit = suit_of_picture(d["turned"])
    ff = d["first_five"]
    taker = 0
    trump = 0
    expected_seat = d["opener"]
    for i, bid in enumerate(bids):
        w = f"{where} bid {i + 1}"
        expect(taker == 0, w, "a seat spoke after somebody took")
        round_no, seat, text, suit = bid["round"], bid["seat"], bid["text"], bid["suit"]
        expect(round_no == (1 if i < 4 else 2), w, f"round {round_no} out of place")
        expect(seat == expected_seat, w, f"seat {seat} spoke, seat {expected_seat} expected")
        expected_seat = seat % 4 + 1
        rule_bound = seat != 1 or human_mode == "computer"
        if round_no == 1:
            expect(text in TAKE_QUESTION_TEXTS, w, f"round-1 words {text!r}")
            expect(text != "" or (seat == 1 and human_mode == "random"), w,
                   "only the human's closed box speaks no words")
            if rule_bound:
                wants = high_cards(ff, seat, turned_suit) > 1
                expect((text == "Je prends") == wants, w,
                       f"seat {seat} said {text!r} with "
                       f"{high_cards(ff, seat, turned_suit)} high cards of the turned suit")
            expect(suit == (turned_suit if text == "Je prends" else 0), w, f"suit {suit}")
        else:
            expect(text in ("Je prends", "Deux"), w, f"round-2 words {text!r}")
            expect((suit != 0) == (text == "Je prends"), w, f"suit {suit} with {text!r}")
            expect(suit != turned_suit, w, "the suit refused in round 1 was named again")
            if rule_bound:
                named = 0
                for s in range(1, 5):
                    count = high_cards(ff, seat, s) * (2 if s == turned_suit else 1)
                    if count > 2:
                        named = s
                        break
                expect(suit == named, w, f"seat {seat} named {suit}, the rule names {named}")
        if text == "Je prends":
            taker, trump = seat, suit
    expect(d["taker"] == taker, where, f"taker {d['taker']}, the bids give {taker}")
    if taker:
        expect(d["trump"] == trump, where, f"trump {d['trump']}, the taker named {trump}")
    else:
        expect(len(bids) == 8, where, f"{len(bids)} bids without a taker")
    expect(d["redeal"] == (taker == 0), where, "redeal flag does not match the bidding")

    human_round2 = [b for b in bids if b["round"] == 2 and b["seat"] == 1]
    presses = d["human_presses"]
    if not human_round2:
        expect(presses == [], where, f"presses {presses} while the human never chose a suit")
    elif human_mode == "computer":
        named = human_round2[0]["suit"]
        expect(presses == [SUIT_BAND_X[named] if named else PASS_X], where,
               f"presses {presses} for suit {named}")
    else:
        expect(len(presses) >= 1 and all(0 <= x <= 400 for x in presses), where,
               f"presses {presses}")


def check_cards_dealt(d, where):
    ff, reserved = d["first_five"], d["reserved"]
    expect(len(ff) == 4 and all(len(h) == 5 for h in ff), where, "first_five is not 4 x 5")
    expect(all(h == sorted(h) for h in ff), where, "first five cards not ascending")
    expect(len(reserved) == 4 and all(len(r) == 3 for r in reserved), where, "reserved not 4 x 3")
    pictures = [p for h in ff for p in h] + [p for r in reserved for p in r]
    expect(sorted(pictures) == list(range(1, 33)), where, "the 32 pictures are not dealt once each")
    expect(d["turned"] == reserved[3][2], where, "the turned card is not seat 4's last reserved card")


def check_play(d, where):
    """Returns the seats that won at least one trick."""
    hands = d["hands"]
    expect(len(hands) == 4 and all(len(h) == 8 for h in hands), where, "hands are not 4 x 8")
    expect(sorted(c for h in hands for c in h) == list(range(1, 33)), where,
           "the 32 codes are not held once each")
    expect(all(h == sorted(h, reverse=True) for h in hands), where, "hands not sorted by code")

    tricks = d["tricks"]
    expect(len(tricks) == 8, where, f"{len(tricks)} tricks")
    used = set()
    leader = d["opener"]
    total = 0
    winners = set()
    belote_seat = d["announce"]["belote_seat"]
    callouts = []
    for t_no, trick in enumerate(tricks, 1):
        w = f"{where} trick {t_no}"
        expect(trick["leader"] == leader, w, f"led by {trick['leader']}, {leader} expected")
        cards = trick["cards"]
        expect([c["seat"] for c in cards] == [(leader - 1 + i) % 4 + 1 for i in range(4)], w,
               "seats out of turn")
        best, holder, points = 0, 0, 0
        for c in cards:
            seat, slot, code = c["seat"], c["slot"], c["code"]
            expect((seat, slot) not in used, w, f"seat {seat} slot {slot} played twice")
            used.add((seat, slot))
            expect(hands[seat - 1][slot - 1] == code, w, f"seat {seat} slot {slot} holds no {code}")
            lead = takes_lead(code, best)
            expect(c["takes_lead"] == lead, w, f"card {code} takes_lead {c['takes_lead']} on {best}")
            if lead:
                best, holder = code, seat
            points += c["points"]
            if seat == belote_seat and code in (27, 28):
                callouts.append(t_no)
        expect(trick["holder"] == holder, w, f"holder {trick['holder']}, the cards give {holder}")
        expect(trick["points"] == points, w, f"points {trick['points']}, the cards add to {points}")
        for text in trick["callouts"]:
            expect(text in (f"   BELOTE      joueur {belote_seat}",
                            f"RE-BELOTE    joueur {belote_seat}"), w, f"callout {text!r}")
        total += points
        winners.add(holder)
        leader = holder
    expect(total == 152, where, f"the tricks hold {total} points")

    texts = [text for trick in tricks for text in trick["callouts"]]
    if belote_seat:
        expect(texts == [f"   BELOTE      joueur {belote_seat}",
                         f"RE-BELOTE    joueur {belote_seat}"], where, f"callouts {texts}")
        expect([t for t, trick in enumerate(tricks, 1) if trick["callouts"]] ==
               sorted(set(callouts)), where, "callouts not in the tricks of the pair")
    else:
        expect(texts == [], where, f"callouts {texts} without a belote")
    return winners


def check_announce(d, where):
    a = d["announce"]
    hands = d["hands"]
    for key in ("boxes", "et8", "et9", "belote_seat", "best", "points", "belote_points"):
        expect(key in a, where, f"announce lacks {key}")
    holder = 0
    for seat in range(1, 5):
        if 27 in hands[seat - 1] and 28 in hands[seat - 1]:
            holder = seat
    expect(a["belote_seat"] == holder, where, f"belote seat {a['belote_seat']}, pair in {holder}")
    expect(a["belote_points"] == [20 if s == holder else 0 for s in range(1, 5)], where,
           f"belote points {a['belote_points']}")
    scoring = [s for s in range(1, 5) if any(a["points"][s - 1])]
    expect(scoring in ([], [a["best"]]), where, f"seats {scoring} keep points, best {a['best']}")


def check_after(d, where, winners, target):
    after = d["after"]
    taker = d["taker"]
    for seat in range(1, 5):
        mark = after["marks"][seat - 1]
        won = seat in winners
        if seat == taker:
            allowed = ("", " DEDANS") if won else (" CAPOT", " DEDANS")
        else:
            allowed = ("",) if won else (" CAPOT",)
        expect(mark in allowed, where, f"seat {seat} marked {mark!r}")
        expect((after["trick_flag"][seat - 1] != 0) == won or seat == taker, where,
               f"seat {seat} trick flag {after['trick_flag'][seat - 1]}")
    winner = after["winner"]
    scores = after["game_score"]
    if winner:
        best = scores[winner - 1]
        expect(best >= target and all(scores[s] < best for s in range(4) if s != winner - 1),
               where, f"seat {winner} declared winner with {scores}")
    else:
        top = max(scores)
        expect(top < target or scores.count(top) > 1, where, f"no winner with {scores}")


def check_transcript(lines, human_mode, deals, seed, target):
    expect(lines, "transcript", "is empty")
    played = 0
    game, opener_next = 1, 1
    previous = None
    last_seed = seed - 1
    for n, line in enumerate(lines, 1):
        where = f"line {n}"
        try:
            d = json.loads(line)
        except json.JSONDecodeError as e:
            raise Failure(f"{where}: not JSON ({e})")
        keys = list(d.keys())
        expect(keys in (PLAYED_KEYS, REDEAL_KEYS), where, f"fields {keys}")
        expect((keys == REDEAL_KEYS) == d["redeal"], where, "fields do not match the redeal flag")
        expect(d["deal"] == n, where, f"deal {d['deal']}")
        expect(d["game"] == game, where, f"game {d['game']}, {game} expected")
        expect(d["seed"] > last_seed, where, "the shuffle was seeded with an old second")
        last_seed = d["seed"]
        expect(d["opener"] == opener_next, where, f"opener {d['opener']}, {opener_next} expected")
        opener_next = d["opener"] % 4 + 1

        before = d["before"]
        if previous is not None:
            src = previous["before"] if previous["redeal"] else previous["after"]
            expect(before["deal_points"] == src["deal_points"], where, "deal points not carried")
            if not previous["redeal"] and previous["after"]["winner"]:
                expect(before["game_score"] == [0, 0, 0, 0] and before["pot"] == 0, where,
                       "a new game did not start from zero")
            else:
                expect(before["game_score"] == src["game_score"], where, "scores not carried")
                expect(before["pot"] == src["pot"], where, "pot not carried")
        else:
            expect(before["game_score"] == [0, 0, 0, 0], where, "first game not from zero")

        check_cards_dealt(d, where)
        check_bids(d, where, human_mode)
        if not d["redeal"]:
            played += 1
            check_announce(d, where)
            winners = check_play(d, where)
            check_after(d, where, winners, target)
            if d["after"]["winner"]:
                game += 1
                opener_next = 1
        previous = d
    expect(played == deals, "transcript", f"{played} deals played, {deals} asked for")
    expect(previous is not None and not previous["redeal"], "transcript",
           "the last line is not a played deal")


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        return f.read().splitlines()


def transcript_case(tool, args):
    common = ["--deals", str(args.deals), "--human", args.human, "--target", str(args.target)]
    first = os.path.join(args.workdir, f"selfplay_{args.human}_a.jsonl")
    again = os.path.join(args.workdir, f"selfplay_{args.human}_b.jsonl")
    other = os.path.join(args.workdir, f"selfplay_{args.human}_c.jsonl")

    r = run_tool(tool, common + ["--seed", str(args.seed), "--transcript", first])
    expect(r.returncode == 0, "run", f"exit {r.returncode}: {r.stderr.strip()}")
    stats = r.stderr.strip().splitlines()
    expect(len(stats) == 1 and STATS_LINE.match(stats[0]), "run", f"stderr {r.stderr!r}")
    expect(int(STATS_LINE.match(stats[0]).group(1)) == args.deals, "run", stats[0])
    check_transcript(read_lines(first), args.human, args.deals, args.seed, args.target)

    r = run_tool(tool, common + ["--seed", str(args.seed), "--transcript", again])
    expect(r.returncode == 0, "second run", r.stderr.strip())
    with open(first, "rb") as a, open(again, "rb") as b:
        expect(a.read() == b.read(), "second run", "the same seed gave another transcript")

    r = run_tool(tool, common + ["--seed", str(args.seed + 7919), "--transcript", "-"])
    expect(r.returncode == 0, "other seed", r.stderr.strip())
    with open(other, "w", encoding="utf-8") as f:
        f.write(r.stdout)
    lines = r.stdout.splitlines()
    check_transcript(lines, args.human, args.deals, args.seed + 7919, args.target)
    expect(lines != read_lines(first), "other seed", "another seed gave the same transcript")


def command_line_case(tool, args):
    bad = {
        "unknown human": ["--deals", "5", "--seed", "1", "--human", "nobody"],
        "negative deals": ["--deals", "-1", "--seed", "1", "--human", "random"],
        "missing seed": ["--deals", "5", "--human", "random"],
        "missing deals": ["--seed", "1", "--human", "computer"],
        "deals not a number": ["--deals", "many", "--seed", "1", "--human", "computer"],
        "unknown option": ["--deals", "5", "--seed", "1", "--human", "computer", "--fast"],
        "transcript folder missing": ["--deals", "5", "--seed", "1", "--human", "computer",
                                      "--transcript",
                                      os.path.join(args.workdir, "no-such-dir", "t.jsonl")],
    }
    for name, argv in bad.items():
        r = run_tool(tool, argv)
        expect(r.returncode > 0, name, f"exit {r.returncode}")
        expect(r.stderr.strip() != "", name, "no message on stderr")

    r = run_tool(tool, ["--deals", "0", "--seed", "1", "--human", "computer", "--transcript", "-"])
    expect(r.returncode == 0 and r.stdout == "", "zero deals", f"exit {r.returncode}")
    expect(STATS_LINE.match(r.stderr.strip()) and r.stderr.startswith("deals=0 "), "zero deals",
           r.stderr)

    # A low target ends games quickly: the winner test and the new games.
    r = run_tool(tool, ["--deals", "300", "--seed", "77", "--human", "random", "--target", "200",
                        "--transcript", "-"])
    expect(r.returncode == 0, "low target", r.stderr.strip())
    lines = r.stdout.splitlines()
    check_transcript(lines, "random", 300, 77, 200)
    expect(json.loads(lines[-1])["game"] > 3, "low target", "hardly any game was won")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    sub = parser.add_subparsers(dest="case", required=True)
    t = sub.add_parser("transcript")
    t.add_argument("--human", choices=["computer", "random"], required=True)
    t.add_argument("--deals", type=int, default=2000)
    t.add_argument("--seed", type=int, default=1234)
    t.add_argument("--target", type=int, default=2500)
    t.add_argument("--workdir", default=".")
    c = sub.add_parser("command-line")
    c.add_argument("--workdir", default=".")
    args = parser.parse_args()
    os.makedirs(args.workdir, exist_ok=True)
    try:
        if args.case == "transcript":
            transcript_case(args.tool, args)
        else:
            command_line_case(args.tool, args)
    except Failure as e:
        print(f"FAILED {e}", file=sys.stderr)
        return 1
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
