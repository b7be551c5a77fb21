// Every window class of the program (and of these tests): its blocks decode,
// its controls are named and parented as the builder needs, its handlers name
// its controls, and it builds.
#include <set>
#include <string>
#include <utility>

#include <QMainWindow>

#include "app/framework/BlockReader.h"
#include "app/framework/test_windows.h"

namespace {

// The program's windows whose control blocks are stored in reverse
// (`InitialParent` first, `Name` last), and those stored in table order.
const std::set<std::string_view> kReversedWindows = {
    "NoteDuzoror", "NoteDuan", "PressureWindow", "Isochore", "VolumeWindow", "MathAnal",
    "MathAnalT", "TPx_range", "ConstructionSpinodal", "ConstructionCritical"};
const std::set<std::string_view> kTableOrderWindows = {
    "Start1Window", "Start2Window", "Start3Window", "TemperatureWindow", "FugacityWindow",
    "ActivityWindow", "BubbleDewPoint", "LiquidVapourEq", "SLV", "QtzSolubilityWindow"};

class RegisteredWindows : public WindowTest,
                          public ::testing::WithParamInterface<fw::WindowRegistration> {};

TEST_P(RegisteredWindows, BlocksDecodeAndNameAndParentTheirControlsAsTheBuilderNeeds) {
  const fw::WindowBlocks w = GetParam().blocks();
  ASSERT_GE(w.blocks.size(), 1u);
  EXPECT_EQ(w.blocks[0].cls, fw::BlockClass::Window);
  std::size_t end = 0;
  std::set<std::string_view> names, plain, containersSoFar;
  std::set<std::pair<std::string_view, std::int32_t>> members;
  for (std::size_t i = 0; i < w.blocks.size(); ++i) {
    const fw::BlockRef& ref = w.blocks[i];
    EXPECT_EQ(ref.offset, end) << "blocks lie back to back";
    end = ref.offset + ref.length;
    std::set<std::string_view> records;
    const std::vector<fw::Record> stored = fw::DecodeBlock(w.BytesOf(ref), ref.cls);
    for (const fw::Record& r : stored) EXPECT_TRUE(records.insert(r.name).second) << r.name;
    const auto expected = fw::RecordsOf(ref.cls);
    EXPECT_EQ(records, std::set<std::string_view>(expected.begin(), expected.end()))
        << fw::ClassName(ref.cls);
    if (i == 0) continue;
    if (kReversedWindows.count(GetParam().className)) {
      EXPECT_EQ(stored.back().name, "Name");
    }
    if (kTableOrderWindows.count(GetParam().className)) {
      EXPECT_EQ(stored.front().name, "Name");
    }

    const fw::BlockRecords r(w.BytesOf(ref), ref.cls);
    const std::string_view name = r.Text("Name");
    EXPECT_FALSE(name.empty());
    names.insert(name);
    const std::int32_t index = r.Integer("Index");
    EXPECT_EQ(ref.setMember, index != fw::kNoIndex);
    if (index == fw::kNoIndex) {
      EXPECT_TRUE(plain.insert(name).second) << "twice: " << name;
    } else {
      EXPECT_TRUE(members.insert({name, index}).second) << name << " index " << index << " twice";
    }
    const std::string_view parent = r.Text("InitialParent");
    EXPECT_TRUE(parent.empty() || containersSoFar.count(parent)) << name << " in " << parent;
    if (fw::IsContainerClass(ref.cls)) containersSoFar.insert(name);
  }
  EXPECT_EQ(end, w.bytes.size());
  for (const auto& [name, index] : members)
    EXPECT_EQ(plain.count(name), 0u) << name << " is both a set and a single control";
  for (const fw::HandlerBinding& h : GetParam().handlers())
    EXPECT_TRUE(names.count(h.control)) << h.control << "_" << fw::EventName(h.event);
}

TEST_P(RegisteredWindows, BuildsThroughItsAccessorWithEveryControl) {
  const fw::WindowBlocks w = GetParam().blocks();
  fw::Window& window = GetParam().open();
  EXPECT_EQ(&window, &GetParam().open()) << "one instance at a time";
  EXPECT_EQ(window.Controls().size(), w.blocks.size() - 1);
  const fw::BlockRecords block(w.BytesOf(w.blocks[0]), fw::BlockClass::Window);
  EXPECT_EQ(window.Frame()->isVisible(), block.Flag("Visible"));
  EXPECT_EQ(window.Height(), block.Integer("Height"));
  EXPECT_EQ(window.Width(), block.Integer("Width"));
  EXPECT_EQ(fw::GetImplicitWindow(GetParam().className), &window);
  for (const auto& c : window.Controls()) {
    EXPECT_EQ(c->Widget()->objectName(), c->Name());
    EXPECT_EQ(&window.ControlByNameIndex(c->Name().toStdString(), c->Index()), c.get());
  }
  ExpectExponentsAfterTheirBases(window);
}

std::string ClassNameOf(const ::testing::TestParamInfo<fw::WindowRegistration>& info) {
  return std::string(info.param.className);
}

INSTANTIATE_TEST_SUITE_P(Program, RegisteredWindows,
                         ::testing::ValuesIn(fw::RegisteredWindows()), ClassNameOf);

}  // namespace
