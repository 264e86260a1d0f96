// Key codes from the X lookup result, the keyboard map's order, and the
// start-up pieces that need no display: fallback resources and screen class.
#include <gtest/gtest.h>
#include <X11/keysym.h>

#include <cstring>
#include <string>

#include "client/options.h"
#include "ui/event_loop.h"
#include "ui/interf_init.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"

namespace {

TEST(Keymap, CodesFromLookup) {
  struct Case {
    const char *name;
    KeySym keysym;
    const char *chars;  // what the lookup produced
    int result;
    int code;
  } cases[] = {
      {"letter", XK_a, "a", 1, 'a'},
      {"Control+A gives the control character", XK_a, "\x01", 1, 1},
      {"printable without a character", XK_a, "", -1, 0},
      {"space", XK_space, " ", 1, 32},
      {"Escape from the table, not its character", XK_Escape, "\x1b", 1, 27},
      {"Delete", XK_Delete, "\x7f", 1, 127},
      {"BackSpace", XK_BackSpace, "\b", 1, 8},
      {"Return", XK_Return, "\r", 1, 13},
      {"F1", XK_F1, "", 1, 7001},
      {"F4", XK_F4, "", 1, 7004},
      {"F12", XK_F12, "", 1, 7012},
      {"Alt_R", XK_Alt_R, "", 1, 7050},
      {"Control_L", XK_Control_L, "", 1, 7051},
      {"Left", XK_Left, "", 1, 7101},
      {"Right", XK_Right, "", 1, 7102},
      {"Up", XK_Up, "", 1, 7103},
      {"Down", XK_Down, "", 1, 7104},
      {"Home has no code", XK_Home, "", -1, 0},
      {"keypad has no code", XK_KP_Enter, "\r", -1, 0},
      {"Shift has no code", XK_Shift_L, "", -1, 0},
  };
  for (const Case &c : cases) {
    int code = -77;
    int r = key_code_from_lookup(c.keysym, (int)strlen(c.chars), c.chars, &code);
    EXPECT_EQ(r, c.result) << c.name;
    EXPECT_EQ(code, c.result == 1 ? c.code : -77) << c.name;
  }
}

TEST(Keymap, TableEndsAfter26Rows) {
  EXPECT_EQ(Keymaptbl[KEYMAP_ROWS].keysym, -9999);
  EXPECT_EQ(Keymaptbl[KEYMAP_ROWS].code, -9999);
  for (int i = 0; i < KEYMAP_ROWS; i++) EXPECT_NE(Keymaptbl[i].keysym, -9999) << i;
}

TEST(Keymap, DetachedWindowPlaceKeepsSizeForMinusOne) {
  setsecondary_graphicswin_pos(794, 659, 0, 0);
  setsecondary_graphicswin_pos(-1, -1, 100, 50);
  int w, h, x, y;
  getsecondary_graphicswin_pos(&w, &h, &x, &y);
  EXPECT_EQ(w, 794);
  EXPECT_EQ(h, 659);
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 50);
  setsecondary_graphicswin_pos(794, 659, 0, 0);
}

TEST(InterfaceStartup, ScreenClassByHeight) {
  struct {
    int height, type;
  } cases[] = {{1024, 0}, {1001, 0}, {1000, 2}, {905, 2}, {904, 1}, {768, 1}};
  for (auto c : cases) EXPECT_EQ(machine_type_for_height(c.height), c.type) << c.height;
}

TEST(InterfaceStartup, FallbackResourcesFromTheRegistry) {
  Widgen_rec saved_main = Widgen_tbl[0], saved_second = Widgen_tbl[14];
  struct Case {
    const char *name;
    int width, x, small;
    const char *font;
    const char *geometry;    // value of entries 1 and 2
    const char *font_entry;  // entry 9
  } cases[] = {
      {"size and place", 910, 366, 0, "",
       "910x1023+366+0", "Quivane*fontList: -adobe-new century schoolbook-bold-r-normal--12-*-75*"},
      {"place only", -1, 366, 0, "", "+366+0", nullptr},
      {"small screen moves x by 5", 910, 366, 1, "", "910x1023+361+0", nullptr},
      {"-fn replaces the font list", 910, 366, 0, "6x10", "910x1023+366+0",
       "Quivane*fontList: 6x10"},
  };
  for (const Case &c : cases) {
    Widgen_tbl[0].width = c.width;
    Widgen_tbl[0].height = 1023;
    Widgen_tbl[0].x = c.x;
    Widgen_tbl[0].y = 0;
    Widgen_tbl[14] = saved_second;
    Widgen_tbl[14].x = 100;
    Small_screen = c.small;
    snprintf(User_specified_font, FONT_NAME_TEXT, "%s", c.font);
    fallback_resources_reset();
    fallback_resources_rewrite();
    EXPECT_EQ(std::string(Fallback_resources[0]), std::string("Quivane.Geometry : ") + c.geometry)
        << c.name;
    EXPECT_EQ(std::string(Fallback_resources[1]), std::string("Quivane.geometry : ") + c.geometry)
        << c.name;
    EXPECT_EQ(std::string(Fallback_resources[6]), "QuivaneDisplay2.Geometry : 794x659+100+0")
        << c.name;
    EXPECT_EQ(std::string(Fallback_resources[7]), "QuivaneDisplay2.geometry : 794x659+100+0")
        << c.name;
    if (c.font_entry) {
      EXPECT_EQ(std::string(Fallback_resources[8]), c.font_entry) << c.name;
    }
    EXPECT_EQ(Fallback_resources[9], nullptr);
  }
  Small_screen = 0;
  User_specified_font[0] = '\0';
  Widgen_tbl[0] = saved_main;
  Widgen_tbl[14] = saved_second;
}

}  // namespace
