// The category table Cmds_cat and the keyword tables of "command:",
// "connect:" and "case:". The row order of Cmds_cat is fixed: recorders, the
// recorded lines and other modules address categories by their index. Only
// the refresh-needed fields change at run time.
#include "client/cmd_tables.h"

#include <strings.h>

#include <cstdio>

#include "anim/anim_cmdproc.h"
#include "client/command_dlog.h"
#include "data/data_cmdproc.h"
#include "derived/derived_cmdproc.h"
#include "flow/flow_cmdproc.h"
#include "interact/interact_cmdproc.h"
#include "output/output_cmdproc.h"
#include "palette/palette_cmdproc.h"
#include "parts/parts_cmdproc.h"
#include "query/query_cmdproc.h"
#include "render/render_cmdproc.h"
#include "state/state_cmdproc.h"
#include "client/screen.h"
#include "variables/variables_cmdproc.h"
#include "view/view_cmdproc.h"
#include "view/frame_cmdproc.h"  // "frame:"

static const Cmd_option_rec Cmd_partsel_options[] = {
    {"number", 1},
    {"name", 0},
    {"", -99},
};

const Cmd_keyword_rec Cmds_cmd[] = {
    {"delay", 1, 'd', 0, COMMAND_DELAY, nullptr},
    {"macro_path", 1, 's', 0, COMMAND_MACRO_PATH, nullptr},
    {"show_cmds", 0, 'z', 1, CMD_NO_COMMAND, nullptr},
    {"delay_refresh", 1, 'n', 0, COMMAND_DELAY_REFRESH, nullptr},
    {"part_selection_by", 1, 's', 0, COMMAND_PART_SELECTION_BY, Cmd_partsel_options},
    CMD_KEYWORD_END,
};

static const Cmd_option_rec Connect_type_options[] = {
    {"auto", 0},
    {"manual", 1},
    {"", -99},
};

const Cmd_keyword_rec Cmds_connect[] = {
    {"type", 1, 's', 0, CONNECT_TYPE, Connect_type_options},
    {"machine", 1, 's', 0, CONNECT_MACHINE, nullptr},
    {"executable", 1, 's', 0, CONNECT_EXECUTABLE, nullptr},
    {"directory", 1, 's', 0, CONNECT_DIRECTORY, nullptr},
    {"connect", 0, 'z', 0, CONNECT_CONNECT, nullptr},
    {"backend", 0, 'z', 0, CONNECT_BACKEND, nullptr},
    {"plotter", 0, 'z', 0, CONNECT_PLOTTER, nullptr},
    {"login_id", 1, 's', 0, CONNECT_LOGIN_ID, nullptr},
    {"default", 0, 'z', 0, CONNECT_DEFAULT, nullptr},
    CMD_KEYWORD_END,
};

const Cmd_keyword_rec Cmds_case[] = {
    {"select", 1, 's', 0, CASE_SELECT, nullptr},
    {"add", 1, 's', 0, CASE_ADD, nullptr},
    {"replace", 2, 's', 0, CASE_REPLACE, nullptr},
    {"delete", 1, 's', 0, CASE_DELETE, nullptr},
    {"viewports", 1, 's', 0, CASE_VIEWPORTS, nullptr},
    CMD_KEYWORD_END,
};

// name, processor, alternate processor, special recorder, refresh needed,
// refresh function, keyword table
Cmd_category_rec Cmds_cat[CMD_NCATEGORIES + 1] = {
    {"data:", data_cmdproc, data_cmdproc, cmd_test_rec, 0, file_ref, Cmds_data},
    {"file:", file_cmdproc, file_cmdproc, cmd_test_rec, 0, file_ref, Cmds_file},
    {"clip:", clip_cmdproc, clip_cmdproc, clip_cmdrec, 0, part_ref, Cmds_clip},
    {"contour:", contour_cmdproc, contour_cmdproc, cmd_test_rec, 0, part_ref, Cmds_contour},
    {"dpart:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, part_ref, Cmds_dpart},
    {"isos:", iso_cmdproc, iso_cmdproc, cmd_test_rec, 0, part_ref, Cmds_isos},
    {"profile:", profile_cmdproc, profile_cmdproc, cmd_test_rec, 0, part_ref, Cmds_profile},
    {"ptrace:", trace_cmdproc, trace_cmdproc, trace_cmdrec, 0, part_ref, Cmds_ptrace},
    {"ptrace_emitr:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, gen_refresh,
     Cmds_ptrace_emitter},
    {"part:", part_cmdproc, part_cmdproc, part_cmdrec, 0, part_ref, Cmds_part},
    {"vctarrow:", vctarrow_cmdproc, vctarrow_cmdproc, cmd_test_rec, 0, part_ref, Cmds_vctarrow},
    {"elevsurf:", elevsrf_cmdproc, elevsrf_cmdproc, cmd_test_rec, 0, part_ref, Cmds_elevsrf},
    {"frame:", frame_cmdproc, frame_cmdproc, frame_cmdrec, 0, frame_ref, Cmds_frame},
    {"text:", annot_text_cmdproc, annot_text_cmdproc, cmd_test_rec, 0, annot_text_ref, Cmds_text},
    {"line:", annot_line_cmdproc, annot_line_cmdproc, cmd_test_rec, 0, annot_line_ref, Cmds_line},
    {"legend:", annot_lgnd_cmdproc, annot_lgnd_cmdproc, cmd_test_rec, 0, annot_lgnd_ref,
     Cmds_legend},
    {"logo:", annot_logo_cmdproc, annot_logo_cmdproc, cmd_test_rec, 0, annot_logo_ref, Cmds_logo},
    {"nvc:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, gen_refresh, Cmds_logo},
    {"anim_traces:", traceanim_cmdproc, traceanim_cmdproc, traceanim_cmdrec, 0, traceanim_ref,
     Cmds_atrace},
    {"anim_flipbook:", intrflipb_cmdproc, intrflipb_cmdproc, cmd_test_rec, 0, intrflipb_ref,
     Cmds_flip},
    {"set_visenv:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, gen_refresh, Cmds_elevsrf},
    {"set_tdata:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, gen_refresh, Cmds_elevsrf},
    {"function:", fncedt_cmdproc, fncedt_cmdproc, cmd_test_rec, 0, fncedt_ref, Cmds_func},
    {"view_transf:", transf_cmdproc, cmd_test_proc, cmd_test_rec, 0, transf_ref, Cmds_viewtransf},
    {"model:", model_cmdproc, model_cmdproc, cmd_test_rec, 0, part_ref, Cmds_model},
    {"connect:", connect_cmdproc, connect_cmdproc, cmd_test_rec, 0, connect_ref, Cmds_connect},
    {"anim:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, gen_refresh, Cmds_logo},
    {"anim_keyframe:", keyf_cmdproc, keyf_cmdproc, cmd_test_rec, 0, keyf_ref, Cmds_keyf},
    {"anim_screens:", keyfvwin_cmdproc, keyfvwin_cmdproc, cmd_test_rec, 0, keyfvwin_ref,
     Cmds_screen},
    {"anim_recorders:", keyfrec_cmdproc, keyfrec_cmdproc, cmd_test_rec, 0, keyfrec_ref,
     Cmds_record},
    {"define:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, gen_refresh, Cmds_logo},
    {"annot_backgr:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, gen_refresh, Cmds_baccol},
    {"data_partbuild:", databld_cmdproc, databld_cmdproc, cmd_test_rec, 0, dpbld_ref,
     Cmds_partbuild},
    {"solution_time:", soltime_cmdproc, soltime_cmdproc, cmd_test_rec, 0, soltime_ref,
     Cmds_soltime},
    {"tools:", tools_cmdproc, tools_cmdproc, cmd_test_rec, 0, tools_ref, Cmds_tools},
    {"annotation:", annot_cmdproc, annot_cmdproc, cmd_test_rec, 0, annot_ref, Cmds_anno},
    {"command:", cmd_cmdproc, cmd_showcmds, cmd_test_rec, 0, cmd_ref, Cmds_cmd},
    {"view:", view_cmdproc, view_cmdproc, cmd_test_rec, 0, view_ref, Cmds_view},
    {"query_ent_var:", intrquery_cmdproc, intrquery_cmdproc, intrquery_cmdrec, 0, intrquery_ref,
     Cmds_qryev},
    {"annot_entlbl:", entlbl_cmdproc, entlbl_cmdproc, cmd_test_rec, 0, entlbl_ref, Cmds_entlbl},
    {"plot:", plot_cmdproc, plot_cmdproc, cmd_test_rec, 0, plot_ref, Cmds_qryplt},
    {"show_info:", query_info_cmdproc, query_info_cmdproc, cmd_test_rec, 0, query_info_ref,
     Cmds_qryinfo},
    {"nplot:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, gen_refresh, Cmds_qryinfo},
    {"variables:", var_cmdproc, var_cmdproc, cmd_test_rec, 0, var_ref, Cmds_vars},
    {"savegeom:", savegeom_cmdproc, savegeom_cmdproc, cmd_test_rec, 0, savegeom_ref,
     Cmds_savegeom},
    {"devsrf:", devsrf_cmdproc, devsrf_cmdproc, cmd_test_rec, 0, part_ref, Cmds_devsrf},
    {"case:", case_cmdproc, case_cmdproc, cmd_test_rec, 0, case_ref, Cmds_case},
    {"curve:", plotcrv_cmdproc, plotcrv_cmdproc, cmd_test_rec, 0, plotcrv_ref, Cmds_qrycrv},
    {"viewport:", viewp_cmdproc, viewp_cmdproc, cmd_test_rec, 0, viewp_ref, Cmds_viewp},
    {"query_interact:", intrprobeq_cmdproc, intrprobeq_cmdproc, cmd_test_rec, 0, intrprobeq_ref,
     Cmds_queryint},
    {"format:", format_cmdproc, format_cmdproc, cmd_test_rec, 0, format_ref, Cmds_format},
    {"test:", cmd_test_proc, cmd_test_proc, cmd_test_rec, 0, gen_refresh, Cmds_elevsrf},
    {"varextcfd:", varcfd_cmdproc, varcfd_cmdproc, cmd_test_rec, 0, varcfd_ref, Cmds_cfdvars},
    {"shell:", cmd_shell_proc, cmd_shell_proc, cmd_test_rec, 0, gen_refresh, Cmds_format},
    {"prefs:", prefs_cmdproc, prefs_cmdproc, cmd_test_rec, 0, prefs_ref, Cmds_prefs},
    {"subset:", subset_cmdproc, subset_cmdproc, subset_cmdrec, 0, part_ref, Cmds_subset},
    {"tensor:", tensor_cmdproc, tensor_cmdproc, cmd_test_rec, 0, part_ref, Cmds_tensor},
    {"", nullptr, nullptr, nullptr, 0, nullptr, nullptr},
};

int cmd_find_category(const char *word) {
  if (!word) return -1;
  for (int i = 0; Cmds_cat[i].name[0]; i++)
    if (strcasecmp(Cmds_cat[i].name, word) == 0) return i;
  return -1;
}

int cmd_keyword_count(const Cmd_keyword_rec *table) {
  int n = 0;
  if (table)
    while (table[n].keyword[0]) n++;
  return n;
}

int cmd_refuse_unbuilt(int cat_index, const char *keyword) {
  char msg[400];
  const char *cat = (cat_index >= 0 && cat_index < CMD_NCATEGORIES) ? Cmds_cat[cat_index].name : "";
  snprintf(msg, sizeof msg, "%s %s - Bad parameter", cat, keyword ? keyword : "");
  disperr(msg);
  Command_proc_err = 1;
  return -1;
}

void cmd_clear_refresh(int cat_index) {
  if (cat_index >= 0 && cat_index < CMD_NCATEGORIES) Cmds_cat[cat_index].refresh_needed = 0;
}
