// The built-in tour (tour.h). Positions are back-buffer pixels of the 800 x 600 screen: the
// screen's gadgets lie 18 pixels lower than their creation y, below the menu bar; requesters are
// centred on the screen, their buttons 26 pixels above the bottom of their content. The pointer
// rests at the bottom right corner for the screenshots.
#include "demos/gadget-demo/tour.h"

namespace bevel::gadget_demo {

const char* const kTour =
    R"(# The start screen, once the progress bar and the spin have counted up to 145.
move 790 590
wait 150
shot gadget-demo-01-start.png

# Play disables itself, enables Stop and ticks item 4; Stop brings it back as "Haha".
move 259 40
click
move 790 590
wait 2
shot gadget-demo-02-play.png
move 331 40
click

# A double click on a list item shows its message; OK closes it.
move 60 129
click
click
wait 2
shot gadget-demo-03-double-click.png
move 400 318
click
wait 2

# The list: item 3 selected and removed, an item added, the second column's header clicked,
# a cell right-clicked (each writes into the text field), then "Select" copies the selected
# item into it; the wheel shows the end of the list.
move 60 143
click
move 300 118
click
move 300 90
click
move 190 86
click
move 190 157
click right
move 300 146
click
move 100 180
wheel -10
wait 1
move 790 590
wait 2
shot gadget-demo-04-list.png

# "Knoten" expands every node of the tree; the second artificial option takes over from the first.
move 285 528
click
move 645 497
click
move 790 590
wait 2
shot gadget-demo-05-tree.png

# The menu "Titel" with its sub-menu "Sub" and, inside it, "Was"; a click elsewhere closes it.
move 22 9
click
move 60 47
wait 2
move 210 63
wait 2
shot gadget-demo-06-menu.png
move 700 300
click

# Window 1 over the frozen screen; its button shows window 2 above it. OK hides window 2 and
# the link closes window 1.
move 630 351
click
wait 2
move 412 372
click
wait 2
move 790 590
wait 2
shot gadget-demo-07-windows.png
move 252 72
click
wait 2
move 267 372
click
wait 2

# Message requesters: "Ja/Nein" answered with "Nein", "Eintrag 1/Eintrag 2" with "Eintrag 2".
move 90 268
click
wait 2
move 445 324
wait 1
shot gadget-demo-08-yes-no.png
click
wait 2
move 270 268
click
wait 2
move 445 318
click
wait 2

# The complex message box: "Add" appends "neu" to its list; selecting "Raus" closes it.
move 90 298
click
wait 2
move 445 397
click
wait 2
move 340 340
wheel -1
wait 2
shot gadget-demo-09-complex.png
move 340 319
click
wait 2

# The input requester refuses an empty text with a message of its own; then of "Hallo Welt"
# the first eight characters, its maximum, are taken and become the button's caption.
move 310 238
click
wait 2
key backspace
key backspace
key backspace
key backspace
key backspace
move 400 417
click
wait 3
shot gadget-demo-10-input-refused.png
move 400 318
click
wait 2
move 400 309
click
keydown shift
key h
keyup shift
key a
key l
key l
key o
key space
keydown shift
key w
keyup shift
key e
key l
key t
key enter
wait 2

# The open requester starts on the drives with "OpenFile" in its name field. "~" and Enter lead
# to the home directory, where the tour put three files; a click on the first and a Shift-click
# on the last select all three (half a second apart, so that no double click chooses one). Their
# paths go into the text field.
move 310 178
click
wait 2
key backspace
key backspace
key backspace
key backspace
key backspace
key backspace
key backspace
key backspace
keydown altgr
key sc27
keyup altgr
key enter
wait 2
move 200 165
click
wait 30
keydown shift
move 200 193
click
keyup shift
move 790 590
wait 2
shot gadget-demo-11-open-files.png
move 606 446
click
wait 2

# The save requester: in the home directory again, the name field clicked (Enter left it) and a
# new name typed, "Neu.vx".
move 310 198
click
wait 2
key backspace
key backspace
key backspace
key backspace
key backspace
key backspace
key backspace
key backspace
keydown altgr
key sc27
keyup altgr
key enter
wait 2
move 300 446
click
key backspace
keydown shift
key n
keyup shift
key e
key u
key sc52
key v
key x
move 790 590
wait 2
shot gadget-demo-12-save.png
move 606 446
click
wait 2

# The date field with its calendar open; its button closes it again.
move 760 438
click
move 790 590
wait 2
shot gadget-demo-13-calendar.png
move 760 438
click

# The colour requester opens wide: a point of the spectrum (hue 140, saturation 90) and of the
# lightness bar (195) make a light blue, which the button below the fields stores as the first
# custom colour; OK makes it the face of every gadget, window and menu.
move 310 218
click
wait 2
move 508 288
click
move 640 183
click
move 536 476
click
move 790 590
wait 2
shot gadget-demo-14-colour.png
move 194 476
click
move 790 590
wait 2
shot gadget-demo-15-recoloured.png

# Ctrl+B ends the demo.
keydown ctrl
keydown b
wait 1
)";

}  // namespace bevel::gadget_demo
