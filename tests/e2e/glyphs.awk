# Reads a plain greyscale PGM (P2, maxval 255) of dark text on a light background and tells
# whether the text is drawn with glyphs: it splits each text line into ink segments (runs of
# columns with ink) and counts the distinct segment shapes. Glyphs of a real font give many
# shapes; a font without the glyphs gives none (nothing drawn) or one (the same box every time).
# Prints "lines segments shapes" and exits 0 when there are at least min_shapes shapes.
BEGIN { dark = 110; light = 200; if (!min_shapes) min_shapes = 12 }
{ sub(/#.*/, ""); for (i = 1; i <= NF; ++i) token[count++] = $i }
END {
  width = token[1]; height = token[2]; at = 4
  for (y = 0; y < height; ++y) {
    lightCount = 0
    for (x = 0; x < width; ++x) { v = token[at++]; ink[y, x] = v < dark; lightCount += v >= light }
    # Only rows of the window's light client area count: not its caption bar or frame.
    client[y] = lightCount >= 0.6 * width
    rowInk[y] = 0
    if (client[y]) for (x = 0; x < width; ++x) rowInk[y] += ink[y, x]
  }
  lines = 0; segments = 0; shapes = 0
  for (y = 0; y < height; ) {
    if (!rowInk[y]) { ++y; continue }
    top = y; while (y < height && rowInk[y]) ++y; bottom = y - 1; ++lines
    for (x = 0; x < width; ) {
      columnInk = 0; for (r = top; r <= bottom; ++r) columnInk += ink[r, x]
      if (!columnInk) { ++x; continue }
      left = x
      do { ++x; columnInk = 0; for (r = top; r <= bottom && x < width; ++r) columnInk += ink[r, x] } while (columnInk)
      shape = ""
      for (r = top; r <= bottom; ++r) { row = ""; for (c = left; c < x; ++c) row = row ink[r, c]; shape = shape row "/" }
      ++segments
      if (!(shape in seen)) { seen[shape] = 1; ++shapes }
    }
  }
  print lines, segments, shapes
  exit !(shapes >= min_shapes)
}
