// Settings of the interactive probe.
#pragma once

#define IQ_ATTRIBUTES 32  // slots of the probe's attribute vector; 19 is "marker_size"

// Mode 0 reads, 1 stores the probe's attribute vector.  No probe exists
// yet: neither mode changes anything.
void iq_attributes(float attributes[IQ_ATTRIBUTES], int mode);

// The probe's values and the query markers over the scene arrive with the
// query subsystem: nothing is drawn.
void display_iq_values();
void display_query_locations();

// Refreshes query `query` from the realtime surface of n nodes per element
// that follows the tool.  The queries arrive with subsystem 12: nothing.
void update_realtime_query(int query, int n);
