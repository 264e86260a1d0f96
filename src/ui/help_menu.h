// The "Help" pulldown of the main menu bar, the help callback that every
// dialog's Help button uses, and the version dialog.  Help topics are the
// base names of PDF documents under "<installation>/doc/OnlineHelp"; a
// topic is shown by starting the viewer "<installation>/doc/Acrobat/bin/acroread"
// in the background, each path handed over as one argument.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

#define HELP_MENU_ROWS 11
#define HELP_VIEWER_HEIGHT 984        // viewer window height, pixels
#define HELP_VIEWER_SMALL_HEIGHT 745  // with -smallscreen

extern Menu_item_rec Help_menu[HELP_MENU_ROWS];  // the pulldown's rows; widgets set when built
extern Widget Version_dialog;                    // "VersionDialog", null until first shown

// Builds the "Help" pulldown and makes it the menu bar's help entry.
void create_help_interf(Widget menubar);
// Help callback: client data is the topic (a C string), null = no help here.
void info_manCB(Widget w, XtPointer topic, XtPointer call);
// Starts the viewer on topic without waiting for it; 0, or -1 when no
// process could be started or the paths do not fit.
int help_show_topic(const char *topic);
void version_dialog_manageinitCB(Widget w, XtPointer client, XtPointer call);
void version_gen_dialog();
