// Display toggles (see view_toggles.h).  Owns What_is_pick_mode.  A toggle
// never records a state it does not reach: the line describes the new
// state and precedes the switch, except for the clip plane, whose line
// follows it.
#include "render/view_toggles.h"

#include <cstdio>

#include "client/command_dlog.h"
#include "client/defaults.h"
#include "client/screen.h"
#include "flow/anim_trace.h"
#include "interact/support.h"
#include "interact/tools.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "render/disobj.h"
#include "render/glyphs.h"
#include "render/render_cmdproc.h"
#include "view/frames.h"
#include "view/transf_quadric.h"
#include "view/viewports.h"

int What_is_pick_mode = 0;
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, What_is_pick_mode);

static const char *const Working = "**Working...**";

// "<category> <keyword> <value>" while recording is on.
static void record(const char *category, const char *keyword, const char *value) {
  if (Recrdr != 1) return;
  char line[128];
  snprintf(line, sizeof line, "%s %s %s", category, keyword, value);
  cmdrec(line);
}

// The state a toggle turns a switch to: off from 1, on from anything else.
static int opposite(int setting) { return setting == 1 ? 0 : 1; }

// Records the new state of a switch and hands it to the engine operation,
// with the working cursor shown when busy is set.
static void flip(int setting, const char *category, const char *keyword, void (*engine)(int),
                 bool busy) {
  int on = opposite(setting);
  if (busy) set_working_cursor(Working);
  record(category, keyword, on ? On : Off);
  engine(on);
  if (busy) unset_working_cursor();
}

void tggl_hsrf() { flip(Solidt, "view:", "hidden_surface", solid, true); }
void tggl_persp() { flip(Person, "view:", "perspective", pers_toggle, true); }
void tggl_light() { flip(Software_light, "view:", "static_lighting", light_soft_toggle, true); }
void tggl_nodlbl() { flip(Labnod, "annotation:", "node_labeling", node_toggle, true); }
void tggl_elmlbl() { flip(Labele, "annotation:", "element_labeling", elem_toggle, true); }
void tggl_lgnd2() { flip(Legenf, "annotation:", "legend", legend_toggle, false); }
void tggl_text() { flip(Txttog, "annotation:", "text_display", text_togg, false); }

static void cursor_tool(int on) { widget_toggle(3, on); }
static void line_tool(int on) { widget_toggle(4, on); }
static void plane_tool(int on) { widget_toggle(5, on); }
void tggl_curs() { flip(Curson, "tools:", "cursor", cursor_tool, false); }
void tggl_line() { flip(Lineon, "tools:", "line", line_tool, false); }
void tggl_plane() { flip(Planon, "tools:", "plane", plane_tool, false); }

void tggl_autolegend() {
  set_working_cursor(Working);
  auto_legend_replace_toggle(opposite(Auto_legend_replace));
  unset_working_cursor();
}

void tggl_auxclip() {
  int on = opposite(Plane_clipp_toggle);
  if (on) tools_manage_oneatatime(2);
  user_clip_toggle(on);
  record("view:", "clipping", on ? On : Off);
}

void tggl_axis(int which) {
  int *axis = which == 1 ? &Axiso1 : which == 0 ? &Axiso2 : &Axiso3;
  const char *keyword = which == 1 ? "axis_local" : which == 0 ? "axis_global" : "axis_model";
  void (*engine)(int) = which == 1   ? toggle_local_axis
                        : which == 0 ? toggle_global_axis
                                     : toggle_direction_axis;
  flip(*axis, "annotation:", keyword, engine, false);
  viewports_display_all();
}

void tggl_surface(int on, int kind) {
  static const char *const names[5] = {"none", "cylinder", "sphere", "cone", "revolution"};
  if (on != 1 || kind < 0 || kind > 4) kind = 0;
  record("tools:", "quadric", names[kind]);
  widget_toggle(6, kind);
  transf_refreshby_quadricdependency();
  tools_adjust_dep_srftggls(kind);
}

void tggl_hlin() {
  if (Hlinet != 1 && Solidt == 1 && View_hline_prompt_windep)
    View_hline_prompt_windep();
  else
    tggl_hline_doit(Hlinet != 1 ? 1 : 0, 0, 1.0f, 1.0f, 1.0f);
}

void tggl_hline_doit(int on, int specify, float r, float g, float b) {
  set_working_cursor(Working);
  if (on && specify == 1 && Recrdr == 1) {
    char line[128];
    snprintf(line, sizeof line, "%s %s %s %.4e %.4e %.4e", "view:", "hidden_line", On, r, g, b);
    cmdrec(line);
  } else {
    record("view:", "hidden_line", on ? On : Off);
  }
  hidden_line_colors(&r, &g, &b, &specify, 1);
  toggle_hidden_line(on ? 1 : 0);
  unset_working_cursor();
}

void view_partpick_chng(int mode, int do_not_record) {
  What_is_pick_mode = mode;
  if (do_not_record) return;
  for (const Cmd_option_rec *o = view_pmodes; o->keyword[0]; o++)
    if (o->value == mode) return record("view:", "pick_mode", o->keyword);
}

void view_mod_fastdisplay(int on) {
  box_toggle(&on, 1);
  record("view:", "fast_display", on ? On : Off);
}

void view_mod_fastdisplaymode(int is_static) { static_box_toggle_preference(&is_static, 1); }
