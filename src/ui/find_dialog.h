// The Find dialog "Select Part(s) By Keyword": selects the parts of the main
// list whose names match a typed key, optionally with the pattern
// characters of the part-name matcher.  Built on the first "Select..." and
// kept; Close and the window manager only hide it, so the key and the
// toggles keep their values between uses.
#pragma once

#include <X11/Intrinsic.h>

#define FIND_KEY_TEXT 60     // longest search key (the key field's maximum length)
#define FIND_PATTERN_ROWS 4  // rows of the pattern list

// The pattern list's texts; the first character of each is the pattern
// character of the matcher that the text explains.
extern const char *const Find_regexp_items[FIND_PATTERN_ROWS];

extern Widget Edit_find_dialog;       // "EditFindDialog", null until first opened
extern Widget Edit_findwhat_text;     // the key field
extern Widget Edit_findwhole_tggl;    // "Match Whole Word Only"
extern Widget Edit_findcase_tggl;     // "Match Case"
extern Widget Edit_findregexp_tggl;   // "Use Regular Expression"
extern Widget Edit_findregexp_list;   // the pattern list, sensitive only with the toggle above
extern Widget Edit_findaddto_toggle;  // "Add To Current Selection"

// Builds the dialog at the pointer.
void edit_genfind_dialog();
// Builds the dialog on first use and shows it.
void edit_find_manage();

// client data 1 selects all matches, 2 the next match.
void edit_find_selectCB(Widget w, XtPointer mode, XtPointer call);
void edit_findregexp_tgglCB(Widget w, XtPointer client, XtPointer call);
void edit_findregexp_pickCB(Widget w, XtPointer client, XtPointer call);
