# Sourced by the harness scripts.
#
#   exe_machine <exe>   prints x86_64 or i686, the machine field of the exe's PE header;
#                       fails for any other file.
exe_machine() {
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  [ -n "$header" ] || return 1
  case $(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ') in
    8664) echo x86_64 ;;
    014c) echo i686 ;;
    *) return 1 ;;
  esac
}
