// The request table of the stand-in server: each keyword the client may send
// and the one handler that reads the rest of the request and writes the
// reply. A handler returns 0 to go on serving, 1 to end the session cleanly,
// -1 when the link failed.
#pragma once

#include <string>

struct Ds_part_rec;

struct Srv_request_rec {
  const char *keyword;     // as the client sends it, without a NUL
  int (*handler)(int ch);  // reads the request's values, writes the reply
};

// The table entry for a keyword of len bytes, or null.
const Srv_request_rec *srv_find_request(const char *keyword, int len);

// Handlers, grouped by the module whose requests they answer.
int srv_ccp_get_host(int ch);
int srv_ccp_get_cwd(int ch);
int srv_ccp_set_cwd(int ch);
int srv_get_file_listing(int ch);
int srv_exit(int ch);
int srv_part_info(int ch);
int srv_minm(int ch);
int srv_minm_many(int ch);
int srv_loadp_many(int ch);
int srv_max_file_size(int ch);
int srv_velocity_offset(int ch);
int srv_delete_feature(int ch);
int srv_shrink(int ch);
int srv_delete(int ch);
// A copy of a part's geometry and values under another number and name.
Ds_part_rec copy_held_part(const Ds_part_rec &p, int number, const std::string &name);
// Parts made from other parts (extracts, iblank parts, periodic instances).
int srv_extract_part(int ch);
int srv_bnd_part(int ch);
int srv_periodicity(int ch);
int srv_remove_boundary_for_group(int ch);
int srv_check_match(int ch);
int srv_get_node_labels(int ch);
int srv_get_elem_labels(int ch);
// "set_threads" <- int count; no reply.  The count is kept in Srv_thread_count.
extern int Srv_thread_count;
int srv_set_threads(int ch);
// The part the server holds under this number (made by a loader request,
// or of the loaded dataset); null when none.
Ds_part_rec *held_part(int number);
int srv_set_file_path(int ch);
int srv_set_data_type(int ch);
int srv_use_part_numbers(int ch);
int srv_read_casefile(int ch);
int srv_send_userd_files(int ch);
int srv_read_geom(int ch);
int srv_read_result(int ch);
int srv_get_free_mach_number(int ch);
int srv_read_meas(int ch);
int srv_build_measured_part(int ch);
int srv_get_userd_reader(int ch);
int srv_get_bnd_list(int ch);
int srv_refresh_pbuild(int ch);
int srv_plot3d_test(int ch);
int srv_swapbytes(int ch);
int srv_painfull_n3s(int ch);
int srv_create_quivane_parts(int ch);
int srv_create_userd_parts(int ch);
int srv_create_plot3d_part(int ch);
int srv_create_estet_part(int ch);
int srv_create_n3s_part(int ch);
int srv_stop_n3s_parts(int ch);
int srv_stop_estet_parts(int ch);
int srv_stop_plot3d_parts(int ch);
int srv_stop_quivane_parts(int ch);
int srv_stop_userd_parts(int ch);
int srv_update_struct_parts(int ch);
int srv_orig_avail_scalars(int ch);
int srv_combine_to_vector(int ch);
int srv_finish_vector_combine(int ch);

#include <vector>
// The client's part map of its last "use part numbers" (5000 entries, -1 free).
const std::vector<int> &srv_client_part_map();
// The structured block (nodes, IJK counts, iblank) that a part made from a
// range of a structured model part samples; 0 when number was made otherwise.
int srv_made_block(int number, Ds_part_rec *block);
// Forgets the parts made for the client (a new geometry was read).
void srv_made_parts_clear();

// The test option -stall: 1 when the server is to stop in the middle of the
// value named what ("version", "ccp_set_cwd").
int srv_stalls_at(const char *what);
// Sends the first 2 bytes of the int value (the length of a string, or the
// int itself) on ch and then waits, the link open, until killed.
[[noreturn]] void srv_stall(int ch, int value);
