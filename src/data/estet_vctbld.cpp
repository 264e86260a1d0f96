// The ESTET Vector Builder's logic (see estet_vctbld.h); the vector
// records of the command path and the build itself are vctbld's.
#include "data/estet_vctbld.h"

#include "client/screen.h"
#include "data/data_dlog.h"
#include "data/data_section.h"
#include "data/part_create.h"
#include "data/vctbld.h"

Estet_vctbld_windep_rec Estet_vctbld_windep = {};

static void clear_components() {
  for (int &c : Dest_use_scalars) c = -1;
  Dest_use_sclcnt = 0;
  if (Estet_vctbld_windep.set_component)
    for (int a = 0; a < 3; a++) Estet_vctbld_windep.set_component(a, "");
}

void data_estvb_listinit() {
  datavctbld_fetch_scalars();
  std::vector<std::string> names;
  for (int k = 0; k < Destnewvct_nscalars && Destnewvct_scalars; k++) names.push_back(Destnewvct_scalars[k]);
  if (Estet_vctbld_windep.set_available) Estet_vctbld_windep.set_available(names);
  for (int &c : Dest_use_scalars) c = -1;
  Dest_use_sclcnt = 0;
}

void data_estvb_setcomp(int c) {
  std::vector<int> sel;
  if (Estet_vctbld_windep.selected) Estet_vctbld_windep.selected(&sel);
  if (sel.size() != 1 || c < 1 || c > 3) {
    disperr("To set a component you must pick only one scalar.");
    return;
  }
  int index = sel[0] - 1;
  if (index < 0 || index >= Destnewvct_nscalars) return;
  if (Estet_vctbld_windep.set_component) Estet_vctbld_windep.set_component(c - 1, Destnewvct_scalars[index]);
  Dest_use_scalars[c - 1] = index;
  Dest_use_sclcnt++;
}

void data_estvb_build() {
  std::string name;
  if (Estet_vctbld_windep.get_name) Estet_vctbld_windep.get_name(&name);
  if (data_estvb_grpvct(name.c_str()) < 0) return;
  Estet_vctbld_windep_rec &w = Estet_vctbld_windep;
  if (w.deselect_all) w.deselect_all();
  if (w.add_built) w.add_built(name.c_str());
  clear_components();
  if (w.set_name) w.set_name("");
}

void data_estvb_dismiss() {
  Estet_vctbld_windep_rec &w = Estet_vctbld_windep;
  if (w.end_wait) w.end_wait();
  finish_vector_combine();
  if (w.exists && w.exists()) {
    if (w.destroy) w.destroy();
    data_pbuild_manageinit(4);
  }
  Data_estvb_closed = 1;
}
