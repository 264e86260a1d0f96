// Flipbook and keyframe animation state.
#pragma once

extern int Flprun;            // 1 = flipbook playing
extern int Flpaut;            // 1 = flipbook auto-play
extern int Flplod;            // 1 = flipbook loaded
extern int Flppix;            // 1 = flipbook of pixel images
extern int Animon;            // 1 = keyframing on
extern int Ani_is_running;    // 1 = keyframe animation running
extern int Loading_flipbook;  // 1 = flipbook pages being built
extern float Loading_load_factor;  // load fraction 0..1 of the page being built, -1 = none

// Resets the keyframe-animation settings to their defaults.
void animation_extra_init();

extern int Animation_abort;                // 1 = the running animation stops (no off-screen buffer)
extern int Loading_flippix;                // 1 = flipbook pixel pages being loaded

// 1 when the part's case has no value of the variable at the current time,
// else 0 (also for a negative id).  No time sets exist until the time
// subsystem arrives, so every variable has a value now.
int check_variable_exists_at_current_time(int var_id, int part);

#define ANIM_GLOBAL_WORDS 14  // words of the global animation settings
// Words of the global animation settings that a read sets.
enum Anim_global_word {
  ANIM_START_STEP = 5,   // first step number (as a float)
  ANIM_END_STEP = 6,     // last step number
  ANIM_START_TIME = 11,  // first time
  ANIM_END_TIME = 12,    // last time
  ANIM_TIME_INC = 13,    // time increment
};
// Copy the global animation settings out of and into the kept 14 words.
void get_global_animation_attributes(float attributes[ANIM_GLOBAL_WORDS]);
void set_global_animation_attributes(const float attributes[ANIM_GLOBAL_WORDS]);

// ---- the flipbook's steps in a redraw ------------------------------------------------
// The flipbook arrives with the animation subsystem: the page stays and no
// pixel page is drawn.
void increment_flipbook();
void display_flipbook_pix();
