// The families shown on the demo panel, one line each, in tour order.
// DEMO_FAMILY(name) needs tour_<name>.cpp defining
//   void DemoSetup_<name>()  colours and texts applied when the panel opens
//   void DemoTour_<name>()   the scripted tour (headless runs only)
// and panel_<name>.rc included in demo.rc.
//
// Regions of the panel, as an operator uses it (dialog units, x, y, w, h):
//   transport, camera bank, talk      4,   4, 272, 164   Button, Browse, Touch
//   on air                          284,   4, 272,  84   LED, Dual LED buttons
//   levels                          284,  92, 272,  76   faders, Repeat buttons and their level
//   routing                           4, 172, 272, 112   Dest, Multi, Flat buttons
//   status                          284, 172, 272, 112   LED clock, Font displays, Static/Ident text
//   sources and cues                  4, 288, 552, 152   Combo BMP, Bitmap, font keys, Repeat
// Control ids by family: 100-199 push buttons, 200-299 LED, 300-399 faders,
// 400-499 text, 500-599 Dest, 600-699 Multi, 700-799 Flat, 800-899 Bitmap,
// 900-999 special library.
DEMO_FAMILY(buttons)
DEMO_FAMILY(led)
DEMO_FAMILY(text)
DEMO_FAMILY(flat)
DEMO_FAMILY(special)
