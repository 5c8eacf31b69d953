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
            # Only the random human closes the box without an answer.
            expect(text in ("Je prends", "Je passe") or (text == "" and not rule_bound), w,
                   f"round-1 words {text!r}")
            if rule_bound:
                expect((text == "Je prends") == (high_cards(ff, seat, turned_suit) > 1), w,
                       f"seat {seat} said {text!r} against its cards")
            expect(suit == (turned_suit if text == "Je prends" else 0), w, f"suit {suit}")
        else:
            expect(text in ("Je prends", "Deux"), w, f"round-2 words {text!r}")
            expect((suit != 0) == (text == "Je prends"), w, f"suit {suit} with {text!r}")
            expect(suit != turned_suit, w, "the suit refused in round 1 was named again")
            if rule_bound:
                # The turned suit's high cards were counted in both rounds.
                counts = [high_cards(ff, seat, s) * (2 if s == turned_suit else 1)
                          for s in range(1, 5)]
                named = next((s for s in range(1, 5) if counts[s - 1] > 2), 0)
                expect(suit == named, w, f"seat {seat} named {suit}, its cards name {named}")
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
    pictures = [p for h in ff for p in h] + [p for r in reserved for p in r]
    expect(sorted(pictures) == list(range(1, 33)), where, "the 32 pictures are not dealt once each")
    expect(d["turned"] == reserved[3][2], where, "the turned card is not seat 4's last reserved card")


def check_play(d, where):
    """Returns the seats that won at least one trick."""
    hands = d["hands"]
    expect(sorted(c for h in hands for c in h) == list(range(1, 33)), where,
           "the 32 codes are not held once each")

    tricks = d["tricks"]
    expect(len(tricks) == 8, where, f"{len(tricks)} tricks")
    used = set()
    leader = d["opener"]
    total = 0
    winners = set()
    belote_seat = d["announce"]["belote_seat"]
    pair_tricks = []  # the tricks in which the belote holder shows king or queen
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
                pair_tricks.append(t_no)
        expect(trick["holder"] == holder, w, f"holder {trick['holder']}, the cards give {holder}")
        expect(trick["points"] == points, w, f"points {trick['points']}, the cards add to {points}")
        total += points
        winners.add(holder)
        leader = holder
    expect(total == 152, where, f"the tricks hold {total} points")

    texts = [text for trick in tricks for text in trick["callouts"]]
    called_in = [t for t, trick in enumerate(tricks, 1) for _ in trick["callouts"]]
    wanted = [f"   BELOTE      joueur {belote_seat}", f"RE-BELOTE    joueur {belote_seat}"]
    expect(texts == (wanted if belote_seat else []) and called_in == pair_tricks, where,
           f"callouts {texts} in tricks {called_in}, the pair shown in {pair_tricks}")
    return winners


def check_after(d, where, winners, target):
    after = d["after"]
    for seat in range(1, 5):
        # The taker's " CAPOT" may be overwritten by " DEDANS".
        allowed = {""} if seat in winners else {" CAPOT"}
        if seat == d["taker"]:
            allowed.add(" DEDANS")
        mark = after["marks"][seat - 1]
        expect(mark in allowed, where, f"seat {seat} marked {mark!r}")
    scores, winner = after["game_score"], after["winner"]
    leaders = [s + 1 for s in range(4) if scores[s] == max(scores)]
    alone_above = len(leaders) == 1 and max(scores) >= target
    expect(winner == (leaders[0] if alone_above else 0), where, f"winner {winner} with {scores}")


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
    lines = r.stdout.splitlines()
    check_transcript(lines, args.human, args.deals, args.seed + 7919, args.target)
    expect(lines != read_lines(first), "other seed", "another seed gave the same transcript")


def command_line_case(tool, args):
    bad = {
        "unknown human": ["--deals", "5", "--seed", "1", "--human", "nobody"],
        "negative deals": ["--deals", "-1", "--seed", "1", "--human", "random"],
        "missing seed": ["--deals", "5", "--human", "random"],
        "missing deals": ["--seed", "1", "--human", "computer"],
        "transcript folder missing": ["--deals", "5", "--seed", "1", "--human", "computer",
                                      "--transcript",
                                      os.path.join(args.workdir, "no-such-dir", "t.jsonl")],
    }
    for name, argv in bad.items():
        r = run_tool(tool, argv)
        expect(r.returncode > 0, name, f"exit {r.returncode}")
        expect(r.stderr.strip() != "", name, "no message on stderr")

    # Counts that are not a whole number from 0 up, or would run for days, are
    # refused in plain words, without the parser's 309-digit range.
    for name, count in {"letters": "abc", "negative": "-1", "fraction": "2.5", "empty": "",
                        "too many": "10000000001", "past 64 bits": "99999999999999999999"}.items():
        r = run_tool(tool, ["--deals", count, "--seed", "1", "--human", "computer"])
        where = f"deals {name}"
        expect(r.returncode > 0, where, f"exit {r.returncode}")
        expect("whole number from 0 up to 10000000000" in r.stderr, where, r.stderr)
        expect(len(r.stderr) < 200 and "deals=" not in r.stderr, where, r.stderr)
    r = run_tool(tool, ["--deals", "10000000000", "--seed", "1", "--human", "computer",
                        "--transcript", ""])
    expect(r.returncode > 0 and "--transcript" in r.stderr, "empty transcript name", r.stderr)

    # Shuffle seconds count up from the seed and never go round to negative
    # ones: a seed without room for the deals is refused, and a run whose
    # redeals use up the last second stops, naming --seed.
    top = 2**63 - 1
    r = run_tool(tool, ["--deals", "3", "--seed", str(top), "--human", "random"])
    expect(r.returncode > 0 and "--seed" in r.stderr, "seed at the limit", r.stderr)
    for k in (0, 5, 40):
        r = run_tool(tool, ["--deals", str(k + 1), "--seed", str(top - k), "--human", "computer",
                            "--transcript", "-"])
        where = f"seed {k} below the limit"
        seeds = [json.loads(line)["seed"] for line in r.stdout.splitlines()]
        expect(all(top - k <= s <= top for s in seeds), where, f"seeds {seeds}")
        expect(seeds == sorted(set(seeds)), where, f"seeds {seeds}")
        if r.returncode == 0:
            expect(len(seeds) == k + 1, where, f"{len(seeds)} deals")
        else:
            expect(r.returncode == 1 and "--seed" in r.stderr, where, r.stderr)
    r = run_tool(tool, ["--deals", "81", "--seed", str(top - 80), "--human", "computer"])
    expect(r.returncode == 1 and "--seed" in r.stderr, "redeals past the limit", r.stderr)
    r = run_tool(tool, ["--deals", "2", "--seed", str(-2**63), "--human", "random"])
    expect(r.returncode == 0, "lowest seed", r.stderr)
    # A seed past 64 bits is refused as it was typed, never taken as the
    # nearest one; so is one without room for the deals.
    for seed in ("99999999999999999999", "-99999999999999999999", str(2**63), "12abc"):
        r = run_tool(tool, ["--deals", "1", "--seed", seed, "--human", "computer",
                            "--transcript", "-"])
        where = f"seed {seed}"
        expect(r.returncode > 0 and r.stdout == "", where, f"exit {r.returncode}")
        expect(f"--seed {seed}: the seed must be a whole number" in r.stderr, where, r.stderr)
    r = run_tool(tool, ["--deals", "10", "--seed", hex(top), "--human", "computer"])
    expect(r.returncode > 0 and f"--seed {hex(top)} leaves" in r.stderr, "seed without room",
           r.stderr)

    # A transcript that cannot be written stops the run at the first line
    # that fails, not after all the deals.
    if os.path.exists("/dev/full"):
        for name, target, out in (("file", "/dev/full", None), ("stdout", "-", "/dev/full")):
            argv = [tool, "--deals", "200000", "--seed", "1", "--human", "computer",
                    "--transcript", target]
            with open(out or os.devnull, "w") as sink:
                r = subprocess.run(argv, stdout=sink, stderr=subprocess.PIPE, text=True,
                                   timeout=600)
            where = f"transcript to a full {name}"
            expect(r.returncode == 1 and "writing the transcript to" in r.stderr, where, r.stderr)
            stats = STATS_LINE.match(r.stderr.strip().splitlines()[-1])
            expect(stats is not None and int(stats.group(1)) < 100, where, r.stderr)

    r = run_tool(tool, ["--deals", "0", "--seed", "1", "--human", "computer", "--transcript", "-"])
    expect(r.returncode == 0 and r.stdout == "", "zero deals", f"exit {r.returncode}")
    expect(STATS_LINE.match(r.stderr.strip()) and r.stderr.startswith("deals=0 "), "zero deals",
           r.stderr)


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
