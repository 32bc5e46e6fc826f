# The ten fonts of the title, baked from free fonts Debian packages: EB Garamond for titles
# and story text, Cantarell for the interface. Each is Latin-1 (the baker's default).
# Variants: "t" is the main menu's, outlined so it reads over the painted menu scenes;
# "s" is the item slots', small and outlined so it reads over any item.
#
#   name  face                       px   look               used by
#   0     Cantarell Bold             20   soft shadow        journal arrows, in-game switches and volume buttons
#   0t    Cantarell Bold             22   outline            main menu switches, volume buttons, chapter arrows
#   1     EB Garamond Regular        22   soft shadow        panel label, journal, hint timer, in-game menu, universal button, texts
#   1t    EB Garamond Regular        26   heavy outline      main menu buttons and labels
#   1s    Cantarell Bold             15   outline            decoy counter on item slots
#   2     Cantarell Regular          15   soft shadow        resist label, hint counter, cursor comment, in-game notices, texts
#   2t    Cantarell Regular          17   outline            main menu comments and notices
#   2s    Cantarell Regular          14   outline            item comment box
#   3     EB Garamond Regular        36   emboldened, shadow failure title, large texts
#
# The packaged EB Garamond Bold lacks the accented capitals of Latin-1, so the bold looks
# come from the Regular face: a dark outline for 1t, a thin outline in the letters' own
# white for 3.
#   4     EB Garamond Italic         24   soft shadow        story narration texts
set(garamond ${VANDRELL_FONT_DIR_GARAMOND})
set(cantarell ${VANDRELL_FONT_DIR_CANTARELL})
set(shadow --shadow 1,1 --shadow-opacity 0.7)

title_font(0  ${cantarell}/Cantarell-Bold.otf        20 ${shadow})
title_font(0t ${cantarell}/Cantarell-Bold.otf        22 --outline 1.5)
title_font(1  ${garamond}/EBGaramond12-Regular.otf   22 ${shadow})
title_font(1t ${garamond}/EBGaramond12-Regular.otf   26 --outline 2)
title_font(1s ${cantarell}/Cantarell-Bold.otf        15 --outline 1.5)
title_font(2  ${cantarell}/Cantarell-Regular.otf     15 ${shadow})
title_font(2t ${cantarell}/Cantarell-Regular.otf     17 --outline 1.5)
title_font(2s ${cantarell}/Cantarell-Regular.otf     14 --outline 1.2)
title_font(3  ${garamond}/EBGaramond12-Regular.otf   36 --outline 0.6 --outline-grey 255 ${shadow})
title_font(4  ${garamond}/EBGaramond12-Italic.otf    24 ${shadow})

# The licences travel with the baked fonts (a baked atlas is a modified version of the font).
font_licence(EBGaramond /usr/share/doc/fonts-ebgaramond/copyright)
font_licence(Cantarell /usr/share/doc/fonts-cantarell/copyright)
