// The program's own layout of axes and histograms, laid on the axis and histogram stores.
#include <gtest/gtest.h>

#include "app/app_setup.h"
#include "axis_lib/axes.h"
#include "histo_lib/store.h"
#include "plt_lib/plotattributes.h"
#include "support/console_capture.h"

namespace {

class AppSetup : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    splotattributes(5);  // the colour table the fill colours are checked against
    take_output();
  }
};

TEST_F(AppSetup, SectionAxesAndBoxAreSetAgainEachTime) {
  skvraxis(5);
  axisblk7a.USA2[0] = 99.0f;  // as the axis menu or a run would leave it
  axisblk7b.WALAB[4] = "changed";
  axisblk7a.IBXAXIS = 7;
  axisblk7a.IBYAXIS = 8;
  axisblk7b.WBLAB = "changed";
  skvraxis(5);
  EXPECT_EQ(axisblk7a.USA1[0], -5.0f);
  EXPECT_EQ(axisblk7a.USA2[0], 5.0f);
  EXPECT_EQ(axisblk7a.USA1[2], 75.0f);
  EXPECT_EQ(axisblk7a.WAUD[3], 10.0f);
  EXPECT_EQ(axisblk7a.NASUBINT[3], 10);
  EXPECT_EQ(axisblk7b.WALAB[1].substr(0, 11), "Depth (cm) ");
  EXPECT_EQ(axisblk7b.WALAB[4].substr(0, 17), "Generic 0-10 axis");
  EXPECT_EQ(axisblk7a.IBXAXIS, 1);
  EXPECT_EQ(axisblk7a.IBYAXIS, 2);
  EXPECT_EQ(axisblk7b.WBLAB.substr(0, 15), "Archive Section");
}

TEST_F(AppSetup, HistogramsDefinedInModesFourAndFiveOnly) {
  int h1 = 0, h2 = 0, h3 = 0;
  skvrhisto(h1, h2, h3, 5);
  EXPECT_EQ(take_output().find("-\n HISTOGRAMS LAYOUT\n"), std::string::npos);  // no menu in mode 5
  EXPECT_EQ((std::array{h1, h2, h3}), (std::array{1, 2, 3}));
  EXPECT_EQ(blkhst8.NBHST, 3);
  // Binnings: 0-90 in 18, -180-180 in 72, 0-360 in 72.
  EXPECT_EQ(blkhst8.NBINHST0[0], 18);
  EXPECT_EQ(blkhst8.XBNDHST0[0][18], 90.0f);
  EXPECT_EQ(blkhst8.XBNDHST0[1][0], -180.0f);
  EXPECT_EQ(blkhst8.XBNDHST0[2][72], 360.0f);
  EXPECT_EQ(blkhst8.IXHST0[2], 3);
  EXPECT_EQ(blkhst8.LABELHST0[1][1].substr(0, 13), "Updip Reverse");
  EXPECT_EQ(blkhst8.LABELHST0[2][4].substr(0, 7), "Strike ");
  EXPECT_EQ(blkhst8.ONLABELHST0[0][3], 1);
  EXPECT_EQ(blkhst8.ONLABELHST0[0][1], 0);  // slot 2 of the dip histogram is not used
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(blkhst8.NYEXTYPHST0[k], 1);
    EXPECT_EQ(blkhst8.IPLSTYLEHST0[k], 12);
    EXPECT_EQ(blkhst8.IPLTYPEHST0[k], 1);
    EXPECT_EQ(blkhst8.IPLFLCOLHST0[k], 3);
  }

  h1 = h2 = h3 = 7;
  skvrhisto(h1, h2, h3, 3);
  EXPECT_EQ((std::array{h1, h2, h3}), (std::array{7, 7, 7}));
  EXPECT_EQ(take_output(), "");

  input("99\n99\n99\n");  // the count and global menus of the store, then the layout menu
  skvrhisto(h1, h2, h3, 4);
  EXPECT_EQ(h1, 1);
  EXPECT_NE(take_output().find("-\n HISTOGRAMS LAYOUT\n"), std::string::npos);
}

}  // namespace
