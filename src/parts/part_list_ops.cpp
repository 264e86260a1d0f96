// Part-list operations (see part_list_ops.h).  The engines that change the
// part table and talk to the servers are part_copy and part_delete; this
// module decides what is allowed, in which order things happen, what is
// recorded and what is refreshed.  A list routine checks first and records
// its lines only for an operation that will run, so that a replay never
// meets a line that failed the first time.
#include "parts/part_list_ops.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/modatr.h"
#include "parts/part_apply.h"
#include "parts/part_copy.h"
#include "parts/part_delete.h"
#include "parts/part_record.h"
#include "parts/parts_cmdproc.h"
#include "parts/read.h"
#include "render/redraw.h"
#include "view/viewports.h"

static void refresh_lists_default() { part_refresh(); }
static void redraw_default() {
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}
Part_list_hooks Part_list_calls = {nullptr, nullptr, refresh_lists_default, redraw_default};

namespace {

void refresh_all() {
  if (Part_list_calls.refresh_lists) Part_list_calls.refresh_lists();
  if (Part_list_calls.redraw) Part_list_calls.redraw();
}

void error_num(const char *format, int n) {
  char msg[160];
  snprintf(msg, sizeof msg, format, n);
  disperr(msg);
}

// The selection of the main list (main 1) or of the editor's list.
struct Selection {
  int count = 0;
  int *internal = nullptr;
  int *numbers = nullptr;
  int source = 0;  // recorded-selection source: 0 main list, 2 editor list
  explicit Selection(int main) {
    source = main ? 0 : 2;
    if (part_selected_parts_windep) part_selected_parts_windep(source, &count, &internal, &numbers);
    if (!numbers) count = 0;
  }
  ~Selection() {
    free(internal);
    free(numbers);
  }
  Selection(const Selection &) = delete;
  Selection &operator=(const Selection &) = delete;
};

// The selection, then the line, when recording is on.
void record(const Selection &s, const std::string &line) {
  if (Recrdr != 1) return;
  part_rec_selparts(CMD_CAT_PART, s.count, s.numbers, s.source);
  cmdrec(line.c_str());
}

// True, after the error box, when nothing is selected.
bool none_selected(const Selection &s, const char *text) {
  if (s.count > 0) return false;
  disperr(text);
  return true;
}

void working(const char *text) { set_working_cursor(text); }
void done_working() { unset_working_cursor(); }

}  // namespace

// ---- copy --------------------------------------------------------------------------

static int copy_refusal(int count, const int *numbers) {
  for (int k = 0; k < count; k++) {
    if (is_part_a_copy(numbers[k]) > 0) {
      error_num("Part %d is already a copy.", numbers[k]);
      return -1;
    }
    if (is_part_a_group(numbers[k]) == 1) {
      error_num("Grouped Parts cannot be copied. Part %d is a group.", numbers[k]);
      return -1;
    }
  }
  return 1;
}

int part_copy(int count, const int *numbers) {
  working("**Working...**");
  if (copy_refusal(count, numbers) < 0) {
    done_working();
    return -1;
  }
  if (copy_part(count, numbers) < 0) disperr("Could not copy one or more parts");
  refresh_all();
  done_working();
  return 1;
}

void part_copy_from_list(int main) {
  Selection s(main);
  if (none_selected(s, "No parts selected to copy.")) return;
  if (part_copy(s.count, s.numbers) != -1) record(s, "part: copy");
}

// ---- group and ungroup -------------------------------------------------------------

static int group_refusal(int count, const int *numbers) {
  for (int k = 0; k < count; k++)
    if (is_part_a_group(numbers[k]) == 1) return numbers[k];
  for (int k = 1; k < count; k++)
    if (get_part_type(numbers[k]) != get_part_type(numbers[0])) return -2;
  return PART_GROUP_DONE;
}

void part_group_report(int r) {
  if (r == -1)
    disperr("Memory allocation failed.");
  else if (r == -2)
    disperr("Grouped parts must all have the same part type.");
  else if (r != PART_GROUP_DONE)
    error_num("Part %d is already a group.", r);
}

int part_group(int count, const int *numbers, const char *name) {
  int r = group_refusal(count, numbers);
  if (r != PART_GROUP_DONE) return r;
  working("**Working...**");
  r = group_parts(count, numbers, name) < 0 ? -1 : PART_GROUP_DONE;
  done_working();
  return r;
}

void part_group_from_list(int main) {
  Selection s(main);
  if (none_selected(s, "No parts selected to group.")) return;
  char name[PART_NAME_USED] = "";
  if (screen_prompt("Group Name?", "Group Parts", name, PART_NAME_USED, 0) < 0 || !name[0])
    return;
  int r = group_refusal(s.count, s.numbers);
  if (r == PART_GROUP_DONE) {
    record(s, std::string("part: group ") + name);
    r = part_group(s.count, s.numbers, name);
  }
  if (r == PART_GROUP_DONE)
    refresh_all();
  else
    part_group_report(r);
}

int part_ungroup(int count, const int *numbers) {
  for (int k = 0; k < count; k++)
    if (is_part_a_group(numbers[k]) != 1) return numbers[k];
  working("**Working...**");
  ungroup_parts(count, numbers);
  done_working();
  refresh_all();
  return PART_GROUP_DONE;
}

void part_ungroup_from_list(int main) {
  Selection s(main);
  if (none_selected(s, "No parts selected to group.")) return;
  for (int k = 0; k < s.count; k++)
    if (is_part_a_group(s.numbers[k]) != 1) {
      error_num("Part %d is not a group.", s.numbers[k]);
      return;
    }
  record(s, "part: ungroup");
  part_ungroup(s.count, s.numbers);
}

// ---- delete ------------------------------------------------------------------------

// The parts to delete, bases before their instances; -1 when an instance is
// listed without its base.
static int delete_plan(int count, const int *numbers, std::vector<int> *plan) {
  plan->assign((size_t)Num_p_loaded + (size_t)count + 1, 0);
  int n = 0;
  if (check_delete_part_for_periodicity(count, numbers, &n, plan->data()) < 0) {
    disperr("Can not delete a periodic instance!");
    return -1;
  }
  plan->resize((size_t)n);
  return 1;
}

static void delete_refusal_message(int r, int number) {
  if (r == -2)
    disperr("There are copies of this part - can't delete!");
  else
    error_num("Problem deleting part %d", number);
}

int part_delete(int count, const int *numbers) {
  std::vector<int> plan;
  if (delete_plan(count, numbers, &plan) < 0) return -1;
  if (Part_list_calls.dependency_save) Part_list_calls.dependency_save((int)plan.size(), plan.data());
  int result = 1;
  for (size_t k = plan.size(); k-- > 0;) {
    if (!part_by_number(plan[k])) continue;  // gone with an earlier part's cascade
    int r = delete_part(plan[k]);
    if (r < 0) {
      delete_refusal_message(r, plan[k]);
      result = -1;
      break;
    }
  }
  // Restored on every exit: parts deleted before a refusal stay deleted and
  // the dependency list must still follow them.
  if (Part_list_calls.dependency_restore_update) Part_list_calls.dependency_restore_update();
  refresh_all();
  return result;
}

// The copy rule of delete_part, checked over the whole plan before
// anything is recorded or deleted.
static int delete_precheck(int count, const int *numbers) {
  std::vector<int> plan;
  if (delete_plan(count, numbers, &plan) < 0) return -1;
  for (int number : plan)
    for (int k = 0; k < Num_p_loaded; k++)
      if (parts[k]->copy_of == number) {
        bool going = false;
        for (int other : plan) going = going || other == parts[k]->number;
        if (!going) {
          disperr("There are copies of this part - can't delete!");
          return -1;
        }
      }
  return 1;
}

void part_delete_from_list(int main) {
  Selection s(main);
  if (s.count <= 0) {
    disperr("No part(s) selected to be deleted");
  } else if (warn(s.count == 1 ? "Do you really want to delete this part?"
                               : "Do you really want to delete these parts?") == 1) {
    working("**Working...**");
    if (delete_precheck(s.count, s.numbers) > 0) {
      record(s, "part: delete");
      part_delete(s.count, s.numbers);
    }
    done_working();
  }
  part_rec_selparts(CMD_CAT_PART, 0, nullptr, -1);
  part_refresh();
}

// ---- extract and merge -------------------------------------------------------------

static bool skipped_type(int type) {
  return type == PART_CONTOUR || type == PART_TRACE || type == PART_PROFILE || type == PART_ARROW;
}

static int extract_fail(const char *text) {
  disperr(text);
  Command_proc_err = 1;
  return -1;
}

int part_general_extract_merge(int from_editor, int from_command, int merge) {
  std::vector<int> list;
  int source = from_editor ? 2 : 0;
  if (from_command) {
    for (int k = 0; k < Cmd_part_wrking_cnt && Cmd_part_wrking_extnumber; k++)
      list.push_back(Cmd_part_wrking_extnumber[k]);
  } else {
    Selection s(from_editor ? 0 : 1);
    list.assign(s.numbers, s.numbers + s.count);
  }
  if (list.empty()) return extract_fail("No parts selected.");
  for (int n : list) {
    if (skipped_type(get_part_type(n)))
      return extract_fail("Vector Arrows, Profiles, Particle Traces, \nand Contours cannot be "
                          "merged or extracted.");
    if (is_part_a_copy(n) > 0) return extract_fail("Copied parts cannot be merged or extracted.");
  }
  return part_extract_merge((int)list.size(), list.data(), merge, from_command, source);
}

int part_extract_merge(int count, const int *numbers, int merge, int from_command, int source) {
  std::vector<int> chosen, reps;
  chosen.reserve((size_t)count);
  reps.reserve((size_t)count);
  for (int k = 0; k < count; k++) {
    int n = numbers[k];
    if (skipped_type(get_part_type(n))) continue;
    int rep = ELT_REP_FULL;
    if (!merge) {
      const Part_rec *p = part_by_number(n);
      if (!p || !p->attributes) return extract_fail("Problem getting attributes for extraction.");
      rep = our_rint(p->attributes[SLOT_ELT_REP]);
    }
    chosen.push_back(n);
    reps.push_back(rep);
  }
  if (chosen.empty())
    return extract_fail(merge ? "No mergable parts selected.  The merge operation is for model, "
                                "clip, iso, or discrete particle parts only."
                              : "No extractable parts selected.  The extract operation is for "
                                "model, clip, iso, or discrete particle parts only.");
  working(merge ? "**Merging**" : "**Extracting**");
  if (extract_part((int)chosen.size(), chosen.data(), reps.data(), merge) < 0) {
    done_working();
    return extract_fail(merge ? "Part merge failed." : "Part extraction failed.");
  }
  done_working();
  if (Part_list_calls.refresh_lists) Part_list_calls.refresh_lists();
  if ((int)chosen.size() < count)
    caddtxt(merge ? "Merge ignored all parts that were not model parts, clip parts, or discrete "
                    "particle parts."
                  : "Extraction ignored all parts that were not model parts, clip parts, or "
                    "discrete particle parts.");
  if (!from_command && Recrdr == 1) {
    part_rec_selparts(CMD_CAT_PART, (int)chosen.size(), chosen.data(), source);
    cmdrec(merge ? "part: merge" : "part: extract");
  }
  return 1;
}

// ---- new parents -------------------------------------------------------------------

int part_updt_parent(int part, int count, const int *parents, int from_command) {
  working("**Working...**");
  int r = 1;
  bool self = false;
  for (int k = 0; k < count; k++) self = self || parents[k] == part;
  if (count <= 0 || are_parts_same_case(count, parents) != 1) {
    disperr("To update the parent parts of this part you must\nselect parts that belong to the "
            "same case.      ");
    r = -1;
  } else if (self) {
    disperr("The parent part must be different from the part that is being updated.");
    r = -1;
  } else {
    change_created_parts(part, count, parents);
    if (!from_command && Recrdr == 1) {
      part_rec_selparts(CMD_CAT_PART, count, parents, 0);
      char line[64];
      snprintf(line, sizeof line, "%s %s %d", "part:", "updtparts", part);
      cmdrec(line);
    }
  }
  done_working();
  return r;
}
