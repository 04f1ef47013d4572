#include "records/CategorySwitch.h"

namespace fw {
namespace {

void disableInputRows(MainState& s) {
  s.Edit2.Enabled = s.Button5.Enabled = false;
  s.Edit3.Enabled = s.Button6.Enabled = false;
  s.Edit4.Enabled = s.Button7.Enabled = false;
}

} // namespace

void selectCategory(MainState& s, Category c) {
  s.check(c);
  for (Category other : kCategories) {
    s.vehicleList(other).Visible = other == c;
    s.lookupButton(other).Visible = other == c;
  }
  s.Label1.clear();
  s.Label5.clear();
  s.Edit1.clear();
  disableInputRows(s);
}

void vehicleListChanged(MainState& s) {
  disableInputRows(s);
  s.Label1.clear();
  s.Button12.Enabled = s.Button13.Enabled = s.Button14.Enabled = false;
}

} // namespace fw
