// Widget makers.  Owns Sectinfo_tbl (the window-position module may change
// its open flags at start) and CreateInputField_lbl; otherwise stateless.
#include "ui/widget_helpers.h"

#include <Xm/ArrowBG.h>
#include <Xm/CascadeBG.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/LabelG.h>
#include <Xm/List.h>
#include <Xm/PushB.h>
#include <Xm/PushBG.h>
#include <Xm/SeparatoG.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>
#include <Xm/ToggleBG.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/data_dlog.h"
#include "data/ui/data_windep.h"
#include "flow/trace.h"
#include "flow/ui/trace_windep.h"
#include "ui/general_windep.h"
#include "ui/mainwin_state.h"
#include "ui/menus.h"
#include "ui/textc_windep.h"

Sectinfo_rec Sectinfo_tbl[SECTINFO_ROWS + 1] = {
    {"Creation Attributes", 1, 0, 11, &Parts_create_arobut},
    {"Time Step", 0, 1, 11, &Trace_timstpdet_arobut},
    {"General Attributes", 0, 0, 11, &Parts_general_arobut},
    {"Node, Element", 0, 0, 11, &Parts_ndelmlin_arobut},
    {"Displacement Attributes", 0, 0, 11, &Parts_disp_arobut},
    {"Cases", 0, 0, 13, &Fileselect_case_arobut},
    {"Plot3d Iblank Create", 0, 0, 10, &File_plot3diblankinfo_form},
    {"Generic Iblank Create", 0, 0, 5, &File_genericiblankinfo_form},
    {"Estet Iblank Create", 0, 0, 8, &File_estetiblankinfo_form},
    {"", 0, 0, -1, nullptr},
};

Widget CreateInputField_lbl = nullptr;

// ---- widget arguments -----------------------------------------------------------

Widget_args &Widget_args::attach(const char *side_attachment, unsigned char kind,
                                 const char *side_widget, Widget w, const char *side_offset,
                                 int offset) {
  set(side_attachment, kind);
  if (side_widget && w) set(side_widget, w);
  if (side_offset) set(side_offset, offset);
  return *this;
}

Widget_args &Widget_args::font(const char *resource) {
  if (Fixedfont && Menufont) set(resource, Menufont);
  return *this;
}

static std::string join(const char *a, const char *b) { return std::string(a ? a : "") + b; }

Widget XtarvCreateButton(Widget parent, const char *prefix, const char *label, int kind,
                         char mnemonic, XtCallbackProc cb, XtPointer client, ArgList args,
                         Cardinal nargs) {
  WidgetClass cls;
  const char *suffix;
  const char *list = XmNactivateCallback;
  unsigned char arrow = 0;
  switch (kind) {
    case XtarvPUSHBUTTON:
    case XtarvPUSHBUTTONW: cls = xmPushButtonWidgetClass; suffix = "PushBG"; break;
    case XtarvPUSHBUTTONG: cls = xmPushButtonGadgetClass; suffix = "PushBG"; list = XmNarmCallback; break;
    case XtarvTOGGLEBUTTON:
    case XtarvONEOFMANY: cls = xmToggleButtonGadgetClass; suffix = "ToggleBG"; list = XmNvalueChangedCallback; break;
    case XtarvTOGGLEBUTTONW: cls = xmToggleButtonWidgetClass; suffix = "ToggleBG"; list = XmNvalueChangedCallback; break;
    case XtarvCASCADE: cls = xmCascadeButtonGadgetClass; suffix = "CascadeBG"; break;
    case XtarvUPARROW: cls = xmArrowButtonGadgetClass; suffix = "UpArrowBG"; arrow = XmARROW_UP; break;
    case XtarvDOWNARROW: cls = xmArrowButtonGadgetClass; suffix = "DownArrowBG"; arrow = XmARROW_DOWN; break;
    case XtarvLEFTARROW: cls = xmArrowButtonGadgetClass; suffix = "LeftArrowBG"; arrow = XmARROW_LEFT; break;
    case XtarvRIGHTARROW: cls = xmArrowButtonGadgetClass; suffix = "RightArrowBG"; arrow = XmARROW_RIGHT; break;
    default: return nullptr;  // separators have their own maker
  }
  Widget_args a(args, nargs);
  XmString s = qvn_xmstring(label);
  a.set(XmNlabelString, s);
  a.font();
  if (mnemonic != ' ') a.set(XmNmnemonic, (XtArgVal)(KeySym)(unsigned char)mnemonic);
  if (kind == XtarvONEOFMANY) a.set(XmNindicatorType, XmONE_OF_MANY);
  if (kind == XtarvTOGGLEBUTTON || kind == XtarvONEOFMANY || kind == XtarvTOGGLEBUTTONW)
    a.set(XmNvisibleWhenOff, True);
  if (kind >= XtarvUPARROW && kind <= XtarvRIGHTARROW) {
    a.set(XmNarrowDirection, arrow);
    a.set(XmNwidth, Menu_font_size + 5);
    a.set(XmNheight, Menu_font_size + 5);
  }
  Widget w = XtCreateWidget(join(prefix, suffix).c_str(), cls, parent, a.list(), a.count());
  XmStringFree(s);
  if (cb) XtAddCallback(w, list, cb, client);
  XtManageChild(w);
  return w;
}

Widget XtarvCreateSeparatorGadget(Widget parent, const char *prefix, ArgList args,
                                  Cardinal nargs, XtCallbackProc helpcb, XtPointer client) {
  Widget_args a(args, nargs);
  a.set(XmNseparatorType, XmSHADOW_ETCHED_OUT);
  a.set(XmNshadowThickness, 5);
  Widget w = XtCreateWidget(join(prefix, "SeparatoG").c_str(), xmSeparatorGadgetClass, parent,
                            a.list(), a.count());
  if (helpcb) XtAddCallback(w, XmNhelpCallback, helpcb, client);
  XtManageChild(w);
  return w;
}

// ---- input rows ---------------------------------------------------------------

// The field of an input row: caller's layout first, then columns, length,
// margin, the menu font and a cursor shown only while focused.
static Widget make_text_field(Widget parent, const std::string &name, Widget_args &a,
                              int columns, int maxlen) {
  a.set(XmNcolumns, columns);
  a.set(XmNmaxLength, maxlen);
  a.set(XmNmarginHeight, 2);
  a.font();
  a.set(XmNcursorPositionVisible, False);
  Widget f = XtCreateManagedWidget(name.c_str(), xmTextFieldWidgetClass, parent, a.list(),
                                   a.count());
  XtAddCallback(f, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(f, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  return f;
}

// Places a field beside (below clear) or under (below set) its label.
static void attach_field(Widget_args &a, Widget label, int below, int offset_main,
                         int offset_cross) {
  if (below) {
    a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, label, XmNtopOffset, offset_main);
    a.attach(XmNleftAttachment, XmATTACH_OPPOSITE_WIDGET, XmNleftWidget, label, XmNleftOffset,
             offset_cross);
  } else {
    a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, label, XmNleftOffset, offset_main);
    a.attach(XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET, XmNtopWidget, label, XmNtopOffset,
             offset_cross);
  }
}

static Widget make_label_gadget(Widget parent, const std::string &name, const char *text,
                                Widget_args &a) {
  XmString s = qvn_xmstring(text);
  a.set(XmNlabelString, s);
  a.font();
  Widget l = XtCreateManagedWidget(name.c_str(), xmLabelGadgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  return l;
}

Widget XtarvCreateInputField(Widget parent, const char *prefix, const char *name,
                             const char *label, int columns, int maxlen, Widget topw,
                             int topoff, Widget leftw, int leftoff, int ftopoff, int fleftoff,
                             int below, int align) {
  std::string base = join(prefix, name ? name : "");
  Widget_args la;
  if (topw) {
    la.set(XmNtopAttachment, XmATTACH_WIDGET);
    la.set(XmNtopWidget, topw);
  } else {
    la.set(XmNtopAttachment, XmATTACH_FORM);
  }
  la.set(XmNtopOffset, topoff);
  if (leftw) {
    la.set(XmNleftAttachment, align ? XmATTACH_OPPOSITE_WIDGET : XmATTACH_WIDGET);
    la.set(XmNleftWidget, leftw);
  } else {
    la.set(XmNleftAttachment, XmATTACH_FORM);
  }
  la.set(XmNleftOffset, leftoff);
  CreateInputField_lbl = make_label_gadget(parent, base + "Label", label, la);
  Widget_args fa;
  if (below)
    attach_field(fa, CreateInputField_lbl, 1, ftopoff, fleftoff);
  else
    attach_field(fa, CreateInputField_lbl, 0, fleftoff, ftopoff);
  return make_text_field(parent, base + "TextF", fa, columns, maxlen);
}

// Label "%sLabelG" and field "%sTextF" of XtarvCreateInput(Form).
static void make_input_pair(Widget parent, const char *name, const char *label, int columns,
                            int maxlen, int offset, Widget *label_out, Widget *field_out,
                            int editable, int below, Widget_args &la) {
  Widget l = make_label_gadget(parent, join(name, "LabelG"), label, la);
  Widget_args fa;
  attach_field(fa, l, below, offset, 0);
  fa.set(XmNsensitive, editable ? True : False);
  fa.set(XmNeditable, editable ? True : False);
  if (!editable) {
    fa.set(XmNhighlightThickness, 1);
    fa.set(XmNshadowThickness, 1);
  }
  Widget f = make_text_field(parent, join(name, "TextF"), fa, columns, maxlen);
  if (label_out) *label_out = l;
  if (field_out) *field_out = f;
}

Widget XtarvCreateInput(Widget parent, const char *name, const char *label, int columns,
                        int maxlen, int, int offset, Widget *label_out, Widget *field_out,
                        int editable, int below, ArgList args, Cardinal nargs) {
  Widget_args la(args, nargs);
  make_input_pair(parent, name, label, columns, maxlen, offset, label_out, field_out, editable,
                  below, la);
  return parent;
}

Widget XtarvCreateInputForm(Widget parent, const char *name, const char *label, int columns,
                            int maxlen, int, int offset, Widget *label_out, Widget *field_out,
                            int editable, int below, ArgList args, Cardinal nargs) {
  Widget form = XtCreateManagedWidget(join(name, "Form").c_str(), xmFormWidgetClass, parent,
                                      args, nargs);
  Widget_args la;
  la.set(XmNtopAttachment, XmATTACH_FORM);
  la.set(XmNtopOffset, 1);
  la.set(XmNleftAttachment, XmATTACH_FORM);
  la.set(XmNleftOffset, 1);
  make_input_pair(form, name, label, columns, maxlen, offset, label_out, field_out, editable,
                  below, la);
  return form;
}

// ---- button rows ----------------------------------------------------------------

// One push button of a bottom row: named prefix+suffix, below topw (when
// given) by gap, above the form's bottom by gap; side is a left attachment to
// the form (left == null, leftoff), to a widget, or (right set) to the right.
static Widget row_button(Widget form, Widget topw, const char *prefix, const char *suffix,
                         const char *label, int gap, Widget left, int offset, int right,
                         XtCallbackProc cb, XtPointer client) {
  Widget_args a;
  if (topw) {
    a.set(XmNtopAttachment, XmATTACH_WIDGET);
    a.set(XmNtopWidget, topw);
    a.set(XmNtopOffset, gap);
  }
  a.set(XmNbottomAttachment, XmATTACH_FORM);
  a.set(XmNbottomOffset, gap);
  if (right) {
    a.set(XmNrightAttachment, XmATTACH_FORM);
    a.set(XmNrightOffset, offset);
  } else if (left) {
    a.set(XmNleftAttachment, XmATTACH_WIDGET);
    a.set(XmNleftWidget, left);
    a.set(XmNleftOffset, offset);
  } else {
    a.set(XmNleftAttachment, XmATTACH_FORM);
    a.set(XmNleftOffset, offset);
  }
  XmString s = qvn_xmstring(label);
  a.set(XmNlabelString, s);
  a.font();
  Widget b = XtCreateManagedWidget(join(prefix, suffix).c_str(), xmPushButtonWidgetClass, form,
                                   a.list(), a.count());
  XmStringFree(s);
  if (cb) XtAddCallback(b, XmNactivateCallback, cb, client);
  return b;
}

Widget XtarvCreateOkCancelHelpButtons(Widget form, Widget topw, const char *prefix,
                                      XtCallbackProc okcb, XtCallbackProc cancelcb,
                                      XtCallbackProc helpcb, XtPointer okdata,
                                      XtPointer canceldata, XtPointer helpdata) {
  Widget ok = row_button(form, topw, prefix, "Ok", "Okay", 5, nullptr, 5, 0, okcb, okdata);
  row_button(form, topw, prefix, "Cancel", "Cancel", 5, ok, 10, 0, cancelcb, canceldata);
  row_button(form, topw, prefix, "Help", "Help", 5, nullptr, 5, 1, helpcb, helpdata);
  return ok;
}

Widget XtarvCreateOkButtons(Widget form, Widget topw, const char *prefix, XtCallbackProc okcb,
                            XtCallbackProc cancelcb, XtCallbackProc helpcb) {
  return XtarvCreateOkCancelHelpButtons(form, topw, prefix, okcb, cancelcb, helpcb, nullptr,
                                        nullptr, nullptr);
}

Widget XtarvCreateDismissHelpButtons(Widget form, Widget topw, const char *prefix,
                                     XtCallbackProc dismisscb, XtCallbackProc helpcb,
                                     XtPointer dismissdata, XtPointer helpdata) {
  Widget d = row_button(form, topw, prefix, "Dismiss", "Dismiss", 1, nullptr, 5, 0, dismisscb,
                        dismissdata);
  row_button(form, topw, prefix, "Help", "Help", 1, nullptr, 5, 1, helpcb, helpdata);
  return d;
}

Widget XtarvCreateDismissButtons(Widget form, Widget topw, const char *prefix,
                                 XtCallbackProc dismisscb, XtCallbackProc helpcb) {
  return XtarvCreateDismissHelpButtons(form, topw, prefix, dismisscb, helpcb, nullptr, nullptr);
}

// ---- sections -------------------------------------------------------------------

Widget gen_holdform(Widget parent, const char *name, const char *title, int sideoff,
                    Widget *inner, ArgList args, Cardinal nargs) {
  Widget hold = XtCreateManagedWidget(join(name, "holdForm").c_str(), xmFormWidgetClass, parent,
                                      args, nargs);
  std::string mid = std::string("parts") + (name ? name : "");
  // The title label is made before the frame: Xt realizes the children of a
  // composite last to first, so the first child's window ends on top, and
  // the title must lie over the frame's upper edge.
  Widget_args la;
  XmString s = qvn_xmstring(title);
  la.set(XmNlabelString, s);
  la.set(XmNforeground, Section_color.pixel);
  la.set(XmNtopAttachment, XmATTACH_FORM);
  la.set(XmNtopOffset, 2);
  la.set(XmNleftAttachment, XmATTACH_FORM);
  la.set(XmNleftOffset, sideoff);
  la.set(XmNrightAttachment, XmATTACH_FORM);
  la.set(XmNrightOffset, sideoff);
  la.font();
  XtCreateManagedWidget((mid + "Label").c_str(), xmLabelWidgetClass, hold, la.list(), la.count());
  XmStringFree(s);
  Widget frame = XtVaCreateManagedWidget(
      (mid + "Frame").c_str(), xmFrameWidgetClass, hold, XmNtopAttachment, XmATTACH_FORM,
      XmNtopOffset, 8, XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 1, XmNrightAttachment,
      XmATTACH_FORM, XmNrightOffset, 1, XmNshadowThickness, 4, nullptr);
  Widget form = XtCreateManagedWidget((mid + "Form").c_str(), xmFormWidgetClass, frame, nullptr, 0);
  if (inner) *inner = form;
  return hold;
}

void XtarvSectExpandRout(Widget arrow, int count, Widget *widgets, int keep) {
  unsigned char dir = XmARROW_RIGHT;
  XtVaGetValues(arrow, XmNarrowDirection, &dir, nullptr);
  if (!keep) {
    dir = dir == XmARROW_DOWN ? XmARROW_RIGHT : XmARROW_DOWN;
    XtVaSetValues(arrow, XmNarrowDirection, dir, nullptr);
  }
  if (count <= 0 || !widgets) return;
  if (dir == XmARROW_DOWN)
    XtManageChildren(widgets, static_cast<Cardinal>(count));
  else
    XtUnmanageChildren(widgets, static_cast<Cardinal>(count));
}

int XtarvArrowButtonGetState(Widget arrow, int direction) {
  unsigned char dir = 0;
  XtVaGetValues(arrow, XmNarrowDirection, &dir, nullptr);
  return dir == direction ? 1 : 0;
}

// ---- small routines -----------------------------------------------------------

Widget XtarvCreateLabel(Widget parent, const char *name, const char *text) {
  XmString s = XmStringCreateLocalized(const_cast<char *>(text));
  Widget w = XtVaCreateManagedWidget(name, xmLabelWidgetClass, parent, XmNlabelString, s,
                                     nullptr);
  XmStringFree(s);
  return w;
}

float XtarvTextFieldFloat(Widget w) {
  char *text = XmTextFieldGetString(w);
  float value = text ? (float)atof(text) : 0.0f;
  XtFree(text);
  return value;
}

void XtarvTextFocus(Widget w, XtPointer, XtPointer) {
  XtVaSetValues(w, XmNcursorPositionVisible, True, nullptr);
}

void XtarvTextUnfocus(Widget w, XtPointer, XtPointer) {
  XtVaSetValues(w, XmNcursorPositionVisible, False, nullptr);
}

void XtarvIndicateChange(Widget w, int changed, int style) {
  if (style == 0)
    XtVaSetValues(w, XmNshadowThickness, changed == 1 ? 1 : 0, nullptr);
  else if (style >= 1 && style <= 3)
    XtVaSetValues(w, XmNbackground, changed == 1 ? Green.pixel : Qvn_backgroundpix, nullptr);
}

void XtarvWidgetResizeSet(Widget w, int flags, int on) {
  XFlush(XtDisplay(w));
  Widget_args a;
  a.set(XmNresizePolicy, on == 1 ? XmRESIZE_GROW : XmRESIZE_NONE);
  Boolean value = on == 1 ? True : False;
  if (flags & 1) a.set(XmNresizeHeight, value);
  if (flags & 2) a.set(XmNresizeWidth, value);
  XtSetValues(w, a.list(), a.count());
}

int Xtarv_menuoneofmany_change(Widget toggle, XtPointer value, Menu_item_rec *rows, int first,
                               int last) {
  if (!XmToggleButtonGetState(toggle)) {
    XmToggleButtonSetState(toggle, True, False);
    return -1;
  }
  for (int i = first; i <= last; i++)
    if (rows[i].client_data != value && rows[i].widget)
      XmToggleButtonSetState(rows[i].widget, False, False);
  return 1;
}

void Xtarv_switch_label(Widget w, const char *text, int kind) {
  if (kind != XtarvPUSHBUTTON && kind != XtarvTOGGLEBUTTON && kind != XtarvONEOFMANY) return;
  XmString s = qvn_xmstring(text);
  XtVaSetValues(w, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

void XtarvListSelectMultPos(Widget list, int count, const int *positions) {
  int items = 0;
  XtVaGetValues(list, XmNitemCount, &items, nullptr);
  if (count <= 0 || items <= 0) return;
  int *sel = static_cast<int *>(calloc(static_cast<size_t>(count), sizeof(int)));
  if (!sel) {
    fprintf(stderr,
            "XtarvListSelectMultPos: Memory allocation failed. Could not select parts.");
    return;
  }
  int n = 0;
  for (int i = 0; i < count; i++) {
    if (positions[i] > items) continue;
    sel[n++] = positions[i] <= 0 ? 1 : positions[i];
  }
  // Replace the selection with no callbacks.  Only the multiple policy adds
  // each position to the selection, so it holds while they are set.
  unsigned char policy = XmEXTENDED_SELECT;
  XtVaGetValues(list, XmNselectionPolicy, &policy, nullptr);
  XtVaSetValues(list, XmNselectionPolicy, XmMULTIPLE_SELECT, nullptr);
  XmListDeselectAllItems(list);
  for (int i = 0; i < n; i++)
    if (!XmListPosSelected(list, sel[i])) XmListSelectPos(list, sel[i], False);
  XtVaSetValues(list, XmNselectionPolicy, policy, nullptr);
  free(sel);
}

void XtarvListShowPos(int position, Widget list) { XmListSetKbdItemPos(list, position); }

int in_range(float value, float low, float high) { return low <= value && value <= high ? 1 : 0; }

char *lower_case(const char *text) {
  if (!text) return nullptr;
  char *copy = strdup(text);
  if (!copy) return nullptr;
  for (char *p = copy; *p; p++) *p = static_cast<char>(tolower(static_cast<unsigned char>(*p)));
  return copy;
}
