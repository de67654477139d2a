#!/bin/bash
# Draws the help file's pictures: one drawing (SVG) per shortcut or
# feature, turned into a PNG with ImageMagick.
# Usage: make-pictures.sh OUTDIR
set -euo pipefail
out=$1
mkdir -p "$out"

# mouse BUTTONS: a mouse seen from above at (60,30); BUTTONS lists the
# pressed ones (left, middle, right, wheel), drawn orange.
mouse() {
  local fill_l=white fill_r=white fill_m=white
  case " $1 " in *" left "*) fill_l='#f2a21b' ;; esac
  case " $1 " in *" right "*) fill_r='#f2a21b' ;; esac
  case " $1 " in *" middle "*|*" wheel "*) fill_m='#f2a21b' ;; esac
  cat <<SVG
  <g transform="translate(15,4) scale(0.85)">
  <path d="M60,90 L60,60 A40,40 0 0 1 100,20 L100,90 Z" fill="$fill_l" stroke="#0d2f57" stroke-width="3"/>
  <path d="M140,90 L140,60 A40,40 0 0 0 100,20 L100,90 Z" fill="$fill_r" stroke="#0d2f57" stroke-width="3"/>
  <path d="M60,90 L140,90 L140,150 A40,40 0 0 1 60,150 Z" fill="white" stroke="#0d2f57" stroke-width="3"/>
  <rect x="92" y="38" width="16" height="34" rx="8" fill="$fill_m" stroke="#0d2f57" stroke-width="3"/>
  </g>
SVG
}

# arrow DIRECTION: a broad arrow beside the mouse.
arrow() {
  local path
  case $1 in
    left)  path="M230,100 L190,100 L190,80 L160,110 L190,140 L190,120 L230,120 Z" ;;
    right) path="M160,100 L200,100 L200,80 L230,110 L200,140 L200,120 L160,120 Z" ;;
    up)    path="M185,170 L185,90 L165,90 L195,50 L225,90 L205,90 L205,170 Z" ;;
    down)  path="M185,50 L185,130 L165,130 L195,170 L225,130 L205,130 L205,50 Z" ;;
  esac
  echo "  <path d=\"$path\" fill=\"#1f5fa8\" stroke=\"#0d2f57\" stroke-width=\"2\"/>"
}

label() { echo "  <text x=\"150\" y=\"192\" font-family=\"DejaVu Sans, Arial, sans-serif\" font-size=\"15\" text-anchor=\"middle\" fill=\"#0d2f57\">$1</text>"; }
twice() { echo "  <text x=\"195\" y=\"118\" font-family=\"DejaVu Sans, Arial, sans-serif\" font-size=\"34\" font-weight=\"bold\" text-anchor=\"middle\" fill=\"#c0392b\">2&#215;</text>"; }

# picture NAME BODY...
picture() {
  local name=$1; shift
  {
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200" viewBox="0 0 300 200">'
    echo '  <rect x="1" y="1" width="298" height="198" rx="10" fill="#eef3fa" stroke="#9db3d1"/>'
    printf '%s\n' "$@"
    echo '</svg>'
  } >"$out/$name.svg"
  convert -background none "$out/$name.svg" "$out/$name.png"
}

picture minimize "$(mouse middle)" "$(arrow left)" "$(label 'hold the middle button, move left')"
picture maximize "$(mouse middle)" "$(arrow right)" "$(label 'hold the middle button, move right')"
picture show-desktop "$(mouse middle)" "$(twice)" "$(label 'click the middle button twice')"
picture close "$(mouse right)" "$(twice)" "$(label 'double-click the right button')"
picture switch-last "$(mouse 'left right')" "$(label 'press left and right together')"
picture go-back "$(mouse right)" "$(arrow left)" "$(label 'hold the right button, move left')"
picture go-forward "$(mouse right)" "$(arrow right)" "$(label 'hold the right button, move right')"
picture stop "$(mouse right)" "$(arrow down)" "$(label 'hold the right button, move down')"
picture open-address "$(mouse right)" "$(arrow up)" "$(label 'hold the right button, move up')"
picture new-browser "$(mouse '')" \
  '  <circle cx="200" cy="95" r="50" fill="none" stroke="#1f5fa8" stroke-width="8" stroke-dasharray="18,8"/>' \
  '  <path d="M240,60 L262,52 L252,76 Z" fill="#1f5fa8"/>' "$(label 'draw a large circle, no button')"
picture just-wheel-it "$(mouse wheel)" \
  '  <path d="M175,60 L215,60 L215,150 L175,150 Z" fill="white" stroke="#0d2f57" stroke-width="2"/>' \
  '  <path d="M195,70 L185,85 L205,85 Z M195,140 L185,125 L205,125 Z" fill="#1f5fa8"/>' \
  "$(label 'turn the wheel over any window')"
picture drag-to-scroll "$(mouse middle)" "$(arrow down)" "$(label 'hold the middle button still, then move')"
picture auto-click \
  '  <rect x="120" y="70" width="70" height="44" fill="#ffffe1" stroke="#000000"/>' \
  '  <text x="155" y="98" font-family="DejaVu Sans, Arial, sans-serif" font-size="16" text-anchor="middle">Click</text>' \
  '  <path d="M90,50 L90,90 L99,81 L106,97 L112,94 L105,79 L117,79 Z" fill="white" stroke="#000000" stroke-width="2"/>' \
  "$(label 'rest the pointer on the box')"
picture task-switcher "$(mouse wheel)" \
  '  <rect x="10" y="160" width="280" height="14" fill="#1f5fa8"/>' \
  '  <rect x="170" y="40" width="110" height="100" fill="white" stroke="#0d2f57" stroke-width="2"/>' \
  '  <rect x="170" y="40" width="110" height="16" fill="#1f5fa8"/>' \
  '  <rect x="176" y="66" width="98" height="14" fill="#f2a21b"/>' \
  '  <rect x="176" y="88" width="98" height="14" fill="#dddddd"/>' \
  '  <rect x="176" y="110" width="98" height="14" fill="#dddddd"/>' \
  "$(label 'turn the wheel over the taskbar')"
