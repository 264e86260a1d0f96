// The main part list: one row per top-level part in one of three listing
// modes, the indicator column that marks the parents of the one selected
// part, selection from code (by part number, internal number, search key,
// all rows), the one answer to "which parts are selected in which list"
// (selected_parts), and the refresh chain that follows every change of the
// main list's selection.  Works on whichever list pair Main_part_list and
// Main_partindic_list name; with no list widget (tests without a display)
// the row bookkeeping still runs and nothing is selected.
#pragma once

#include <X11/Intrinsic.h>

extern int Prtfrm_listbytype;    // listing mode: 0 all parts, 1 current case, 2 selected frames
extern int *Listbytype_to_main;  // modes 1, 2: row k (1..Num_p_inlist) -> internal number;
                                 // heap, Num_p_partlist + 1 entries; null when not built
extern int Num_p_inlist;         // rows the main list holds

// List codes of selected_parts.
enum { PLIST_MAIN = 0, PLIST_FRAMES = 1, PLIST_DETEDIT = 2, PLIST_ANNOTTEXT = 3 };

// Selected rows of a list in row order: internal list gets 1 + internal
// number (frame rows: 1 + frame index), number list the part (frame)
// numbers; heap lists the caller frees.  1 when rows are selected; 0 with
// every listed row when none is (code 3: the first row); 0 with count 0 and
// null lists when the list has no rows or memory runs out.
int selected_parts(int code, int *count, int **internal, int **numbers);
// selected_parts for the main list, or, when nothing is selected, one entry
// -1 in both lists (the defaults for new parts).  1 selection, 0 defaults,
// -1 when the lists cannot be made ("Error allocating part list memory.";
// routine names the caller in the allocation report).
int mainprt_selection_or_defaults(int *count, int **internal, int **numbers,
                                  const char *routine = "mainprt_partinterf_refresh");
// The one selected row of the annotation text part list (code 3): 1 with
// its 0-based internal number and part number, else 0 with both 0.  With
// per_case the rows hold only the current case's parts.
int selected_onepart(int code, int per_case, int *internal, int *number);
// Text of the row of a top-level part: "%2d-(%c/C%d) %s".  1, or -1 when
// ui_part_get has no such part.
int mainprt_row_text(int internal, char *text, int size);

// Selects every row of list in one step (no refresh chain).
void select_all_parts(Widget list);
// After any change of the main list's selection: forget the last recorded
// part selection and run the refresh chain.
void mainprt_list_select(int refresh_panel);
// The refresh chain: indicator, the shown part-feature panel (with
// refresh_panel), the quick-edit part panel and the Selected Part(s) window.
void mainprt_partinterf_refresh(int, int, int refresh_panel);

// Rebuilds the main list in the current listing mode.
void mainprt_list_refresh();
// Mode-0 rebuild keeping the selection when it still fits.
void mainprt_list_updt();
// Rewrites the rows of all top-level parts (Num_p_inlist untouched).
void mainprt_part_refresh();
// Mode-1 rebuild: the parts of case slot case_index.
void mainprt_listbycase_updt(int case_index);
// Mode-2 rebuild: the parts assigned to the given frames.
void mainprt_listbyfrm_updt(int nframes, const int *frames);
// Marks with "P" the rows of the parents of the one selected part; the
// number of marked rows, or -1 when memory runs out.
int mainprt_show_parentpart_indicator(int count, const int *numbers);

// Finds parts by name: mode 1 selects all matches, mode 2 the next match
// after the last selected part (wrapping around).  0, or what the selection
// returned.
int mainprt_searchandselect(int mode, const char *key, int whole_word, int match_case,
                            int add, int regular_expression);
// Selects rows by part numbers; count <= 0 deselects every row.
int mainprt_select_partseid(int add, int count, const int *numbers, int refresh_panel);
// Selects rows by 0-based internal numbers (any count); with add the result
// is the symmetric difference with the current selection.  The number of
// rows left selected, -1 when memory runs out.
int mainprt_select_parts(int add, int count, const int *internal, int refresh_panel);
// Selects rows of the main list (code 0) or the detail editor's (code 2) by
// internal numbers.  The number of rows selected, 0 for an empty request,
// -1 when memory runs out.
int select_parts_by_internal_num(int code, int count, const int *internal, int refresh);

// Edit menu's part entries (also the part panel's last two icons).
void mainedit_part_selectallCB(Widget w, XtPointer client, XtPointer call);
void mainedit_part_deleteCB(Widget w, XtPointer client, XtPointer call);
