// The part-build table: per case the parts its files offer (one Pbuild_rec
// each, in the server's order) and the map from a part's id in the files to
// its record; and the small queries the loaders put to a case's server (its
// user-defined readers, boundary names, the PLOT3D file test, the N3S read
// mode). The geometry exchange and the refresh after a time change fill the
// table; the part builders read it. Everything received is bounded by the
// table it goes into: an over-long name keeps its head, extra values are
// drained, and a map position outside the records becomes -1.
#pragma once

#include "client/cases.h"

#define PBUILD_DESC_LEN 80  // description bytes, NUL included
#define PBUILD_DIMS 15      // dims kept per record
#define USERD_NAME_LEN 20   // reader name bytes, NUL included
#define BND_NAME_LEN 16     // boundary name bytes received (a NUL follows)

struct Pbuild_rec {
  int id;                             // the part's id in the case's files, from 1
  char description[PBUILD_DESC_LEN];  // NUL-terminated, at most 79 characters
  int kind;                           // 0 unstructured, 1 structured, 2 structured with iblanking
  int dims[PBUILD_DIMS];              // structured: max I, J, K in 0..2; the rest as received, else 0
  int iblank_option;                  // 1 or 2 admit Inside, 0 or 2 admit Outside
};

extern Pbuild_rec *Pbuild[MAX_CASES];             // per case Tot_num_quivane_parts records; null none
extern int *Extpn_to_filepn[MAX_CASES];           // per case: record position by part id; -1 none
extern int Num_extpn_to_filepn[MAX_CASES];        // entries of each case's map
extern int Num_unstruct[MAX_CASES];               // unstructured parts the case's files offer
extern int Num_struct[MAX_CASES];                 // structured parts the case's files offer
extern int Tot_num_quivane_parts[MAX_CASES];      // their sum
extern char (*Userdef_readers[MAX_CASES])[USERD_NAME_LEN];  // per case reader names; null none
extern int *Userdef_readertwofields[MAX_CASES];   // per case per reader: 1 takes a second file
extern int Userdef_readercnt[MAX_CASES];          // readers held per case, 0..DATA_USERDEF_MAX
extern int Data_udformat[MAX_CASES];              // per case the user-defined reader chosen, 0..19

// Receives a part-build block on ch for case c (map length, map, then
// Tot_num_quivane_parts[c] records) into fresh tables. 0, or -1 on a channel
// failure; a table that cannot be made stays null and its values are drained.
int pbuild_receive_block(int ch, int c);
// Frees case c's map and records.
void pbuild_release(int c);
// The record position of part id in case c, or -1 when the id or its map
// entry lies outside the table.
int pbuild_record_of(int c, int id);

// After a time change: when the current case's Geom_change is 2, "refresh
// pbuild", the counts and (unless they sum to 0) a new block.
void get_fresh_pbuild_info();
// "get userd reader": fills the current case's reader tables (at most
// DATA_USERDEF_MAX readers kept, names cut to 19 characters); name (at least
// USERD_NAME_LEN bytes) and *two_files get the last reader's, or "No_Custom"
// and 0 when the server has none. 0, or -1 on a channel failure.
int get_userd_reader_name(char *name, int *two_files);
// "get bnd list": *count names (each at most BND_NAME_LEN characters) into a
// new table *names (free with free_bnd_list); 1, or -1 when they cannot be
// stored or the channel fails.
int get_bnd_list(int *count, char ***names);
void free_bnd_list(char **names);
struct Plot3d_read_settings_rec;
// "plot3d_test": the server's judgement of a PLOT3D grid file into
// *settings, which start at {0, 0, 1, 2}. 1, or -1 on a channel failure.
int plot3d_test(const char *geometry, const char *path, Plot3d_read_settings_rec *settings);
// "painfull n3s" and mode to every active case's server; the last send status.
int send_painfull_read(int mode);
// The domains that n zones (PLOT3D) or record positions all admit: 2 both,
// 1 Inside, 0 Outside, 3 neither. An id outside the zones or records admits
// neither; n <= 0 gives 2.
int shared_iblank_options(int n, const int *ids);
// The case of a part number, or -1 when it is unused or outside 1..4999.
int which_case_for_part(int number);
