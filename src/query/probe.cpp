// Interactive probe settings (see probe.h): nothing to keep until the probe exists.
#include "query/probe.h"

void iq_attributes(float *, int) {}

void display_iq_values() {}
void display_query_locations() {}

void update_realtime_query(int, int) {}
