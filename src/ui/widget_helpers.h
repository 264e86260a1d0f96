// Widget makers that fix the client's widget naming, fonts, text-field
// behaviour and button layout: buttons of the shared kinds, separators, input
// rows, button rows at the bottom of dialog forms, titled and expandable
// sections, change marks and small list, label and toggle routines.  Every
// name is the caller's prefix plus a fixed suffix.  With Fixedfont set every
// label, button and field made here uses Menufont.
#pragma once

#include <Xm/Xm.h>

#include <type_traits>
#include <vector>

// An Xt argument list that grows as resources are set, so that a run of
// XtSetArg lines reads as one chain:
//   Widget_args a;
//   a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, label).set(XmNwidth, 30).font();
//   Widget list = XmCreateList(form, name, a.list(), a.count());
// set() takes widgets, strings, pixels and numbers as they are.  A copy made
// from a caller's ArgList adds to that list without changing it.
class Widget_args {
 public:
  Widget_args() = default;
  Widget_args(ArgList args, Cardinal n) : args_(args, args + n) {}

  template <typename T>
  Widget_args &set(const char *resource, T value) {
    XtArgVal v;
    if constexpr (std::is_pointer_v<T>)
      v = reinterpret_cast<XtArgVal>(value);
    else
      v = static_cast<XtArgVal>(value);
    args_.push_back(Arg{const_cast<char *>(resource), v});
    return *this;
  }
  // One side of a form child: its attachment kind, then its widget and its
  // offset when their resource names are given.
  Widget_args &attach(const char *side_attachment, unsigned char kind,
                      const char *side_widget = nullptr, Widget w = nullptr,
                      const char *side_offset = nullptr, int offset = 0);
  // The menu font in resource (XmNfontList unless named) when Fixedfont is set.
  Widget_args &font(const char *resource = XmNfontList);

  ArgList list() { return args_.data(); }
  Cardinal count() const { return static_cast<Cardinal>(args_.size()); }

 private:
  std::vector<Arg> args_;
};

// Button kinds, shared with the menu tables.
enum {
  XtarvPUSHBUTTON = 1,      // push button widget, "%sPushBG", activate
  XtarvPUSHBUTTONG = 2,     // push button gadget, "%sPushBG", arm
  XtarvTOGGLEBUTTON = 3,    // toggle gadget, "%sToggleBG", value changed
  XtarvCASCADE = 4,         // cascade gadget, "%sCascadeBG", activate
  XtarvUPARROW = 5,         // arrow gadgets, "%s{Up,Down,Left,Right}ArrowBG", activate
  XtarvDOWNARROW = 6,
  XtarvLEFTARROW = 7,
  XtarvRIGHTARROW = 8,
  XtarvSEPARATOR = 9,       // separator gadget "%sSeparatoG" (menu tables only)
  XtarvONEOFMANY = 10,      // radio toggle gadget, "%sToggleBG"
  XtarvPUSHBUTTONW = 11,    // same as 1
  XtarvTOGGLEBUTTONW = 12,  // toggle widget, "%sToggleBG"
};

// One expandable section of a registered dialog.
struct Sectinfo_rec {
  const char *title;  // section key in the window-position file; "" ends the table
  int open;           // 1 open, 0 closed: the state a new section starts in
  int depth;          // 0 section of the dialog, 1 inside the preceding depth-0 row
  int dialog;         // Widgen_tbl row of the hosting dialog, -1 in the end row
  Widget *widget;     // holder of the section's arrow button (iblank rows: its form)
};
#define SECTINFO_ROWS 9
extern Sectinfo_rec Sectinfo_tbl[SECTINFO_ROWS + 1];  // 9 rows and an end row

extern Widget CreateInputField_lbl;  // label made by the last XtarvCreateInputField

// Buttons and separators.
Widget XtarvCreateButton(Widget parent, const char *prefix, const char *label, int kind,
                         char mnemonic, XtCallbackProc cb, XtPointer client, ArgList args,
                         Cardinal nargs);
Widget XtarvCreateSeparatorGadget(Widget parent, const char *prefix, ArgList args,
                                  Cardinal nargs, XtCallbackProc helpcb, XtPointer client);

// Input rows: a label and a one-line text field.
Widget XtarvCreateInputField(Widget parent, const char *prefix, const char *name,
                             const char *label, int columns, int maxlen, Widget topw,
                             int topoff, Widget leftw, int leftoff, int ftopoff, int fleftoff,
                             int below, int align);
Widget XtarvCreateInput(Widget parent, const char *name, const char *label, int columns,
                        int maxlen, int unused, int offset, Widget *label_out,
                        Widget *field_out, int editable, int below, ArgList args,
                        Cardinal nargs);
Widget XtarvCreateInputForm(Widget parent, const char *name, const char *label, int columns,
                            int maxlen, int unused, int offset, Widget *label_out,
                            Widget *field_out, int editable, int below, ArgList args,
                            Cardinal nargs);

// Button rows at the bottom of a dialog form; each returns its first button.
Widget XtarvCreateOkCancelHelpButtons(Widget form, Widget topw, const char *prefix,
                                      XtCallbackProc okcb, XtCallbackProc cancelcb,
                                      XtCallbackProc helpcb, XtPointer okdata,
                                      XtPointer canceldata, XtPointer helpdata);
Widget XtarvCreateOkButtons(Widget form, Widget topw, const char *prefix, XtCallbackProc okcb,
                            XtCallbackProc cancelcb, XtCallbackProc helpcb);
Widget XtarvCreateDismissButtons(Widget form, Widget topw, const char *prefix,
                                 XtCallbackProc dismisscb, XtCallbackProc helpcb);
Widget XtarvCreateDismissHelpButtons(Widget form, Widget topw, const char *prefix,
                                     XtCallbackProc dismisscb, XtCallbackProc helpcb,
                                     XtPointer dismissdata, XtPointer helpdata);

// Sections.
Widget gen_holdform(Widget parent, const char *name, const char *title, int sideoff,
                    Widget *inner, ArgList args, Cardinal nargs);
void XtarvSectExpandRout(Widget arrow, int count, Widget *widgets, int keep);
int XtarvArrowButtonGetState(Widget arrow, int direction);

// Small routines.
void XtarvTextFocus(Widget w, XtPointer client, XtPointer call);
void XtarvTextUnfocus(Widget w, XtPointer client, XtPointer call);
// A text field's text read as atof reads it (no number: 0).
// A managed label widget name showing text.
Widget XtarvCreateLabel(Widget parent, const char *name, const char *text);
float XtarvTextFieldFloat(Widget w);
void XtarvIndicateChange(Widget w, int changed, int style);
void XtarvWidgetResizeSet(Widget w, int flags, int on);
struct Menu_item_rec;
int Xtarv_menuoneofmany_change(Widget toggle, XtPointer value, Menu_item_rec *rows, int first,
                               int last);
void Xtarv_switch_label(Widget w, const char *text, int kind);
void XtarvListSelectMultPos(Widget list, int count, const int *positions);
void XtarvListShowPos(int position, Widget list);
int in_range(float value, float low, float high);
char *lower_case(const char *text);  // malloc'd copy, null when out of memory
