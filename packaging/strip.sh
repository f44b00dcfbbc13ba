#!/bin/sh
# Strips an installed binary as Debian's dh_strip does.
exec strip --remove-section=.comment --remove-section=.note --strip-unneeded "$@"
