#!/bin/sh
# Puts Wine's own fonts (Tahoma, MS Sans Serif, Marlett and the others of the fonts-wine
# package) into a Wine prefix's Fonts folder.
#
#   wine-fonts.sh <prefix>
#
# Measured with Debian's Wine 8: Wine does not load them from where the package puts
# them, so in a new prefix every face resolves to a substitute ("Liberation Sans"), labels
# are not drawn in the faces their windows ask for, and captions show Marlett's letters
# "0 1 r" in place of their buttons. In the prefix's Fonts folder each face is itself.
set -eu
if [ $# -ne 1 ]; then
  echo "usage: $0 <prefix>" >&2
  exit 2
fi
fonts=/usr/share/wine/fonts
if [ ! -d "$fonts" ]; then
  echo "$0: $fonts is missing: install the fonts-wine package" >&2
  exit 1
fi
mkdir -p "$1/drive_c/windows/Fonts"
cp "$fonts"/* "$1/drive_c/windows/Fonts/"
