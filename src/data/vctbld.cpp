#include "data/vctbld.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "client/textutil.h"
#include "data/estet_vctbld.h"
#include "data/part_create.h"
#include "data/readcmds.h"

Dnewvct_rec *Dnewest_vct = nullptr;
int Destnewvct_cnt = 0;
int Dvctallocneeded = 1;
char (*Destnewvct_scalars)[ORIG_SCALAR_LEN] = nullptr;
int Destnewvct_nscalars = 0;
int Dest_use_scalars[3] = {-1, -1, -1};
int Dest_use_sclcnt = 0;

static const char *const AXIS_KEYWORD[3] = {"estetvector_x", "estetvector_y", "estetvector_z"};

int datavctbld_chkalloc() {
  // A name or component line always finds a record: one is opened when the
  // last build line asked for it or when none is pending at all.
  if (Dvctallocneeded != 1 && Destnewvct_cnt > 0) return 1;
  Dnewvct_rec *grown =
      (Dnewvct_rec *)realloc(Dnewest_vct, (size_t)(Destnewvct_cnt + 1) * sizeof(Dnewvct_rec));
  if (!grown) {
    disperr("Error allocating new vector variable info.\n");
    return -1;
  }
  Dnewest_vct = grown;
  Dnewvct_rec &r = Dnewest_vct[Destnewvct_cnt];
  memset(&r, 0, sizeof r);
  snprintf(r.name, sizeof r.name, "Vector_%d", Destnewvct_cnt);
  for (int &c : r.components) c = -1;
  Destnewvct_cnt++;
  Dvctallocneeded = 0;
  return 1;
}

int datavctbld_line(int which, const char *text) {
  if (which == 4) {
    Dvctallocneeded = 1;
    return 1;
  }
  if (datavctbld_chkalloc() < 0) {
    disperr("Vector build memory allocation failed.");
    return -1;
  }
  Dnewvct_rec &r = Dnewest_vct[Destnewvct_cnt - 1];
  char *field[4] = {r.name, r.x, r.y, r.z};
  if (which == 0 && strlen(text) >= VCT_NAME_LEN)
    fprintf(stderr, "Variable description too long, truncating.\n");
  snprintf(field[which], VCT_NAME_LEN, "%s", text);
  return 1;
}

void datavctbld_release() {
  free(Dnewest_vct);
  Dnewest_vct = nullptr;
  Destnewvct_cnt = 0;
}

// The lines that rebuild one vector: name, each chosen component, build.
// Each is recorded when record is set and appended to the case's text.
static int record_vector(const char *name, const int pos[3], bool record) {
  std::string lines[5];
  int n = 0;
  lines[n++] = std::string("data_partbuild: estetvectordesc ") + name;
  for (int a = 0; a < 3; a++)
    if (pos[a] >= 0 && pos[a] < Destnewvct_nscalars)
      lines[n++] = std::string("data_partbuild: ") + AXIS_KEYWORD[a] + " " + Destnewvct_scalars[pos[a]];
  lines[n++] = "data_partbuild: estetbuildvector";
  for (int k = 0; k < n; k++) {
    if (record && Recrdr == 1) cmdrec(lines[k].c_str());
    if (data_PART_BLDCMDS(lines[k].c_str()) < 0) return -1;
  }
  return 1;
}

int datavctbld_fetch_scalars() {
  free(Destnewvct_scalars);
  Destnewvct_scalars = nullptr;
  Destnewvct_nscalars = 0;
  return orig_avail_scalars(&Destnewvct_nscalars, &Destnewvct_scalars);
}

int datavctbld_proccmds() {
  if (datavctbld_fetch_scalars() < 0) return -1;
  for (int i = 0; i < Destnewvct_cnt; i++) {
    Dnewvct_rec &r = Dnewest_vct[i];
    const char *names[3] = {r.x, r.y, r.z};
    for (int a = 0; a < 3; a++) {
      r.components[a] = -1;
      if (!names[a][0]) continue;
      for (int k = 0; k < Destnewvct_nscalars && r.components[a] < 0; k++)
        if (strcasecmp(Destnewvct_scalars[k], names[a]) == 0) r.components[a] = k;
      if (r.components[a] < 0) {
        disperr("data_partbuild: Could not find component for vector build.\n");
        return -1;
      }
    }
    if (combine_to_vector(r.components, r.name) < 0) {
      disperr("data_partbuild: Error combining scalars to vectors, operation aborted.");
      return -1;
    }
    if (record_vector(r.name, r.components, false) < 0) return -1;
  }
  data_estvb_dismiss();
  return 1;
}

int data_estvb_grpvct(const char *name) {
  if (!name || !name[0]) {
    disperr("Must specify the new vector's name.");
    return -1;
  }
  if (check_for_reserve_chars(name)) {
    reserve_char_error();
    return -1;
  }
  if (Dest_use_sclcnt <= 0) {
    disperr("To build a vector you must have at least 1 component specified.");
    return -1;
  }
  if (combine_to_vector(Dest_use_scalars, name) < 0) {
    disperr(
        "Error combining scalars to vectors, operation aborted. Possible errors are: 1) "
        "Duplicate Vector Name, 2) Read error, or 3) Allocation error.");
    return -1;
  }
  // The vector exists on the server now, whether or not its lines could be kept.
  record_vector(name, Dest_use_scalars, true);
  for (int &c : Dest_use_scalars) c = -1;
  Dest_use_sclcnt = 0;
  return 1;
}

