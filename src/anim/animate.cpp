// Animation state (see animate.h).
#include "anim/animate.h"

#include <cstring>

#include "client/defaults.h"

int Flprun = 0;
int Flpaut = 1;
int Flplod = 0;
int Flppix = 0;
int Animon = 0;
int Ani_is_running = 0;
int Loading_flipbook = 0;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Flprun, Flpaut, Flplod, Flppix, Animon,
                                      Ani_is_running, Loading_flipbook);
float Loading_load_factor = -1.0f;

static int Keyframe_count = 0;  // keyframes defined; none until keyframing exists

// The global animation settings; a read sets their step and time range.
static float Global_anim[ANIM_GLOBAL_WORDS];

void animation_extra_init() {
  Keyframe_count = 0;
  memset(Global_anim, 0, sizeof Global_anim);
}

void get_global_animation_attributes(float attributes[ANIM_GLOBAL_WORDS]) {
  memcpy(attributes, Global_anim, sizeof Global_anim);
}

void set_global_animation_attributes(const float attributes[ANIM_GLOBAL_WORDS]) {
  memcpy(Global_anim, attributes, sizeof Global_anim);
}

int Animation_abort = 0;
int Loading_flippix = 0;

int check_variable_exists_at_current_time(int, int) { return 0; }

void increment_flipbook() {}
void display_flipbook_pix() {}
