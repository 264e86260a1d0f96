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
    {"Exit", srv_exit},
};

const Srv_request_rec *srv_find_request(const char *keyword, int len) {
  for (const auto &r : Requests)
    if ((int)strlen(r.keyword) == len && !memcmp(r.keyword, keyword, len)) return &r;
  return nullptr;
}
