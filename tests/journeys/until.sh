# Shared by the journeys (sourced; POSIX sh); expects a fail function.
# Polls a shell condition every 0.1 s, $3 times (default 100: 10 s).
until_true() {
    i=0
    while ! eval "$1"; do
        i=$((i + 1))
        [ $i -lt "${3:-100}" ] || fail "$2"
        sleep 0.1
    done
}
