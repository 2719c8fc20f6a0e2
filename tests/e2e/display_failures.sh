#!/usr/bin/env bash
# Without a usable video mode the game ends with status 2, without SDL video with
# status 1, each with its message on standard error and nothing saved.
source "$(dirname "$0")/lib.bash"

SDL_VIDEODRIVER=dummy "$BIN" > out.txt 2> err.txt
status=$?
check "no OpenGL mode: exit status 2" [ "$status" = 2 ]
check "no OpenGL mode: the message names the mode" grep -q "^Couldn't set 640x480x[0-9]* video mode: " err.txt
check "no OpenGL mode: nothing saved" [ ! -e bravin.pref ]

SDL_VIDEODRIVER=no-such-driver "$BIN" > out.txt 2> err.txt
status=$?
check "no SDL: exit status 1" [ "$status" = 1 ]
check "no SDL: the message" grep -q "^Couldn't initialize SDL: " err.txt
check "no SDL: nothing printed on standard output" [ ! -s out.txt ]
finish
