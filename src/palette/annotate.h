// Annotation text settings.
#pragma once

extern int Txttog;  // 1 = annotation text shown
extern int Txtdyn;  // 1 = coded annotation text present

// Annotation mode of the graphics window (nothing to show until annotation
// arrives).
void annotate_read_window_image();
void display_annotation_mode();
// Modal loop of annotation mode; argument ignored.
void annotation_move_manage(int unused);

// Text annotations tied to a viewport: they follow its visibility, and go
// with it when it is deleted.  No text annotation exists yet: nothing changes.
void modify_string_visibility_for_viewport(int viewport, int visible);
void delete_strings_if_viewport_removed(int viewport);

// Resets every annotation text, line, logo and marker slot. No annotation
// exists until it arrives: does nothing.
void text_line_init();
// Re-expands the dynamic codes of the text annotations: none exist, nothing.
void load_dynamic_strings();

// The annotation texts, lines, logos and markers over the scene arrive with
// annotation: nothing is drawn.
void showtext();

// Vertices the annotation gives a vector print's overlay capture: 0 while
// none exists.
int get_annotate_vertex_count();
// 1 with the pixel box of logo slot i (0..310) when it is shown, else 0:
// no logo is shown until annotation arrives.
int return_logo_location(int i, int *x0, int *x1, int *y0, int *y1);
// ---- text slots -------------------------------------------------------------------
#define TEXT_SLOTS 311
#define TEXT_LINE_LEN 256
struct Text_attr_rec {
  char text[TEXT_LINE_LEN];
  int visible;        // 1 shown
  float x, y;         // location, fractions of the viewport
  int justification;  // 0 left, 1 centred, 2 right
  float size;         // character size
  float rgb[3];
  float rotation;     // degrees
};
// Reads the TEXT_SLOTS text slots.  Until annotation arrives every slot
// reads as text_line_init leaves it: empty text, visible, x 0.5, centred,
// white, no rotation.
void get_text_attributes(Text_attr_rec *slots);
// Writes the TEXT_SLOTS text slots back: nothing is kept until annotation
// arrives.
void set_text_attributes(const Text_attr_rec *slots);

// ---- one text (viewport labels) ------------------------------------------------------------
// A text's attribute record in "text:" keyword order.
enum {
  TEXT_VISIBLE = 0, TEXT_LOCATION_X = 1, TEXT_LOCATION_Y = 2, TEXT_RGB = 3,  // 3..5
  TEXT_ROTATIONAL_ANGLE = 6, TEXT_SIZE = 7, TEXT_JUSTIFICATION = 8, TEXT_RELATIVE_VIEWPORT = 9,
  TEXT_ATTRS = 10,
};
// Slot 0..310, or -1 for the defaults of new texts: mode get copies the
// record (and the expanded text when text is given, TEXT_LINE_LEN bytes).
// Until annotation arrives the defaults read as text_line_init leaves them
// and setting keeps nothing.
void get_onetext_attributes(int slot, float attrs[TEXT_ATTRS], char *text);
void set_onetext_attributes(int slot, const float attrs[TEXT_ATTRS], const char *text);
// A new text with the default attributes: its slot, or -1 when none is free
// (always, until annotation arrives).
int make_new_text_annotation(const char *text);
