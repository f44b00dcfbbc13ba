#!/usr/bin/env bash
# The program has no network and writes no files. Runs a scripted session under strace -f (the
# soak test: every window through a few thousand user actions, and the program itself started and
# stopped) and fails if any process of it opens a socket, connects, or opens, creates, renames,
# links or removes a file or folder for writing. Then makes a setting card on the command line
# and fails if that run writes anything but the card: a temporary file beside it, renamed to it.
#
#   check-nowrite.sh <tst_soak> <velantra> [actions]
set -uo pipefail

soak=${1:?usage: check-nowrite.sh <tst_soak> <velantra> [actions]}
program=${2:?usage: check-nowrite.sh <tst_soak> <velantra> [actions]}
actions=${3:-3000}

source "$(dirname "$0")/strace-writes.sh"

VELANTRA_SOAK_ACTIONS=$actions traced soak "$soak" >"$work/soak.log" 2>&1
status=$?
if [ $status -ne 0 ]; then
    tail -n 30 "$work/soak.log"
    echo "the scripted session failed (exit $status)"
    exit 1
fi
# The program as installed runs it: start-up, the main window, then the end by SIGTERM.
traced program timeout -s TERM 3 "$program" >"$work/program.log" 2>&1
status=$?
if [ $status -ne 124 ]; then
    tail -n 30 "$work/program.log"
    echo "the program ended before it was stopped (exit $status)"
    exit 1
fi

opened=$(traces soak program | grep -cE '\bopen(at2?)?\(')
if [ "$opened" -lt 10 ]; then
    echo "the trace shows only $opened opened files: strace did not follow the program"
    exit 1
fi

offending=$(writes soak program)
if [ -n "$offending" ]; then
    echo "the program opened sockets or wrote to the file system:"
    echo "$offending"
    exit 1
fi

# A card saved from the command line, twice: the second one replaces the first. Qt writes an
# unnamed file in the card's folder (O_TMPFILE) and links it in as the card, or, over a previous
# card, under a temporary name that is then renamed onto it; nothing else may be written.
folder="$work/cards"
card="$folder/card.pdf"
mkdir "$folder"
for run in new over; do
    traced "card-$run" "$program" card orvo75 --address 300 --out "$card" >"$work/cardrun.log" 2>&1
    status=$?
    if [ $status -ne 0 ] || [ "$(head -c 4 "$card" 2>/dev/null)" != "%PDF" ]; then
        cat "$work/cardrun.log"
        echo "the command line made no card (exit $status)"
        exit 1
    fi
done
renamed=$(traces card-new card-over | grep -cE "\brename(at2?)?\(.*\"$card\.[^\"]+\", .*\"$card\"\) = 0")
others=$(writes card-new card-over |
    grep -vF "\"$card" | grep -vF "\"$folder\", O_RDWR|O_CLOEXEC|O_TMPFILE")
if [ "$renamed" -ne 1 ] || [ -n "$others" ]; then
    traces card-new card-over | grep -F "$folder"
    echo "$others"
    echo "saving a card wrote more than the card through its temporary name ($renamed renames)"
    exit 1
fi
echo "no socket, no file opened for writing ($opened files opened for reading, $actions actions);"
echo "a card saved from the command line wrote only itself, through a temporary name"
