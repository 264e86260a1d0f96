// The File Selection dialog: the one way to ask the user for a file name.
// A caller names its purpose (1 case data files, with the case and data work
// area; 2 a file on the current case's server host; anything else a local
// file), the field that receives the name and the routines to run on Okay
// and Cancel. Files on a server of another host are browsed through the
// server's remote listing.
#pragma once

#include <X11/Intrinsic.h>

#include <string>

#define FSEL_FILTER_LEN 305  // bytes of a remembered filter, at most 304 characters
#define FSEL_ITEM_LEN 256    // bytes of a composed list item: prefix and name, at most 255

extern int File_selection_type;             // purpose of the current request: 1, 2, other
extern void (*Fsel_applyroutCB)();          // Okay routine of the current request, or null
extern void (*Fsel_cancelroutCB)();         // Cancel routine of the current request, or null
extern int Fsel_lastaccess;                 // listing shown last: 0 local, 1 remote
extern char Fsel_lastfilter[2][FSEL_FILTER_LEN];  // remembered filters: [0] local, [1] remote

extern Widget Fileselect_dialog;            // the file selection box, null until built
extern Widget Fileselect_file_text;         // its file-name field
extern Widget Fileselect_filter_text;
extern Widget Fileselect_dir_list;
extern Widget Fileselect_file_list;
extern Widget Fileselect_okay_but;
extern Widget Fileselect_help_but;
extern Widget Fileselect_interf_form;       // the work area
extern Widget Fileselect_case_arobut;
extern Widget Fileselect_caseinfo_form;
extern Widget Fileselect_newcase_but;
extern Widget Fileselect_replacecase_but;
extern Widget Fileselect_deletecase_but;
extern Widget Fileselect_spectstep_tggl;
extern Widget Fileselect_spectstep_text;
extern Widget Fileselect_format_optmen;
extern Widget Fileselect_native_tggl;
extern Widget Fileselect_formatdesc_lbl;
extern Widget Fileselect_geom_but;
extern Widget Fileselect_geom_text;
extern Widget Fileselect_result_but;
extern Widget Fileselect_result_text;
extern Widget Fileselect_meas_but;
extern Widget Fileselect_meas_text;
extern Widget Fileselect_path_text;
// The text of a text or text-field widget ("" for none), and setting it.
std::string fsel_get_text(Widget w);
void fsel_set_text(Widget w, const std::string &s);

// Shows the dialog for a purpose: 1 when shown, -1 when refused (purposes
// 1 and 2 need the current case's server; host names must be known).
// field1 receives the chosen name unless field2 is given too.
int fsel_select(int purpose, Widget *field1, Widget *field2, Widget *field3, int unused,
                void (*apply)(), void (*cancel)());
// Builds the dialog (first call only).
void gen_filesel_dialog();
// Switches between local (0) and remote (1) listing and lists the start
// directory.
void fsel_setsearchproc(int remote, int purpose);

// The remote listing's checks and items, without widgets.
// Checks a remote filter: "" when it may be sent, else the error text.
std::string fsel_remote_filter_error(const char *filter);
// The filter a listing answers, from the path the server returned and the
// filter sent: a path ending in '/' gets "*"; a path naming the listed
// directory without the pattern gets "/" and the filter's pattern.
std::string fsel_listed_filter(const char *path, const char *filter);
// Composes prefix + name into item (FSEL_ITEM_LEN bytes); false, with item
// empty, when the two do not fit.
bool fsel_compose_item(const char *prefix, const char *name, char *item);
// Splits the file-name field's text for a (Set) button: the name for the
// button's field, and the path (set only when *path_set).
void fsel_split_setname(const char *text, std::string *name, std::string *path, bool *path_set);

// Callbacks.
void fsel_okcallback(Widget w, XtPointer target, XtPointer call);
void fsel_cancelcallback(Widget w, XtPointer client, XtPointer call);
void fsel_okcallback2(Widget w, XtPointer field, XtPointer call);
void fsel_dirremotesearch(Widget fsb, XtPointer search_data);
void fsel_filremotesearch(Widget fsb, XtPointer search_data);
void fsel_caseexpand_routCB(Widget w, XtPointer keep, XtPointer call);
