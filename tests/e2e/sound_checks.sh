# Sourced by scenario.sh: what reached the sound device. SDL's disk driver
# writes all the program plays to $SOUND, in the tunes' own format: 8-bit
# unsigned stereo at 22050 Hz, 44100 bytes a second, silence being byte 128.

sound_mark() {
    stat -c %s "$SOUND" 2>/dev/null || echo 0
}

written_since() {
    (($(sound_mark) - $1 >= $2))
}

# A tune's first 4096 bytes of sound, past its 44-byte header, as hex.
tune_start_hex() {
    od -An -v -tx1 -j 44 -N 4096 "$TUNES/RIFF$1.wav" | tr -d ' \n'
}

# Whether the sound written since MARK holds the start of tune N: a newly
# chosen tune plays from its beginning.
hears_tune_start() {
    tail -c +$(($2 + 1)) "$SOUND" | od -An -v -tx1 | tr -d ' \n' >"$WORK/heard.hex"
    tune_start_hex "$1" >"$WORK/tune.hex"
    grep -qF -f "$WORK/tune.hex" "$WORK/heard.hex"
}

# await_tune N MARK NAME
await_tune() {
    within 20 hears_tune_start "$1" "$2" || fail "$3: tune $1 did not start"
}

# The next BYTES of sound, or a few more, in $WORK/stretch.raw.
record() {
    local mark
    mark=$(sound_mark)
    within 20 written_since "$mark" "$1" || fail "the sound device stopped writing"
    tail -c +$((mark + 1)) "$SOUND" >"$WORK/stretch.raw"
}

silent_second() {
    record 44100
    (($(tr -d '\200' <"$WORK/stretch.raw" | wc -c) == 0))
}

sounding_quarter() {
    record 11025
    (($(tr -d '\200' <"$WORK/stretch.raw" | wc -c) > 0))
}

# await_silence NAME: a whole second of silence comes; the sound played just
# before may still be on its way to the device.
await_silence() {
    within 20 silent_second || fail "$1: the sound did not stop"
}

await_sound() {
    within 20 sounding_quarter || fail "$1: no sound"
}
