// Windows and dialog holders that the message boxes, prompts, the dialog
// registry and the widget helpers read but other modules build: the message
// window, the registered dialogs and their builders, and the time line (the
// start-up, main-window and graphics-window globals come from the headers
// included below).  Everything here starts
// empty (null widgets, window 0, pixel 0); the owning modules fill it in.
// The definitions in mainwin_state.cpp are weak, so that the owning module's
// own definition takes over when it is linked in.
#pragma once

#include <X11/Intrinsic.h>

// ---- interface start-up, main window, graphics windows ---------------------
// Declared by their owning modules; included here for the readers of this
// header.
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/window_codes.h"

// ---- message window, large part list, legend visibility dialog --------------
#include "ui/legend_visibility.h"
#include "ui/main_toggles.h"
#include "ui/message_window.h"

// ---- registered dialogs (the registry's widget holders) --------------------
extern Widget Transformation_dialog;
extern Widget Command_dialog;
extern Widget Connect_dialog;
extern Widget Query_file_dialog;
extern Widget File_genericdata_dialog;
extern Widget File_tarvdata_dialog;
extern Widget File_n3sdata_dialog;
extern Widget File_estetdata_dialog;
extern Widget File_estetvctbld_dialog;
extern Widget File_plot3ddata_dialog;
extern Widget Detaileditor_dialog;
extern Widget Graphics_show_dialog;
extern Widget Fileselect_dialog;

// Builders of the registered dialogs.  Until their modules exist they build
// nothing and leave their holder null.
void transf_gen_dialog();
void cmd_gen_interf();
void gen_conn_dialog();
void gen_query_file();
void gen_genericread_dialog();
void gen_tarv5read_dialog();
void gen_n3sread_dialog();
void gen_estetread_dialog();
void gen_estetvctbld_dialog();
void gen_plot3dread_dialog();
void gen_detailed_dialog();
void gen_filesel_dialog();

// ---- expandable sections' widget holders ------------------------------------
extern Widget Parts_create_arobut;
extern Widget Trace_timstpdet_arobut;
extern Widget Parts_general_arobut;
extern Widget Parts_ndelmlin_arobut;
extern Widget Parts_disp_arobut;
extern Widget Fileselect_case_arobut;
extern Widget File_plot3diblankinfo_form;
extern Widget File_genericiblankinfo_form;
extern Widget File_estetiblankinfo_form;

// ---- File Selection dialog ----------------------------------------------------
// Opens the File Selection dialog for a purpose with up to three target
// fields; 1 when shown, -1 when refused (always refused until it exists).
int fsel_select(int purpose, Widget *field1, Widget *field2, Widget *field3, int unused,
                void (*apply)(), void (*cancel)());

// ---- time line ----------------------------------------------------------------
extern int Time_tot_steps;     // entries of the overall time line, 0 when none
extern float Soltime_curstep;  // current step
extern float Soltime_cursimt;  // current simulation time
