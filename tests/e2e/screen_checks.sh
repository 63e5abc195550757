# Sourced by scenario.sh: what the screen shows, read from screenshots of the
# whole 1024 x 768 Xvfb screen. The main window is maximized there, so the
# free area between its toolbar and status bar, and the picture centred in
# it, always sit at the same places. Every screenshot is kept in $SHOTS, the
# last one of a failed wait included.

free_area=1024x640+0+90

# The picture at each size, two pixels in from its edges: a frame the view
# draws around it would not count as picture.
picture_rect() {
    case "$1" in
    normal) echo 252x252+386+288 ;;
    doubled) echo 508x508+258+160 ;;
    window) echo "$free_area" ;;
    esac
}

shot() {
    import -window root "$SHOTS/$1.png"
}

# Whether a 7 x 7 patch around X,Y is all the backdrop's grey: a single grey
# pixel could be the picture's own.
is_grey() {
    local x=$(($2 - 3)) y=$(($3 - 3))
    [[ $(convert "$1" -crop "7x7+$x+$y" +repage -unique-colors \
        -format '%w %[fx:int(255*p{0,0}.r)],%[fx:int(255*p{0,0}.g)],%[fx:int(255*p{0,0}.b)]' \
        info:) == "1 192,192,192" ]]
}

# The size the picture shows at, from three samples: inside a 256 picture,
# inside a 512 one only, and on the backdrop beside it.
size_on_screen() {
    if ! is_grey "$1" 20 700; then
        echo window
    elif ! is_grey "$1" 712 600; then
        echo doubled
    elif ! is_grey "$1" 552 440; then
        echo normal
    else
        echo none
    fi
}

# Runs the command until it succeeds or SECONDS run out: a loaded machine
# may take its time, and the waiting ends as soon as the change shows.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

shows_size() {
    shot "$2"
    seen=$(size_on_screen "$SHOTS/$2.png")
    [[ "$seen" == "$1" ]]
}

# await_size SIZE NAME: waits until the picture shows at SIZE.
await_size() {
    within 20 shows_size "$1" "$2" || fail "$2: the picture shows $seen, not $1"
}

# keeps_size SIZE NAME: a command that must change nothing has had time to.
keeps_size() {
    sleep 1
    shows_size "$1" "$2" || fail "$2: the picture shows $seen, not $1 as before"
}

# How many pixels of the free area differ between two screenshots.
differing_pixels() {
    local count
    count=$(compare -metric AE -crop "$free_area" "$SHOTS/$1.png" "$SHOTS/$2.png" null: 2>&1 || true)
    echo "${count%% *}"
}

moved_since() {
    shot "$2"
    (($(differing_pixels "$1" "$2") > 1000))
}

# await_motion NAME: the picture moves, seen in two screenshots NAME-1, NAME-2.
await_motion() {
    shot "$1-1"
    within 20 moved_since "$1-1" "$1-2" || fail "$1: the picture does not move"
}

# The colours of the picture in a screenshot, one a line, sorted. Each
# picture has its own palette and the wave only moves its pixels about, so
# this tells the pictures apart however the wave stands.
picture_colours() {
    convert "$SHOTS/$1.png" -crop "$(picture_rect "$2")" +repage -unique-colors -depth 8 txt:- |
        tail -n +2 | awk '{print $3}' | sort >"$SHOTS/$1.colours"
}

# Whether the picture in screenshot B is the one whose colours are in A:
# most of B's colours are A's too.
same_picture() {
    local shared total
    shared=$(comm -12 "$1" "$2" | wc -l)
    total=$(wc -l <"$2")
    ((shared * 2 > total))
}

# A whole picture, not the grey the view clears to while it changes, seen
# the same in two screenshots in a row.
settled_picture() {
    shot "$1-1"
    shot "$1-2"
    picture_colours "$1-1" "$2"
    picture_colours "$1-2" "$2"
    (($(wc -l <"$SHOTS/$1-2.colours") >= 100)) &&
        same_picture "$SHOTS/$1-1.colours" "$SHOTS/$1-2.colours"
}

shows_other_picture() {
    settled_picture "$2" "$3" && ! same_picture "$1" "$SHOTS/$2-2.colours"
}

shows_same_picture() {
    settled_picture "$2" "$3" && same_picture "$1" "$SHOTS/$2-2.colours"
}

# await_other_picture COLOURS NAME SIZE: the picture is no longer the one
# whose colours are in COLOURS; the new one's are left in $SHOTS/NAME-2.colours.
await_other_picture() {
    within 20 shows_other_picture "$1" "$2" "$3" || fail "$2: the picture did not change"
}

# await_same_picture COLOURS NAME SIZE: the picture is the one whose colours
# are in COLOURS.
await_same_picture() {
    within 20 shows_same_picture "$1" "$2" "$3" || fail "$2: not the expected picture"
}
