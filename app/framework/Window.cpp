#include "app/framework/Window.h"

#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <map>
#include <set>
#include <string>

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include "app/framework/BlockReader.h"
#include "app/framework/BlockStyle.h"
#include "app/framework/ControlFactory.h"
#include "app/framework/Controls.h"
#include "app/framework/WindowFrame.h"

namespace fw {

namespace {

struct ProgramState {
  std::map<std::type_index, Window*> openInstances;
  std::set<Window*> liveWindows;
  int handlerDepth = 0;  // handlers on the stack, all windows together
  bool quitRequested = false;
  std::function<void(QMainWindow&)> decorateFrame;
};

ProgramState& State() {
  static ProgramState state;
  return state;
}

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

// The window class's own name ("PressureWindow"), for the Qt window's object name.
QString ClassNameOf(std::type_index key) {
  int status = 0;
  char* readable = abi::__cxa_demangle(key.name(), nullptr, nullptr, &status);
  QString name = QString::fromLatin1(status == 0 && readable ? readable : key.name());
  std::free(readable);
  return name;
}

}  // namespace

// --- one instance per class ------------------------------------------------

Window* OpenInstance(std::type_index classKey) {
  auto& open = State().openInstances;
  const auto it = open.find(classKey);
  return it == open.end() ? nullptr : it->second;
}

void SetOpenInstance(std::type_index classKey, Window* window) {
  if (window) State().openInstances[classKey] = window;
  else State().openInstances.erase(classKey);
}

// --- program-wide ------------------------------------------------------------

void Quit() {
  State().quitRequested = true;
  if (State().handlerDepth == 0) QCoreApplication::quit();
}

bool QuitRequested() { return State().quitRequested; }

void ReleaseAllWindows() {
  const std::set<Window*> live = State().liveWindows;
  for (Window* w : live) delete w;
  State().quitRequested = false;
}

int LiveWindowCount() { return static_cast<int>(State().liveWindows.size()); }

void SetFrameDecorator(std::function<void(QMainWindow&)> decorate) {
  State().decorateFrame = std::move(decorate);
}

// --- the window ----------------------------------------------------------------

Window::Window(std::type_index classKey) : classKey_(classKey) {
  State().liveWindows.insert(this);
}

Window::~Window() {
  tearingDown_ = true;
  State().liveWindows.erase(this);
  if (OpenInstance(classKey_) == this) SetOpenInstance(classKey_, nullptr);
  // Widgets first: the controls they draw from go after them.
  delete frame_;
  frame_ = nullptr;
  content_ = nullptr;
  controls_.clear();
}

void Window::Build(WindowBlocks blocks, const Handlers& handlers, const ExponentLabels& exponents) {
  Layout(blocks);
  CreateControls(blocks, handlers);
  for (const ExponentLabel& e : exponents) AttachExponent(Label(e.base), Label(e.exponent));
  // No menu handlers: the menu items are served by the framework.
  built_ = true;
  const BlockRecords window(blocks.BytesOf(blocks.blocks[0]), BlockClass::Window);
  if (window.Flag("Visible", true)) Show();
}

void Window::Layout(const WindowBlocks& blocks) {
  const BlockRecords block(blocks.BytesOf(blocks.blocks[0]), BlockClass::Window);
  const QSize size(block.Integer("Width"), block.Integer("Height"));
  frame_ = new WindowFrame(this);
  frame_->setObjectName(ClassNameOf(classKey_));
  content_ = new ContentWidget(this, size);
  content_->setObjectName(QStringLiteral("content"));
  frame_->setCentralWidget(content_);
  frame_->setWindowTitle(TextOf(block.Text("Title")));
  if (block.Flag("HasBackColor", true)) {
    QPalette palette = content_->palette();
    palette.setColor(QPalette::Window, ColourOf(block.Colour("BackColor", 0xFFFFFF)));
    content_->setPalette(palette);
    content_->setAutoFillBackground(true);
  }

  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint;
  if (block.Flag("CloseButton", true)) flags |= Qt::WindowCloseButtonHint;
  if (block.Flag("MinimizeButton")) flags |= Qt::WindowMinimizeButtonHint;
  if (block.Flag("MaximizeButton")) flags |= Qt::WindowMaximizeButtonHint;
  frame_->setWindowFlags(flags);

  if (State().decorateFrame) State().decorateFrame(*frame_);

  if (block.Flag("Resizeable")) {
    content_->setMinimumSize(block.Integer("MinWidth", 64), block.Integer("MinHeight", 64));
    content_->setMaximumSize(block.Integer("MaxWidth", 32000), block.Integer("MaxHeight", 32000));
  } else {
    content_->setFixedSize(size);
  }
  content_->resize(size);
  frame_->resize(frame_->sizeHint());

  if (block.Integer("Placement") != 0) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect place(QPoint(), frame_->sizeHint());
      place.moveCenter(screen->availableGeometry().center());
      frame_->move(place.topLeft());
    }
  }
}

void Window::CreateControls(const WindowBlocks& blocks, const Handlers& handlers) {
  std::vector<bool> used(handlers.size(), false);
  for (std::size_t b = 1; b < blocks.blocks.size(); ++b) {
    const BlockRef& ref = blocks.blocks[b];
    const BlockRecords block(blocks.BytesOf(ref), ref.cls);
    const QString name = TextOf(block.Text("Name"));

    std::unique_ptr<RectControl> made = MakeControl(ref.cls);
    if (ref.setMember) made->SetSetIndex(block.Integer("Index"));
    made->Register(*this, name);
    controls_.push_back(std::move(made));
    RectControl& control =
        ref.setMember ? ControlByNameIndex(block.Text("Name"), block.Integer("Index"))
                      : ControlByName(block.Text("Name"));

    // The picture goes in before the block is applied.
    if (ref.picture) control.SetPicture(ref.picture());

    RectControl* parent = nullptr;
    if (const std::string_view parentName = block.Text("InitialParent"); !parentName.empty()) {
      parent = FindControl(parentName);
      if (!parent || parent == &control || !IsContainerClass(parent->Class()))
        throw NilObjectException("control " + name.toStdString() + " names parent " +
                                 Quoted(parentName) + ", which is no container built before it");
    }
    control.Apply(block, parent, parent ? parent->ChildArea() : content_);
    if (auto* button = dynamic_cast<PushButton*>(&control); button && button->IsDefault())
      defaultButton_ = button;

    // Handlers last, after the block.
    for (std::size_t h = 0; h < handlers.size(); ++h) {
      const HandlerBinding& binding = handlers[h];
      if (QString::fromUtf8(binding.control.data(), static_cast<qsizetype>(binding.control.size())) != name)
        continue;
      used[h] = true;
      handlerRunning_.push_back(std::make_unique<bool>(false));
      bool* running = handlerRunning_.back().get();
      RectControl* me = &control;
      EventSink sink;
      if (binding.plain) {
        sink.plain = [this, me, running, call = binding.plain] {
          Dispatch(me, *running, [&] { call(*this); });
        };
      }
      if (binding.cellText) {
        sink.cellText = [this, me, running, call = binding.cellText](int row, int column) {
          Dispatch(me, *running, [&] { call(*this, row, column); });
        };
      }
      if (binding.cellClick) {
        sink.cellClick = [this, me, running, call = binding.cellClick](int row, int column,
                                                                       int x, int y) {
          return Dispatch(me, *running, [&] { return call(*this, row, column, x, y); });
        };
      }
      control.Connect(binding.event, std::move(sink));
    }
  }
  for (std::size_t h = 0; h < handlers.size(); ++h)
    if (!used[h])
      throw NilObjectException("handler " + std::string(handlers[h].control) + "_" +
                               std::string(EventName(handlers[h].event)) +
                               " names no control of the window");

  // A decoration holding no control lets clicks through to what it covers.
  for (const auto& c : controls_) {
    if (!c->IsDecoration()) continue;
    const bool holdsControls = std::any_of(controls_.begin(), controls_.end(),
                                           [&](const auto& o) { return o->Parent() == c.get(); });
    if (!holdsControls) c->Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
}

template <class F>
auto Window::Dispatch(RectControl* me, bool& running, F&& call) -> decltype(call()) {
  using Result = decltype(call());
  // A second click while the handler yields does not start it again.
  if (tearingDown_ || running) return Result();
  running = true;
  ++handlerDepth_;
  ++State().handlerDepth;
  me_.push_back(me);
  struct Leave {
    Window* window;
    bool& running;
    ~Leave() {
      window->me_.pop_back();
      running = false;
      --window->handlerDepth_;
      --State().handlerDepth;
      window->AfterHandler();
    }
  } leave{this, running};
  return call();
}

void Window::AfterHandler() {
  // A window closed while its handler ran goes once no handler of it is left.
  if (closed_ && handlerDepth_ == 0) deleteLater();
  if (State().handlerDepth == 0 && State().quitRequested) QCoreApplication::quit();
}

void Window::HandleUserClose() {
  if (closed_) return;
  closed_ = true;
  if (OpenInstance(classKey_) == this) SetOpenInstance(classKey_, nullptr);
  if (frame_ && frame_->isVisible()) frame_->hide();
  if (handlerDepth_ == 0) deleteLater();
}

void Window::HandleActivate() {
  if (!built_ || closed_) return;
  Dispatch(nullptr, activateRunning_, [this] { Event_Activate(); });
}

void Window::HandleResize() {
  if (!built_ || closed_) return;
  Dispatch(nullptr, resizeRunning_, [this] { Event_Resizing(); });
}

bool Window::PressDefaultButton() {
  return defaultButton_ && defaultButton_->Push();
}

void Window::Show() {
  if (closed_) return;
  frame_->show();
  frame_->raise();
  frame_->activateWindow();
}

void Window::Close() {
  if (frame_) frame_->close();
}

bool Window::IsOpen() const { return !closed_ && !tearingDown_ && !State().quitRequested; }

QString Window::Title() const { return frame_->windowTitle(); }
int Window::Width() const { return content_->width(); }
int Window::Height() const { return content_->height(); }
QMainWindow* Window::Frame() const { return frame_; }
QWidget* Window::Content() const { return content_; }

RectControl* Window::FindControl(std::string_view name, std::int32_t index) const {
  const QString wanted = TextOf(name);
  for (const auto& c : controls_)
    if (c->Name() == wanted && c->Index() == index) return c.get();
  return nullptr;
}

RectControl& Window::ControlByName(std::string_view name) const {
  if (RectControl* c = FindControl(name)) return *c;
  throw NilObjectException("no control " + Quoted(name) + " in window " + Title().toStdString());
}

RectControl& Window::ControlByNameIndex(std::string_view name, std::int32_t index) const {
  if (RectControl* c = FindControl(name, index)) return *c;
  throw NilObjectException("no control " + Quoted(name) + " with index " + std::to_string(index) +
                           " in window " + Title().toStdString());
}

void Window::ThrowWrongClass(const RectControl& control) const {
  throw NilObjectException("control " + control.Name().toStdString() + " is a " +
                           std::string(ClassName(control.Class())));
}

StaticText& Window::Label(std::string_view name) const { return Named<StaticText>(name); }
EditField& Window::Field(std::string_view name) const { return Named<EditField>(name); }
PushButton& Window::Button(std::string_view name) const { return Named<PushButton>(name); }
RadioButton& Window::Radio(std::string_view name) const { return Named<RadioButton>(name); }
Listbox& Window::List(std::string_view name) const { return Named<Listbox>(name); }
ScrollBar& Window::Scroll(std::string_view name) const { return Named<ScrollBar>(name); }

RectControl& Window::Me() const {
  if (me_.empty() || !me_.back()) throw NilObjectException("no control event is being handled");
  return *me_.back();
}

}  // namespace fw
