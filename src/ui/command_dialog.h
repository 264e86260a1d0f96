// The Command dialog and the entity-mapping dialog. The Command dialog's
// command widget is where typed, played and driven lines are executed and
// where every line recorded from a dialog action passes, so each of them
// enters its history; its other controls steer playback and recording.
// The mapping dialog's widgets are built here; its logic is the context
// mapping module's.
#pragma once

#include <X11/Intrinsic.h>

#include <string>
#include <vector>

#include "client/screen.h"
#include "ui/menus.h"

#define CMD_ENTRY_MAXLINE 347  // characters of a line taken from the command widget

extern Widget Command_dialog;              // the Command dialog, null until built
extern Widget Cmd_entry_widget;            // the command widget "cmdwidg", null until built
extern Widget Cmd_entry_text;              // its text field
extern Widget Cmd_play_tggl;
extern Widget Cmd_playfile_text;
extern Widget Cmd_interrupt_but;
extern Widget Cmd_step_but;
extern Widget Cmd_skip_but;
extern Widget Cmd_continue_but;
extern Widget Cmd_delay_text;
extern Widget Cmd_delayrefresh_tggl;
extern Widget Cmd_record_tggl;
extern Widget Cmd_recordfile_text;
extern Widget Cmd_recordpartselect_optmen;
extern Widget Cmd_dismiss_but;
extern Menu_item_rec Cmd_recordpartselect_menu[2];  // "Name" (0), "Number" (1)

extern Widget Cmd_map_dialog;              // newest mapping dialog, null until built
extern Widget Cmd_mapdirect_lbl;
extern Widget Cmd_mapl1tol2_button;
extern Widget Cmd_maplist1_lbl;
extern Widget Cmd_maplist1_list;
extern Widget Cmd_maplist2_lbl;
extern Widget Cmd_maplist2_list;

// Builds the Command dialog (once) under the first main window; nothing
// while the main window does not exist.
void cmd_gen_interf();
// Builds a new mapping dialog.
void cmd_gen_mapdialog();
// Shows the newest mapping dialog.
void cmd_mapdialog_show_motif();
// Puts the directions and the two lists into the mapping dialog.
void cmd_mapdialog_fill_motif(const std::string &label, const std::vector<std::string> &list1,
                               const std::vector<std::string> &list2);
// Selected 1-based positions of List 1 (which 1) or List 2 (which 2); false
// when nothing is selected there.
bool cmd_maplist_selected_motif(int which, std::vector<int> *positions);

// Executes line through the command widget as if typed: it enters the
// history, runs and is recorded. cmd_process's result, or -2 when the
// widget does not exist.
int cmd_entry_execute_motif(const char *line);
// Shows line in the command entry without running it.
void cmd_entry_show_motif(const char *line);
// A recorded line enters the history and the record files; it is not run.
// Result as cmd_record_to_file.
int cmdrec_motif(const char *line);
// Shows the field values; 0 when the dialog does not exist, else 1.
struct Cmd_interf_fields;
int cmdinterf_set_fields_motif(const Cmd_interf_fields *fields);
// Sets the Record toggle (with or without notification).
void cmdrec_toggle_motif(int on, int notify);
// Sets the Play toggle (with or without notification).
void cmdplay_toggle_motif(int on, int notify);
// Shows the played file's name in the play-file field.
void cmdplay_showfile_motif(const char *name);

// Callbacks.
void cmd_play_initCB(Widget w, XtPointer client, XtPointer call);
void cmd_dismissCB(Widget w, XtPointer client, XtPointer call);
void cmd_enter_routCB(Widget w, XtPointer client, XtPointer call);
void cmd_rec_routCB(Widget w, XtPointer client, XtPointer call);
void cmd_playmodeCB(Widget w, XtPointer client, XtPointer call);
void cmd_playinterruptCB(Widget w, XtPointer client, XtPointer call);
void cmd_playstepCB(Widget w, XtPointer client, XtPointer call);
void cmd_playskipCB(Widget w, XtPointer client, XtPointer call);
void cmd_playcontinueCB(Widget w, XtPointer client, XtPointer call);
void cmd_playdelayCB(Widget w, XtPointer client, XtPointer call);
void cmd_delay_refreshCB(Widget w, XtPointer client, XtPointer call);
void cmdrec_modeCB(Widget w, XtPointer client, XtPointer call);
void cmdrec_partseltype_chngCB(Widget w, XtPointer client, XtPointer call);
void cmd_chng_macpathCB(Widget w, XtPointer client, XtPointer call);
void cmd_map_closeCB(Widget w, XtPointer client, XtPointer call);
void cmd_map_list1tolist2CB(Widget w, XtPointer client, XtPointer call);

// The Play toggle switched: on opens the file selection for a file to
// play; off stops all playback.
void cmd_playmode();
void cmd_getfile_and_play();
void cmd_cancel_play();
// The Record toggle switched: on opens the record file named in the
// record-file field; off closes the record file.
void cmdrec_mode();
// Re-reads the key macros and refreshes the dialog; 1.
int cmd_chng_macpath();

// Fills the Command dialog entries of the Motif screen and the command
// language's dialog hooks.
void command_dialog_screen(Screen_ops *ops);
