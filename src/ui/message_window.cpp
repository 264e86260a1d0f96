// Message window entries (see message_window.h).
#include "ui/message_window.h"

#include "ui/mainwin_state.h"

void create_mainmessage_dialog() {}

void manage_message_dialogCB(Widget, XtPointer, XtPointer) { main_message_window_open(); }

void main_showlegendCB(Widget, XtPointer, XtPointer) {}
