// The simple part loader ("readtarvfile") shared by five formats, and the
// ABAQUS dialog ("readabaqusfile"): titles and help topics per format, the
// load choice kept between openings, Cancel that reads nothing, and the
// ABAQUS restrictions text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/data_dlog.h"
#include "data/data_section.h"
#include "data/ui/data_windep.h"
#include "ui/general_windep.h"
#include "ui/menus.h"
#include "xt_shell.h"

namespace {

std::string title_of(Widget dialog) {
  XmString x = nullptr;
  XtVaGetValues(dialog, XmNdialogTitle, &x, nullptr);
  char *t = nullptr;
  XmStringGetLtoR(x, const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &t);
  std::string s = t ? t : "";
  XtFree(t);
  XmStringFree(x);
  return s;
}

// The help topic bound to a button's activate callbacks ("" none).
std::string topic_of(Widget button) {
  XtCallbackList list = nullptr;
  XtVaGetValues(button, XmNactivateCallback, &list, nullptr);
  std::string topic;
  for (int k = 0; list && list[k].callback; k++) topic = static_cast<const char *>(list[k].closure);
  return topic;
}

int Reads = 0;
int count_read(Data_fileselect_rec *) {
  Reads++;
  return -1;  // no File Selection dialog: the read stops at once
}

}  // namespace

TEST(SimpleLoader, TitleAndTopicFollowTheFormatTheChoiceStays) {
  ASSERT_TRUE(qtest::xt_ui_shell());
  int saved_case = Case_num, saved_format = Data_format[0], saved_geom = Gexist[0];
  Case_num = 0;
  Gexist[0] = 0;
  auto *saved_get = Data_fileselect_get;
  Data_fileselect_get = [](Data_fileselect_rec *f) {
    *f = Data_fileselect_rec{};
    f->format = 6;
    return 0;
  };
  Data_format[0] = 6;
  EXPECT_EQ(data_read_byformat(), 1);
  ASSERT_NE(File_tarvdata_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(File_tarvdata_dialog));
  EXPECT_EQ(title_of(File_tarvdata_dialog), "Data Part Loader (Movie.BYU)");
  EXPECT_EQ(topic_of(Data_pload_helpbtn), "HT-Read-MOVIE");
  EXPECT_EQ(XtarvOptionMenuCurrentState(Data_pload_optmen, Dload_menu), 0);  // "All Parts"
  XtarvOptionMenuSetState(Data_pload_optmen, Dload_menu, 2, 0);              // "All But Part 1"

  // Cancel hides it and reads nothing.
  Data_fileselect_get = count_read;
  Reads = 0;
  qtest::xt_activate(XtNameToWidget(File_tarvdata_dialog, "*readtarvCancel"));
  EXPECT_FALSE(XtIsManaged(File_tarvdata_dialog));
  EXPECT_EQ(Reads, 0);

  Data_fileselect_get = [](Data_fileselect_rec *f) {
    *f = Data_fileselect_rec{};
    f->format = 7;
    return 0;
  };
  Data_format[0] = 7;
  EXPECT_EQ(data_read_byformat(), 1);
  EXPECT_EQ(title_of(File_tarvdata_dialog), "Data Part Loader (ANSYS)");
  EXPECT_EQ(topic_of(Data_pload_helpbtn), "HT-Read-ANSYS");
  EXPECT_EQ(XtarvOptionMenuCurrentState(Data_pload_optmen, Dload_menu), 2);

  // Okay hides it and starts the read, which takes the section's fields.
  Data_fileselect_get = count_read;
  qtest::xt_activate(XtNameToWidget(File_tarvdata_dialog, "*readtarvOk"));
  EXPECT_FALSE(XtIsManaged(File_tarvdata_dialog));
  qtest::xt_take_error();

  Data_fileselect_get = saved_get;
  Data_format[0] = saved_format;
  Gexist[0] = saved_geom;
  Case_num = saved_case;
}

TEST(SimpleLoader, AbaqusDialogShowsItsRestrictions) {
  ASSERT_TRUE(qtest::xt_ui_shell());
  gen_abaqusread_dialog();
  ASSERT_NE(File_abaqusdata_dialog, nullptr);
  EXPECT_EQ(title_of(File_abaqusdata_dialog), "Data Part Loader (ABAQUS)");
  Widget lbl = XtNameToWidget(File_abaqusdata_dialog, "abaquslbl");
  ASSERT_NE(lbl, nullptr);
  // The label shows the text as the dialog's text routine gives it.
  std::string text = data_abaqus_restrictions();
  XmString shown = nullptr;
  XtVaGetValues(lbl, XmNlabelString, &shown, nullptr);
  XmString made = qvn_xmstring(text.c_str());
  EXPECT_TRUE(XmStringCompare(shown, made));
  XmStringFree(shown);
  XmStringFree(made);
  std::vector<std::string> lines;
  size_t at = 0;
  for (size_t nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
    lines.push_back(text.substr(at, nl - at));
  lines.push_back(text.substr(at));
  ASSERT_EQ(lines.size(), 21u) << text;
  for (size_t k = 0; k < lines.size(); k++) {
    SCOPED_TRACE(k + 1);
    EXPECT_EQ(lines[k].size(), k == 1 || k == 20 ? 0u : 58u);
  }
  EXPECT_EQ(lines[0].substr(0, 28), "Current Abaqus restrictions:");
  EXPECT_EQ(lines[12], std::string(58, ' '));
  EXPECT_EQ(lines[19].substr(0, 45), "option to have element sets in the .dat file.");
  EXPECT_EQ(topic_of(XtNameToWidget(File_abaqusdata_dialog, "*readabaqusHelp")), "HT-Read-ABAQUS");
}
