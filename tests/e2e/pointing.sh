# Sourced by scenario.sh: pointing and clicking on the maximized main window
# ($window) as a person would. Before each click the pointer must be on the
# right thing: the status bar's message pane shows the prompt of the toolbar
# button or menu item under it, so a layout that moved fails here, by name,
# instead of clicking something else.

call() {
    gdbus call --session --dest org.korvanth.Vandrel --object-path /org/korvanth/Vandrel \
        --method "org.korvanth.Vandrel.$1" "$2"
}

# The text of a status bar pane, without gdbus's tuple around it.
pane_text() {
    local reply
    reply=$(call GetPaneText "$1")
    reply="${reply#(\'}"
    echo "${reply%\',)}"
}

shows_prompt() {
    prompt=$(pane_text 0)
    [[ "$prompt" == "$1" ]]
}

# point_at X Y PROMPT: X and Y from the window's top left corner. The pointer
# first rests on the backdrop, so that it enters the target afresh.
point_at() {
    xdotool mousemove --window "$window" 20 680
    xdotool mousemove --window "$window" "$1" "$2"
    within 10 shows_prompt "$3" || fail "the pointer at $1,$2 shows \"$prompt\", not \"$3\""
}

# The toolbar: 39-pixel buttons from 3 pixels in, and two separators, 15
# pixels together, between groups; the buttons' middle is 42 pixels down.
toolbar_buttons=(exit "|" normal doubled window "|" subtle ripples wavy typhoon random "|"
    next-bitmap next-tune "|" about maker quick-help)
toolbar_y=42

toolbar_x() {
    local x=3 button
    for button in "${toolbar_buttons[@]}"; do
        if [[ "$button" == "|" ]]; then
            x=$((x + 15))
        elif [[ "$button" == "$1" ]]; then
            echo $((x + 19))
            return
        else
            x=$((x + 39))
        fi
    done
    fail "no toolbar button $1"
}

# click_toolbar BUTTON PROMPT
click_toolbar() {
    point_at "$(toolbar_x "$1")" "$toolbar_y" "$2"
    xdotool click 1
}

# The menu bar's titles, at the middle of their words, 8 pixels down; each
# menu's items, 22 pixels apart from 29 pixels down, a separator adding 2.
menu_title_x() {
    case "$1" in
    file) echo 20 ;;
    display) echo 67 ;;
    zorble) echo 123 ;;
    audio) echo 174 ;;
    help) echo 219 ;;
    esac
}
menu_file=(bitmap-1 bitmap-2 bitmap-3 bitmap-4 "|" next-bitmap "|" exit)
menu_display=(normal doubled window)
menu_audio=(tune-1 tune-2 tune-3 "|" next-tune "|" no-sound)
menu_help=(about maker "|" quick-help)

menu_item_y() {
    local -n items="menu_$1"
    local y=29 item
    for item in "${items[@]}"; do
        if [[ "$item" == "|" ]]; then
            y=$((y + 2))
        elif [[ "$item" == "$2" ]]; then
            echo "$y"
            return
        else
            y=$((y + 22))
        fi
    done
    fail "no item $2 on the $1 menu"
}

open_menu() {
    xdotool mousemove --window "$window" "$(menu_title_x "$1")" 8 click 1
}

# choose_from_menu MENU ITEM PROMPT: clicks the menu's title, then the item.
choose_from_menu() {
    open_menu "$1"
    point_at $(($(menu_title_x "$1") + 20)) "$(menu_item_y "$1" "$2")" "$3"
    xdotool click 1
}

# click_unavailable_item MENU ITEM PROMPT: a grayed item still shows its
# prompt, but keeps its menu open when clicked, so Escape closes the menu.
click_unavailable_item() {
    open_menu "$1"
    point_at $(($(menu_title_x "$1") + 20)) "$(menu_item_y "$1" "$2")" "$3"
    xdotool click 1
    sleep 0.3
    xdotool key Escape
}

# The boxes' OK buttons in the boxes' own dialog units: the box's width and
# height, then the button's middle. The box's size in pixels gives the scale.
ok_button() {
    case "$1" in
    "About Vandrel 95") echo 216 80 192 13 ;;
    "About KORVANTH") echo 200 130 178 15 ;;
    "Quick Help") echo 195 110 97 97 ;;
    esac
}

# click_ok BOX_WINDOW TITLE
click_ok() {
    local units_wide units_high x y WINDOW X Y WIDTH HEIGHT SCREEN
    read -r units_wide units_high x y <<<"$(ok_button "$2")"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --window "$1" $((x * WIDTH / units_wide)) $((y * HEIGHT / units_high)) click 1
}
