// The PLOT3D part loader (see plot3d_loader.h). Owns the pending read
// settings of the "data:" commands and the dialog hooks; the zone table is
// the geometry read's (data_read.h), the part-build text readcmds'.
//
// Each creation runs from the dialog (flag 0: fields read and checked, the
// equivalent "data_partbuild:" lines recorded once every check has passed)
// or from "data_partbuild:" (flag 1: the pending values, checked against
// the zones, nothing recorded). Both build the part-build text; a part
// that was made keeps a copy naming its own zone and, when several zones
// were chosen, its own whole range.
#include "data/plot3d_loader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "data/builders.h"
#include "data/data_dlog.h"
#include "data/data_read.h"
#include "data/part_create.h"
#include "data/partbuild.h"
#include "data/pbuild.h"
#include "data/readcmds.h"
#include "state/partbuild_text.h"

Plot3d_read_settings_rec Data_plot3d_cmdflags = {0, 0, 0, 0};
Generic_loader_windep_rec Plot3d_loader_windep = {};
Plot3d_read_windep_rec Plot3d_read_windep = {};

void data_plot3d_readinfo(Plot3d_read_settings_rec *rec, int mode) {
  if (mode == 0)
    *rec = Data_plot3d_cmdflags;
  else
    Data_plot3d_cmdflags = *rec;
}

static bool dialog_shown() {
  return Plot3d_loader_windep.shown && Plot3d_loader_windep.shown() == 1;
}

// The maxima of zone z (from 1) of the current case; false when it has none.
static bool zone_dims(int z, int dims[3]) {
  int c = Case_num;
  if (z < 1 || z > Plot3d_max_zones[c] || !Plot3d_max_x[c] || !Plot3d_max_y[c] || !Plot3d_max_z[c])
    return false;
  dims[0] = Plot3d_max_x[c][z - 1];
  dims[1] = Plot3d_max_y[c][z - 1];
  dims[2] = Plot3d_max_z[c][z - 1];
  return true;
}

// The part of a file name after its last "/".
static const char *base_name(const char *name) {
  const char *slash = strrchr(name, '/');
  return slash ? slash + 1 : name;
}

// ---- the read section and the zones ----------------------------------------------------

void data_plot3dread_init() {
  const int c = Case_num;
  const Plot3d_read_windep_rec &r = Plot3d_read_windep;
  const Generic_loader_windep_rec &w = Plot3d_loader_windep;
  std::string geom, result, meas;
  if (Gexist[c]) {
    geom = base_name(Data_geom_file[c]);
    result = base_name(Data_result_file[c]);
    meas = base_name(Data_meas_file[c]);
  } else {
    Data_fileselect_rec f{};
    if (Data_fileselect_get && Data_fileselect_get(&f) == 0) {
      geom = base_name(f.geom);
      result = base_name(f.result);
      meas = base_name(f.meas);
      server_byte_swap_toggle(&f.native, 1);
      Plot3d_read_settings_rec judged;
      if (plot3d_test(f.geom, f.path, &judged) == 1) {
        int *row = Data_plot3d_rflags[c];
        row[0] = judged.iblanked, row[1] = judged.multizone, row[2] = judged.read_as,
        row[3] = judged.dimension;
      }
    }
  }
  if (r.creation_sensitive) r.creation_sensitive(Gexist[c] ? 1 : 0);
  const int *row = Data_plot3d_rflags[c];
  Plot3d_read_settings_rec shown = {row[0], row[1], row[2], row[3]};
  if (r.show_read) r.show_read(geom.c_str(), result.c_str(), meas.c_str(), &shown, Gexist[c] ? 1 : 0);
  if (Gexist[c]) {
    data_plot3d_zoneinit();
    return;
  }
  for (int a = 0; a < 3; a++)
    for (int k = 0; k < 2; k++) {
      loader_set_field(w, GEN_RANGE + a * 3 + k, "");
      loader_set_field(w, GEN_MINMAX + a * 2 + k, "");
    }
  if (r.set_zones) r.set_zones(0);
  if (w.domain_rows) w.domain_rows(1, 1, 1);
  loader_set_field(w, GEN_ST_DESC, "");
}

void data_plot3d_zoneinit() {
  const Generic_loader_windep_rec &w = Plot3d_loader_windep;
  const Plot3d_read_windep_rec &r = Plot3d_read_windep;
  if (!dialog_shown()) return;
  std::vector<int> zones;
  if (w.selected) w.selected(GEN_LIST_PARTS, &zones);
  if (zones.empty()) {
    if (r.ijk_sensitive) r.ijk_sensitive(0, 0);
    return;
  }
  if (r.ijk_sensitive) r.ijk_sensitive(1, zones.size() == 1 ? 1 : 0);
  int dims[3];
  if (zones.size() == 1 && zone_dims(zones[0], dims)) loader_show_range(w, dims);
  loader_show_domains(w, shared_iblank_options((int)zones.size(), zones.data()));
}

// ---- the building period ---------------------------------------------------------------

void data_plot3dpartc_init(int flag) {
  const int c = Case_num;
  data_build_mark_start(flag, start_plot3d_part_create);
  if (!dialog_shown()) return;
  const Plot3d_read_windep_rec &r = Plot3d_read_windep;
  if (r.creation_sensitive) r.creation_sensitive(Gexist[c] ? 1 : 0);
  if (Recrdr == 1 && flag == 0) cmdrec("data_partbuild: begin");
  if (r.set_zones) r.set_zones(Plot3d_max_zones[c]);
  loader_show_elemrep(Plot3d_loader_windep);
  data_plot3dread_init();
  data_structiblankitems_refresh(LOADER_PLOT3D);
  data_structiblankparent_refresh(LOADER_PLOT3D);
}

void data_plot3d_dismiss(int flag) {
  loader_dismiss(Plot3d_loader_windep, flag, stop_plot3d_part_create);
}

// ---- structured parts ------------------------------------------------------------------

static void fail_command(bool dialog) {
  if (!dialog) Command_proc_err = 1;
}

// The text of a creation status other than 0; -1 and 2 as the server means them.
static const char *creation_error(int r) {
  if (r == -1) return "Error creating PLOT3D part: No elements found for selection criteria chosen.";
  if (r == 2) return "Error creating PLOT3D part: allocation or disk space problem with part map.";
  const char *text = data_build_error_text(r);
  return text ? text : "Error creating PLOT3D part.";
}

void data_plot3d_creatpart(int flag) {
  const Generic_loader_windep_rec &w = Plot3d_loader_windep;
  const bool dialog = flag == 0;
  Creation_lines lines{dialog, {}};
  pbuildcmds_clear();
  int ijk[9] = {}, domain = 1;
  std::vector<int> zones;
  char desc[PBLD_DESC_LEN] = "";
  if (dialog) {
    if (!dialog_shown()) return;
    loader_elemrep_apply(w);
    if (w.domain) domain = w.domain();
    if (w.selected) w.selected(GEN_LIST_PARTS, &zones);
  } else {
    int nsel = 0, *list = nullptr;
    plot3d_partbld_vals(ijk, &domain, desc, &nsel, &list, 0);
    if (list) zones.assign(list, list + nsel);
    free(list);
  }
  if (!lines.both(pbuild_line("plot3ddomain ") + pbuild_option_word(PBLD_PLOT3DDOMAIN, domain)))
    return fail_command(dialog);
  int dims[3] = {0, 0, 0};
  bool zones_ok = !zones.empty();
  for (int z : zones) zones_ok = zones_ok && zone_dims(z, dims);
  if (!zones_ok) {
    disperr("A zone must be selected to create a part.");
    return fail_command(dialog);
  }
  pbuild_record_selection(lines, zones, "plot3dselect_zone_begin", "plot3dselect_zone_end");
  if (!pbuild_append_selection(1, "plot3dselect_zone_begin", "plot3dselect_zone_end"))
    return fail_command(dialog);
  const bool several = zones.size() > 1;
  if (!several) {
    zone_dims(zones[0], dims);
    if (dialog ? !read_from_to(w, dims, ijk) : check_range(ijk, dims) < 0) return fail_command(dialog);
    static const char *const axes[3] = {"i", "j", "k"};
    for (int a = 0; a < 3; a++) {
      char line[96];
      snprintf(line, sizeof line, "plot3dnoderange_%s %d %d", axes[a], ijk[a * 3], ijk[a * 3 + 1]);
      if (!lines.both(pbuild_line(line))) return fail_command(dialog);
    }
  } else if (pbuildcmds_add_ranges("plot3dnoderange") != 0) {
    return fail_command(dialog);
  }
  if (dialog && !read_steps(w, ijk, "Step values must be integers.")) return;
  if (check_steps(ijk) < 0) return fail_command(dialog);
  char step[96];
  snprintf(step, sizeof step, "plot3dstep %d %d %d", ijk[2], ijk[5], ijk[8]);
  if (!lines.both(pbuild_line(step))) return fail_command(dialog);
  if (dialog) take_description(w, GEN_ST_DESC, desc);
  if (!lines.both(pbuild_line("description ") + desc)) return fail_command(dialog);
  lines.flush();

  std::vector<int> made(zones.size(), 0);
  set_working_cursor("**Creating Part**");
  int r = read_plot3d_part(ijk, domain, desc, (int)zones.size(), zones.data(), made.data());
  unset_working_cursor();
  if (r != 0) {
    disperr(creation_error(r));
    Command_proc_err = 1;
  } else {
    if (dialog && Recrdr == 1) cmdrec("data_partbuild: create");
  }
  // A part made before a later zone failed still keeps the text that
  // rebuilds it alone; no part that was not made gets one.
  if (pbuildcmds_add("data_partbuild: create") == 0)
    for (size_t i = 0; i < zones.size(); i++) {
      if (made[i] <= 0) continue;
      pbuildcmds_fill_selection(0, zones[i]);
      if (several && zone_dims(zones[i], dims)) pbuildcmds_fill_ranges(dims);
      save_model_part_build_instructions(made[i], Data_pbuildcmds);
    }
  data_build_refresh_lists();
  data_structiblankparent_refresh(LOADER_PLOT3D);
}

// ---- iblanked parts --------------------------------------------------------------------

static void plot3d_iblank_pending(int *type, std::vector<int> *parents, char *desc) {
  int ijk[9], nsel = 0, *list = nullptr;
  plot3d_partbld_vals(ijk, type, desc, &nsel, &list, 0);
  if (list) parents->assign(list, list + nsel);
  free(list);
}

void data_plot3d_creatiblankpart(int flag) {
  static const Loader_iblank_rec how = {1,
                                        nullptr,
                                        "**Creating Part**",
                                        "data_plot3d_creatiblankpart()",
                                        "Error allocation memory for command language.",
                                        plot3d_iblank_pending};
  loader_creatiblankpart(Plot3d_loader_windep, flag, how);
}
