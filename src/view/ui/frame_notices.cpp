// Frame-mode notices (see frame_notices.h).
#include "view/ui/frame_notices.h"

#include <Xm/Form.h>
#include <Xm/Protocols.h>
#include <Xm/RowColumn.h>

#include <string>

#include "client/cmd_play.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"

int Frame_mode_notice_on = 1;
int Frame_location_notice_on = 1;
int Frame_glbvis_notice_on = 1;

Widget Frame_transfnotify_dialog = nullptr;
Widget Frame_locationinfo_dialog = nullptr;
Widget Frame_glbvsframeinfo_dialog = nullptr;

// One notice: its widget names start with base.
struct Frame_notice {
  Widget *dialog;
  int *on;
  const char *base;
  const char *title;
  int left, up;  // offsets from the pointer, in font widths and heights
  XtCallbackProc ok;
  const char *text;
};

static const Frame_notice Mode_notice = {
    &Frame_transfnotify_dialog, &Frame_mode_notice_on, "FrameNotify", "Frame Mode Notification",
    40, 4, frame_notification_mesgokCB,
    "******  You have just entered Frame Mode *****\n"
    "Frame Mode allows you to perform transformations of selected     \n"
    "frame(s) and/or define the origin/orientation of the frame(s).   \n"
    "All transformations applied here will be applied to the selected \n"
    "frame(s) transform or definition.  If your intent is to transform\n"
    "the scene, you should instead select View or Part Mode.          \n"};
static const Frame_notice Location_notice = {
    &Frame_locationinfo_dialog, &Frame_location_notice_on, "FrameLocaInfo",
    "Frame Location Information", 50, 4, frame_locationinfo_mesgokCB,
    "The Frame location/definition interface is \n"
    "contained in the Transformation dialog.  You\n"
    "can scroll down in the dialog to see it.    "};
static const Frame_notice Glbvis_notice = {
    &Frame_glbvsframeinfo_dialog, &Frame_glbvis_notice_on, "FrameGlbVsInfo",
    "Global Vis. vs. Per Frame Vis. Information", 50, 4, frame_glbvsframeinfo_mesgokCB,
    "You have just turned ON a per frame attribute for which the \n"
    "corresponding global Frame toggle has been turned off.  If   \n"
    "you wish to see the affect of turning this toggle on you will\n"
    "need to turn the global toggle ON in the icons below.        "};

// The label and the two buttons side by side under it; pressing either
// closes the dialog (it unmanages itself) and calls the notice's callback.
static void build(const Frame_notice &n) {
  if (*n.dialog) return;
  const std::string base = n.base;
  Widget d = near_pointer_form_dialog((base + "Dialog").c_str(), n.title, n.left, n.up, n.ok, nullptr,
                               true);
  Widget col = dialog_column(d, (base + "RowCol").c_str());
  dialog_label_gadget(col, (base + "LabelG").c_str(), n.text);
  Widget_args ra;
  ra.set(XmNorientation, XmHORIZONTAL);
  Widget buttons = XtCreateManagedWidget((base + "Buttons").c_str(), xmRowColumnWidgetClass, col,
                                         ra.list(), ra.count());
  Widget okay = XtarvCreateButton(buttons, (base + "Okay").c_str(), "Okay", XtarvPUSHBUTTON, ' ',
                                  n.ok, (XtPointer)0, nullptr, 0);
  XtarvCreateButton(buttons, (base + "OkayAnd").c_str(), "Okay and Do Not Notify Again.",
                    XtarvPUSHBUTTON, ' ', n.ok, (XtPointer)1, nullptr, 0);
  dialog_keys(d, okay, okay);
  *n.dialog = d;
}

static void show(const Frame_notice &n) {
  if (!*n.on) return;
  build(n);
  XtManageChild(*n.dialog);
}

static void answered(const Frame_notice &n, XtPointer client) {
  if (client) *n.on = 0;
  if (*n.dialog && XtIsManaged(*n.dialog)) XtUnmanageChild(*n.dialog);
}

void frame_gentransfnotify_dialog() { build(Mode_notice); }
void frame_genlocationinfo_dialog() { build(Location_notice); }
void frame_genglobalvspartinfo_dialog() { build(Glbvis_notice); }

void frame_notification_mesg_windep() {
  if (Cmd_play_quit_flag == 1) show(Mode_notice);
}
void frame_locationinfo_mesg_windep() { show(Location_notice); }
void frame_globalvsframe_infopopup_windep() { show(Glbvis_notice); }

void frame_notification_mesgokCB(Widget, XtPointer client, XtPointer) {
  answered(Mode_notice, client);
}
void frame_locationinfo_mesgokCB(Widget, XtPointer client, XtPointer) {
  answered(Location_notice, client);
}
void frame_glbvsframeinfo_mesgokCB(Widget, XtPointer client, XtPointer) {
  answered(Glbvis_notice, client);
}
