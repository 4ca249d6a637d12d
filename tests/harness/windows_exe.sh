# What the scripts need to know of a Windows exe. Sourced.
#
#   exe_machine <exe>   prints x86_64 or i686, the machine field of the exe's PE header;
#                       fails for any other file.
#   wine_loader <exe>   prints the Wine command that runs the exe.
exe_machine() {
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  [ -n "$header" ] || return 1
  case $(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ') in
    8664) echo x86_64 ;;
    014c) echo i686 ;;
    *) return 1 ;;
  esac
}

# With wine32 installed, Debian's wine starts every exe in the 32-bit loader, which hands
# a 64-bit one on through start.exe: about 0.4 s later, and now and then not at all
# ("ShellExecuteEx failed: Internal error"). A 64-bit exe goes to the 64-bit loader.
wine_loader() {
  case $(exe_machine "$1" 2>/dev/null) in
    x86_64) command -v wine64 || echo /usr/lib/wine/wine64 ;;
    *) echo wine ;;
  esac
}
