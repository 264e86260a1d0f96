// The Motif screen: the services the logic asks of a screen, carried out by
// the main window's boxes, prompts, event loop, graphics windows and Command
// dialog, and the dialog refreshers the logic modules call.  Installed once
// by interf_init; the services answer "could not" until the main window is
// realised, so the console serves before that.
#include "ui/screen_motif.h"

#include "client/cases.h"
#include "client/conect.h"
#include "data/data_dlog.h"
#include "data/partbuild.h"
#include "data/ui/data_windep.h"
#include "query/ui/query_menu.h"
#include "query/ui/queryfile.h"
#include "render/redraw.h"
#include "render/entlbl.h"
#include "render/part_show.h"
#include "render/ui/entlbl_dialog.h"
#include "render/ui/part_show_window.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "parts/ui/part_detedit_windep.h"
#include "parts/ui/qedit_part.h"
#include "ui/case_menu.h"
#include "ui/command_dialog.h"
#include "ui/connect_dialog.h"
#include "ui/event_loop.h"
#include "ui/file_select.h"
#include "ui/general_windep.h"
#include "render/display_toggles.h"
#include "render/ui/view_menu.h"
#include "ui/main_toggles.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/message_window.h"
#include "ui/part_list.h"
#include "ui/prompt.h"
#include "ui/transf_buttons.h"
#include "ui/window_codes.h"
#include "view/frame_logic.h"
#include "view/frames.h"
#include "view/ui/frame_panel.h"
#include "view/ui/transf_feedback_windep.h"
#include "view/ui/viewer_section.h"
#include "view/ui/viewport_panel.h"
#include "view/view_cmdproc.h"
// z-clip section and stored views
#include "view/stored_views.h"
#include "view/ui/zclip_section.h"

static Screen_ops Motif_screen;

// A shown error box comes back to the top.
static int motif_error_raise() {
  if (!Err_dialog || !XtIsManaged(Err_dialog)) return 0;
  XtUnmanageChild(Err_dialog);
  XtManageChild(Err_dialog);
  return 1;
}

static int motif_message_hide() {
  unmanage_message_dialogCB(nullptr, nullptr, nullptr);
  return 1;
}

// The main part list follows a change of the case table (case_changed 0)
// only when it lists all cases, a change of the current case (1) only when
// it lists the current case.
static void part_list_case_refresh(int case_changed) {
  if ((Prtfrm_listbytype == 1) == (case_changed != 0)) mainprt_list_refresh();
}

// The reader dialogs belong to the case that was current.
static void hide_reader_dialogs() {
  Widget loaders[] = {File_genericdata_dialog, File_tarvdata_dialog, File_abaqusdata_dialog, File_n3sdata_dialog,
                      File_estetvctbld_dialog, File_plot3ddata_dialog};
  for (Widget w : loaders)
    if (w && XtIsManaged(w)) XtUnmanageChild(w);
}

// A failed read shows the File Selection dialog again, when it exists.
static void fileselect_show() {
  if (Fileselect_dialog) XtManageChild(Fileselect_dialog);
}

static void query_menus() {
  queryfile_init();
  query_showinfo_init();
}

void screen_motif_install() {
  Motif_screen = Screen_ops{};
  general_windep_screen(&Motif_screen);
  prompt_screen(&Motif_screen);
  event_loop_screen(&Motif_screen);
  window_codes_screen(&Motif_screen);
  command_dialog_screen(&Motif_screen);
  Motif_screen.error_raise = motif_error_raise;
  Motif_screen.message_hide = motif_message_hide;
  screen_install(&Motif_screen);

  Case_windep.case_list = caselist_updt;
  Case_windep.case_select = case_select_pos;
  Case_windep.viewport_visibility = case_viewpvis_init;
  Case_windep.part_list = part_list_case_refresh;
  Case_windep.data_section = file_data_init;
  Case_windep.query_menus = query_menus;
  Case_windep.hide_reader_dialogs = hide_reader_dialogs;
  Data_fileselect_show = fileselect_show;
  Data_partlist_refresh = mainprt_list_refresh;
  data_windep_install();
  connect_fields_windep = connect_init;
  transf_buttons_windep = qedit_transformbutrefresh_windep;
  // frames: the panel filler of the frame logic, the frame dialogs' fillers
  // and the colour chooser
  Frame_windep.panel = frame_genericattr_windep;
  frame_dialogs_install();
  toggle_stereo_buffer_windep = toggle_stereo_buffer;
  Data_setup_format_windep = data_setup_format_windep;
  viewport_windep_install();
  Data_showinfo_hook = query_showinfo_init;
  Data_partlist_hook = mainprt_list_refresh;
  Entlbl_dialog_windep = entlbl_dialog_windep;
  Part_show_window_size = part_show_window_size;
  Part_apply_windep.mainprt_list_refresh = mainprt_list_refresh;
  Part_apply_windep.editor_list_refresh = part_list_refresh;
  Part_apply_windep.partinterf_refresh = mainprt_partinterf_refresh;
  // part detailed editor
  part_detedit_windep_install();
  // quick-edit part panel: its notes, node popup and node variable menu; the
  // part logic reads the main list's selection through selected_parts
  qedit_part_windep_install();
  part_selected_parts_windep = selected_parts;
  // z-clip section and stored views
  zclip_windep_install();
  Stored_views_control_key = &Quivane_cntrlkey_down;
  // display toggles: the View menu, the main view and tool toggles, the overlay prompt
  View_menu_windep = view_menu_init_windep;
  Main_viewtggls_windep = main_viewtggls_init;
  Main_tooltggls_windep = main_tooltggls_init;
  View_hline_prompt_windep = view_genhline_prompt;
  // Transformation Editor: tool-position area
  transf_feedback_windep_install();
  viewer_windep_install();
}
