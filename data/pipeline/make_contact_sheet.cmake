# Lays every image of the content out on one SVG page, each with its name and size, on a
# checkerboard that shows transparency. The page must sit in ROOT (or above the images),
# because rsvg-convert only loads pictures from its own folder and below.
# Usage: cmake -DROOT=media -DIMAGES="data/a.png;data/b.png" -DOUTPUT=media/sheet.svg -P make_contact_sheet.cmake
set(PAGE_WIDTH 1700)
set(MARGIN 24)
set(GAP 28)
set(LABEL_HEIGHT 34)
set(MIN_CELL 132)
# Larger pictures (the panel, the loading strip) are shown scaled down to this box.
set(MAX_WIDTH 820)
set(MAX_HEIGHT 620)

function(png_size file out_w out_h)
  file(READ ${file} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${header} 0 8 w_hex)
  string(SUBSTRING ${header} 8 8 h_hex)
  math(EXPR w "0x${w_hex}")
  math(EXPR h "0x${h_hex}")
  set(${out_w} ${w} PARENT_SCOPE)
  set(${out_h} ${h} PARENT_SCOPE)
endfunction()

set(body "")
set(x ${MARGIN})
set(y ${MARGIN})
set(row_height 0)
foreach(image ${IMAGES})
  png_size(${ROOT}/${image} w h)
  # Scale in thousandths so the arithmetic stays in integers.
  set(scale 1000)
  if(w GREATER MAX_WIDTH)
    math(EXPR scale "${MAX_WIDTH} * 1000 / ${w}")
  endif()
  math(EXPR shown_h "${h} * ${scale} / 1000")
  if(shown_h GREATER MAX_HEIGHT)
    math(EXPR scale "${MAX_HEIGHT} * 1000 / ${h}")
  endif()
  math(EXPR shown_w "${w} * ${scale} / 1000")
  math(EXPR shown_h "${h} * ${scale} / 1000")
  set(cell_w ${shown_w})
  if(cell_w LESS MIN_CELL)
    set(cell_w ${MIN_CELL})
  endif()
  math(EXPR right "${x} + ${cell_w}")
  if(right GREATER PAGE_WIDTH AND x GREATER MARGIN)
    math(EXPR y "${y} + ${row_height} + ${LABEL_HEIGHT} + ${GAP}")
    set(x ${MARGIN})
    set(row_height 0)
  endif()
  if(shown_h GREATER row_height)
    set(row_height ${shown_h})
  endif()
  math(EXPR image_x "${x} + (${cell_w} - ${shown_w}) / 2")
  math(EXPR label_x "${x} + ${cell_w} / 2")
  math(EXPR label_y "${y} + ${shown_h} + 16")
  math(EXPR size_y "${label_y} + 14")
  set(note "${w} x ${h}")
  if(NOT scale EQUAL 1000)
    math(EXPR percent "${scale} / 10")
    set(note "${note}, shown at ${percent}%")
  endif()
  string(APPEND body
    "  <rect x=\"${image_x}\" y=\"${y}\" width=\"${shown_w}\" height=\"${shown_h}\" fill=\"url(#checks)\"/>\n"
    "  <image href=\"${image}\" x=\"${image_x}\" y=\"${y}\" width=\"${shown_w}\" height=\"${shown_h}\"/>\n"
    "  <text x=\"${label_x}\" y=\"${label_y}\" class=\"name\">${image}</text>\n"
    "  <text x=\"${label_x}\" y=\"${size_y}\" class=\"size\">${note}</text>\n")
  math(EXPR x "${x} + ${cell_w} + ${GAP}")
endforeach()
math(EXPR page_height "${y} + ${row_height} + ${LABEL_HEIGHT} + ${MARGIN}")

file(WRITE ${OUTPUT}
  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"${PAGE_WIDTH}\" height=\"${page_height}\">\n"
  "  <defs>\n"
  "    <pattern id=\"checks\" width=\"16\" height=\"16\" patternUnits=\"userSpaceOnUse\">\n"
  "      <rect width=\"16\" height=\"16\" fill=\"#8d8478\"/>\n"
  "      <rect width=\"8\" height=\"8\" fill=\"#a29a8e\"/>\n"
  "      <rect x=\"8\" y=\"8\" width=\"8\" height=\"8\" fill=\"#a29a8e\"/>\n"
  "    </pattern>\n"
  "    <style>\n"
  "      text { font-family: Cantarell, 'DejaVu Sans', sans-serif; text-anchor: middle; fill: #f3e6cc; }\n"
  "      .name { font-size: 13px; font-weight: bold; }\n"
  "      .size { font-size: 11px; fill: #c9b99b; }\n"
  "    </style>\n"
  "  </defs>\n"
  "  <rect width=\"100%\" height=\"100%\" fill=\"#2a211c\"/>\n"
  "${body}"
  "</svg>\n")
