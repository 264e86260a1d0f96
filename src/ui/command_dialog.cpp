// The Command dialog and the mapping dialog (see command_dialog.h). Owns
// their widget holders. The Command dialog is built once and afterwards
// only managed and unmanaged; a mapping dialog is built anew at each call.
// The command widget's command-entered callbacks run in the order
// cmd_enter_routCB (executes) then cmd_rec_routCB (records); to pass a
// recorded line through it without running it, cmdrec_motif takes the
// executing callback off for that one line.
#include "ui/command_dialog.h"

#include <Xm/AtomMgr.h>
#include <Xm/Command.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/command_dlog.h"
#include "client/context_map.h"
#include "state/ui/iconpanel.h"
#include "ui/dialog_frame.h"
#include "ui/help_menu.h"
#include "ui/general_windep.h"
#include "ui/mainwin_state.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"

Widget Command_dialog = nullptr;
Widget Cmd_entry_widget = nullptr;
Widget Cmd_entry_text = nullptr;
Widget Cmd_play_tggl = nullptr;
Widget Cmd_playfile_text = nullptr;
Widget Cmd_interrupt_but = nullptr;
Widget Cmd_step_but = nullptr;
Widget Cmd_skip_but = nullptr;
Widget Cmd_continue_but = nullptr;
Widget Cmd_delay_text = nullptr;
Widget Cmd_delayrefresh_tggl = nullptr;
Widget Cmd_record_tggl = nullptr;
Widget Cmd_recordfile_text = nullptr;
Widget Cmd_recordpartselect_optmen = nullptr;
Widget Cmd_dismiss_but = nullptr;

Menu_item_rec Cmd_recordpartselect_menu[2] = {
    {"Name", 'N', cmdrec_partseltype_chngCB, (XtPointer)0, XtarvPUSHBUTTON, 0, nullptr},
    {"Number", 'u', cmdrec_partseltype_chngCB, (XtPointer)1, XtarvPUSHBUTTON, 0, nullptr},
};

Widget Cmd_map_dialog = nullptr;
Widget Cmd_mapdirect_lbl = nullptr;
Widget Cmd_mapl1tol2_button = nullptr;
Widget Cmd_maplist1_lbl = nullptr;
Widget Cmd_maplist1_list = nullptr;
Widget Cmd_maplist2_lbl = nullptr;
Widget Cmd_maplist2_list = nullptr;

#define CMD_ROW 2        // Widgen_tbl row of the Command dialog
#define CMD_WIDTH 300    // pixels, unless the registry remembers a size

static int Entry_result = -2;   // cmd_process result of the line last entered
static int Record_result = 1;   // cmd_record_to_file result of the line last recorded

// ---- building -------------------------------------------------------------------

// Attachments stacking w below top (the form's top edge when top is null),
// stretched between the form's sides.
static void stack_below(Widget_args &a, Widget top, int offset) {
  if (top) {
    a.set(XmNtopAttachment, XmATTACH_WIDGET);
    a.set(XmNtopWidget, top);
  } else {
    a.set(XmNtopAttachment, XmATTACH_FORM);
  }
  a.set(XmNtopOffset, offset);
  a.set(XmNleftAttachment, XmATTACH_FORM);
  a.set(XmNleftOffset, 5);
  a.set(XmNrightAttachment, XmATTACH_FORM);
  a.set(XmNrightOffset, 5);
}

static Widget make(WidgetClass cls, Widget parent, const char *name, Widget_args &a) {
  return XtCreateManagedWidget(name, cls, parent, a.list(), a.count());
}

static Widget labelled(WidgetClass cls, Widget parent, const char *name, const char *label,
                       Widget_args &a) {
  XmString s = qvn_xmstring(label);
  a.set(XmNlabelString, s);
  a.font();
  Widget w = make(cls, parent, name, a);
  XmStringFree(s);
  return w;
}

static Widget text_field(Widget parent, const char *name, int maxlen, Widget_args &a) {
  a.set(XmNmaxLength, maxlen);
  a.font();
  Widget w = make(xmTextFieldWidgetClass, parent, name, a);
  XtAddCallback(w, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(w, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  return w;
}

static Widget push(Widget parent, const char *name, const char *label, XtCallbackProc cb) {
  Widget_args a;
  Widget w = labelled(xmPushButtonWidgetClass, parent, name, label, a);
  if (cb) XtAddCallback(w, XmNactivateCallback, cb, nullptr);
  return w;
}

static Widget toggle(Widget parent, const char *name, const char *label, XtCallbackProc cb,
                     Widget_args &a) {
  Widget w = labelled(xmToggleButtonWidgetClass, parent, name, label, a);
  XtAddCallback(w, XmNvalueChangedCallback, cb, nullptr);
  return w;
}

// A horizontal row of children.
static Widget row(Widget parent, const char *name, Widget_args &a) {
  a.set(XmNorientation, XmHORIZONTAL);
  a.set(XmNpacking, XmPACK_TIGHT);
  return make(xmRowColumnWidgetClass, parent, name, a);
}

// Frame below top holding a form; the form is returned, the frame in *frame.
static Widget framed_form(Widget dialog, const char *frame_name, const char *form_name, Widget top,
                          Widget *frame) {
  Widget_args fa;
  stack_below(fa, top, 5);
  *frame = make(xmFrameWidgetClass, dialog, frame_name, fa);
  Widget_args a;
  return make(xmFormWidgetClass, *frame, form_name, a);
}

static void set_play_buttons(int sensitive) {
  for (Widget w : {Cmd_interrupt_but, Cmd_step_but, Cmd_skip_but, Cmd_continue_but})
    if (w) XtSetSensitive(w, sensitive ? True : False);
}

// The first row of the play and record frames: a toggle and, right of it,
// the file name field (at most 254 characters).
static void toggle_and_file(Widget form, const char *tname, const char *tlabel, XtCallbackProc cb,
                            const char *fname, Widget *tggl, Widget *field) {
  Widget_args ta;
  ta.set(XmNtopAttachment, XmATTACH_FORM);
  ta.set(XmNleftAttachment, XmATTACH_FORM);
  *tggl = toggle(form, tname, tlabel, cb, ta);
  Widget_args fa;
  fa.set(XmNtopAttachment, XmATTACH_FORM);
  fa.set(XmNleftAttachment, XmATTACH_WIDGET);
  fa.set(XmNleftWidget, *tggl);
  fa.set(XmNrightAttachment, XmATTACH_FORM);
  *field = text_field(form, fname, 254, fa);
}

static Widget build_play_frame(Widget dialog, Widget top) {
  Widget frame;
  Widget form = framed_form(dialog, "cmdplayFrame", "cmdplayForm", top, &frame);
  toggle_and_file(form, "cmdplaytggl", "Play  ", cmd_playmodeCB, "cmdplayfile", &Cmd_play_tggl,
                  &Cmd_playfile_text);
  Widget_args ra;
  stack_below(ra, Cmd_playfile_text, 2);
  Widget buttons = row(form, "cmdplayButtons", ra);
  Cmd_interrupt_but = push(buttons, "Interrupt", "Interrupt", cmd_playinterruptCB);
  Cmd_step_but = push(buttons, "Step", "Step", cmd_playstepCB);
  Cmd_skip_but = push(buttons, "Skip", "Skip", cmd_playskipCB);
  Cmd_continue_but = push(buttons, "Continue", "Continue", cmd_playcontinueCB);
  set_play_buttons(0);
  Widget_args la;
  la.set(XmNtopAttachment, XmATTACH_WIDGET);
  la.set(XmNtopWidget, buttons);
  la.set(XmNtopOffset, 8);
  la.set(XmNleftAttachment, XmATTACH_FORM);
  Widget label =
      labelled(xmLabelWidgetClass, form, "cmddelayLabel", "Delay Between Commands", la);
  Widget_args da;
  da.set(XmNtopAttachment, XmATTACH_WIDGET);
  da.set(XmNtopWidget, buttons);
  da.set(XmNleftAttachment, XmATTACH_WIDGET);
  da.set(XmNleftWidget, label);
  da.set(XmNcolumns, 5);
  Cmd_delay_text = text_field(form, "Cmd delay interval", 10, da);
  XtAddCallback(Cmd_delay_text, XmNactivateCallback, cmd_playdelayCB, nullptr);
  Widget_args ga;
  ga.set(XmNtopAttachment, XmATTACH_WIDGET);
  ga.set(XmNtopWidget, Cmd_delay_text);
  ga.set(XmNleftAttachment, XmATTACH_FORM);
  ga.set(XmNbottomAttachment, XmATTACH_FORM);
  Cmd_delayrefresh_tggl = toggle(form, "cmdplaytggl", "Delay Refresh", cmd_delay_refreshCB, ga);
  return frame;
}

static Widget build_record_frame(Widget dialog, Widget top) {
  Widget frame;
  Widget form = framed_form(dialog, "cmdrecFrame", "cmdrecForm", top, &frame);
  toggle_and_file(form, "cmdrectggl", "Record", cmdrec_modeCB, "cmdrecfile", &Cmd_record_tggl,
                  &Cmd_recordfile_text);
  Widget_args oa;
  stack_below(oa, Cmd_recordfile_text, 2);
  oa.set(XmNbottomAttachment, XmATTACH_FORM);
  Cmd_recordpartselect_optmen =
      XtarvCreateOptionMenu(form, "cmdrecPartSelect", "Record Part Selection By", oa.list(),
                            oa.count(), Cmd_recordpartselect_menu, 2, 0);
  return frame;
}

void cmd_gen_interf() {
  if (Command_dialog || !Main_win[0]) return;
  Arg a[12];
  XmString title = nullptr;
  Cardinal n = widgen_apply_args(CMD_ROW, a, 0, &title);
  if (Widgen_tbl[CMD_ROW].width == -1) {
    XtSetArg(a[n], XmNwidth, CMD_WIDTH); n++;
  }
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Command_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("CmdDialog"), a, n);
  XmStringFree(title);
  Atom wm_delete = XmInternAtom(XtDisplay(Main_win[0]), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(XtParent(Command_dialog), wm_delete, cmd_dismissCB, nullptr);

  Widget_args ba;
  stack_below(ba, nullptr, 5);
  Widget buttons = row(Command_dialog, "cmdButtons", ba);
  Cmd_dismiss_but = push(buttons, "Close", "Close", cmd_dismissCB);
  Widget help = push(buttons, "Help", "Help", nullptr);
  XtAddCallback(help, XmNactivateCallback, info_manCB, const_cast<char *>("HT-Save-CmdFile"));
  Widget_args ma;
  stack_below(ma, buttons, 5);
  Widget macros = labelled(xmPushButtonWidgetClass, Command_dialog, "Reload Macros",
                           "Reload Macros", ma);
  XtAddCallback(macros, XmNactivateCallback, cmd_chng_macpathCB, nullptr);
  Widget play = build_play_frame(Command_dialog, macros);
  Widget record = build_record_frame(Command_dialog, play);

  Widget_args ca;
  stack_below(ca, record, 5);
  ca.set(XmNbottomAttachment, XmATTACH_FORM);
  XmString prompt = qvn_xmstring("Command Entry>");
  ca.set(XmNpromptString, prompt);
  Cmd_entry_widget = XmCreateCommand(Command_dialog, const_cast<char *>("cmdwidg"), ca.list(),
                                     ca.count());
  XmStringFree(prompt);
  XtAddCallback(Cmd_entry_widget, XmNcommandEnteredCallback, cmd_enter_routCB, nullptr);
  XtAddCallback(Cmd_entry_widget, XmNcommandEnteredCallback, cmd_rec_routCB, nullptr);
  Cmd_entry_text = XmCommandGetChild(Cmd_entry_widget, XmDIALOG_COMMAND_TEXT);
  if (Fixedfont && Menufont) XtVaSetValues(Cmd_entry_text, XmNfontList, Menufont, nullptr);
  XtManageChild(Cmd_entry_widget);
  // Return in the command entry runs the line; Escape closes the dialog.
  dialog_keys(Command_dialog, nullptr, Cmd_dismiss_but);
  keep_on_screen(Command_dialog);
  cmd_interf_refresh();
}

void cmd_gen_mapdialog() {
  if (!Main_menubar) return;
  Arg a[4];
  Cardinal n = 0;
  XmString title = qvn_xmstring("Map Entities in List 1 to List 2");
  XtSetArg(a[n], XmNdialogTitle, title); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Cmd_map_dialog = XmCreateFormDialog(Main_menubar, const_cast<char *>("CmdMapForm"), a, n);
  XmStringFree(title);
  Atom wm_delete =
      XmInternAtom(XtDisplay(Main_menubar), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(XtParent(Cmd_map_dialog), wm_delete, cmd_map_closeCB, nullptr);

  Widget_args da;
  stack_below(da, nullptr, 5);
  Cmd_mapdirect_lbl =
      labelled(xmLabelWidgetClass, Cmd_map_dialog, "CmdMapDirLabel", "General Directions", da);
  Widget_args ca;
  ca.set(XmNbottomAttachment, XmATTACH_FORM);
  ca.set(XmNbottomOffset, 5);
  ca.set(XmNleftAttachment, XmATTACH_FORM);
  ca.set(XmNleftOffset, 5);
  Widget close = labelled(xmPushButtonWidgetClass, Cmd_map_dialog, "CmdMapCloseButton", "Close", ca);
  XtAddCallback(close, XmNactivateCallback, cmd_map_closeCB, nullptr);
  dialog_keys(Cmd_map_dialog, nullptr, close);
  keep_on_screen(Cmd_map_dialog);
  Widget_args ma;
  ma.set(XmNbottomAttachment, XmATTACH_WIDGET);
  ma.set(XmNbottomWidget, close);
  ma.set(XmNleftAttachment, XmATTACH_FORM);
  ma.set(XmNrightAttachment, XmATTACH_FORM);
  Cmd_mapl1tol2_button =
      labelled(xmPushButtonWidgetClass, Cmd_map_dialog, "CmdMapL1ToL2Button",
               "      ---->>>>Map List 1 Item To List 2 Item(s)---->>>>      ", ma);
  XtAddCallback(Cmd_mapl1tol2_button, XmNactivateCallback, cmd_map_list1tolist2CB, nullptr);

  // List 1 on the left half, List 2 on the right half, between the
  // directions and the map button.
  struct Side {
    const char *label_name, *label, *list_name;
    int left, right;
    Widget *lbl, *list;
  } sides[] = {
      {"CmdMapList1Label", "List 1", "CmdMapList1ScrolledList", 0, 50, &Cmd_maplist1_lbl,
       &Cmd_maplist1_list},
      {"CmdMapList2Label", "List 2", "CmdMapList2ScrolledList", 50, 100, &Cmd_maplist2_lbl,
       &Cmd_maplist2_list},
  };
  XtVaSetValues(Cmd_map_dialog, XmNfractionBase, 100, nullptr);
  for (Side &s : sides) {
    Widget_args la;
    la.set(XmNtopAttachment, XmATTACH_WIDGET);
    la.set(XmNtopWidget, Cmd_mapdirect_lbl);
    la.set(XmNleftAttachment, XmATTACH_POSITION);
    la.set(XmNleftPosition, s.left);
    *s.lbl = labelled(xmLabelWidgetClass, Cmd_map_dialog, s.label_name, s.label, la);
    Widget_args l;
    l.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, *s.lbl);
    l.attach(XmNleftAttachment, XmATTACH_POSITION).set(XmNleftPosition, s.left);
    l.attach(XmNrightAttachment, XmATTACH_POSITION).set(XmNrightPosition, s.right);
    l.attach(XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, Cmd_mapl1tol2_button);
    l.set(XmNselectionPolicy, XmEXTENDED_SELECT);
    *s.list = XmCreateScrolledList(Cmd_map_dialog, const_cast<char *>(s.list_name), l.list(),
                                   l.count());
    XtManageChild(*s.list);
  }
}

// ---- passing lines through the command widget --------------------------------------

// The line of a command-entered callback (at most CMD_ENTRY_MAXLINE
// characters): the value the widget passes, else its text field's.
static void entered_line(XtPointer call, char *line, int size) {
  auto *cb = static_cast<XmCommandCallbackStruct *>(call);
  char *text = nullptr;
  if (cb && cb->value)
    text = static_cast<char *>(
        XmStringUnparse(cb->value, nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT, nullptr, 0, XmOUTPUT_ALL));
  else if (Cmd_entry_text)
    text = XmTextFieldGetString(Cmd_entry_text);
  snprintf(line, size, "%s", text ? text : "");
  XtFree(text);
}

void cmd_entry_show_motif(const char *line) {
  if (!Cmd_entry_widget || !line) return;
  XmString s = qvn_xmstring(line);
  XmCommandSetValue(Cmd_entry_widget, s);
  XmStringFree(s);
}

// The command widget's "Return" action: the value enters the history and
// the command-entered callbacks run.
static void press_return() {
  XEvent ev;
  memset(&ev, 0, sizeof ev);
  ev.xkey.type = KeyPress;
  ev.xkey.display = XtDisplay(Cmd_entry_widget);
  ev.xkey.window = XtWindow(Cmd_entry_widget);
  XtCallActionProc(Cmd_entry_widget, const_cast<char *>("Return"), &ev, nullptr, 0);
}

int cmd_entry_execute_motif(const char *line) {
  if (!Cmd_entry_widget || !line) return -2;
  cmd_entry_show_motif(line);
  Entry_result = -2;
  press_return();
  return Entry_result;
}

int cmdrec_motif(const char *line) {
  if (!Command_dialog) cmd_gen_interf();
  if (!Cmd_entry_widget) return cmd_record_to_file(line);
  cmd_entry_show_motif(line);
  Record_result = 1;
  XtRemoveCallback(Cmd_entry_widget, XmNcommandEnteredCallback, cmd_enter_routCB, nullptr);
  press_return();
  XtAddCallback(Cmd_entry_widget, XmNcommandEnteredCallback, cmd_enter_routCB, nullptr);
  return Record_result;
}

void cmd_enter_routCB(Widget, XtPointer, XtPointer call) {
  char line[CMD_ENTRY_MAXLINE + 1];
  entered_line(call, line, sizeof line);
  Entry_result = cmd_process_and_refresh(line);
}

void cmd_rec_routCB(Widget, XtPointer, XtPointer call) {
  char line[CMD_ENTRY_MAXLINE + 1];
  entered_line(call, line, sizeof line);
  Record_result = Recrdr == 1 ? cmd_record_to_file(line) : 0;
}

// ---- fields ---------------------------------------------------------------------------

int cmdinterf_set_fields_motif(const Cmd_interf_fields *f) {
  if (!Cmd_entry_widget || !f) return 0;
  XmToggleButtonSetState(Cmd_record_tggl, f->record_on ? True : False, False);
  XmToggleButtonSetState(Cmd_delayrefresh_tggl, f->delay_refresh ? True : False, False);
  XmTextFieldSetString(Cmd_delay_text, const_cast<char *>(f->delay));
  XmTextFieldSetString(Cmd_recordfile_text, const_cast<char *>(f->recordfile));
  XtarvOptionMenuSetState(Cmd_recordpartselect_optmen, Cmd_recordpartselect_menu,
                          f->by_number ? 1 : 0, 0);
  return 1;
}

void cmdrec_toggle_motif(int on, int notify) {
  if (Cmd_record_tggl) XmToggleButtonSetState(Cmd_record_tggl, on ? True : False, notify ? True : False);
}

void cmdplay_toggle_motif(int on, int notify) {
  if (Cmd_play_tggl) XmToggleButtonSetState(Cmd_play_tggl, on ? True : False, notify ? True : False);
}

void cmdplay_showfile_motif(const char *name) {
  if (Cmd_playfile_text && name) XmTextFieldSetString(Cmd_playfile_text, const_cast<char *>(name));
}

// ---- controls -------------------------------------------------------------------------

void cmd_play_initCB(Widget w, XtPointer, XtPointer call) {
  manage_rout(w, &Command_dialog, call);
  cmd_interf_refresh();
}

void cmd_dismissCB(Widget, XtPointer, XtPointer) {
  if (Command_dialog) XtUnmanageChild(Command_dialog);
}

void cmd_playmodeCB(Widget, XtPointer, XtPointer) {
  if (!Cmd_entry_text && Cmd_entry_widget)
    Cmd_entry_text = XmCommandGetChild(Cmd_entry_widget, XmDIALOG_COMMAND_TEXT);
  cmd_playmode();
}

void cmd_playinterruptCB(Widget, XtPointer, XtPointer) { cmd_playinterrupt(); }

void cmd_playcontinueCB(Widget, XtPointer, XtPointer) { cmd_playcontinue(); }

// Paused playback offers Step, Skip and Continue; running playback Interrupt.
static void cmd_play_buttons_motif(int paused) {
  set_play_buttons(paused ? 1 : 0);
  if (Cmd_interrupt_but) XtSetSensitive(Cmd_interrupt_but, paused ? False : True);
}

void cmd_playstepCB(Widget, XtPointer, XtPointer) { Cmd_play_step_flag = 1; }

void cmd_playskipCB(Widget, XtPointer, XtPointer) {
  Cmd_play_skip_flag = 1;
  Cmd_play_step_flag = 1;
}

void cmd_playdelayCB(Widget w, XtPointer, XtPointer) {
  char *text = XmTextFieldGetString(w);
  int seconds = text ? atoi(text) : 0;
  XtFree(text);
  cmd_play_delay(seconds, 0);
}

void cmd_delay_refreshCB(Widget w, XtPointer, XtPointer) {
  cmd_delay_refresh(XmToggleButtonGetState(w) ? 1 : 0, 0);
}

void cmdrec_modeCB(Widget, XtPointer, XtPointer) { cmdrec_mode(); }

void cmdrec_partseltype_chngCB(Widget, XtPointer client, XtPointer) {
  Cmd_record_parts_by_number = (int)(long)client;
  iconpanel_save_generalpref();
}

void cmd_chng_macpathCB(Widget, XtPointer, XtPointer) { cmd_chng_macpath(); }

// Parts done while variables are still to map: the dialog stays (managed
// again after a window-manager close) and turns to the variables.
void cmd_map_closeCB(Widget, XtPointer, XtPointer) {
  if (Map_context_state == 2) {
    if (Cmd_map_dialog) XtManageChild(Cmd_map_dialog);
    cmd_init_contextmapdialog(1);
    return;
  }
  if (Cmd_map_dialog) XtUnmanageChild(Cmd_map_dialog);
  cmd_playcontinue();
}

void cmd_map_list1tolist2CB(Widget, XtPointer, XtPointer) {
  if (Map_context_state == 1)
    cmd_map_contextvars();
  else
    cmd_map_contextparts();
}

void cmd_mapdialog_show_motif() {
  if (Cmd_map_dialog) XtManageChild(Cmd_map_dialog);
}

static void set_list(Widget list, const std::vector<std::string> &items) {
  if (!list) return;
  XmListDeleteAllItems(list);
  for (const std::string &item : items) {
    XmString s = qvn_xmstring(item.c_str());
    XmListAddItemUnselected(list, s, 0);
    XmStringFree(s);
  }
}

void cmd_mapdialog_fill_motif(const std::string &label, const std::vector<std::string> &list1,
                               const std::vector<std::string> &list2) {
  if (!Cmd_map_dialog) return;
  XmString s = qvn_xmstring(label.c_str());
  XtVaSetValues(Cmd_mapdirect_lbl, XmNlabelString, s, nullptr);
  XmStringFree(s);
  set_list(Cmd_maplist1_list, list1);
  set_list(Cmd_maplist2_list, list2);
}

bool cmd_maplist_selected_motif(int which, std::vector<int> *positions) {
  Widget list = which == 1 ? Cmd_maplist1_list : Cmd_maplist2_list;
  positions->clear();
  int *pos = nullptr, n = 0;
  if (!list || !XmListGetSelectedPos(list, &pos, &n)) return false;
  positions->assign(pos, pos + n);
  XtFree(reinterpret_cast<char *>(pos));
  return true;
}

// ---- play and record toggles ----------------------------------------------------------

static char *field_text(Widget w) { return w ? XmTextFieldGetString(w) : nullptr; }

// Opens the File Selection dialog for the play or record field; a name
// already in that field becomes the dialog's proposed file name. 1 shown, -1 refused.
static int ask_for_file(Widget *field, void (*okay)(), void (*cancel)()) {
  if (fsel_select(9, field, nullptr, nullptr, 0, okay, cancel) < 0) return -1;
  char *name = field_text(*field);
  if (name && name[0] && Fileselect_file_text) XmTextFieldSetString(Fileselect_file_text, name);
  XtFree(name);
  return 1;
}

void cmd_getfile_and_play() {
  char *name = field_text(Cmd_playfile_text);
  if (name && name[0]) {
    if (Fileselect_dialog && XtIsManaged(Fileselect_dialog)) XtUnmanageChild(Fileselect_dialog);
    cmdplay(name, 0);
  }
  XtFree(name);
  cmdplay_toggle_motif(0, 1);
}

void cmd_cancel_play() { cmdplay_toggle_motif(0, 1); }

// Switched on, the File Selection dialog asks for the command file; when it
// cannot be shown (no main window) the name in the play-file field is played
// at once.
void cmd_playmode() {
  if (!Cmd_play_tggl || !XmToggleButtonGetState(Cmd_play_tggl)) {
    set_play_buttons(0);
    cmdplay("", 0);
    return;
  }
  Cmd_play_step_flag = 0;
  Cmd_play_skip_flag = 0;
  set_play_buttons(1);
  if (ask_for_file(&Cmd_playfile_text, cmd_getfile_and_play, cmd_cancel_play) < 0)
    cmd_getfile_and_play();
}

static void cmd_getfile_and_rec() {
  char *name = field_text(Cmd_recordfile_text);
  if (!name || !name[0] || cmd_recordto(name) < 0) cmdrec_toggle_motif(0, 0);
  XtFree(name);
  cmd_interf_refresh();
}

static void cmd_cancel_rec() { cmdrec_toggle_motif(0, 1); }

// Switched on, the File Selection dialog asks for the record file; when it
// cannot be shown (no main window) the record-file field names the file.
void cmdrec_mode() {
  if (!Cmd_record_tggl || !XmToggleButtonGetState(Cmd_record_tggl)) {
    cmd_record_off();
    cmd_interf_refresh();
    return;
  }
  if (ask_for_file(&Cmd_recordfile_text, cmd_getfile_and_rec, cmd_cancel_rec) < 0)
    cmd_getfile_and_rec();
}

// No key macros are defined in this client yet: the reload only refreshes.
int cmd_chng_macpath() {
  cmd_interf_refresh();
  return 1;
}


// ---- the Motif screen's Command dialog entries ------------------------------------------

static int motif_cmd_entry_execute(const char *line, int *result) {
  int r = cmd_entry_execute_motif(line);
  if (r == -2) return 0;
  *result = r;
  return 1;
}

static int motif_cmd_entry_show(const char *line) {
  if (!Cmd_entry_widget) return 0;
  cmd_entry_show_motif(line);
  return 1;
}

static int motif_cmd_dialog_build() {
  cmd_gen_interf();
  return Command_dialog ? 1 : 0;
}

static int motif_cmd_dialog_show() {
  if (!Command_dialog) return 0;
  XtManageChild(Command_dialog);
  return 1;
}

static int motif_cmd_dialog_exists() { return Command_dialog ? 1 : 0; }

static void motif_map_open() {
  cmd_gen_mapdialog();
  cmd_mapdialog_show_motif();
}

void command_dialog_screen(Screen_ops *ops) {
  ops->cmd_entry_execute = motif_cmd_entry_execute;
  ops->cmd_entry_show = motif_cmd_entry_show;
  ops->cmd_dialog_build = motif_cmd_dialog_build;
  ops->cmd_dialog_show = motif_cmd_dialog_show;
  ops->cmd_dialog_exists = motif_cmd_dialog_exists;
  Cmd_windep.record = cmdrec_motif;
  Cmd_windep.set_fields = cmdinterf_set_fields_motif;
  Cmd_windep.record_toggle = cmdrec_toggle_motif;
  Cmd_windep.play_toggle = cmdplay_toggle_motif;
  Cmd_windep.play_showfile = cmdplay_showfile_motif;
  Cmd_windep.play_buttons = cmd_play_buttons_motif;
  Cmd_windep.map_open = motif_map_open;
  Cmd_windep.map_fill = cmd_mapdialog_fill_motif;
  Cmd_windep.map_selected = cmd_maplist_selected_motif;
}
