// The Transformation Editor's dependence on the quadric tools.
#pragma once

// Returns the editor to its global mode when it was in the mode of a
// quadric tool that is now switched off.  The editor has no quadric-tool
// modes until the tools arrive: nothing to do.
void transf_refreshby_quadricdependency();
