// Every window of the program as it is drawn, measured in the program's own
// font: each control lies inside its window and its frame, no control covers
// another or straddles a frame's edge, every text fits its control, every
// picture fills its control and is drawn there, each control shows the font,
// alignment and wrapping its block asks for, and a window opens at its size,
// white, shown or hidden as its block says, keeping its scroll bars inside
// when shrunk. No place or text of a declaration is repeated here: the
// properties hold for any window drawn as designed.
#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include <set>
#include <tuple>

#include "app/application.h"
#include "app/framework/BlockReader.h"
#include "app/framework/BlockStyle.h"
#include "app/framework/test_windows.h"

namespace {

// Windows of the window layer's own tests, not screens of the program.
const std::set<std::string_view> kTestWindows = {"ExampleWindow", "PanelWindow"};

// Overlaps the design means: comment 6 of the Duan note is the figure under it.
const std::set<std::tuple<std::string_view, QString, QString>> kDesignedOverlaps = {
    {"NoteDuan", "StaticText2", "Canvas1"}};

const std::set<fw::BlockClass> kWorked = {fw::BlockClass::PushButton, fw::BlockClass::RadioButton,
                                          fw::BlockClass::EditField, fw::BlockClass::Listbox,
                                          fw::BlockClass::ScrollBar};

// `TextAlign` 0, 1, 2: left, centred, right.
constexpr Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

QRect Place(const fw::RectControl& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

// The raised "3" of a unit stands over its base text.
bool Raises(const fw::RectControl& exponent, const fw::RectControl& base) {
  const auto* label = dynamic_cast<const fw::StaticText*>(&exponent);
  return label && label->ExponentBase() == &base;
}

bool Holds(const fw::RectControl& frame, const fw::RectControl& c) {
  for (const fw::RectControl* p = c.Parent(); p; p = p->Parent())
    if (p == &frame) return true;
  return false;
}

// The room a control's text takes; nothing for a control without text.
QSizeF TextRoom(const QWidget* widget) {
  const QFontMetricsF font(widget->font());
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    QString text = label->text();
    while (text.endsWith('\n')) text.chop(1);  // a closing line break opens no line of text
    if (text.isEmpty()) return {};
    const bool wrap = label->wordWrap();
    return font.boundingRect(QRectF(0, 0, wrap ? label->width() : 1e4, 1e4), wrap ? Qt::TextWordWrap : 0, text).size();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    if (button->text().isEmpty()) return {};
    // A radio button's caption follows its indicator.
    const double width = qobject_cast<const QPushButton*>(widget)
                             ? font.horizontalAdvance(button->text())
                             : button->sizeHint().width();
    return {width, font.height()};
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(widget))
    return {font.horizontalAdvance(box->title()), 0};
  if (qobject_cast<const QLineEdit*>(widget)) return {0, font.height()};
  return {};
}

void ExpectAsItsBlockSays(const fw::RectControl& c, const fw::BlockRecords& block) {
  const QWidget* widget = c.Widget();
  if (block.Find("TextSize")) {
    const int size = block.Integer("TextSize");
    EXPECT_EQ(widget->font().pixelSize(), size > 0 ? size : 13) << "pixels, 13 by default";
    EXPECT_EQ(widget->font().bold(), block.Flag("Bold"));
    EXPECT_EQ(widget->font().italic(), block.Flag("Italic"));
  }
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
              kAlignments[block.Integer("TextAlign")]);
    EXPECT_EQ(label->wordWrap(), block.Flag("Multiline"));
    const bool warning = c.Name().startsWith("warning");
    EXPECT_TRUE(!warning || label->palette().color(QPalette::WindowText) == QColor(Qt::red)) << "warnings red";
  }
  if (const auto* list = qobject_cast<const QTableWidget*>(widget)) {
    EXPECT_EQ(list->columnCount(), block.Integer("ColumnCount"));
    EXPECT_TRUE(list->verticalHeader()->isHidden()) << "no row numbers";
    int columns = 0;
    for (int c = 0; c < list->columnCount(); ++c) columns += list->columnWidth(c);
    EXPECT_NEAR(columns, list->viewport()->width(), list->columnCount()) << "the columns fill the list";
  }
  // A framed rectangle shows its bevel on all four edges.
  if (c.Class() == fw::BlockClass::Rectangle && block.Integer("BorderWidth") > 0) {
    const QImage shot = c.Widget()->grab().toImage();
    const int w = shot.width(), h = shot.height();
    for (const auto& [x, y, colour] : {std::tuple{0, h / 2, "TopLeftColor"}, {w / 2, 0, "TopLeftColor"},
                                       {w - 1, h / 2, "BottomRightColor"}, {w / 2, h - 1, "BottomRightColor"}})
      EXPECT_EQ(shot.pixelColor(x, y), fw::ColourOf(block.Colour(colour))) << x << "," << y;
  }
  const auto* bar = qobject_cast<const QScrollBar*>(widget);
  EXPECT_TRUE(!bar || bar->orientation() == (c.Height() > c.Width() ? Qt::Vertical : Qt::Horizontal));
  const QPixmap* picture = nullptr;
  if (const auto* canvas = dynamic_cast<const fw::Canvas*>(&c)) picture = &canvas->Backdrop();
  if (const auto* well = dynamic_cast<const fw::ImageWell*>(&c)) picture = &well->Image();
  if (picture) {
    EXPECT_EQ(picture->deviceIndependentSize().toSize(), widget->size()) << "filled";
    EXPECT_EQ(picture->devicePixelRatio(), widget->devicePixelRatioF()) << "as sharp as the screen";
    // Drawn on the window's white, whole and in place.
    QImage drawn(widget->size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter(&drawn).drawPixmap(0, 0, *picture);
    EXPECT_EQ(c.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32), drawn);
  }
}

using ProgramWindows = WindowTest;

TEST_F(ProgramWindows, EveryControlLiesInItsFrameUncoveredWithItsTextAndPictureFittingIt) {
  const QFont testFont = QApplication::font();
  ChooseApplicationFont();  // measured in the program's own font
  for (const fw::WindowRegistration& registration : fw::RegisteredWindows()) {
    if (kTestWindows.count(registration.className)) continue;
    SCOPED_TRACE(registration.className);
    const fw::WindowBlocks blocks = registration.blocks();
    const fw::BlockRecords designed(blocks.BytesOf(blocks.blocks[0]), fw::BlockClass::Window);
    const fw::Window& w = registration.open();
    EXPECT_EQ(QSize(w.Width(), w.Height()), QSize(designed.Integer("Width"), designed.Integer("Height")));
    EXPECT_EQ(w.Frame()->isVisible(), designed.Flag("Visible"));
    const Qt::WindowFlags flags = w.Frame()->windowFlags();
    EXPECT_EQ(std::tuple(flags.testFlag(Qt::WindowCloseButtonHint), flags.testFlag(Qt::WindowMinimizeButtonHint),
                         flags.testFlag(Qt::WindowMaximizeButtonHint)),
              std::tuple(designed.Flag("CloseButton"), designed.Flag("MinimizeButton"), designed.Flag("MaximizeButton")));
    EXPECT_EQ(std::pair(w.Content()->palette().color(QPalette::Window), w.Content()->autoFillBackground()),
              std::pair(QColor(Qt::white), true));
    ExpectExponentsAfterTheirBases(w);
    // A resizable window's panel may reach as far as the window can grow.
    const QRect window(QPoint(), w.Content()->maximumSize());
    const auto& controls = w.Controls();
    if (controls.size() + 1 != blocks.blocks.size()) ADD_FAILURE() << "a control per block";
    for (std::size_t i = 0; i < controls.size() && i + 1 < blocks.blocks.size(); ++i) {
      const fw::RectControl& c = *controls[i];
      SCOPED_TRACE(c.Name().toStdString());
      ExpectAsItsBlockSays(c, fw::BlockRecords(blocks.BytesOf(blocks.blocks[i + 1]), c.Class()));
      const QRect place = Place(c);
      // A line's pen reaches one pixel past its end point.
      const int pen = c.Class() == fw::BlockClass::Line ? 1 : 0;
      EXPECT_TRUE((c.Parent() ? Place(*c.Parent()) : window).adjusted(0, 0, pen, pen).contains(place));
      const QSizeF text = TextRoom(c.Widget());
      EXPECT_LE(text.width(), place.width());
      EXPECT_LE(text.height(), place.height());
      // A control the user works takes the clicks at its centre.
      if (kWorked.count(c.Class()) && c.Visible()) {
        const QWidget* hit = c.Widget()->parentWidget()->childAt(c.Widget()->geometry().center());
        EXPECT_TRUE(hit == c.Widget() || c.Widget()->isAncestorOf(hit)) << "takes its clicks";
      }

      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const fw::RectControl& o = *controls[j];
        if (!place.intersects(Place(o)) || Holds(c, o) || Holds(o, c)) continue;
        if (c.Class() == fw::BlockClass::Line || o.Class() == fw::BlockClass::Line) continue;
        const bool frameC = fw::IsContainerClass(c.Class()), frameO = fw::IsContainerClass(o.Class());
        if (frameC || frameO) {
          // A control lies on a frame or beside it, never across its edge.
          EXPECT_TRUE((frameC && place.contains(Place(o))) || (frameO && Place(o).contains(place)))
              << o.Name().toStdString() << " across the edge";
          continue;
        }
        if (Raises(c, o) || Raises(o, c)) continue;
        // Controls hidden when built take turns at one place.
        if (!c.Visible() && !o.Visible()) continue;
        if (kDesignedOverlaps.count({registration.className, c.Name(), o.Name()})) continue;
        ADD_FAILURE() << c.Name().toStdString() << " overlaps " << o.Name().toStdString();
      }
    }
    // A base given a new text, as a unit relabelled, takes its exponent along.
    for (const auto& c : controls)
      if (const auto* e = dynamic_cast<const fw::StaticText*>(c.get()); e && e->ExponentBase())
        w.Label(e->ExponentBase()->Name().toStdString()).SetText("m /s");
    ExpectExponentsAfterTheirBases(w);
    // Shrunk to its smallest height, a resizable window keeps its scroll bars inside.
    w.Frame()->resize(w.Frame()->width(), w.Content()->minimumHeight());
    for (const auto& c : controls)
      EXPECT_TRUE(c->Class() != fw::BlockClass::ScrollBar || c->Top() + c->Height() <= w.Height());
    fw::ReleaseAllWindows();
  }
  QApplication::setFont(testFont);
}

}  // namespace
