// The Part_rout row of a part type whose feature is not built: its checks
// pass, its init fills only the description and the attribute sections
// (its creation section is an empty form), it has no fields to unmark, and
// its create routine says that such parts cannot be made
// (part_create_unavailable).
#pragma once

// Shows "<feature> parts are not available in this build." and sets
// Part_create_error.
void part_create_unavailable(const char *feature);
// Fills the description and the attribute sections of the part editor.
void part_detedit_sections_init(float *attr, char *desc);

#define PART_ROUT_DECLARE(prefix)                                                            \
  void prefix##_parts_init(float *attr, char *desc);                                         \
  int prefix##_check_createvalues(int slot, int *flags, float *values);                      \
  void prefix##_parts_create(int defaults_flag, int count, int *numbers, float *base,        \
                             float *values, char *desc, char *creation, int *flags,          \
                             int from_command);                                              \
  void prefix##_createattr_apply(int slot, float *values);                                   \
  void prefix##_clear_changeindicators(float *attr, int *flags);

#define PART_ROUT_STUB(prefix, feature)                                                      \
  void prefix##_parts_init(float *attr, char *desc) { part_detedit_sections_init(attr, desc); } \
  int prefix##_check_createvalues(int, int *, float *) { return 1; }                         \
  void prefix##_parts_create(int, int, int *, float *, float *, char *, char *, int *, int) { \
    part_create_unavailable(feature);                                                        \
  }                                                                                          \
  void prefix##_createattr_apply(int, float *) {}                                            \
  void prefix##_clear_changeindicators(float *, int *) {}
