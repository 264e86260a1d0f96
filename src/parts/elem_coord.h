// Positions of an element's nodes as the renderers draw them.
#pragma once

// Writes x, y, z of each node of element e (from 0) of the part at index i,
// in connectivity order, to consecutive entries of out (3 floats per node):
// each node moved towards the element's shrink point by the shrink factor
// (slot 35) when the part holds shrink points, then displaced by the
// displacement variable (slot 22, when the part holds its vectors and the
// node's x is defined) times the factor (slot 23, times the flipbook load
// factor while a flipbook is being generated).
void get_elem_coord(int i, int e, float *out);
