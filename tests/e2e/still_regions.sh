# SPDX-License-Identifier: GPL-3.0-or-later
# The first frame's regions that do not move or tick in the first seconds: reels, the
# ladders above the swimming shark, the chest and the button bar.
STILL_REGIONS="770x73+25+24 90x416+40+130 90x335+689+130 300x240+250+200 776x40+22+584"

# Fails (through the caller's fail) unless two pictures of the scene agree pixel for pixel in
# every still region. Usage: same_still_regions SHOT COMPOSED SCRATCH_DIR
same_still_regions() {
  local r diff
  for r in $STILL_REGIONS; do
    convert "$1" -crop "$r" +repage "$3/a.png"
    convert "$2" -crop "$r" +repage "$3/b.png"
    diff=$(compare -metric AE "$3/a.png" "$3/b.png" null: 2>&1 || true)
    [ "$diff" = "0" ] || fail "region $r of $(basename "$1") differs in $diff pixels"
  done
}
