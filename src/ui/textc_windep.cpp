// Font choice.  Owns the font globals of textc_windep.h; xfntint fills them
// once at start, everything else only reads them.
#include "ui/textc_windep.h"

#include <cctype>
#include <cstdlib>

#include "ui/general_windep.h"
#include "ui/mainwin_state.h"

char **Fontlist = nullptr;
int Num_fonts = 0;
int *Fontsizes = nullptr;
int Dindx = -1;
XFontStruct *Menufontstruct = nullptr;
int Menu_font_width = 0;
XmFontList Menufont = nullptr;
XmFontList Lmenufont = nullptr;

int font_name_size(const char *name) {
  int last = 0;
  const char *p = name;
  while (*p) {
    if (*p == '.') return FONT_SIZE_UNREADABLE;
    if (isdigit(static_cast<unsigned char>(*p))) {
      long v = 0;
      while (isdigit(static_cast<unsigned char>(*p))) {
        if (v < 100000) v = v * 10 + (*p - '0');
        p++;
      }
      if (v <= 60) return static_cast<int>(v);
      last = static_cast<int>(v);
      if (*p) p++;  // the character after an over-large run is passed over too
      continue;
    }
    p++;
  }
  return last;
}

int font_nearest_index(const int *sizes, int n, int want) {
  int best = -1;
  long bestdiff = 0;
  for (int i = 0; i < n; i++) {
    long d = labs(static_cast<long>(sizes[i]) - want);
    if (best < 0 || d < bestdiff) {
      best = i;
      bestdiff = d;
    }
  }
  return best;
}

int font_iconlabel_size(int menu_size, int iconlabel_size) {
  if (iconlabel_size != -1) return iconlabel_size;
  return menu_size > 11 ? menu_size - 3 : menu_size;
}

int xfntint() {
  Display *dpy = Dpys[0];
  if (!dpy) {
    disperr("Couldn't initialize font list.");
    return -1;
  }
  int n = 0;
  char **names = XListFonts(dpy, FONT_PATTERN, 1000, &n);
  if (!names) names = XListFonts(dpy, FONT_PATTERN, 1000, &n);
  if (!names) {
    disperr("Couldn't initialize font list.");
    return -1;
  }
  if (n <= 0) {
    XFreeFontNames(names);
    disperr("Couldn't get initial font list.");
    return -1;
  }
  int *sizes = static_cast<int *>(calloc(static_cast<size_t>(n), sizeof(int)));
  if (!sizes) {
    report_alloc_failure(__LINE__, "textc_windep", "xfntint");
    XFreeFontNames(names);
    disperr("Couldn't allocate font size table.");
    return -1;
  }
  if (Fontlist) XFreeFontNames(Fontlist);
  free(Fontsizes);
  Fontlist = names;
  Num_fonts = n;
  Fontsizes = sizes;
  for (int i = 0; i < n; i++) Fontsizes[i] = font_name_size(Fontlist[i]);

  const int asked = Menu_font_size;
  Dindx = font_nearest_index(Fontsizes, n, asked);
  int lindx = font_nearest_index(Fontsizes, n, font_iconlabel_size(asked, Iconlabel_font_size));

  XFontStruct *menu = XLoadQueryFont(dpy, Fontlist[Dindx]);
  if (!menu) {
    disperr("Couldn't load the menu font.");
    return -1;
  }
  Menufontstruct = menu;
  Menu_font_size = Fontsizes[Dindx];
  Menu_font_width = menu->max_bounds.width;
  Menufont = XmFontListCreate(menu, const_cast<char *>(XmFONTLIST_DEFAULT_TAG));
  Lmenufont = Menufont;
  if (lindx != Dindx) {
    XFontStruct *label = XLoadQueryFont(dpy, Fontlist[lindx]);
    if (label) Lmenufont = XmFontListCreate(label, const_cast<char *>(XmFONTLIST_DEFAULT_TAG));
  }
  return 1;
}
