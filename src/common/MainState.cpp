#include "common/MainState.h"

namespace fw {

MainState::MainState() {
  ComboBox2.Visible = ComboBox3.Visible = ComboBox4.Visible = false;
  Button2.Visible = Button3.Visible = Button4.Visible = false;
}

bool MainState::checked(Category c) const {
  switch (c) {
  case Category::Car: return RadioButton1;
  case Category::Bike: return RadioButton2;
  case Category::Boat: return RadioButton3;
  case Category::Helicopter: return RadioButton4;
  }
  return false;
}

void MainState::check(Category c) {
  RadioButton1 = c == Category::Car;
  RadioButton2 = c == Category::Bike;
  RadioButton3 = c == Category::Boat;
  RadioButton4 = c == Category::Helicopter;
}

ComboState& MainState::vehicleList(Category c) {
  switch (c) {
  case Category::Bike: return ComboBox2;
  case Category::Boat: return ComboBox3;
  case Category::Helicopter: return ComboBox4;
  case Category::Car: break;
  }
  return ComboBox1;
}

ButtonState& MainState::lookupButton(Category c) {
  switch (c) {
  case Category::Bike: return Button2;
  case Category::Boat: return Button3;
  case Category::Helicopter: return Button4;
  case Category::Car: break;
  }
  return Button1;
}

KindFields fieldsOf(MainState& s, FileKind k) {
  switch (k) {
  case FileKind::Vehicles:
    return {s.Edit3, s.Button6, s.Memo2, s.Edit5, s.ComboBox6, s.Memo7, s.Button13, s.Records[1]};
  case FileKind::Carcols:
    return {s.Edit4, s.Button7, s.Memo3, s.Edit6, s.ComboBox7, s.Memo8, s.Button14, s.Records[2]};
  case FileKind::Handling: break;
  }
  return {s.Edit2, s.Button5, s.Memo1, s.Edit1, s.ComboBox5, s.Memo6, s.Button12, s.Records[0]};
}

} // namespace fw
