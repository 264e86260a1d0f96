// The Part_rout row of a part type whose feature is not built: its checks
// pass, its fields have nothing to fill or unmark, and its create routine
// says that such parts cannot be made (part_create_unavailable).
#pragma once

// Shows "<feature> parts are not available in this build." and sets
// Part_create_error.
void part_create_unavailable(const char *feature);

#define PART_ROUT_DECLARE(prefix)                                                            \
  void prefix##_parts_init(float *attr);                                                     \
  int prefix##_check_createvalues(int slot, int *flags, float *values);                      \
  void prefix##_parts_create(int defaults_flag, int count, int *numbers, float *base,        \
                             float *values, char *desc, char *creation, int *flags,          \
                             int from_command);                                              \
  void prefix##_createattr_apply(int slot);                                                  \
  void prefix##_clear_changeindicators(float *attr, int *flags);

#define PART_ROUT_STUB(prefix, feature)                                                      \
  void prefix##_parts_init(float *) {}                                                       \
  int prefix##_check_createvalues(int, int *, float *) { return 1; }                         \
  void prefix##_parts_create(int, int, int *, float *, float *, char *, char *, int *, int) { \
    part_create_unavailable(feature);                                                        \
  }                                                                                          \
  void prefix##_createattr_apply(int) {}                                                     \
  void prefix##_clear_changeindicators(float *, int *) {}
