// The ESTET Vector Builder's logic: the scalars a data set stores, the X, Y
// and Z components chosen among them, the vector built from them on the
// case's server, and the close that ends vector building and opens the
// ESTET part loader. The dialog is reached through Estet_vctbld_windep,
// which the Motif layer fills; with its members null there is no dialog.
#pragma once

#include <string>
#include <vector>

struct Estet_vctbld_windep_rec {
  int (*exists)();                                           // 1 while the builder is built
  void (*set_available)(const std::vector<std::string> &names);
  void (*selected)(std::vector<int> *positions);             // of "Available Variables", from 1
  void (*set_component)(int axis, const char *text);         // axis 0 X, 1 Y, 2 Z
  void (*get_name)(std::string *out);
  void (*set_name)(const char *text);
  void (*deselect_all)();                                    // "Available Variables"
  void (*add_built)(const char *name);                       // to "New Vector Variables"
  void (*end_wait)();                                        // ends the modal wait
  void (*destroy)();                                         // hides, destroys and forgets it
  // The dialog read after an ESTET geometry: builds and shows the builder,
  // fills it and waits until it is closed.
  void (*run)();
};
extern Estet_vctbld_windep_rec Estet_vctbld_windep;

// Fills "Available Variables" from the server and clears the choice.
void data_estvb_listinit();
// Takes the one selected scalar as component c (1 X, 2 Y, 3 Z).
void data_estvb_setcomp(int c);
// "Build Vector": builds the vector named in the name field and, when the
// server made it, clears the choice and the fields.
void data_estvb_build();
// Closes the builder: ends the wait, tells the server vector building is
// over and, when the dialog exists, destroys it and opens the ESTET loader.
void data_estvb_dismiss();
