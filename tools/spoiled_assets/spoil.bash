# Spoils one file of an asset folder, for the checks that the game starts, runs and ends
# normally with its preferences saved whatever state its pictures and sounds are in.
#   spoil FOLDER FILE HOW   HOW is one of:
#     missing  the file is removed
#     empty    the file is cut to 0 bytes
#     garbage  the file's first 16 bytes (its format's signature) are kept and the rest is
#              replaced by 8 KiB of pseudo-random bytes, the same on every run
#     small    (pictures) a valid picture of the same format, 8 x 8 pixels
#     large    (pictures) a valid picture of the same format, 4096 x 4096 pixels
# Pictures of a given size are made once with netpbm and kept in $SPOIL_CACHE.

is_picture() { case ${1,,} in *.png | *.jpg | *.bmp) return 0 ;; esac; return 1; }

# COUNT pseudo-random bytes from the seed SEED on standard output, the same every time.
garbage_bytes() {
  LC_ALL=C awk -v n="$1" -v seed="$2" \
    'BEGIN { srand(seed); for (i = 0; i < n; i++) printf "%c", int(rand() * 256) }'
}

# A picture of W x H pixels in the format its name ends with, made once.
sized_picture() {
  local name=$1 w=$2 h=$3 ext
  ext=${name##*.} && ext=${ext,,}
  local out="$SPOIL_CACHE/${w}x${h}.$ext"
  if [ ! -s "$out" ]; then
    local ppm="$SPOIL_CACHE/${w}x${h}.ppm"
    { printf 'P6\n%d %d\n255\n' "$w" "$h"; head -c $((w * h * 3)) /dev/zero | tr '\0' '\140'; } > "$ppm"
    case $ext in
      png) pnmtopng "$ppm" > "$out" 2>/dev/null ;;
      jpg) pnmtojpeg "$ppm" > "$out" 2>/dev/null ;;
      bmp) ppmtobmp "$ppm" > "$out" 2>/dev/null ;;
    esac
  fi
  echo "$out"
}

spoil() {
  local path=$1/$2 how=$3
  case $how in
    missing) rm -f "$path" ;;
    empty) : > "$path" ;;
    garbage)
      head -c 16 "$path" > "$path.spoilt"
      garbage_bytes 8192 "${#2}" >> "$path.spoilt"
      mv "$path.spoilt" "$path" ;;
    small) cp "$(sized_picture "$2" 8 8)" "$path" ;;
    large) cp "$(sized_picture "$2" 4096 4096)" "$path" ;;
    *) echo "spoil: unknown spoiling $how" >&2; return 1 ;;
  esac
}

# The spoilings that apply to a file: the pictures' sizes only to pictures.
spoilings_for() {
  if is_picture "$1"; then echo "missing empty garbage small large"; else echo "missing empty garbage"; fi
}
