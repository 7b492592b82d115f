#!/usr/bin/env bash
# Runs the real game under a virtual X server and checks what a player sees
# from outside: the window, its size, the ways out and the settings it leaves.
#
# usage: game_window_test.sh CASE GAME DATA_DIR CLOSE_REQUEST ARTIFACT_DIR
#   CASE           one of the cases at the bottom of this file
#   GAME           the quillfen binary
#   DATA_DIR       the generated data tree; each run plays in a fresh copy
#   CLOSE_REQUEST  the helper that sends a window manager's close request
#   ARTIFACT_DIR   where the game's output and screenshots are kept
set -u -o pipefail

if [ $# -ne 5 ]; then
    echo "usage: $0 CASE GAME DATA_DIR CLOSE_REQUEST ARTIFACT_DIR" >&2
    exit 2
fi
case_name=$1
# The game runs from a folder of its own, so every path is made absolute.
game=$(realpath -m "$2") data_dir=$(realpath -m "$3") close_request=$(realpath -m "$4") artifacts=$(realpath -m "$5")

# Seconds allowed for each wait, counted three ways (see poll); generous, since
# ctest runs cases side by side.
window_timeout=20
exit_timeout=20
menu_timeout=20
step_timeout=30

work=$(mktemp -d "${TMPDIR:-/tmp}/quillfen-e2e.XXXXXX")
log="$artifacts/$case_name.log"
xvfb_pid=""
game_pid=""
display=""

say() { echo "[$case_name] $*"; }

fail()
{
    echo "FAIL [$case_name]: $*" >&2
    # What the window showed when the case gave up.
    if [ -n "$display" ] && [ -n "${window:-}" ]; then
        import -display "$display" -window "$window" "png:$artifacts/$case_name-failed.png" 2>/dev/null &&
            echo "--- the window at the failure: $artifacts/$case_name-failed.png ---" >&2
    fi
    if [ -s "$log" ]; then
        echo "--- the game's output ($log) ---" >&2
        tail -n 40 "$log" >&2
    fi
    if [ -s "$work/xvfb.log" ]; then
        echo "--- Xvfb's output (display $display) ---" >&2
        tail -n 20 "$work/xvfb.log" >&2
    fi
    exit 1
}

cleanup()
{
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill -KILL "$game_pid" 2>/dev/null
        wait "$game_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'fail "interrupted"' INT TERM

# A wait's seconds count three ways, and it gives up only once all three have
# passed: on the wall clock; in the game's processor time, at a twentieth of a
# core a second, the least the game takes while it runs on a quiet machine (at
# the main menu); and in this script's looks, at four a second, the fewest it
# takes on a quiet machine. A busy machine gives the game and this script less
# of a core, and so stretches a wait instead of ending one that had no time.
readonly game_ticks_per_second=$(($(getconf CLK_TCK) / 20))
readonly looks_per_second=4
looks=0

# game_cpu: the processor time the running game has had, in clock ticks.
game_cpu()
{
    local stat
    stat=$(cat "/proc/$game_pid/stat" 2>/dev/null) || { echo 0; return; }
    # Past the name in brackets: the state, then utime and stime as the 12th and 13th.
    set -- ${stat##*) }
    echo $((${12} + ${13}))
}

# deadline_in SECONDS: a deadline SECONDS from now, as "WALL CPU LOOKS".
deadline_in()
{
    echo "$((SECONDS + $1)) $(($(game_cpu) + $1 * game_ticks_per_second)) $((looks + $1 * looks_per_second))"
}

# passed DEADLINE: the wall clock, the looks and, while a game runs, its
# processor time are all past it.
passed()
{
    local wall cpu seen
    read -r wall cpu seen <<<"$1"
    [ "$SECONDS" -ge "$wall" ] && [ "$looks" -ge "$seen" ] || return 1
    game_running || return 0
    [ "$(game_cpu)" -ge "$cpu" ]
}

# poll SECONDS COMMAND...: runs COMMAND every tenth of a second until it
# succeeds (0) or SECONDS of waiting pass (1).
poll()
{
    local deadline
    deadline=$(deadline_in "$1")
    shift
    until "$@"; do
        looks=$((looks + 1))
        ! passed "$deadline" || return 1
        sleep 0.1
    done
}

game_running() { [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; }
game_ended() { ! game_running; }

need_tools()
{
    local tool missing=""
    for tool in Xvfb xdotool xwininfo import convert; do
        command -v "$tool" >/dev/null || missing="$missing $tool"
    done
    [ -z "$missing" ] || fail "missing tools:$missing (./test.sh installs them)"
    [ -x "$game" ] || fail "no game binary at $game"
    [ -x "$close_request" ] || fail "no close-request helper at $close_request"
    [ -d "$data_dir" ] || fail "no data tree at $data_dir (the build generates it with QUILLFEN_DATA=ON)"
}

# A virtual screen on the first free display number; Xvfb writes the number
# to the given descriptor once it accepts clients. Without -noreset the server
# resets whenever its last client leaves, and SDL, which connects, leaves and
# connects again while starting, then now and then finds it closed. With -r
# the server repeats no key: on a busy machine a press whose release comes
# late would otherwise reach the game twice and move a menu two steps.
start_x()
{
    local number_file="$work/display"
    Xvfb -displayfd 9 -noreset -r -screen 0 1280x1024x24 -nolisten tcp 9>"$number_file" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    # It either writes the number or ends: however busy the machine, there is
    # no time after which it has failed.
    until [ -s "$number_file" ]; do
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(tail -n 5 "$work/xvfb.log")"
        sleep 0.1
    done
    display=":$(tr -d '[:space:]' <"$number_file")"
    export DISPLAY=$display
}

# A fresh copy of the data tree to play in, without a settings file unless
# the case writes one.
lay_out_game_folder()
{
    mkdir -p "$work/game"
    cp -R "$data_dir" "$work/game/data" || fail "cannot copy $data_dir"
    rm -f "$work/game/data/gameFiles/config.conf"
}

write_settings() { printf '%s\n' "$@" >"$work/game/data/gameFiles/config.conf"; }

# start_game [AUDIO_DRIVER]: starts the game from the folder that holds data/.
start_game()
{
    local audio=${1:-dummy}
    (cd "$work/game" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=$audio exec "$game") >"$log" 2>&1 &
    game_pid=$!
    say "game started (pid $game_pid, display $display, audio driver $audio)"
}

find_window() { window=$(xdotool search --name '^Quillfen$' 2>/dev/null | head -n 1) && [ -n "$window" ]; }

window_shown_or_game_gone() { find_window || game_ended; }

# Sets $window to the game's window once it is shown.
wait_for_window()
{
    window=""
    poll "$window_timeout" window_shown_or_game_gone
    if [ -z "$window" ]; then
        game_running || fail "the game ended before showing a window"
        fail "no window titled Quillfen within ${window_timeout}s"
    fi
    say "window $window is up"
}

# xdotool's --sync waits for the focus without end; a window not yet viewable
# never gets it, so each try has a time limit and the next one asks again.
try_focus() { timeout 3 xdotool windowfocus --sync "$window" >/dev/null 2>&1; }
focus_window() { poll "$window_timeout" try_focus || fail "cannot focus window $window"; }

expect_window_size()
{
    local info width height
    info=$(xwininfo -id "$window") || fail "xwininfo cannot read window $window"
    width=$(sed -n 's/^ *Width: *//p' <<<"$info")
    height=$(sed -n 's/^ *Height: *//p' <<<"$info")
    [ "${width}x${height}" = "$1" ] || fail "the window is ${width}x${height}, expected $1"
    say "the window is $1"
}

# window_picture: a fingerprint of what the window shows now, or only of
# $watched_area (WxH+X+Y) when a case sets it: the story map's cursor never
# stops moving, so on the map only the name of the chosen node is watched.
watched_area=""
window_picture()
{
    if [ -n "$watched_area" ]; then
        import -display "$display" -window "$window" -crop "$watched_area" rgb:- 2>/dev/null | md5sum
    else
        import -display "$display" -window "$window" rgb:- 2>/dev/null | md5sum
    fi
}
readonly map_node_name=240x22+0+0

# Sets $picture once the window has shown the same thing for three looks in a
# row; returns 1 if that does not happen before the menu deadline.
wait_for_still_picture()
{
    local previous="" current same=0
    while ! passed "$menu_deadline"; do
        game_running || fail "the game ended while waiting for the main menu"
        current=$(window_picture)
        looks=$((looks + 1))
        if [ "$current" = "$previous" ]; then
            same=$((same + 1))
            [ "$same" -lt 2 ] || { picture=$current; return 0; }
        else
            same=0
        fi
        previous=$current
        sleep 0.1
    done
    return 1
}

press() { xdotool key "$1" || fail "xdotool could not press $1"; }

picture_changed_from() { [ "$(window_picture)" != "$1" ]; }

# menu_answers: a menu is up when Down moves its highlight and Up brings back
# the very same picture; returns 1 if none answers before the menu deadline.
# Each key is seen to change the picture before the next, so on a busy
# machine no key is still on its way when it returns.
menu_answers()
{
    local before picture=""
    while wait_for_still_picture; do
        before=$picture
        press Down
        # A screen that reads no keys yet shows no change.
        poll 3 picture_changed_from "$before" || continue
        wait_for_still_picture || break
        [ "$picture" != "$before" ] || continue
        press Up
        poll 20 picture_changed_from "$picture" || break
        wait_for_still_picture || break
        [ "$picture" != "$before" ] || return 0
    done
    return 1
}

# The first entry's button (STORY) of the main menu, as a fingerprint, at any
# window size.
story_button()
{
    import -display "$display" -window "$window" png:- 2>/dev/null | convert - -resize "640x480!" -crop 192x24+226+332 rgb:- |
        md5sum
}

# A Down that lands as the menu opens cannot be told from the opening, so the
# highlight may end anywhere; Down goes round the five entries, and the
# first entry's button looks different in exactly one of them.
main_menu_to_story()
{
    local i j same rows=()
    for i in 0 1 2 3 4; do
        rows[i]=$(story_button)
        step Down
    done
    for i in 0 1 2 3 4; do
        same=0
        for j in 0 1 2 3 4; do [ "${rows[i]}" != "${rows[j]}" ] || same=$((same + 1)); done
        if [ "$same" = 1 ]; then
            for ((j = 0; j < i; j++)); do step Down; done
            return 0
        fi
    done
    fail "no entry of the main menu shows STORY highlighted"
}

# The splash screens take no input and the main menu throws away what came
# before it, so a key only counts once the menu is up. It is left on STORY.
wait_for_menu()
{
    menu_deadline=$(deadline_in "$menu_timeout")
    focus_window
    menu_answers || fail "no main menu answering Down and Up within ${menu_timeout}s"
    main_menu_to_story
    say "the main menu is up on STORY and its highlight follows Down and Up"
}

# Each screen drops what was pressed while it opened, so a key that opens or
# leaves a screen waits for the picture to settle; keys within one screen are
# read in turn. A busy machine can hold a picture still before the key is
# read, so a step waits for the picture to change first. The case sets
# menu_deadline for the settling.
step()
{
    local before
    before=$(window_picture)
    press "$1"
    poll 20 picture_changed_from "$before" || fail "nothing changed on the screen after $1"
    say "$1: the screen changed"
    # Each step has its own time to settle, however many came before it.
    menu_deadline=$(deadline_in "$step_timeout")
    wait_for_still_picture || fail "the picture never settled after $1"
}

# screenshot NAME [AREA...]: keeps the window's picture as ARTIFACT_DIR/NAME.png
# and fails when the whole picture, or any AREA of it (WxH+X+Y), is a single
# flat colour: nothing was drawn there.
screenshot()
{
    local file="$artifacts/$1.png" area colours
    shift
    import -display "$display" -window "$window" "png:$file" 2>/dev/null || fail "cannot take a screenshot of $window"
    for area in "" "$@"; do
        colours=$(convert "$file" ${area:+-crop "$area" +repage} -format '%k' info:) ||
            fail "cannot read the screenshot $file"
        [ "$colours" -gt 1 ] || fail "the screenshot $file is one flat colour${area:+ in $area}: nothing was drawn there"
    done
    say "screenshot $file"
}

close_like_the_window_manager() { "$close_request" "$window" || fail "the close request was not delivered"; }

# expect_exit_code CODE: waits for the game to end and checks how it ended.
expect_exit_code()
{
    local code
    poll "$exit_timeout" game_ended || fail "the game was still running ${exit_timeout}s after being asked to quit"
    wait "$game_pid"
    code=$?
    game_pid=""
    [ "$code" -eq "$1" ] || fail "the game ended with exit code $code, expected $1"
    say "the game ended with exit code $code"
}

# expect_settings LINE...: the settings file holds exactly these lines.
expect_settings()
{
    local file="$work/game/data/gameFiles/config.conf" expected
    [ -f "$file" ] || fail "the game left no settings file data/gameFiles/config.conf"
    expected=$(printf '%s\n' "$@")
    [ "$(cat "$file")" = "$expected" ] ||
        fail "data/gameFiles/config.conf holds [$(tr '\n' ' ' <"$file")], expected [$*]"
    say "settings file holds: $*"
}

readonly default_settings=(1.0.1 0 640 480 60 60)

# The memory tracker's logs beside the game: memory.log starts with its
# header and ends with the game's two closing lines; memleaks.log is the
# report written as the program's last objects go.
expect_memory_logs()
{
    local log="$work/game/memory.log" leaks="$work/game/memleaks.log"
    [ -f "$log" ] || fail "the game left no memory.log"
    grep -q "Memory logging file created on" "$log" || fail "memory.log has no header"
    tr -d '\r' <"$log" | tail -n 2 | diff -q - <(printf '%s\n' "This is how to log for the memory leak log" \
        "43 leaks in just having the main menu up...") >/dev/null ||
        fail "memory.log does not end with the game's two closing lines"
    [ -f "$leaks" ] || fail "the game left no memleaks.log"
    grep -q "Memory leak report for:" "$leaks" || fail "memleaks.log is not a leak report"
    say "memory.log and memleaks.log written"
}

case_close_button()
{
    start_game
    wait_for_window
    expect_window_size 640x480
    wait_for_menu
    screenshot main-menu-640x480
    close_like_the_window_manager
    expect_exit_code 0
    expect_settings "${default_settings[@]}"
    expect_memory_logs
}

case_alt_f4()
{
    start_game
    wait_for_window
    wait_for_menu
    focus_window
    press alt+F4
    expect_exit_code 0
    expect_settings "${default_settings[@]}"
}

case_window_800x600()
{
    local settings=(1.0.1 0 800 600 60 60)
    write_settings "${settings[@]}"
    start_game
    wait_for_window
    expect_window_size 800x600
    wait_for_menu
    # The 640x480 picture is zoomed to the window, so it reaches past 640x480.
    screenshot main-menu-800x600 160x600+640+0 800x120+0+480
    close_like_the_window_manager
    expect_exit_code 0
    expect_settings "${settings[@]}"
}

# Escape is pressed over and over from the start: the presses during the
# splash are thrown away, the first one on the menu ends the game.
case_escape_on_menu()
{
    start_game
    wait_for_window
    focus_window
    local deadline
    deadline=$(deadline_in $((menu_timeout + exit_timeout)))
    while game_running && ! passed "$deadline"; do
        xdotool key Escape 2>/dev/null
        looks=$((looks + 1))
        sleep 0.2
    done
    expect_exit_code 0
}

# With no sound device the game still starts, plays and ends normally.
case_no_audio_device()
{
    start_game nonexistent
    wait_for_window
    expect_window_size 640x480
    wait_for_menu
    close_like_the_window_manager
    expect_exit_code 0
    grep -qi audio "$log" || fail "the game never mentioned audio: did a sound device open after all?"
    expect_settings "${default_settings[@]}"
}

# A player's visit to the options: the window goes to 800x600 at once, the
# music is turned up and saved, player 1's pause key becomes P; back at the
# main menu Escape ends the game, and the next start opens at 800x600.
case_options()
{
    start_game
    wait_for_window
    expect_window_size 640x480
    wait_for_menu
    menu_deadline=$(deadline_in 90)
    press Down; press Down; press Down; step z  # OPTIONS
    step z                                      # SCREEN SIZE
    press Down; press Down; step z              # 800x600
    expect_window_size 800x600
    expect_settings 1.0.1 0 800 600 60 60
    screenshot options-size-800x600 160x600+640+0
    step Escape                                 # back to the options
    press Down; step z                          # SOUND
    press Right; press Right                    # music 60 -> 80
    press Down; press Down; step z              # SAVE
    expect_settings 1.0.1 0 800 600 80 60
    press Down; step z                          # CONTROLS
    step z                                      # PLAYER 1
    step z                                      # KEYS
    for key in Up Down Left Right z x c; do press $key; done
    step p                                      # the eighth key ends the entry
    screenshot options-keys-800x600
    press Down; press Down; press Down; step z  # SAVE
    local pad="$work/game/data/gamepad/defualt.GPad"
    [ "$(sed -n 12p "$pad")" = 112 ] || fail "the saved pad's pause key is $(sed -n 12p "$pad"), expected 112 (p)"
    step Escape                                 # from the controllers to the options
    step Escape                                 # to the main menu
    press Escape                                # and out of the game
    expect_exit_code 0
    expect_settings 1.0.1 0 800 600 80 60

    start_game
    wait_for_window
    expect_window_size 800x600
    wait_for_menu
    close_like_the_window_manager
    expect_exit_code 0
}

# story.conf: the two weapons, progress, coins, the four stat levels, then
# each of the nine weapons' lock, experience and level.
story_save()
{
    local primary=$1 secondary=$2 progress=$3 coins=$4 strength=$5 weapon
    printf '%s\n' "$primary" "$secondary" "$progress" "$coins" "$strength" 0 0 0
    for weapon in 0 1 2 3 4 5 6 7 8; do
        if [ "$weapon" -le 1 ]; then printf '0\n0\n0\n'; else printf '1\n0\n0\n'; fi
    done
}

# expect_story_save LINES: data/gameFiles/story.conf holds exactly LINES.
expect_story_save()
{
    local file="$work/game/data/gameFiles/story.conf"
    [ -f "$file" ] || fail "the game left no data/gameFiles/story.conf"
    [ "$(cat "$file")" = "$1" ] ||
        fail "data/gameFiles/story.conf holds [$(tr '\n' ' ' <"$file")], expected [$(tr '\n' ' ' <<<"$1")]"
    say "story.conf holds: $(tr '\n' ' ' <<<"$1")"
}

# A running stage never holds still; its pause menu does, and answers Down
# and Up. Escape is pressed until it does: a stage reads no keys while
# "FIGHT!" shows, and the loading picture holds still but answers nothing.
pause_the_stage()
{
    local before deadline
    deadline=$(deadline_in 60)
    before=$(window_picture)
    poll 30 picture_changed_from "$before" || fail "the stage never started"
    while ! passed "$deadline"; do
        press Escape
        menu_deadline=$(deadline_in 10)
        menu_answers && { say "the stage is paused"; return 0; }
    done
    fail "the stage never showed its pause menu"
}

# A first visit to the story: the map, node 0's scene skipped with B, its
# stage left through the pause menu; back at the main menu Escape ends the
# game, and the new campaign's save holds its defaults.
case_story_chapter()
{
    start_game
    wait_for_window
    wait_for_menu
    menu_deadline=$(deadline_in 90)
    watched_area=$map_node_name
    step z                                      # STORY: the map
    screenshot story-map
    step z                                      # node 0: scene 1
    watched_area=""
    screenshot story-scene-1
    press x                                     # B skips the scene
    pause_the_stage
    screenshot story-stage-paused
    menu_deadline=$(deadline_in 60)
    step Down; step z                           # QUIT
    wait_for_menu
    press Escape
    expect_exit_code 0
    expect_story_save "$(story_save 1 1 0 0 0)"
}

# The shop node of a save that has reached it: strength bought for 500 of the
# 1000 coins is saved as the shop is left.
case_story_shop()
{
    story_save 1 1 4 1000 0 >"$work/game/data/gameFiles/story.conf"
    start_game
    wait_for_window
    wait_for_menu
    menu_deadline=$(deadline_in 90)
    watched_area=$map_node_name
    step z                                      # STORY: the map on node 0
    press Right; press Right; step Up           # nodes 1, 2, then Shops
    step z                                      # the shop
    watched_area=""
    screenshot story-shop
    step z                                      # buy strength
    watched_area=$map_node_name
    step Escape                                 # leave the shop: back on the map
    step Escape                                 # leave the story
    watched_area=""
    press Escape
    expect_exit_code 0
    expect_story_save "$(story_save 1 1 4 500 1)"
}

# The picture changes between two looks a fifth of a second apart.
picture_moving()
{
    local first
    first=$(window_picture)
    sleep 0.2
    [ "$(window_picture)" != "$first" ]
}

expect_only_settings_written()
{
    local files
    files=$(ls -A "$work/game/data/gameFiles")
    [ "$files" = config.conf ] || fail "data/gameFiles holds [$(echo $files)], expected only config.conf"
    say "nothing but the settings was written"
}

# case_arcade PLAYERS: the main menu's arcade, the player count, player 1
# confirming the first fighter and player 2 the second (D and G, right and A
# of defualt2.GPad), the loading picture and the first stage; the pause
# menu's quit ends the run and Escape on the main menu ends the game.
case_arcade()
{
    local players=$1 before
    start_game
    wait_for_window
    wait_for_menu
    menu_deadline=$(deadline_in 90)
    # Keys pressed while the next screen loads are dropped, so each one waits
    # for the picture to settle.
    step Down; step z                           # ARCADE
    [ "$players" = 1 ] || step Down             # 2 PLAYERS
    step z                                      # character select, after the loading picture
    # Player 1's Down and Up turn the colours and back once it reads keys.
    menu_answers || fail "character select does not answer Down and Up"
    before=$(window_picture)
    press z
    [ "$players" = 1 ] || { press d; press g; }  # player 2 takes the next fighter
    poll 20 picture_changed_from "$before" || fail "character select stayed after the confirm"
    poll 30 picture_moving || fail "no stage moving within 30s of the confirm"
    say "the stage is up"
    if [ "$players" = 2 ]; then
        # Player 2 walks out from behind player 1, on its own keys.
        xdotool keydown d && sleep 1.5 && xdotool keyup d || fail "xdotool could not hold D"
    fi
    screenshot "arcade-stage-$players-player"
    pause_the_stage
    menu_deadline=$(deadline_in 60)
    step Down; step z                           # QUIT
    wait_for_menu
    press Escape
    expect_exit_code 0
    expect_settings "${default_settings[@]}"
    expect_only_settings_written
}

need_tools
mkdir -p "$artifacts"
rm -f "$log"
case "$case_name" in
close-button) run=case_close_button ;;
alt-f4) run=case_alt_f4 ;;
window-800x600) run=case_window_800x600 ;;
escape-on-menu) run=case_escape_on_menu ;;
no-audio-device) run=case_no_audio_device ;;
options) run=case_options ;;
story-chapter) run=case_story_chapter ;;
story-shop) run=case_story_shop ;;
arcade-1-player) run="case_arcade 1" ;;
arcade-2-players) run="case_arcade 2" ;;
*) fail "unknown case" ;;
esac
start_x
lay_out_game_folder
$run
say "passed"
