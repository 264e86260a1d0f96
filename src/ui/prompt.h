// Prompts for one typed value: the modal one_line_prompt_dialog (plain and
// file-name forms) and the non-waiting prompt_user, which calls the caller's
// routines.  Both dialogs of each kind are built on the first call and kept.
#pragma once

#include <Xm/Xm.h>

#include "client/screen.h"

extern Widget Main_prompt_dialog;       // modal plain prompt
extern Widget Main_prompt_label;
extern Widget Text_entry_widget;
extern Widget Main_fileprompt_dialog;   // modal file-name prompt
extern Widget Main_fileprompt_label;
extern Widget Text_fileentry_widget;
extern Widget User_prompt_dialog;       // non-waiting plain prompt
extern Widget Userp_label;
extern Widget Userp_entry_text;
extern Widget Userp_ok_button;
extern Widget Userp_cancel_button;
extern Widget User_fileprompt_dialog;   // non-waiting file-name prompt
extern Widget Userp_file_label;
extern Widget Userp_fileentry_text;
extern Widget Userp_fileok_button;
extern Widget Userp_filecancel_button;

// Shows the prompt with buf's content as the proposed answer and waits.  On
// return buf (size bytes with the NUL) holds the answer, or "" after Cancel,
// an empty field or a refused answer.  file 1 selects the file-name form.
void one_line_prompt_dialog(Widget parent, const char *label, const char *title, char *buf,
                            int size, int unused1, int unused2, int file);
void one_line_file_select(Widget w, XtPointer client, XtPointer call);
// Shows the non-waiting prompt; okcb / cancelcb read and close it themselves.
void prompt_user(Widget parent, const char *label, const char *title, XtCallbackProc okcb,
                 XtCallbackProc cancelcb, int size, int unused1, int unused2, int file);
void prompt_user_file_select(Widget w, XtPointer client, XtPointer call);

// Fills the prompt entry of the Motif screen.
void prompt_screen(Screen_ops *ops);
