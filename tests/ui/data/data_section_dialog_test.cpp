// The data section of the File Selection dialog filled for a case whose
// server is the real stand-in: its reader's name on the first user-defined
// row, the rows the reader preferences remove, the format a case takes from
// them, and the refusals of Okay and of the part loader entry.
#include <gtest/gtest.h>

#include <Xm/Xm.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../../unit/data/data_fixture.h"
#include "data/data_section.h"
#include "data/reader_prefs.h"
#include "data/ui/data_windep.h"
#include "server_run.h"
#include "ui/file_select.h"
#include "ui/menus.h"
#include "xt_shell.h"

using namespace qtest;

class DataSectionDialog : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    ASSERT_TRUE(xt_ui_shell());
    ch_ = tcp_server(&run_, test_data(), {});
    ASSERT_GE(ch_, 0);
    ASSERT_EQ(client_handshake(ch_, -1), 1);
    Isockt[0] = ch_;
    Case_info[0].active = 1;
    Online[1] = 1;
    Case_cnt = 1;
    Data_readerpref_loaded = 1;
    Data_readerpref_default_set = 1;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    gen_filesel_dialog();
    ASSERT_NE(Fileselect_dialog, nullptr);
    XtManageChild(Fileselect_dialog);
  }
  void TearDown() override {
    if (Fileselect_dialog) XtUnmanageChild(Fileselect_dialog);
    removed({});
    Gexist[0] = 0;
    Data_format[0] = DATA_FORMAT_CASEFILE;
    xt_take_error();
    if (ch_ >= 0) {
      ccsstr(ch_, "Exit", 4);
      ccend(ch_);
    }
    run_.finish();
    ReadingTest::TearDown();
  }
  void removed(const std::vector<std::string> &names) {
    free(Data_readerpref_removed);
    Data_readerpref_removed = nullptr;
    Data_readerpref_removed_cnt = (int)names.size();
    if (names.empty()) return;
    Data_readerpref_removed = (char(*)[READER_PREF_NAME_MAX])calloc(names.size(), READER_PREF_NAME_MAX);
    for (size_t k = 0; k < names.size(); k++)
      snprintf(Data_readerpref_removed[k], READER_PREF_NAME_MAX, "%s", names[k].c_str());
  }
  std::vector<bool> managed_rows() {
    std::vector<bool> v;
    for (int r = 0; r < DATA_FORMAT_ROWS; r++) v.push_back(XtIsManaged(Data_format_menu[r].widget) == True);
    return v;
  }
  std::string shown_label() {
    int row = XtarvOptionMenuCurrentState(Fileselect_format_optmen, Data_format_menu);
    return row >= 0 ? xt_label_text(Data_format_menu[row].widget) : "";
  }
  ServerRun run_;
  int ch_ = -1;
};

TEST_F(DataSectionDialog, ServerReaderAndPreferencesDecideTheRows) {
  file_data_init();
  EXPECT_EQ(xt_label_text(Data_format_menu[DATA_FIXED_ROWS].widget), "Legacy VTK");
  std::vector<bool> rows = managed_rows();
  for (int r = 0; r <= DATA_FIXED_ROWS; r++) EXPECT_TRUE(rows[r]) << r;
  for (int r = DATA_FIXED_ROWS + 1; r < DATA_FORMAT_ROWS; r++) EXPECT_FALSE(rows[r]) << r;
  EXPECT_EQ(shown_label(), "Case");

  removed({"CASE"});
  file_data_init();
  EXPECT_FALSE(XtIsManaged(Data_format_menu[0].widget));
  EXPECT_EQ(shown_label(), "Quivane 5");
  EXPECT_EQ(Data_format[0], 0);

  // Nothing left to offer: the error, and the menu as it was.
  rows = managed_rows();
  removed({"Case", "Quivane 5", "ABAQUS", "ANSYS RESULTS", "ESTET", "FAST UNSTRUCTURED",
           "FIDAP NEUTRAL", "Movie", "TARV 4.1", "N3S", "PLOT3D", "legacy vtk"});
  file_data_init();
  EXPECT_NE(xt_take_error().find("No data formats available."), std::string::npos);
  EXPECT_EQ(managed_rows(), rows);
  EXPECT_EQ(Data_format[0], 0);
}

TEST_F(DataSectionDialog, OkayAndThePartLoaderEntryRefuse) {
  Gexist[0] = 1;
  file_data_init();
  EXPECT_FALSE(XtIsSensitive(Fileselect_native_tggl));
  EXPECT_FALSE(XtIsSensitive(Fileselect_geom_text));
  XtarvOptionMenuSetState(Fileselect_format_optmen, Data_format_menu, 1, 0);  // "Quivane 5"
  File_selection_type = 1;
  data_read_byformatCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(xt_take_error(), "ERROR: The format for this case cannot be changed unless you replace the case.");
  EXPECT_EQ(Data_format[0], DATA_FORMAT_CASEFILE);

  Data_format[0] = 2;  // FIDAP NEUTRAL, read
  data_pbuild_manageinitCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(xt_take_error(), "ERROR: The data format in use does not allow reentry for part building.");
  Gexist[0] = 0;
  data_pbuild_manageinitCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(xt_take_error(), "ERROR: Must have data read in before bring up the part builder.");
}

// Okay on the Case format reads the named model and opens the generic
// loader on its parts, titled for the format.
TEST_F(DataSectionDialog, OkayReadsACaseAndOpensItsPartLoader) {
  file_data_init();
  fsel_set_text(Fileselect_geom_text, "vtk/mixed.vtk");
  File_selection_type = 1;
  data_read_byformatCB(nullptr, nullptr, nullptr);
  EXPECT_EQ(xt_take_error(), "");
  EXPECT_EQ(Gexist[0], 1);
  ASSERT_NE(File_genericdata_dialog, nullptr);
  EXPECT_TRUE(XtIsManaged(File_genericdata_dialog));
  XmString t = nullptr;
  XtVaGetValues(File_genericdata_dialog, XmNdialogTitle, &t, nullptr);
  char *title = nullptr;
  XmStringGetLtoR(t, const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &title);
  EXPECT_STREQ(title, "Data Part Loader (Case)");
  XtFree(title);
  XmStringFree(t);
  int items = 0;
  XtVaGetValues(Data_generic_part_list, XmNitemCount, &items, nullptr);
  EXPECT_EQ(items, Num_unstruct[0]);
  EXPECT_GT(items, 0);
  XtUnmanageChild(File_genericdata_dialog);
}
