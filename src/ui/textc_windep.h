// Fonts of the client's own interface text: the menu font (dialogs with -ff,
// text-field and list sizes, the status line) and the icon-label font of the
// quick-edit panels, both chosen once at start from the X server's misc-fixed
// family by xfntint.  The option parser writes the requested sizes and the
// -ff / -fn settings before xfntint runs.
#pragma once

#include <X11/Xlib.h>
#include <Xm/Xm.h>

#include "client/interf_settings.h"

extern char **Fontlist;               // names matching FONT_PATTERN on display 0; null before xfntint
extern int Num_fonts;                 // entries of Fontlist, 0..1000
extern int *Fontsizes;                // [Num_fonts] size read from each name, 99999 = unreadable
extern int Dindx;                     // index of the chosen menu font in Fontlist, -1 = none
extern XFontStruct *Menufontstruct;   // the loaded menu font, null before xfntint
extern int Menu_font_width;           // pixels, width of the menu font's widest character (0 = unknown)
extern XmFontList Menufont;           // font list of the menu font, null before xfntint
extern XmFontList Lmenufont;          // font list of the icon-label font (may equal Menufont)

#define FONT_PATTERN "-misc-fixed-medium-r-normal-*"
#define FONT_SIZE_UNREADABLE 99999

// Chooses and loads the two fonts; 1, or -1 after an error box.
int xfntint();

// Size carried by a font name: the first run of digits worth 60 or less;
// 99999 when a "." comes first; else the last run read, or 0.
int font_name_size(const char *name);
// Index of the first of n sizes nearest to want, -1 when n is 0.
int font_nearest_index(const int *sizes, int n, int want);
// Icon-label size wanted for a requested menu size and -iconlblf value.
int font_iconlabel_size(int menu_size, int iconlabel_size);
