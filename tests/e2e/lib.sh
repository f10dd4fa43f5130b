# Shared helpers of the end-to-end scripts: a private Xvfb screen, processes that are always
# cleaned up by PID, bounded waits, window geometry, pixels of a screenshot. Sourced, not run.

E2E_SCREEN=1024x768x24
# Libraries of the desktop (X, D-Bus, fontconfig) keep caches for the process's lifetime; the
# leak checker of sanitized builds reports only what our own code leaks.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
e2e_pids=()
e2e_temp=$(mktemp -d /tmp/quorvane-e2e.XXXXXX)

# Ends every process this script started, newest first: SIGTERM, then SIGKILL after 2 s.
e2e_cleanup() {
    local index pid waited
    for ((index = ${#e2e_pids[@]} - 1; index >= 0; index--)); do
        pid=${e2e_pids[index]}
        kill -0 "$pid" 2>/dev/null || continue
        kill -TERM "$pid" 2>/dev/null || true
        for ((waited = 0; waited < 20; waited++)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$e2e_temp"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

e2e_fail() {
    echo "FAIL: $*" >&2
    if [[ -s $e2e_temp/err ]]; then
        echo "the program's stderr ends with:" >&2
        tail -n 20 "$e2e_temp/err" >&2
    fi
    exit 1
}

e2e_pass() {
    echo "ok: $*"
}

# Starts Xvfb on a display number it picks itself and exports DISPLAY once the server is ready.
e2e_start_xvfb() {
    local number_file=$e2e_temp/display waited
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 "$E2E_SCREEN" -nolisten tcp -noreset \
        3>"$number_file" >"$e2e_temp/xvfb.log" 2>&1 &
    e2e_pids+=($!)
    for ((waited = 0; waited < 100; waited++)); do
        if [[ -s $number_file ]] && [[ $(<"$number_file") =~ ^[0-9]+ ]]; then
            export DISPLAY=:${BASH_REMATCH[0]}
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "Xvfb did not start within 10 s: $(cat "$e2e_temp/xvfb.log")"
}

# Runs a command with a time bound (seconds).
e2e_bounded() {
    local seconds=$1
    shift
    timeout --kill-after=2 "$seconds" "$@"
}

# Starts the program in the background with its stdout in $e2e_temp/out and stderr in
# $e2e_temp/err; sets e2e_program_pid.
e2e_start_program() {
    "$@" >"$e2e_temp/out" 2>"$e2e_temp/err" &
    e2e_program_pid=$!
    e2e_pids+=("$e2e_program_pid")
}

# Waits up to 10 s for a window whose name matches the pattern; prints its id.
e2e_wait_window() {
    local pattern=$1 waited id
    for ((waited = 0; waited < 100; waited++)); do
        id=$(e2e_bounded 5 xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        kill -0 "$e2e_program_pid" 2>/dev/null ||
            e2e_fail "the program ended before showing a window: $(cat "$e2e_temp/err")"
        sleep 0.1
    done
    e2e_fail "no window named '$pattern' within 10 s"
}

# Waits up to 10 s for a line of the program's stdout that matches the pattern (grep -E).
e2e_wait_output() {
    local pattern=$1 waited
    for ((waited = 0; waited < 100; waited++)); do
        grep -qE "$pattern" "$e2e_temp/out" && return 0
        sleep 0.1
    done
    e2e_fail "the program did not report '$pattern' within 10 s; it said: $(tr '\n' ' ' <"$e2e_temp/out")"
}

# Waits up to 10 s for the program to end; sets e2e_exit_status to its exit code. (It must run in
# the script's own shell, not in $(...): only that shell can collect its child's status.)
e2e_wait_exit() {
    local waited
    e2e_exit_status=0
    for ((waited = 0; waited < 100; waited++)); do
        if ! kill -0 "$e2e_program_pid" 2>/dev/null; then
            wait "$e2e_program_pid" || e2e_exit_status=$?
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "the program did not end within 10 s"
}

# Prints "X Y WIDTH HEIGHT" of a window as the X server has it.
e2e_geometry() {
    e2e_bounded 5 xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /Width:/ { w = $NF }
        /Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# Takes a screenshot of the whole screen into the given PNG file.
e2e_screenshot() {
    e2e_bounded 10 import -window root "$1"
}

# Prints the colour of one pixel of a screenshot as RRGGBB.
e2e_pixel() {
    local file=$1 x=$2 y=$3
    e2e_bounded 10 convert "$file" -format "%[hex:p{$x,$y}]" info: | cut -c1-6
}

# Fails unless the pixel of the screenshot has the expected colour (RRGGBB).
e2e_expect_pixel() {
    local file=$1 x=$2 y=$3 expected=$4 actual
    actual=$(e2e_pixel "$file" "$x" "$y")
    [[ ${actual^^} == "${expected^^}" ]] ||
        e2e_fail "pixel ($x, $y): expected $expected, got $actual"
}
