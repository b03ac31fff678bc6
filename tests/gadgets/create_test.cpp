// Gadget creation: numbering, owner, per-type flag rules and fields.
#include <gtest/gtest.h>

#include "tests/support/gadget_model.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "services/headless.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace bevel {
namespace {

using testing::kNow;

using Create = testing::GadgetModel;

// --- Numbering ------------------------------------------------------------------------------

TEST_F(Create, ReturnsTheNumberAndStoresTheArguments) {
  EXPECT_EQ(CreateButton(7, 10, 20, 80, 24, "OK", ALIGN_LEFT), 7);
  const Gadget& b = Record(7);
  EXPECT_EQ(b.type, GADGET_BUTTON);
  EXPECT_EQ(b.number, 7);
  EXPECT_EQ(b.x, 10);
  EXPECT_EQ(b.y, 20);
  EXPECT_EQ(b.width, 80);
  EXPECT_EQ(b.height, 24);
  EXPECT_EQ(b.text, "OK");
  EXPECT_EQ(b.flags, ALIGN_LEFT);
  EXPECT_EQ(b.state, 0);
  EXPECT_EQ(b.value, 0);
}

TEST_F(Create, DuplicateNumberFailsEvenInAnotherWindowAndLeavesTheFirstAlone) {
  ToolkitState& g = Toolkit();
  g.ActiveWindow = 1;
  ASSERT_EQ(CreateButton(5, 1, 2, 3, 4, "first"), 5);
  g.ActiveWindow = 2;
  EXPECT_EQ(CreateButton(5, 9, 9, 9, 9, "second"), 0);
  EXPECT_EQ(CreateString(5, 9, 9, 9, 9, "x", -1, 0), 0) << "any type";
  EXPECT_EQ(CreateCalendar(5, 0, 0, 0, 0), 0);
  EXPECT_EQ(g.GadgetList.size(), 1);
  const Gadget& first = Record(5);
  EXPECT_EQ(first.window, 1);
  EXPECT_EQ(first.text, "first");
  EXPECT_EQ(first.x, 1);
  EXPECT_EQ(first.type, GADGET_BUTTON);
}

TEST_F(Create, AnyNumberTwiceGivesTwoUsableHandles) {
  const int a = CreateButton(ANY_NUMBER, 0, 0, 10, 10, "a");
  const int b = CreateCheckBox(ANY_NUMBER, 0, 0, 10, 10, "b");
  EXPECT_NE(a, 0);
  EXPECT_NE(b, 0);
  EXPECT_NE(a, ANY_NUMBER);
  EXPECT_NE(b, ANY_NUMBER);
  EXPECT_NE(a, b);
  EXPECT_EQ(Record(a).number, a);
  EXPECT_EQ(Record(b).number, b);
  EXPECT_EQ(GetGadgetText(a), "a");
  EXPECT_EQ(GetGadgetText(b), "b");
  // A caller's own numbers never collide with the handles.
  EXPECT_EQ(CreateButton(1, 0, 0, 10, 10, "c"), 1);
}

TEST_F(Create, NumbersBelowOneNeedTheInternalFlag) {
  EXPECT_EQ(CreateButton(0, 0, 0, 10, 10, "zero"), 0);
  EXPECT_EQ(CreateButton(-5, 0, 0, 10, 10, "minus five"), 0);
  EXPECT_EQ(Toolkit().GadgetList.size(), 0) << "nothing is created";

  EXPECT_EQ(CreateButton(-5, 0, 0, 10, 10, "minus five", GADGET_INTERNAL), -5);
  EXPECT_EQ(GadgetExists(-5), 1);
  EXPECT_EQ(CreateButton(0, 0, 0, 10, 10, "zero", GADGET_INTERNAL), 1)
      << "an internal gadget numbered 0 reports 1 so that the result is non-zero";
  EXPECT_EQ(GadgetExists(0), 1);
  EXPECT_EQ(Record(0).text, "zero");
  EXPECT_EQ(GadgetExists(1), 0);
  EXPECT_EQ(CreateButton(-5, 0, 0, 10, 10, "again", GADGET_INTERNAL), 0) << "still unique";
}

TEST_F(Create, CreatorsWithoutFlagsRefuseNumbersBelowOne) {
  EXPECT_EQ(CreateOption(0, 0, 0, 10, 10, "o"), 0);
  EXPECT_EQ(CreateOption(-1, 0, 0, 10, 10, "o"), 0);
  EXPECT_EQ(CreateCalendar(-3, 0, 0, 0, 0), 0);
  EXPECT_NE(CreateOption(ANY_NUMBER, 0, 0, 10, 10, "o"), 0);
  EXPECT_NE(CreateCalendar(ANY_NUMBER, 0, 0, 0, 0), 0);
}

TEST_F(Create, OwnerIsThePendingWindowElseTheActiveOne) {
  ToolkitState& g = Toolkit();
  g.ActiveWindow = 3;
  CreateText(1, 0, 0, 10, 10, "t");
  g.PendingWindow = 4;
  CreateText(2, 0, 0, 10, 10, "t");
  EXPECT_EQ(Record(1).window, 3);
  EXPECT_EQ(Record(2).window, 4);
}

TEST_F(Create, ColourSlotsOneToSevenUseTheSchemeAndTheSpareSlotIsZero) {
  CreateButton(1, 0, 0, 10, 10, "b");
  const ColorScheme& colors = Record(1).colors;
  for (int slot = COLOR_FACE; slot <= COLOR_FONT; ++slot) {
    EXPECT_EQ(colors[SlotIndex(slot)], -1) << "slot " << slot;
  }
  EXPECT_EQ(colors[SlotIndex(COLOR_SPARE)], 0);
}

TEST_F(Create, GadgetsKeepCreationOrder) {
  CreateButton(3, 0, 0, 1, 1, "");
  CreateButton(1, 0, 0, 1, 1, "");
  CreateButton(2, 0, 0, 1, 1, "");
  const auto& list = Toolkit().GadgetList;
  ASSERT_EQ(list.size(), 3);
  EXPECT_EQ(list.At(0)->number, 3);
  EXPECT_EQ(list.At(1)->number, 1);
  EXPECT_EQ(list.At(2)->number, 2);
}

// --- Flag rules -----------------------------------------------------------------------------

TEST_F(Create, ButtonLeftAlignmentRemovesRight) {
  CreateButton(1, 0, 0, 1, 1, "", ALIGN_LEFT | ALIGN_RIGHT | BUTTON_TOGGLE);
  EXPECT_EQ(Record(1).flags, ALIGN_LEFT | BUTTON_TOGGLE);
  CreateButton(2, 0, 0, 1, 1, "", ALIGN_RIGHT | ALIGN_CENTER);
  EXPECT_EQ(Record(2).flags, ALIGN_RIGHT | ALIGN_CENTER) << "only 0x1 excludes 0x2 on a button";
}

TEST_F(Create, RightAlignmentRemovesCentreOnTextHyperLinkAndString) {
  CreateText(1, 0, 0, 1, 1, "", ALIGN_RIGHT | ALIGN_CENTER);
  CreateHyperLink(2, 0, 0, 1, 1, "", 0xFF, ALIGN_RIGHT | ALIGN_CENTER);
  CreateString(3, 0, 0, 1, 1, "", -1, ALIGN_RIGHT | ALIGN_CENTER);
  CreateText(4, 0, 0, 1, 1, "", ALIGN_CENTER);
  EXPECT_EQ(Record(1).flags, ALIGN_RIGHT);
  EXPECT_EQ(Record(2).flags, ALIGN_RIGHT);
  EXPECT_EQ(Record(3).flags, ALIGN_RIGHT);
  EXPECT_EQ(Record(4).flags, ALIGN_CENTER);
}

TEST_F(Create, LowerCaseExcludesUpperCaseOnlyWithoutNumericInput) {
  CreateString(1, 0, 0, 1, 1, "", -1, STRING_LOWER_CASE | STRING_UPPER_CASE);
  EXPECT_EQ(Record(1).flags, STRING_LOWER_CASE);
  CreateString(2, 0, 0, 1, 1, "", -1, STRING_NUMERIC | STRING_LOWER_CASE | STRING_UPPER_CASE);
  EXPECT_EQ(Record(2).flags, STRING_NUMERIC | STRING_LOWER_CASE | STRING_UPPER_CASE);
  CreateString(3, 0, 0, 1, 1, "", -1, STRING_UPPER_CASE);
  EXPECT_EQ(Record(3).flags, STRING_UPPER_CASE);
  CreateComboBox(4, 0, 0, 1, 3, STRING_LOWER_CASE | STRING_UPPER_CASE);
  EXPECT_EQ(Record(4).flags, STRING_LOWER_CASE);
}

TEST_F(Create, Frame3DStyleExclusions) {
  CreateFrame3D(1, 0, 0, 1, 1, "", FRAME_SINGLE | FRAME_DOUBLE_SUNKEN | FRAME_FLAT);
  CreateFrame3D(2, 0, 0, 1, 1, "", FRAME_DOUBLE_SUNKEN | FRAME_FLAT);
  CreateFrame3D(3, 0, 0, 1, 1, "", FRAME_SINGLE | FRAME_FLAT);
  CreateFrame3D(4, 0, 0, 1, 1, "", FRAME_FLAT);
  CreateFrame3D(5, 0, 0, 1, 1, "", FRAME_SINGLE | FRAME_DOUBLE_SUNKEN);
  EXPECT_EQ(Record(1).flags, FRAME_SINGLE);
  EXPECT_EQ(Record(2).flags, FRAME_DOUBLE_SUNKEN);
  EXPECT_EQ(Record(3).flags, FRAME_SINGLE);
  EXPECT_EQ(Record(4).flags, FRAME_FLAT);
  EXPECT_EQ(Record(5).flags, FRAME_SINGLE);
}

TEST_F(Create, ColumnListAlignmentBecomesTheFirstColumnsLetter) {
  CreateColumnList(1, 0, 0, 100, 5, "Name", 0);
  CreateColumnList(2, 0, 0, 100, 5, "Size", ALIGN_RIGHT | LIST_MULTI_SELECT);
  CreateColumnList(3, 0, 0, 100, 5, "Mid", ALIGN_CENTER);
  CreateColumnList(4, 0, 0, 100, 5, "", ALIGN_RIGHT | ALIGN_CENTER);
  EXPECT_EQ(Record(1).columns, "0L_Name\r");
  EXPECT_EQ(Record(2).columns, "0R_Size\r");
  EXPECT_EQ(Record(3).columns, "0C_Mid\r");
  EXPECT_EQ(Record(4).columns, "0R_\r") << "right is tested first";
  EXPECT_EQ(Record(2).flags, LIST_MULTI_SELECT) << "both alignment bits are removed";
  EXPECT_EQ(Record(3).flags, 0);
  EXPECT_EQ(Record(4).flags, 0);
  EXPECT_EQ(Record(1).columnCount, 0);
}

TEST_F(Create, DateForcesNumericInput) {
  CreateDate(1, 0, 0, 100, 20, "", 0, DATE_CHECKBOX);
  EXPECT_EQ(Record(1).flags, DATE_CHECKBOX | STRING_NUMERIC);
}

TEST_F(Create, OptionAndCalendarHaveNoFlags) {
  CreateOption(1, 0, 0, 1, 1, "o");
  CreateCalendar(2, 0, 0, 0, 0);
  EXPECT_EQ(Record(1).flags, 0);
  EXPECT_EQ(Record(2).flags, 0);
}

// --- Geometry -------------------------------------------------------------------------------

TEST_F(Create, BarsAreTurnedToTheirOrientation) {
  CreateTrackBar(1, 0, 0, 100, 20, 0, 10, FLAG_VERTICAL);
  EXPECT_EQ(Record(1).width, 20);
  EXPECT_EQ(Record(1).height, 100);
  CreateTrackBar(2, 0, 0, 20, 100, 0, 10, 0);
  EXPECT_EQ(Record(2).width, 100);
  EXPECT_EQ(Record(2).height, 20);
  CreateProgressBar(3, 0, 0, 200, 16, 0, 10, FLAG_VERTICAL);
  EXPECT_EQ(Record(3).width, 16);
  EXPECT_EQ(Record(3).height, 200);
  CreateScrollBar(4, 0, 0, 16, 200, 0, 10, 1, 0);
  EXPECT_EQ(Record(4).width, 200);
  EXPECT_EQ(Record(4).height, 16);
  CreateScrollBar(5, 0, 0, 16, 200, 0, 10, 1, FLAG_VERTICAL);
  EXPECT_EQ(Record(5).width, 16) << "already upright";
  EXPECT_EQ(Record(5).height, 200);
  CreateProgressBar(6, 0, 0, 30, 30, 0, 10);
  EXPECT_EQ(Record(6).width, 30);
  EXPECT_EQ(Record(6).height, 30);
  CreateButton(7, 0, 0, 20, 100, "");
  EXPECT_EQ(Record(7).width, 20) << "other types keep their size";
}

TEST_F(Create, ListHeightsComeFromTheRowCount) {
  CreateColumnList(1, 0, 0, 100, 5, "Name", 0);
  CreateColumnList(2, 0, 0, 100, 5, "Name", LIST_NO_HEADER);
  CreateComboBox(3, 0, 0, 100, 5, 0);
  CreateTree(4, 0, 0, 100, 5, 0);
  EXPECT_EQ(Record(1).height, 88);
  EXPECT_EQ(Record(2).height, 74);
  EXPECT_EQ(Record(3).height, 74);
  EXPECT_EQ(Record(4).height, 74);
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(Record(n).rows, 5);
    EXPECT_EQ(Record(n).topItem, 0);
    EXPECT_EQ(Record(n).value, 0) << "no selection";
  }
}

TEST_F(Create, CalendarIsAtLeast201By158) {
  CreateCalendar(1, 0, 0, 0, 0);
  EXPECT_EQ(Record(1).width, 201);
  EXPECT_EQ(Record(1).height, 158);
  CreateCalendar(2, 0, 0, 200, 157);
  EXPECT_EQ(Record(2).width, 201);
  EXPECT_EQ(Record(2).height, 158);
  CreateCalendar(3, 0, 0, 300, 200);
  EXPECT_EQ(Record(3).width, 300);
  EXPECT_EQ(Record(3).height, 200);
}

// --- Per-type fields ------------------------------------------------------------------------

TEST_F(Create, RangesStartAtTheMinimumExceptSpin) {
  CreateSpin(1, 0, 0, 50, 20, 5, 10);
  EXPECT_EQ(Record(1).value, 0) << "a spin starts at 0, unclamped";
  CreateProgressBar(2, 0, 0, 100, 10, 5, 10);
  CreateTrackBar(3, 0, 0, 100, 10, -5, 10, 0);
  CreateScrollBar(4, 0, 0, 100, 10, 3, 50, 7, 0);
  EXPECT_EQ(Record(2).value, 5);
  EXPECT_EQ(Record(3).value, -5);
  EXPECT_EQ(Record(4).value, 3);
  EXPECT_EQ(Record(4).rows, 7) << "the page";
  EXPECT_EQ(Record(4).minimum, 3);
  EXPECT_EQ(Record(4).maximum, 50);
}

// Maximum below minimum is stored the right way round.
TEST_F(Create, AnInvertedRangeIsStoredTheRightWayRound) {
  CreateSpin(1, 0, 0, 50, 20, 10, 0);
  CreateProgressBar(2, 0, 0, 100, 10, 100, 0);
  CreateTrackBar(3, 0, 0, 100, 10, 10, -10, 0);
  CreateScrollBar(4, 0, 0, 100, 10, 100, 0, 10, 0);
  for (int n = 1; n <= 4; ++n) {
    EXPECT_LE(Record(n).minimum, Record(n).maximum) << "gadget " << n;
  }
  EXPECT_EQ(Record(1).minimum, 0);
  EXPECT_EQ(Record(1).maximum, 10);
  EXPECT_EQ(Record(2).value, 0) << "the value starts at the (new) minimum";
  EXPECT_EQ(Record(3).minimum, -10);
  EXPECT_EQ(Record(3).value, -10);
  EXPECT_EQ(Record(4).value, 0);
}

TEST_F(Create, StringFields) {
  Toolkit().BlinkFrames = 9;
  CreateString(1, 0, 0, 100, 20, "Hallo", 10, STRING_PASSWORD);
  const Gadget& s = Record(1);
  EXPECT_EQ(s.text, "Hallo");
  EXPECT_EQ(s.maximum, 10);
  EXPECT_EQ(s.selectionStart, -1);
  EXPECT_EQ(s.cursor, -1);
  EXPECT_EQ(s.state, 0);
  EXPECT_EQ(s.blinkPhase, 9);
  EXPECT_EQ(s.blinkPhase2, 9);
  EXPECT_EQ(GetGadgetState(1), -1) << "no cursor";
}

TEST_F(Create, StringTextStartsCutToItsMaximum) {
  CreateString(1, 0, 0, 100, 20, "abcdefgh", 5, 0);
  EXPECT_EQ(GetGadgetText(1), "abcde");
  CreateString(2, 0, 0, 100, 20, "abcdefgh\nxy", 3, STRING_MULTILINE);
  EXPECT_EQ(GetGadgetText(2), "abc\nxy");
  CreateString(3, 0, 0, 100, 20, "abcdefgh", -1, 0);
  EXPECT_EQ(GetGadgetText(3), "abcdefgh");
}

TEST_F(Create, ComboBoxFields) {
  Toolkit().BlinkFrames = 6;
  CreateComboBox(1, 0, 0, 100, 4, COMBO_EDITABLE);
  const Gadget& c = Record(1);
  EXPECT_EQ(c.maximum, -1);
  EXPECT_EQ(c.selectionStart, -1);
  EXPECT_EQ(c.cursor, -1);
  EXPECT_EQ(c.blinkPhase, 6);
  EXPECT_EQ(c.rows, 4);
  EXPECT_EQ(c.height, 60);
  EXPECT_EQ(GetGadgetState(1), -1);
}

TEST_F(Create, HyperLinkAndImageButtonKeepColourAndImage) {
  CreateHyperLink(1, 0, 0, 100, 20, "link", 0x0000FF);
  CreateImageButton(2, 0, 0, 32, 32, 4711, BUTTON_TOGGLE);
  EXPECT_EQ(Record(1).hoverColour, 0x0000FF);
  EXPECT_EQ(Record(1).text, "link");
  EXPECT_EQ(Record(2).hoverColour, 4711);
  EXPECT_EQ(Record(2).flags, BUTTON_TOGGLE);
  EXPECT_EQ(GadgetActivated(1), 0x0000FF);
  EXPECT_EQ(GadgetActivated(2), 4711);
}

TEST_F(Create, DateTakesTodayTheDefaultMaskAndNoLimits) {
  ASSERT_EQ(DateNow(), kNow) << "the headless clock drives DateNow";
  CreateDate(1, 0, 0, 120, 20);
  const Gadget& d = Record(1);
  EXPECT_EQ(d.type, GADGET_DATE);
  EXPECT_EQ(d.text, "%dd.%mm.%yyyy");
  EXPECT_EQ(d.dateSet, 1);
  EXPECT_EQ(d.date.year, 2026);
  EXPECT_EQ(d.date.month, 12);
  EXPECT_EQ(d.date.day, 7);
  EXPECT_EQ(d.date.hour, 10);
  EXPECT_EQ(d.date.minute, 30);
  EXPECT_EQ(d.minDate.year, -1);
  EXPECT_EQ(d.maxDate.year, -1);
  EXPECT_EQ(d.dateField, 0);
  EXPECT_EQ(d.value, 0) << "the date never lives in value";
  EXPECT_EQ(d.cursor, -1) << "nor in cursor";
  EXPECT_EQ(GetGadgetState(1), MakeDate(2026, 12, 7, 10, 30, 0)) << "seconds are not kept";
  EXPECT_EQ(GetGadgetText(1), "07.12.2026");
}

TEST_F(Create, DateWithAGivenDateAndMask) {
  const int date = MakeDate(1999, 2, 28, 23, 59, 0);
  CreateDate(1, 0, 0, 120, 20, "%yyyy-%mm-%dd %hh:%ii", date, 0);
  EXPECT_EQ(Record(1).text, "%yyyy-%mm-%dd %hh:%ii");
  EXPECT_EQ(GetGadgetState(1), date);
  EXPECT_EQ(GetGadgetText(1), "1999-02-28 23:59");
}

TEST_F(Create, CalendarTakesTodayAndNoLimits) {
  CreateCalendar(1, 0, 0, 0, 0);
  const Gadget& c = Record(1);
  EXPECT_EQ(c.type, GADGET_CALENDAR);
  EXPECT_EQ(c.date.year, 2026);
  EXPECT_EQ(c.date.day, 7);
  EXPECT_EQ(c.minDate.year, -1);
  EXPECT_EQ(c.maxDate.year, -1);
  EXPECT_EQ(GetGadgetState(1), MakeDate(2026, 12, 7, 10, 30, 0));
  CreateCalendar(2, 0, 0, 0, 0, MakeDate(2024, 2, 29, 0, 0, 0));
  EXPECT_EQ(GetGadgetState(2), MakeDate(2024, 2, 29, 0, 0, 0));
}

// --- FileList -------------------------------------------------------------------------------

class CreateFileListTest : public Create {
 protected:
  void SetUp() override {
    Create::SetUp();
    dir_ = std::filesystem::path(BEVEL_TEST_OUT) / "create_file_list";
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "sub");
    std::ofstream(dir_ / "a.txt") << "a";
    std::ofstream(dir_ / "b.doc") << "b";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  bool Lists(int number, const std::string& name) {
    for (const GadgetItem& item : Record(number).items) {
      if (item.itemText == name) return true;
    }
    return false;
  }

  std::filesystem::path dir_;
};

TEST_F(CreateFileListTest, IsAHeaderlessImageColumnListOfTheDirectory) {
  const std::string path = dir_.string() + "/*.TXT";
  ASSERT_EQ(CreateFileList(1, 0, 0, 200, 5, path,
                           LIST_CHECKBOXES | LIST_HEADER_FIXED | FILES_SORTED | ALIGN_RIGHT),
            1);
  const Gadget& f = Record(1);
  EXPECT_EQ(f.type, GADGET_FILELIST);
  EXPECT_EQ(f.text, dir_.string() + "/");
  EXPECT_EQ(f.extraText, "*.txt") << "the pattern is lower case";
  EXPECT_EQ(f.flags, LIST_NO_HEADER | LIST_IMAGES | FILES_SORTED);
  EXPECT_EQ(f.height, 74) << "no header row";
  EXPECT_EQ(f.rows, 5);
  EXPECT_EQ(f.columns, "0R_\r");
  EXPECT_TRUE(Lists(1, "a.txt"));
  EXPECT_TRUE(Lists(1, "sub"));
  EXPECT_FALSE(Lists(1, "b.doc"));
}

TEST_F(CreateFileListTest, QuotesBackslashesAndAlternativesInThePath) {
  const std::string quoted = "\"" + dir_.string() + "/*.doc\"";
  ASSERT_NE(CreateFileList(1, 0, 0, 200, 5, quoted, 0), 0);
  EXPECT_EQ(Record(1).text, dir_.string() + "/");
  EXPECT_EQ(Record(1).extraText, "*.doc");

  ASSERT_NE(CreateFileList(2, 0, 0, 200, 5, "C:\\Daten\\*.Txt;*.LOG", FILES_NO_SUBDIRS), 0);
  EXPECT_EQ(Record(2).text.empty() || Record(2).text == "C:\\Daten\\", true)
      << "the directory part ends at the last backslash (a missing directory may turn into "
         "the drive list)";
  EXPECT_EQ(Record(2).extraText, "*.txt;*.log");

  ASSERT_NE(CreateFileList(3, 0, 0, 200, 5, "*.txt", FILES_NO_SUBDIRS), 0);
  EXPECT_EQ(Record(3).text, "") << "no separator: no directory";
  EXPECT_EQ(Record(3).extraText, "*.txt");
}

TEST_F(CreateFileListTest, FailsLikeAnyCreator) {
  CreateButton(1, 0, 0, 1, 1, "");
  EXPECT_EQ(CreateFileList(1, 0, 0, 200, 5, dir_.string() + "/", 0), 0);
  EXPECT_EQ(CreateFileList(0, 0, 0, 200, 5, dir_.string() + "/", 0), 0);
  EXPECT_EQ(Record(1).type, GADGET_BUTTON);
}

}  // namespace
}  // namespace bevel
