// Driving the real "Fluid" window as a user would: typing into its fields
// key by key, clicking its radios and buttons.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/fluid_window.h"
#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "fluid/Globals.h"

class FluidWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::ReleaseAllWindows();
    Globals::InitializeSharedArrays();
    window_ = &Start2Window::Instance();
  }
  void TearDown() override {
    fw::ReleaseAllWindows();
    Globals::FinalizeSharedArrays();
  }

  Start2Window& window() { return *window_; }
  // Types the text after what the field holds, one key at a time.
  void Type(const char* field, const char* text) { QTest::keyClicks(window().Field(field).LineEdit(), text); }
  // Erases the field's text with Backspace, one key at a time.
  void Erase(const char* field) {
    QLineEdit* edit = window().Field(field).LineEdit();
    edit->end(false);
    while (!edit->text().isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
  }
  // Clicks the radio's round indicator, at its left end.
  void Click(const char* radio) {
    QRadioButton* button = window().Radio(radio).Button();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
  }
  void PressContinue() { QTest::mouseClick(window().Button("continue2").Button(), Qt::LeftButton); }
  QString Shown(const char* label) { return window().Label(label).Text(); }

 private:
  Start2Window* window_ = nullptr;
};
