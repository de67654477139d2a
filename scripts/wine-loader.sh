# Sourced by the scripts that run Wine. Some machines run only 64-bit user
# code: there the 32-bit Wine loader fails with "Exec format error" although
# wine32 is installed, and Debian's `wine` script still picks it. This file
# finds out which loaders work and, when the 32-bit one does not, puts a
# folder in front of PATH whose `wine`/`wine-stable`/`wine64` run the 64-bit
# loader (wineboot and the other tools go through `wine-stable`).
# Sets QUORVEL_WINE32=1 when 32-bit Windows programs can run, else 0.

quorvel_wine32_runs() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

quorvel_select_wine() {
  local root=$1
  if quorvel_wine32_runs; then
    QUORVEL_WINE32=1
  else
    QUORVEL_WINE32=0
  fi
  export QUORVEL_WINE32
  # Where the 32-bit loader runs, Debian's `wine` hands 64-bit programs on
  # to the 64-bit loader by itself.
  if [ "$QUORVEL_WINE32" = 1 ] || [ ! -x /usr/lib/wine/wine64 ]; then
    return 0
  fi
  quorvel_wine_wrappers "$root" wine wine-stable wine64
}

# quorvel_wine_wrappers ROOT NAME...: each NAME runs the 64-bit loader.
quorvel_wine_wrappers() {
  local dir="$1/build/wine-bin" name; shift
  mkdir -p "$dir"
  for name in "$@"; do
    cat > "$dir/$name" <<'WRAP'
#!/bin/sh
export WINELOADER=/usr/lib/wine/wine64
: "${WINEDEBUG:=fixme-all}"; export WINEDEBUG
exec /usr/lib/wine/wine64 "$@"
WRAP
    chmod +x "$dir/$name"
  done
  case ":$PATH:" in *":$dir:"*) ;; *) export PATH="$dir:$PATH" ;; esac
}
