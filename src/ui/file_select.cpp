// File Selection dialog (see file_select.h). Owns the dialog's widgets, the
// current request (purpose and routines) and the search state: the
// toolkit's own search procedures (saved when the dialog is built), the
// remembered local and remote filters and, per case, whether its remote
// listing and its local data listing have started. Every request replaces
// the previous one's routines and Okay callbacks.
#include "ui/dialog_frame.h"
#include "ui/file_select.h"

#include <Xm/ArrowB.h>
#include <Xm/FileSB.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/file_select_comm.h"
#include "data/data_dlog.h"
#include "data/ui/data_windep.h"
#include "ui/case_menu.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"

int File_selection_type = 9;
void (*Fsel_applyroutCB)() = nullptr;
void (*Fsel_cancelroutCB)() = nullptr;
int Fsel_lastaccess = 0;
char Fsel_lastfilter[2][FSEL_FILTER_LEN];

Widget Fileselect_dialog = nullptr;
Widget Fileselect_file_text = nullptr;
Widget Fileselect_filter_text = nullptr;
Widget Fileselect_dir_list = nullptr;
Widget Fileselect_file_list = nullptr;
Widget Fileselect_okay_but = nullptr;
Widget Fileselect_help_but = nullptr;
Widget Fileselect_interf_form = nullptr;
Widget Fileselect_case_arobut = nullptr;
Widget Fileselect_caseinfo_form = nullptr;
Widget Fileselect_newcase_but = nullptr;
Widget Fileselect_replacecase_but = nullptr;
Widget Fileselect_deletecase_but = nullptr;
Widget Fileselect_spectstep_tggl = nullptr;
Widget Fileselect_spectstep_text = nullptr;
Widget Fileselect_format_optmen = nullptr;
Widget Fileselect_native_tggl = nullptr;
Widget Fileselect_formatdesc_lbl = nullptr;
Widget Fileselect_geom_but = nullptr;
Widget Fileselect_geom_text = nullptr;
Widget Fileselect_result_but = nullptr;
Widget Fileselect_result_text = nullptr;
Widget Fileselect_meas_but = nullptr;
Widget Fileselect_meas_text = nullptr;
Widget Fileselect_path_text = nullptr;

#define FSEL_ROW 13      // Widgen_tbl row "File Selection"
#define FSEL_HOST_LEN 256

static XmSearchProc Fsel_filsearch_proc = nullptr;  // the toolkit's own file search
static XmSearchProc Fsel_dirsearch_proc = nullptr;  // the toolkit's own directory search
static int Remote_started[MAX_CASES];     // 1 once the case's remote listing started
static int Localdata_started[MAX_CASES];  // 1 once the case's local data listing started

// ---- text helpers ---------------------------------------------------------------------------

std::string fsel_get_text(Widget w) {
  if (!w) return "";
  char *t = XmIsTextField(w) ? XmTextFieldGetString(w) : XmTextGetString(w);
  std::string s = t ? t : "";
  XtFree(t);
  return s;
}

void fsel_set_text(Widget w, const std::string &s) {
  if (!w) return;
  if (XmIsTextField(w))
    XmTextFieldSetString(w, const_cast<char *>(s.c_str()));
  else
    XmTextSetString(w, const_cast<char *>(s.c_str()));
}

static void search(const std::string &mask) {
  XmString s = qvn_xmstring(mask.c_str());
  XmFileSelectionDoSearch(Fileselect_dialog, s);
  XmStringFree(s);
}

// ---- logic without widgets ----------------------------------------------------------------

std::string fsel_remote_filter_error(const char *filter) {
  const char *slash = strrchr(filter, '/');
  if (slash && strcspn(filter, "*?[") < (size_t)(slash - filter))
    return "For Remote File Selection: Meta characters in the path are not supported.";
  const char *bad = strpbrk(filter, "?[");
  if (bad) {
    char msg[80];
    snprintf(msg, sizeof msg, "For Remote File Selection: Meta character %c not supported.", *bad);
    return msg;
  }
  return "";
}

bool fsel_compose_item(const char *prefix, const char *name, char *item) {
  int n = snprintf(item, FSEL_ITEM_LEN, "%s%s", prefix, name);
  if (n < 0 || n >= FSEL_ITEM_LEN) {
    item[0] = '\0';
    return false;
  }
  return true;
}

void fsel_split_setname(const char *text, std::string *name, std::string *path, bool *path_set) {
  const char *slash = strrchr(text, '/');
  *path_set = slash != nullptr;
  if (!slash) {
    *name = text;
  } else if (slash[1]) {
    *name = slash + 1;
    *path = std::string(text, slash);
  } else {
    *name = "/";
    *path = text;
  }
}

std::string fsel_listed_filter(const char *path, const char *filter) {
  std::string shown = path;
  if (shown.empty() || shown.back() == '/') return shown + "*";
  const char *slash = strrchr(filter, '/');
  std::string pattern = slash ? slash + 1 : filter;
  if (pattern.empty()) pattern = "*";
  size_t last = shown.rfind('/');
  if (shown.compare(last == std::string::npos ? 0 : last + 1, std::string::npos, pattern) == 0)
    return shown;
  return shown + "/" + pattern;
}

// ---- remote listing -----------------------------------------------------------------------

// Items prefix + name for each listed name; over-long ones are left out
// with a note on standard error.
static std::vector<XmString> compose_items(const std::string &prefix, char **names, int count) {
  std::vector<XmString> items;
  char item[FSEL_ITEM_LEN];
  for (int i = 0; i < count; i++) {
    if (!fsel_compose_item(prefix.c_str(), names[i], item)) {
      fprintf(stderr, "W> File Select: '%s%s' is longer than %d characters; not listed.\n",
              prefix.c_str(), names[i], FSEL_ITEM_LEN - 1);
      continue;
    }
    items.push_back(qvn_xmstring(item));
  }
  return items;
}

static void free_items(std::vector<XmString> &items) {
  for (XmString s : items) XmStringFree(s);
  items.clear();
}

void fsel_filremotesearch(Widget, XtPointer) {}

void fsel_dirremotesearch(Widget fsb, XtPointer) {
  std::string filter = fsel_get_text(Fileselect_filter_text);
  std::string error = fsel_remote_filter_error(filter.c_str());
  if (!error.empty()) {
    disperr(error.c_str());
    return;
  }
  char *path = nullptr;
  char **dirs = nullptr, **files = nullptr;
  int ndirs = 0, nfiles = 0;
  if (remotefilelist(filter.c_str(), &path, &ndirs, &dirs, &nfiles, &files) < 0) return;
  std::string shown = fsel_listed_filter(path, filter.c_str());
  fsel_set_text(Fileselect_filter_text, shown);
  std::string prefix = shown.substr(0, shown.rfind('/') + 1);

  XmListDeleteAllItems(Fileselect_dir_list);
  std::vector<XmString> d = compose_items(prefix, dirs, ndirs);
  XtVaSetValues(fsb, XmNdirListItems, d.empty() ? nullptr : d.data(), XmNdirListItemCount,
                (int)d.size(), XmNdirectoryValid, True, XmNlistUpdated, True, nullptr);
  if (ndirs > 0) fsel_set_text(Fileselect_file_text, prefix);
  free_items(d);
  XmListDeleteAllItems(Fileselect_file_list);
  std::vector<XmString> f = compose_items(prefix, files, nfiles);
  XtVaSetValues(fsb, XmNfileListItems, f.empty() ? nullptr : f.data(), XmNfileListItemCount,
                (int)f.size(), XmNlistUpdated, True, nullptr);
  free_items(f);

  free(path);
  remotefilelist_free(dirs);
  remotefilelist_free(files);
}

// ---- switching local and remote -------------------------------------------------------------

// Where a case's first listing starts: the work area's path, else the
// server's working directory, else the current directory; "dir/*".
static std::string start_filter() {
  std::string dir = File_data_dialog ? fsel_get_text(Fileselect_path_text) : "";
  if (dir.empty()) {
    char cwd[1024];
    if (Online[Case_num + 1] && ccrcwd(Isockt[Case_num], cwd, sizeof cwd) >= 0) dir = cwd;
  }
  if (dir.empty()) dir = ".";
  return dir + "/*";
}

static void remember(int which) {
  snprintf(Fsel_lastfilter[which], FSEL_FILTER_LEN, "%s", fsel_get_text(Fileselect_filter_text).c_str());
}

void fsel_setsearchproc(int remote, int purpose) {
  if (!Fileselect_dialog) return;
  if (remote) {
    XtVaSetValues(Fileselect_dialog, XmNfileSearchProc, fsel_filremotesearch, XmNdirSearchProc,
                  fsel_dirremotesearch, nullptr);
    if (!Remote_started[Case_num]) {
      std::string filter = start_filter();
      std::string dir = filter.substr(0, filter.size() - 1);
      fsel_set_text(Fileselect_filter_text, filter);
      search(dir);
      fsel_set_text(Fileselect_file_text, dir);
      fsel_set_text(Fileselect_filter_text, filter);
      Remote_started[Case_num] = 1;
    } else {
      if (Fsel_lastaccess == 0) fsel_set_text(Fileselect_filter_text, Fsel_lastfilter[1]);
      remember(1);
      search(Fsel_lastfilter[1]);
    }
    Fsel_lastaccess = 1;
    return;
  }
  XtVaSetValues(Fileselect_dialog, XmNfileSearchProc, Fsel_filsearch_proc, XmNdirSearchProc,
                Fsel_dirsearch_proc, nullptr);
  if (purpose == 1 && !Localdata_started[Case_num]) {
    std::string filter = start_filter();
    fsel_set_text(Fileselect_filter_text, filter);
    search(filter);
    Localdata_started[Case_num] = 1;
    return;
  }
  if (Fsel_lastaccess == 1) {
    fsel_set_text(Fileselect_filter_text, Fsel_lastfilter[0]);
    Fsel_lastaccess = 0;
  }
  remember(0);
  search(Fsel_lastfilter[0]);
}

// ---- building -------------------------------------------------------------------------------

static void add_font(Arg *a, Cardinal *n) {
  if (Fixedfont && Menufont) {
    XtSetArg(a[*n], XmNfontList, Menufont);
    (*n)++;
  }
}

static Widget make(WidgetClass cls, Widget parent, const char *name, const char *label) {
  Arg a[4];
  Cardinal n = 0;
  XmString s = label ? qvn_xmstring(label) : nullptr;
  if (s) {
    XtSetArg(a[n], XmNlabelString, s);
    n++;
  }
  add_font(a, &n);
  Widget w = XtCreateManagedWidget(name, cls, parent, a, n);
  if (s) XmStringFree(s);
  return w;
}

static Widget section_label(Widget parent, const char *name, const char *label) {
  Widget w = make(xmLabelWidgetClass, parent, name, label);
  if (Section_color.pixel) XtVaSetValues(w, XmNforeground, Section_color.pixel, nullptr);
  return w;
}

static Widget field(Widget parent, const char *name, int columns, int maxlen) {
  Arg a[4];
  Cardinal n = 0;
  XtSetArg(a[n], XmNmaxLength, maxlen); n++;
  if (columns > 0) {
    XtSetArg(a[n], XmNcolumns, columns); n++;
  }
  add_font(a, &n);
  Widget w = XtCreateManagedWidget(name, xmTextFieldWidgetClass, parent, a, n);
  XtAddCallback(w, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(w, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  XtAddCallback(w, XmNactivateCallback, okcallback, nullptr);
  return w;
}

static Widget row(Widget parent, const char *name, int horizontal) {
  Arg a[2];
  XtSetArg(a[0], XmNorientation, horizontal ? XmHORIZONTAL : XmVERTICAL);
  XtSetArg(a[1], XmNpacking, XmPACK_TIGHT);
  return XtCreateManagedWidget(name, xmRowColumnWidgetClass, parent, a, 2);
}

// A (Set) button and its file field.
static void set_row(Widget parent, const char *label, const char *fname, Widget *but,
                    Widget *text) {
  Widget r = row(parent, fname, 1);
  *but = make(xmPushButtonWidgetClass, r, label, label);
  *text = field(r, fname, 0, 255);
  XtAddCallback(*but, XmNactivateCallback, fsel_okcallback2, (XtPointer)text);
}

static void build_work_area(Widget fsb) {
  Arg a[2];
  XtSetArg(a[0], XmNorientation, XmVERTICAL);
  Fileselect_interf_form =
      XtCreateWidget("FileSelectSpecRowColumn", xmRowColumnWidgetClass, fsb, a, 1);

  Widget caseform = row(Fileselect_interf_form, "FileSelectSpecCaseForm", 1);
  Fileselect_case_arobut = XtVaCreateManagedWidget(
      "FileSelectSpecCaseArrowButton", xmArrowButtonWidgetClass, caseform, XmNarrowDirection,
      Sectinfo_tbl[5].open ? XmARROW_DOWN : XmARROW_RIGHT, nullptr);
  XtAddCallback(Fileselect_case_arobut, XmNactivateCallback, fsel_caseexpand_routCB, (XtPointer)0);
  section_label(caseform, "FileSelectSpecCaseLabel", "Case (Add,Replace,Delete)");

  Fileselect_caseinfo_form = row(Fileselect_interf_form, "FileSelectCaseForm", 1);
  Fileselect_newcase_but =
      make(xmPushButtonWidgetClass, Fileselect_caseinfo_form, " Add... ", " Add... ");
  Fileselect_replacecase_but =
      make(xmPushButtonWidgetClass, Fileselect_caseinfo_form, " Replace... ", " Replace... ");
  Fileselect_deletecase_but =
      make(xmPushButtonWidgetClass, Fileselect_caseinfo_form, " Delete ", " Delete ");
  XtAddCallback(Fileselect_newcase_but, XmNactivateCallback, case_addCB, (XtPointer)0);
  XtAddCallback(Fileselect_replacecase_but, XmNactivateCallback, case_replaceCB, (XtPointer)0);
  XtAddCallback(Fileselect_deletecase_but, XmNactivateCallback, case_deleteCB, (XtPointer)0);

  Widget info = row(Fileselect_interf_form, "FileSelectSpecForm", 0);
  section_label(info, "FileSelectFileLabel", "****File Information****");
  Widget start = row(info, "FileSelectStartRow", 1);
  Fileselect_spectstep_tggl = make(xmToggleButtonWidgetClass, start, "FileSelectStartToggle",
                                   "Specify Starting\nTime Step");
  Fileselect_spectstep_text = field(start, "FileSelectStartText", 3, 10);
  Fileselect_format_optmen = XtarvCreateOptionMenu(
      info, "FileSelectFormatOption", "Format", nullptr, 0, Data_format_menu, DATA_FORMAT_ROWS, 0);
  XtManageChild(Fileselect_format_optmen);
  Fileselect_native_tggl =
      make(xmToggleButtonWidgetClass, info, "FileNativeToggle", "Binary Files\nAre Native  ");
  Fileselect_formatdesc_lbl =
      make(xmLabelWidgetClass, info, "FileSelectFormatDescLabel", "****Format Information****");
  set_row(info, "(Set) Geometry", "FileSelectGeomText", &Fileselect_geom_but,
          &Fileselect_geom_text);
  set_row(info, "(Set) Result", "FileSelectResText", &Fileselect_result_but,
          &Fileselect_result_text);
  set_row(info, "(Set) Measured", "FileSelectMeasText", &Fileselect_meas_but,
          &Fileselect_meas_text);
  Widget path = row(info, "FileSelectPathRow", 1);
  make(xmLabelWidgetClass, path, "FileSelectPathLabel", "Path");
  Fileselect_path_text = field(path, "FileSelectPathText", 0, 255);
  make(xmLabelWidgetClass, info, "FileSelectDummy1Label", "    ");
}

void gen_filesel_dialog() {
  if (Fileselect_dialog || !Main_win[0]) return;
  Arg a[16];
  XmString title = nullptr;
  Cardinal n = widgen_apply_args(FSEL_ROW, a, 0, &title);
  XmString okay = qvn_xmstring("Okay"), apply = qvn_xmstring("Apply Filter");
  XtSetArg(a[n], XmNokLabelString, okay); n++;
  XtSetArg(a[n], XmNapplyLabelString, apply); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNchildPlacement, XmPLACE_BELOW_SELECTION); n++;
  Fileselect_dialog =
      XmCreateFileSelectionDialog(Main_win[0], const_cast<char *>("FileSelectDialog"), a, n);
  XmStringFree(title);
  XmStringFree(okay);
  XmStringFree(apply);
  Widget fsb = Fileselect_dialog;
  Fileselect_file_text = XmFileSelectionBoxGetChild(fsb, XmDIALOG_TEXT);
  Fileselect_filter_text = XmFileSelectionBoxGetChild(fsb, XmDIALOG_FILTER_TEXT);
  Fileselect_dir_list = XmFileSelectionBoxGetChild(fsb, XmDIALOG_DIR_LIST);
  Fileselect_file_list = XmFileSelectionBoxGetChild(fsb, XmDIALOG_LIST);
  Fileselect_okay_but = XmFileSelectionBoxGetChild(fsb, XmDIALOG_OK_BUTTON);
  Fileselect_help_but = XmFileSelectionBoxGetChild(fsb, XmDIALOG_HELP_BUTTON);
  XtVaSetValues(fsb, XmNdefaultButton, XmFileSelectionBoxGetChild(fsb, XmDIALOG_APPLY_BUTTON),
                nullptr);
  XtAddCallback(fsb, XmNokCallback, data_read_byformatCB, nullptr);
  keep_on_screen(fsb);
  build_work_area(fsb);
  fsel_caseexpand_routCB(Fileselect_case_arobut, (XtPointer)1, nullptr);
  XtAddCallback(fsb, XmNcancelCallback, fsel_cancelcallback, nullptr);
  XtVaGetValues(fsb, XmNfileSearchProc, &Fsel_filsearch_proc, XmNdirSearchProc,
                &Fsel_dirsearch_proc, nullptr);
}

// ---- requests ---------------------------------------------------------------------------------

int fsel_select(int purpose, Widget *field1, Widget *field2, Widget *, int, void (*apply)(),
                void (*cancel)()) {
  gen_filesel_dialog();
  if (!Fileselect_dialog) return -1;
  Fsel_applyroutCB = apply;
  Fsel_cancelroutCB = cancel;
  File_selection_type = purpose;

  XtRemoveAllCallbacks(Fileselect_dialog, XmNokCallback);
  XtRemoveAllCallbacks(Fileselect_okay_but, XmNactivateCallback);
  XtAddCallback(Fileselect_okay_but, XmNactivateCallback, fsel_okcallback,
                field2 ? nullptr : (XtPointer)field1);
  XtRemoveAllCallbacks(Fileselect_help_but, XmNactivateCallback);
  XtAddCallback(Fileselect_help_but, XmNactivateCallback, info_manCB,
                (XtPointer)(purpose == 1 ? "HT-Read-Data" : "HT-Misc-FileSelect"));

  if (purpose != 1 && purpose != 2) {
    fsel_setsearchproc(0, purpose);
    XtUnmanageChild(Fileselect_interf_form);
    XtManageChild(Fileselect_dialog);
    return 1;
  }
  if (!Online[Case_num + 1]) {
    disperr("File Select: Must be connected to the server to select files.");
    return -1;
  }
  if (purpose == 1)
    XtManageChild(Fileselect_interf_form);
  else
    XtUnmanageChild(Fileselect_interf_form);
  char here[FSEL_HOST_LEN], there[FSEL_HOST_LEN];
  if (our_gethostname(-1, here, sizeof here) < 0 ||
      our_gethostname(Isockt[Case_num], there, sizeof there) < 0) {
    fprintf(stderr, "Could not get host information necessary for file selection.\n");
    return -1;
  }
  snprintf(Con_mach[Case_num + 1], CON_TEXT, "%.*s", CON_TEXT - 1, there);
  fsel_setsearchproc(strcmp(here, there) != 0 ? 1 : 0, purpose);
  XtAddCallback(Fileselect_okay_but, XmNactivateCallback, data_read_byformatCB, nullptr);
  XtManageChild(Fileselect_dialog);
  return 1;
}

// ---- callbacks --------------------------------------------------------------------------------

void fsel_okcallback(Widget, XtPointer target, XtPointer) {
  Widget *field = static_cast<Widget *>(target);
  if (field && *field) fsel_set_text(*field, fsel_get_text(Fileselect_file_text));
  if (Fsel_applyroutCB) Fsel_applyroutCB();
  if (Fileselect_dialog) XtUnmanageChild(Fileselect_dialog);
}

void fsel_cancelcallback(Widget, XtPointer, XtPointer) {
  if (Fileselect_dialog) XtUnmanageChild(Fileselect_dialog);
  if (Fsel_cancelroutCB) Fsel_cancelroutCB();
}

void fsel_okcallback2(Widget, XtPointer client, XtPointer) {
  Widget *target = static_cast<Widget *>(client);
  std::string name, path;
  bool path_set = false;
  fsel_split_setname(fsel_get_text(Fileselect_file_text).c_str(), &name, &path, &path_set);
  if (target) fsel_set_text(*target, name);
  if (path_set) fsel_set_text(Fileselect_path_text, path);
}

void fsel_caseexpand_routCB(Widget, XtPointer keep, XtPointer) {
  if (!Fileselect_case_arobut) return;
  XtarvSectExpandRout(Fileselect_case_arobut, 1, &Fileselect_caseinfo_form, keep ? 1 : 0);
}
