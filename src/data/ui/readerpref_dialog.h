// The "Data Reader Preferences" dialog: the list of reader formats, each
// marked offered "(*)" or removed "( )", and the default reader field. The
// rows, their marks and the file belong to data/reader_prefs; the dialog
// shows them through Datareadpref_windep, which it sets when it is built.
#pragma once

#include <X11/Intrinsic.h>

#define DATAREADPREF_DEFAULT_COLUMNS 20
#define DATAREADPREF_DEFAULT_MAXLEN 19  // "FAST UNSTRUCTURED" and user-defined reader names fit

extern Widget Data_readerpref_dialog;       // "DataReadPrefDialog", null until first opened
extern Widget Data_readerprefdefault_text;  // "DataReadPrefDefaultText"
extern Widget Data_readerpref_list;         // "DataReadPrefList"

// Builds the dialog (unmanaged) and connects it to the logic; once.
void gen_datareaderpref_dialog();
// Prefs "Data Reader Formats...": with the current case's server connected,
// builds the dialog on first use, shows it and fills it; otherwise an error box.
void datareaderpref_manageCB(Widget w, XtPointer client, XtPointer call);
// The list's selection and activation: flips the selected readers.
void datareadpref_tggl_visCB(Widget w, XtPointer client, XtPointer call);
// "  Save  ": writes the user's preference file, then hides the dialog.
void datareadpref_saveCB(Widget w, XtPointer client, XtPointer call);
// "  Cancel  " and the window manager's close: hides the dialog.
void datareadpref_cancelCB(Widget w, XtPointer client, XtPointer call);
