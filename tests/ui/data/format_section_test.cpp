// The File Selection data section as the format menu's rows set it up:
// labels, padding, sensitivities and the case's mesh type.
#include <gtest/gtest.h>

#include <Xm/Xm.h>

#include <string>

#include "client/cases.h"
#include "data/data_format.h"
#include "data/pbuild.h"
#include "data/ui/data_windep.h"
#include "ui/file_select.h"
#include "ui/menus.h"
#include "xt_shell.h"

TEST(DataFormatSection, RowsSetLabelsSensitivityAndMeshType) {
  ASSERT_TRUE(qtest::xt_ui_shell());
  gen_filesel_dialog();
  ASSERT_NE(Fileselect_format_optmen, nullptr);
  int keep_case = Case_num;
  Case_num = 0;
  int two_files[2] = {0, 1};
  int *keep_two = Userdef_readertwofields[0];
  int keep_cnt = Userdef_readercnt[0];
  int keep_format = Data_format[0];
  Userdef_readertwofields[0] = two_files;
  Userdef_readercnt[0] = 2;
  struct {
    int row;
    const char *geom;
    bool result, meas;
    int meshtype;
    const char *desc;
  } cases[] = {
      {0, "(Set) Case         ", false, false, 0, "Quivane Case File(*.case Required)"},
      {4, "(Set) Geom/Results", false, true, 1, nullptr},
      {10, "(Set) Grid         ", true, true, 1, nullptr},
      {1, "(Set) Geometry", true, true, 0, nullptr},
      {11, "(Set) Geometry", false, true, 0, nullptr},  // reader 0 takes one file
      {12, "(Set) Geometry", true, true, 0, nullptr},   // reader 1 takes two
  };
  ASSERT_EQ(std::string(Data_format_menu[0].label), "Case");
  ASSERT_EQ(std::string(Data_format_menu[DATA_FORMAT_ROWS - 1].label), "USER-DEFINED20");
  for (auto &c : cases) {
    SCOPED_TRACE(Data_format_menu[c.row].label);
    Data_meshtype[0] = -1;
    ASSERT_NE(Data_format_menu[c.row].widget, nullptr);
    qtest::xt_activate(Data_format_menu[c.row].widget);
    EXPECT_EQ(qtest::xt_label_text(Fileselect_geom_but), c.geom);
    EXPECT_EQ(XtIsSensitive(Fileselect_result_text) == True, c.result);
    EXPECT_EQ(XtIsSensitive(Fileselect_result_but) == True, c.result);
    EXPECT_EQ(XtIsSensitive(Fileselect_meas_text) == True, c.meas);
    EXPECT_EQ(XtIsSensitive(Fileselect_meas_but) == True, c.meas);
    EXPECT_EQ(Data_meshtype[0], c.meshtype);
    if (c.desc) {
      EXPECT_EQ(qtest::xt_label_text(Fileselect_formatdesc_lbl), c.desc);
    }
  }
  EXPECT_EQ(Data_format[0], keep_format);  // picking a row does not change the case's format
  Userdef_readertwofields[0] = keep_two;
  Userdef_readercnt[0] = keep_cnt;
  Case_num = keep_case;
}
