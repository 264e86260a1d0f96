// Annotation settings (see annotate.h).
#include "palette/annotate.h"

#include "client/defaults.h"
#include "view/viewport_redraw.h"

int Txttog = 1;
int Txtdyn = 1;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Txttog, Txtdyn);

void annotate_read_window_image() {}
void display_annotation_mode() { display_viewport_all(1, 1); }
void annotation_move_manage(int) {}

void modify_string_visibility_for_viewport(int, int) {}
void delete_strings_if_viewport_removed(int) {}

void text_line_init() {}
void load_dynamic_strings() {}

void showtext() {}

int get_annotate_vertex_count() { return 0; }
int return_logo_location(int, int *, int *, int *, int *) { return 0; }
void get_text_attributes(Text_attr_rec *slots) {
  if (!slots) return;
  for (int k = 0; k < TEXT_SLOTS; k++) {
    Text_attr_rec &t = slots[k];
    t = Text_attr_rec{};
    t.visible = 1;
    t.x = 0.5f;
    t.justification = 1;
    t.rgb[0] = t.rgb[1] = t.rgb[2] = 1.0f;
  }
}

void set_text_attributes(const Text_attr_rec *) {}

void get_onetext_attributes(int, float attrs[TEXT_ATTRS], char *text) {
  const float start[TEXT_ATTRS] = {1, 0.5f, 0, 1, 1, 1, 0, 1, 1, 0};
  for (int k = 0; k < TEXT_ATTRS; k++) attrs[k] = start[k];
  if (text) text[0] = '\0';
}

void set_onetext_attributes(int, const float *, const char *) {}

int make_new_text_annotation(const char *) { return -1; }
