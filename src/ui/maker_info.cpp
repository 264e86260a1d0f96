// "ZUB Information" dialog (see maker_info.h).  One table row per label, top
// to bottom; headings take the menu font only with the fixed-font option,
// paragraphs always do.
#include "ui/dialog_frame.h"
#include "ui/maker_info.h"

#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/PushB.h>
#include <Xm/SeparatoG.h>

#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/textc_windep.h"

Widget Cominfo_dialog = nullptr;

struct Cominfo_row {
  const char *name;  // widget name
  const char *text;  // label text, null = the separator
  int paragraph;     // 1 = paragraph (always the menu font), 0 = heading
};

static const Cominfo_row Cominfo_rows[] = {
    {"ComInfo1Label", "******** ZUB Information ********", 0},
    {"ComInfo1Separator", nullptr, 0},
    {"ComInfo2Label", "*** Documentation", 0},
    {"ComInfo3Label",
     "The online documentation is installed with the program, under the\n"
     "doc directory of the installation. The Help menu opens its pages:\n"
     "the how-to guide, the user manual and their indexes.", 1},
    {"ComInfo4Label",
     "A tutorial that walks through a first session step by step is part\n"
     "of the same documentation set and may be printed from the viewer.", 1},
    {"ComInfo4Label",
     "Questions about this installation go to the person or group who\n"
     "installed it for your site; the README file in the installation\n"
     "directory says who that is and how to reach them.", 1},
    {"ComInfo5Label",
     "When you write, please give the version (Help > Version...), the\n"
     "machine and operating system, and the steps that show the problem.", 1},
    {"ComInfo6Label", "*** ZUB NEWS", 0},
    {"ComInfo7Label",
     "News about new releases, corrections and tips is kept in the\n"
     "release notes (Help > Release Notes...).", 1},
    {"ComInfo8Label",
     "Each release adds its own section, so the notes also show what\n"
     "changed since the version you used before.", 1},
    {"ComInfo9Label", "*** Support", 0},
    {"ComInfo10Label",
     "Support is given by your site's installation contact during the\n"
     "hours your site has arranged.", 1},
    {"ComInfo11Label",
     "Contact:  see the README file of the installation\n"
     "Before asking, try the How To index (Help > How To Index...).", 1},
    {"ComInfo12Label", "*** Features", 0},
    {"ComInfo13Label",
     "Missing a function you need? Describe what you want to do and the\n"
     "data you work with, and send it to your installation contact.", 1},
    {"ComInfo14Label", "*** Web Access: see the doc directory of the installation", 0},
};

void cominfo_gen_dialog() {
  XmString title = qvn_xmstring("ZUB Information");
  Arg a[1];
  XtSetArg(a[0], XmNdialogTitle, title);
  Cominfo_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("ComInfoDialog"), a, 1);
  XmStringFree(title);
  Widget above = nullptr;
  for (const Cominfo_row &r : Cominfo_rows) {
    Widget w;
    if (!r.text) {
      w = XtVaCreateManagedWidget(r.name, xmSeparatorGadgetClass, Cominfo_dialog, nullptr);
    } else {
      XmString s = qvn_xmstring(r.text);
      w = XtVaCreateManagedWidget(r.name, xmLabelGadgetClass, Cominfo_dialog, XmNlabelString, s,
                                  XmNalignment, XmALIGNMENT_BEGINNING, nullptr);
      XmStringFree(s);
      if (Menufont && (r.paragraph || Fixedfont)) XtVaSetValues(w, XmNfontList, Menufont, nullptr);
    }
    XtVaSetValues(w, XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 10, XmNrightAttachment,
                  XmATTACH_FORM, XmNrightOffset, 10, XmNtopAttachment,
                  above ? XmATTACH_WIDGET : XmATTACH_FORM, XmNtopOffset, 5, nullptr);
    if (above) XtVaSetValues(w, XmNtopWidget, above, nullptr);
    above = w;
  }
  info_dialog_close_button(Cominfo_dialog, above, 10);
}

Widget info_dialog_close_button(Widget dialog, Widget above, int offset) {
  XmString s = qvn_xmstring("Close");
  Widget close = XtVaCreateManagedWidget(
      "Close", xmPushButtonWidgetClass, dialog, XmNlabelString, s, XmNtopAttachment,
      XmATTACH_WIDGET, XmNtopWidget, above, XmNtopOffset, offset, XmNleftAttachment,
      XmATTACH_FORM, XmNleftOffset, 5, XmNbottomAttachment, XmATTACH_FORM, XmNbottomOffset, 5,
      nullptr);
  XmStringFree(s);
  XtAddCallback(close, XmNactivateCallback, okcallback, nullptr);
  // Close is the only action: Return and Escape both take the dialog down.
  dialog_keys(dialog, close, close);
  keep_on_screen(dialog);
  return close;
}

void cominfo_dialog_manageinitCB(Widget, XtPointer, XtPointer) {
  if (!Cominfo_dialog) cominfo_gen_dialog();
  XtManageChild(Cominfo_dialog);
}
