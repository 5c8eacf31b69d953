#!/usr/bin/env bash
# Records the game's sounds into assets/So with a French synthetic voice
# (espeak-ng) and sox. The WAV files are kept in the repository, so building
# the game needs neither tool; run this again only to change a sound.
#
# Every file: 16-bit PCM, mono, 22050 Hz, silence trimmed, normalised, and
# shorter than two seconds.
set -euo pipefail
cd "$(dirname "$0")/../So"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=22050

# say FILE SPEED PITCH TEXT: one spoken line, cleaned up.
say() {
  local out=$1 speed=$2 pitch=$3 text=$4
  espeak-ng -v fr -s "$speed" -p "$pitch" -a 180 -w "$work/raw.wav" "$text"
  finish "$work/raw.wav" "$out"
}

# finish IN OUT: mono, resampled, leading and trailing silence cut, a short
# fade at both ends against clicks, normalised just below full scale.
finish() {
  sox "$1" -r "$rate" -c 1 -b 16 -e signed-integer "$work/clean.wav" \
    gain -6 highpass 80 \
    silence 1 0.005 0.2% reverse silence 1 0.005 0.2% fade t 0.03 reverse \
    fade t 0.01 pad 0.02 0.05 norm -1
  local length
  length=$(soxi -D "$work/clean.wav")
  if awk -v l="$length" 'BEGIN { exit !(l >= 2.0) }'; then
    echo "make-sounds: $2 lasts $length s, it must stay under 2 s" >&2
    exit 1
  fi
  mv "$work/clean.wav" "$2"
}

say sonoui.wav 165 55 "Bienvenue à la belote !"
say V.Wav 150 60 "Tu la prends ?"
say C.Wav 140 50 "Coeur !"
say K.Wav 140 50 "Carreau !"
say P.Wav 140 50 "Pique !"
say T.Wav 140 50 "Trèfle !"

# End of a game: a short brass-like fanfare (G C E G, the last one held)
# followed by a cheerful "Bravo !".
note() {  # note FILE FREQ SECONDS
  sox -n -r "$rate" -c 1 -b 16 "$1" synth "$3" sawtooth "$2" \
    lowpass 2500 fade t 0.01 "$3" 0.05 vol 0.5
}
note "$work/n1.wav" 392.00 0.13
note "$work/n2.wav" 523.25 0.13
note "$work/n3.wav" 659.25 0.13
note "$work/n4.wav" 783.99 0.42
sox "$work/n1.wav" "$work/n2.wav" "$work/n3.wav" "$work/n4.wav" "$work/fanfare.wav"
espeak-ng -v fr -s 160 -p 70 -a 190 -w "$work/bravo.raw.wav" "Bravo !"
sox "$work/bravo.raw.wav" -r "$rate" -c 1 -b 16 "$work/bravo.wav" \
  silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
sox "$work/fanfare.wav" "$work/bravo.wav" "$work/end.wav"
finish "$work/end.wav" E.wav

for f in sonoui.wav V.Wav C.Wav K.Wav P.Wav T.Wav E.wav; do
  printf '%-11s %s s\n' "$f" "$(soxi -D "$f")"
done
