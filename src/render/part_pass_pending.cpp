// The opaque and transparent part passes arrive with the part drawing pass;
// until then they draw nothing.
void disobj(int, int) {}
