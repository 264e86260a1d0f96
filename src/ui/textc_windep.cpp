// Font settings (see textc_windep.h).
#include "ui/textc_windep.h"

int Menu_font_size = 13;
int Iconlabel_font_size = -1;
int Fixedfont = 0;
char User_specified_font[FONT_NAME_TEXT];
