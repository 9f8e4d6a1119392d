// The families shown on the demo panel, one line each, in tour order.
// DEMO_FAMILY(name) needs tour_<name>.cpp defining
//   void DemoSetup_<name>()  colours and texts applied when the panel opens
//   void DemoTour_<name>()   the scripted tour (headless runs only)
// and panel_<name>.rc included in demo.rc.
//
// Regions of the panel (dialog units, x, y, w, h) and control ids:
//   push buttons                      4,   4, 272, 164   ids 100-199
//   LED buttons and faders          284,   4, 272, 164   ids 200-299 LED, 300-399 faders
//   Static/Ident text, Dest, Multi    4, 172, 272, 112   ids 400-499 text, 500-599 Dest, 600-699 Multi
//   Flat and Bitmap buttons         284, 172, 272, 112   ids 700-799 Flat, 800-899 Bitmap
//   special library (KERV_CC09)       4, 288, 552, 174   ids 900-999
DEMO_FAMILY(buttons)
DEMO_FAMILY(led)
DEMO_FAMILY(text)
DEMO_FAMILY(flat)
DEMO_FAMILY(special)
