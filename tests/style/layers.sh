#!/bin/sh
# Every arrow between the folders points down: the program (app/) on top;
# settings/ and print/ below it, beside each other; platform/, builtin/,
# data/ and widgets/ at the bottom. Every quoted include names its folder
# from the repository root. Prints each offending include; fails if any.
set -u
cd "$1" || exit 2
found=$(mktemp)
trap 'rm -f "$found"' EXIT

# check RULE PATTERN FOLDER...: the includes under FOLDERs whose quoted
# name matches PATTERN break RULE.
check() {
    rule=$1 pattern=$2
    shift 2
    grep -rnE --include='*.h' --include='*.cpp' \
        "^[[:space:]]*#[[:space:]]*include[[:space:]]+\"$pattern" "$@" |
        grep -v '\.moc"' | sed "s|\$|    <- $rule|" >>"$found"
}

check "only the program includes app/" 'app/' data widgets platform builtin settings print
check "the bottom layers include nothing above them" '(settings|print)/' data widgets platform builtin
check "settings/ and print/ stand beside each other" 'print/' settings
check "settings/ and print/ stand beside each other" 'settings/' print
check "the data library uses nothing of the program's own" '[^d]' \
    data/Dane.cpp data/Dane.h data/DaneTypes.h data/ElementData.cpp data/ElementRows.h
check "an include names its folder from the repository root" '[^/"]+"' \
    app data widgets platform builtin settings print tools tests

if [ -s "$found" ]; then
    cat "$found"
    exit 1
fi
