// The data section of the File Selection dialog, display-free: which
// reader formats its menu offers for the current case (reader preferences,
// the server's user-defined readers), the format the case takes from them,
// where the section's Okay sends each format, and which part loader a
// format opens. The Motif layer shows the result and opens the dialogs
// through Data_loader_windep.
#pragma once

#include "data/data_format.h"
#include "data/pbuild.h"

#define DATA_FIXED_ROWS 11  // format rows before the user-defined ones

struct Data_section_rec {
  int offered[DATA_FORMAT_ROWS];                  // 1 = the row's button is shown
  char labels[DATA_FORMAT_ROWS][USERD_NAME_LEN];  // row labels, reader names on rows 11..30
  int row;                                        // the row showing the case's format
};

// Steps of filling the section that decide the rows: reads the reader
// preferences, asks the case's server for its readers, applies the removed
// readers and (once per run) the default reader, and settles the case's
// format. 1, or -1 after showing that no format is offered (the case's
// format and the menu are then left as they were).
int data_section_formats(Data_section_rec *out);

// The dialogs a format's confirmation or part loading opens. Null members
// open nothing.
struct Data_loader_windep_rec {
  // Builds (first use) and shows the generic loader.
  void (*generic_show)();
  // Titles the generic loader; click_unstruct sets "Unstructured Data" as a
  // click would; struct_sensitive is that of "Structured Data".
  void (*generic_mode)(const char *title, int click_unstruct, int struct_sensitive);
  // Help topics of the generic loader after a read in a generic format.
  void (*generic_help)(int format);
  // Builds (first use) and shows the simple loader with a title and topic.
  void (*simple_show)(const char *title, const char *topic);
  // Builds (first use) and shows the ABAQUS dialog.
  void (*abaqus_show)();
  // Builds (first use) and shows the PLOT3D part loader.
  void (*plot3d_show)();
};
extern Data_loader_windep_rec Data_loader_windep;

// The simple loader's title and help topic of a format (2, 5, 6, 7, 9); -1
// for other formats.
int data_simple_loader_text(int format, const char **title, const char **topic);
// The section's Okay: the format of its shown row sent down its road.
// 1 when a read or a loader started, -1 after a refusal or a failed read.
int data_read_byformat();
// "Data (Part Loader)...": the current case's loader when it has geometry.
void data_pbuild_manageinit_menu();
// Set once the ESTET Vector Builder was first closed; never cleared.
extern int Data_estvb_closed;
