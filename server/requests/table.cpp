// The request table. A new request is one row here and one handler in the
// file of its group.
#include <cstring>

#include "requests/requests.h"

static const Srv_request_rec Requests[] = {
    {"ccp_get_host", srv_ccp_get_host},
    {"ccp_get_cwd", srv_ccp_get_cwd},
    {"ccp_set_cwd", srv_ccp_set_cwd},
    {"get file listing", srv_get_file_listing},
    {"part info", srv_part_info},
    {"minm", srv_minm},
    {"minm_many", srv_minm_many},
    {"loadp_many", srv_loadp_many},
    {"max_file_size", srv_max_file_size},
    {"velocity offset", srv_velocity_offset},
    {"delete feature", srv_delete_feature},
    {"shrink", srv_shrink},
    {"delete", srv_delete},
    {"extract part", srv_extract_part},
    {"bnd part", srv_bnd_part},
    {"periodicity", srv_periodicity},
    {"remove_boundary_for_group", srv_remove_boundary_for_group},
    {"check match", srv_check_match},
    {"get node labels", srv_get_node_labels},
    {"get elem labels", srv_get_elem_labels},
    {"set_threads", srv_set_threads},
    {"set file path", srv_set_file_path},
    {"set data type", srv_set_data_type},
    {"use part numbers", srv_use_part_numbers},
    {"read casefile", srv_read_casefile},
    {"send userd files", srv_send_userd_files},
    {"read geom", srv_read_geom},
    {"read result", srv_read_result},
    {"get free mach number", srv_get_free_mach_number},
    {"read meas", srv_read_meas},
    {"build measured part", srv_build_measured_part},
    {"get userd reader", srv_get_userd_reader},
    {"get bnd list", srv_get_bnd_list},
    {"refresh pbuild", srv_refresh_pbuild},
    {"plot3d_test", srv_plot3d_test},
    {"swapbytes", srv_swapbytes},
    {"painfull n3s", srv_painfull_n3s},
    {"create quivane parts", srv_create_quivane_parts},
    {"create userd parts", srv_create_userd_parts},
    {"create plot3d part", srv_create_plot3d_part},
    {"create estet part", srv_create_estet_part},
    {"create n3s part", srv_create_n3s_part},
    {"stop n3s parts", srv_stop_n3s_parts},
    {"stop estet parts", srv_stop_estet_parts},
    {"stop plot3d parts", srv_stop_plot3d_parts},
    {"stop quivane parts", srv_stop_quivane_parts},
    {"stop userd parts", srv_stop_userd_parts},
    {"update struct parts", srv_update_struct_parts},
    {"orig avail scalars", srv_orig_avail_scalars},
    {"combine to vector", srv_combine_to_vector},
    {"finish vector combine", srv_finish_vector_combine},
    {"Exit", srv_exit},
};

const Srv_request_rec *srv_find_request(const char *keyword, int len) {
  for (const auto &r : Requests)
    if ((int)strlen(r.keyword) == len && !memcmp(r.keyword, keyword, len)) return &r;
  return nullptr;
}
