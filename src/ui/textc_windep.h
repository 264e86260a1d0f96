// Fonts of the interface: the sizes asked for on the command line.
#pragma once

#define FONT_NAME_TEXT 100

extern int Menu_font_size;                         // point size of the menu and dialog font (13)
extern int Iconlabel_font_size;                    // point size of icon labels; -1 = from the menu size
extern int Fixedfont;                              // 1 = every dialog label uses the menu font list
extern char User_specified_font[FONT_NAME_TEXT];   // font named with -fn/-font; empty when none
