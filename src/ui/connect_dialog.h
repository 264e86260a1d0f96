// The Connect Server dialog: shows and edits the connection settings of the
// working slot (Con_prog), connects its server, and shows the connection
// status and the byte totals exchanged with the servers. Once a server has
// been connected in the run it edits the defaults (slot 0) instead. What
// Apply does is connect_apply_fields' (conect.h); this module holds the
// widgets and wires them.
#pragma once

#include <X11/Intrinsic.h>

#include "ui/menus.h"

extern Widget Connect_dialog;        // form dialog "ConnectDialog", null until built
extern Widget Conn_status;           // status field
extern Widget Con_type_optmen;       // "Type": Auto, Manual
extern Widget Conn_mach_lbl, Conn_mach_text;
extern Widget Conn_exec_lbl, Conn_exec_text;
extern Widget Conn_workdir_lbl, Conn_workdir_text;
extern Widget Conn_loginid_lbl, Conn_loginid_text;
extern Widget Conn_connect_but;      // "Connect Server" / "Update Server Defaults"
extern Widget Conn_showdefault_but;  // "Show Server Defaults"
extern Widget Conn_transf_lbl;
extern Widget Conn_transum_frm;
extern Widget Con_datasumsent_text;
extern Widget Con_datasumrecv_text;
extern Widget Conn_dismiss;
extern Menu_item_rec Con_type_menu[2];  // "Auto" (0), "Manual" (1)

// Builds the dialog (first use only).
void gen_conn_dialog();
// Fills the dialog from the working slot; nothing when it is not shown.
void connect_init();
// Enables the four setting fields and their labels for 0 (Auto), disables
// them otherwise.
void connect_type_sens(int manual);
// Applies the dialog: connect_apply_fields with its fields and type; hides
// the dialog after a connection was made.
int connect_apply();
// Writes the byte totals into the counter fields when the dialog is shown.
void connect_sum_bytupdt();

// Callbacks.
void connect_remoteCB(Widget w, XtPointer slot, XtPointer call);
void connect_show_defaultsCB(Widget w, XtPointer client, XtPointer call);
void connect_type_sensCB(Widget w, XtPointer manual, XtPointer call);
void connect_applyCB(Widget w, XtPointer client, XtPointer call);
void connect_cancelCB(Widget w, XtPointer client, XtPointer call);
