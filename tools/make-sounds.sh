#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the quiz's sound clips in data/: for each companion a short synthesized
# sting whose tail rings under the companion's name spoken by espeak-ng, plus
# main.wav for the whole group. Output: 16-bit signed PCM WAV, mono, 22050 Hz,
# under 3 s, peak about -3 dBFS, faded in and out so playback does not click.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out="$here/../data"
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# -D: no dither, -R: fixed random seeds (pluck uses noise), so every run
# writes the same bytes. Intermediate files are 44.1 kHz float, the rate sox's
# pluck needs, with no rounding before the final normalisation.
sx() { sox -D -R "$@"; }
FLOAT=(-r 44100 -c 1 -e floating-point -b 32)

# sting FILE NOTE...: plays the notes one after another. A note is
# "WAVE SECONDS PITCH [PITCH...]"; several pitches sound together as a chord.
sting() {
    local file=$1 parts=() i=0 note wave len pitches
    shift
    for note in "$@"; do
        read -r wave len pitches <<<"$note"
        local synth=() p
        for p in $pitches; do synth+=("$wave" "$p"); done
        # One channel per pitch, mixed down to mono and turned down (sox clips
        # even float files at full scale); short fades stop clicks.
        sx -r 44100 -c $(( ${#synth[@]} / 2 )) -n -e floating-point -b 32 \
            "$tmp/note$i.wav" synth "$len" "${synth[@]}" remix - \
            vol 0.3 fade h 0.005 -0 0.06
        parts+=("$tmp/note$i.wav")
        i=$((i + 1))
    done
    # Soften the upper harmonics (the square wave is harsh), then set every
    # sting to the same loudness (RMS -24 dBFS), a little below the speech.
    sx "${parts[@]}" "$tmp/raw.wav" lowpass 3000
    local rms
    rms=$(sox "$tmp/raw.wav" -n stats 2>&1 | awk '/^RMS lev dB/ { print $4 }')
    sx "$tmp/raw.wav" "$file" gain "$(awk -v r="$rms" 'BEGIN { print -24 - r }')"
}

# clip NAME WORDS VOICE NOTE...: sting, then WORDS spoken so they start while
# the last note still rings (80% into the sting). The speech gets 0.15 s of
# silence after it so the final fade-out does not clip its last consonant.
clip() {
    local name=$1 words=$2 voice=$3
    shift 3
    sting "$tmp/sting.wav" "$@"
    espeak-ng -v "$voice" -s 150 -w "$tmp/speech.wav" "$words"
    local delay
    delay=$(soxi -D "$tmp/sting.wav" | awk '{ printf "%.3f", $1 * 0.8 }')
    # Trim espeak's leading and trailing silence, then delay the speech.
    sx "$tmp/speech.wav" "${FLOAT[@]}" "$tmp/voice.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse \
        norm -3 pad "$delay" 0.15
    sx -m -v 1 "$tmp/sting.wav" -v 1 "$tmp/voice.wav" \
        -r 22050 -c 1 -e signed-integer -b 16 "$out/$name.wav" \
        rate 22050 fade h 0.01 -0 0.1 norm -3
}

# Each companion gets its own colour: Kest bright rising plucks, Dorv low
# falling square notes, Oro a warm sine chord, Bexal a quick triangle arpeggio.
clip kestsound  "Kest!"  en+m3 "pluck 0.12 E5" "pluck 0.45 B5 E6"
clip dorvsound  "Dorv!"  en+m1 "square 0.16 G3" "square 0.45 D3 A3"
clip orosound   "Oro!"   en+f3 "sine 0.2 C5" "sine 0.5 C5 E5 G5"
clip bexalsound "Bexal!" en+f2 "triangle 0.09 A4" "triangle 0.09 C#5" \
    "triangle 0.4 E5 A5"
clip main       "All the guys!" en \
    "pluck 0.1 C4" "pluck 0.1 E4" "pluck 0.1 G4" "pluck 0.5 C4 E4 G4 C5"

# Check every clip and fail loudly if one is off.
fail=0
for f in kestsound dorvsound orosound bexalsound main; do
    w="$out/$f.wav"
    rate=$(soxi -r "$w") chans=$(soxi -c "$w") bits=$(soxi -b "$w")
    enc=$(soxi -e "$w") dur=$(soxi -D "$w")
    peak=$(sox "$w" -n stats 2>&1 | awk '/^Pk lev dB/ { print $4 }')
    printf '%-15s %s Hz, %s ch, %s-bit %s, %.2f s, peak %s dBFS\n' \
        "$f.wav" "$rate" "$chans" "$bits" "$enc" "$dur" "$peak"
    if [[ $rate != 22050 || $chans != 1 || $bits != 16 ||
          $enc != "Signed Integer PCM" ]] ||
       ! awk -v d="$dur" -v p="$peak" 'BEGIN { exit !(d < 3 && p > -3.5 && p < -2.5) }'
    then
        echo "ERROR: $w is not a 22050 Hz mono 16-bit clip under 3 s at -3 dBFS" >&2
        fail=1
    fi
done
exit "$fail"
