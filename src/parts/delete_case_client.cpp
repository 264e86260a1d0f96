// Removing a case from the client (see delete_case_client.h).
#include "parts/delete_case_client.h"

#include "client/cases.h"
#include "data/data_read.h"
#include "data/pbuild.h"
#include "parts/read.h"

int delete_case_client(int case_index) {
  if (case_index < 0 || case_index >= MAX_CASES || !Case_info[case_index].active) return -1;
  Case_info[case_index].active = 0;
  Case_info[case_index].name[0] = '\0';
  Case_cnt--;
  Num_parts_cases[case_index] = 0;
  pbuild_release(case_index);
  data_read_release(case_index);
  Num_unstruct[case_index] = Num_struct[case_index] = Tot_num_quivane_parts[case_index] = 0;
  return 1;
}
