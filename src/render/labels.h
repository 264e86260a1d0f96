// Node, element and part id labels: one compiled GL list per part and kind
// (a raster position and the id's text per shown label), the two id
// filters, the label colours and the archive section "labels_view".
#pragma once

#include <cstdio>

enum Label_threshold_code {
  LABEL_THRESHOLD_NONE = 0,
  LABEL_THRESHOLD_LOW = 1,       // shown when id >= low
  LABEL_THRESHOLD_BAND = 2,      // hidden when low < id < high
  LABEL_THRESHOLD_HIGH = 3,      // shown when id <= high
  LABEL_THRESHOLD_LOW_HIGH = 4,  // shown when low <= id <= high
};

struct Label_filter_rec {
  int type, low, high;
};

// Whether the filter shows id; -1 is never shown, an unknown type shows all.
bool label_filter_shows(const Label_filter_rec &f, int id);

// Asks the part's server for its node (element) ids and compiles those the
// filter shows into the part's node (element) label list.  A refusal
// switches the part's label attribute off and deletes the list; a reply
// whose chunks do not fit is read to its end and compiles nothing.
void build_node_nums(int number);
void build_elem_nums(int number);
// "Part %d" at the mean of the part's nodes, compiled into its part label list.
void build_part_label(int number);
// The same requests for vector printing: each shown label's text goes to
// the print library at its raster position; nothing is compiled.
void print_node_nums(int number);
void print_elem_nums(int number);

// Mode 0 reads the filter, 1 stores it, rebuilds the labelled parts' lists
// (when the kind is switched on) and redraws; other modes nothing.
void node_label_filters(int *low, int *high, int *type, int mode);
void elem_label_filters(int *low, int *high, int *type, int mode);
void setlabel_color(const float node[3], const float element[3], const float part[3]);
void getlabel_color(float node[3], float element[3], float part[3]);

// "labels_view": modes 0/5 write the 64-byte big-endian body, 2/6 read it,
// 4 resets to white and filters {0, 1, 1000000}; 1, or -1 on failure.
int labels_bkup(FILE *fp, int mode);
