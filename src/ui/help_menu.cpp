// Help pulldown, help viewer start and version dialog (see help_menu.h).
// The viewer is started with fork/exec and an argument vector, never through
// a shell, so an installation directory with blanks or shell characters
// reaches the viewer unchanged.  The client does not wait for the viewer: an
// intermediate child starts it and ends at once, so no zombie is left.
#include "ui/help_menu.h"

#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/RowColumn.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "client/startup.h"
#include "client/version.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/maker_info.h"
#include "ui/menus.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"

#define HELP_PATH_TEXT (2 * HOME_DIR_TEXT)  // bytes of one path built here

Widget Version_dialog = nullptr;

static XtPointer topic(const char *name) { return const_cast<char *>(name); }

Menu_item_rec Help_menu[HELP_MENU_ROWS] = {
    {"Release Notes...", 'R', info_manCB, topic("release_notes"), XtarvPUSHBUTTON, 0, nullptr},
    {"Guide to Online Documentation...", 'G', info_manCB, topic("HT-Online"), XtarvPUSHBUTTON, 0, nullptr},
    {"Quivane Overview...", 'Q', info_manCB, topic("HT-Overview"), XtarvPUSHBUTTON, 0, nullptr},
    {"Quick Icon Reference...", 'Q', info_manCB, topic("HT-QuickIconRef"), XtarvPUSHBUTTON, 0, nullptr},
    {"How To Table of Contents...", 'H', info_manCB, topic("HT-TOC"), XtarvPUSHBUTTON, 0, nullptr},
    {"How To Index...", 'o', info_manCB, topic("HT-IX"), XtarvPUSHBUTTON, 0, nullptr},
    {"User Manual Table of Contents...", 'U', info_manCB, topic("UM-TOC"), XtarvPUSHBUTTON, 0, nullptr},
    {"User Manual Index...", 's', info_manCB, topic("UM-IX"), XtarvPUSHBUTTON, 0, nullptr},
    {"License Agreement...", 'L', info_manCB, topic("UM-Lic-SM-Agr"), XtarvPUSHBUTTON, 0, nullptr},
    {"Version...", 'V', version_dialog_manageinitCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"ZUB Information...", 'Z', cominfo_dialog_manageinitCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
};

void create_help_interf(Widget menubar) {
  Widget cascade = XtarvCreatePulldownMenu(menubar, "Help", 'H', nullptr, 0, Help_menu,
                                           HELP_MENU_ROWS, 0);
  XtManageChild(cascade);
  XtVaSetValues(menubar, XmNmenuHelpWidget, cascade, nullptr);
}

// Runs argv in a grandchild with the descriptors above 2 closed; waits only
// for the intermediate child.
static int start_detached(char *const argv[]) {
  pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (fork() == 0) {
      long max = sysconf(_SC_OPEN_MAX);
      for (int fd = 3; fd < (max > 0 && max < 4096 ? max : 4096); fd++) close(fd);
      execv(argv[0], argv);
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
  }
  return 0;
}

int help_show_topic(const char *name) {
  char viewer[HELP_PATH_TEXT], geometry[32], document[HELP_PATH_TEXT];
  int n1 = snprintf(viewer, sizeof viewer, "%s/doc/Acrobat/bin/acroread", Quivane_home_directory);
  snprintf(geometry, sizeof geometry, "984x%d+0+0",
           Small_screen ? HELP_VIEWER_SMALL_HEIGHT : HELP_VIEWER_HEIGHT);
  int n2 = snprintf(document, sizeof document, "%s/doc/OnlineHelp/%s.pdf", Quivane_home_directory,
                    name);
  if (n1 < 0 || n1 >= (int)sizeof viewer || n2 < 0 || n2 >= (int)sizeof document) return -1;
  char geometry_flag[] = "-geometry";
  char *argv[] = {viewer, geometry_flag, geometry, document, nullptr};
  return start_detached(argv);
}

void info_manCB(Widget, XtPointer client, XtPointer) {
  const char *name = static_cast<const char *>(client);
  if (!name) {
    disperr("Help information is not currently available for this area.");
    return;
  }
  help_show_topic(name);
}

void version_gen_dialog() {
  XmString title = qvn_xmstring("Version Information");
  Arg a[2];
  XtSetArg(a[0], XmNdialogTitle, title);
  XtSetArg(a[1], XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL);
  Version_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("VersionDialog"), a, 2);
  XmStringFree(title);
  char text[64];
  snprintf(text, sizeof text, "Quivane Version %s", QUIVANE_VERSION_STRING);
  XmString s = qvn_xmstring(text);
  Widget label = XtVaCreateManagedWidget(
      "Version1Label", xmLabelGadgetClass, Version_dialog, XmNlabelString, s, XmNtopAttachment,
      XmATTACH_FORM, XmNtopOffset, 20, XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 10,
      XmNrightAttachment, XmATTACH_FORM, XmNrightOffset, 10, nullptr);
  XmStringFree(s);
  if (Fixedfont && Menufont) XtVaSetValues(label, XmNfontList, Menufont, nullptr);
  info_dialog_close_button(Version_dialog, label, 40);
}

void version_dialog_manageinitCB(Widget, XtPointer, XtPointer) {
  if (!Version_dialog) version_gen_dialog();
  XtManageChild(Version_dialog);
}
