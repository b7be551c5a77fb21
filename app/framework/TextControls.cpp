#include "app/framework/TextControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "app/framework/BlockReader.h"
#include "app/framework/BlockStyle.h"
#include "app/framework/ExponentLabel.h"
#include "app/framework/Window.h"

namespace fw {

namespace {

Qt::Alignment HorizontalAlignment(std::int32_t align) {
  switch (align) {
    case 1: return Qt::AlignHCenter;
    case 2: return Qt::AlignRight;
    default: return Qt::AlignLeft;
  }
}

}  // namespace

QLabel* StaticText::Label() const { return static_cast<QLabel*>(Widget()); }

void StaticText::SetText(const QString& text) {
  text_ = text;
  Label()->setText(WithLineFeeds(text));
  if (exponent_) PlaceExponent(*this, *exponent_);
  if (exponentBase_) PlaceExponent(*exponentBase_, *this);
}

QWidget* StaticText::CreateWidget(QWidget* parent, const BlockRecords& block) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setFont(FontOf(block));
  label->setAlignment(HorizontalAlignment(block.Integer("TextAlign")) | Qt::AlignTop);
  label->setWordWrap(block.Flag("Multiline"));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ColourOf(block.Colour("TextColor")));
  label->setPalette(palette);
  // A label takes no clicks: whatever it overlaps stays reachable.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  text_ = TextOf(block.Text("Text"));
  label->setText(WithLineFeeds(text_));
  return label;
}

QLineEdit* EditField::LineEdit() const { return static_cast<QLineEdit*>(Widget()); }

QString EditField::Text() const { return LineEdit()->text(); }

void EditField::SetText(const QString& text) { LineEdit()->setText(text); }

void EditField::Connect(Event event, EventSink sink) {
  if (event != Event::TextChange) NoSuchEvent(event);
  QObject::connect(LineEdit(), &QLineEdit::textChanged, &Owner(),
                   [plain = std::move(sink.plain)] { plain(); });
}

QWidget* EditField::CreateWidget(QWidget* parent, const BlockRecords& block) {
  auto* edit = new QLineEdit(parent);
  edit->setFont(FontOf(block));
  edit->setFrame(block.Flag("Border", true));
  edit->setReadOnly(block.Flag("ReadOnly"));
  if (block.Flag("Password")) edit->setEchoMode(QLineEdit::Password);
  if (const int limit = block.Integer("LimitText"); limit > 0) edit->setMaxLength(limit);
  edit->setAlignment(HorizontalAlignment(block.Integer("Alignment")) | Qt::AlignVCenter);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, ColourOf(block.Colour("TextColor")));
  palette.setColor(QPalette::Base, ColourOf(block.Colour("BackColor", 0xFFFFFF)));
  edit->setPalette(palette);
  edit->setText(TextOf(block.Text("Text")));
  return edit;
}

}  // namespace fw
