#include "records/Startup.h"

#include "common/Files.h"
#include "platform/Platform.h"
#include "records/Catalogue.h"

namespace fw {
namespace {

void loadIfExists(const char* literal, LineBuffer& into) {
  FilePath path = FilePath::relative(literal);
  if (exists(path)) into = loadLines(path);
}

void loadItemsIfExists(const char* literal, ComboState& into) {
  FilePath path = FilePath::relative(literal);
  if (exists(path)) into.Items = loadLines(path).lines();
}

} // namespace

void constructMainState(MainState& s) {
  for (Category c : kCategories) {
    ComboState& list = s.vehicleList(c);
    list.Items = catalogue::entryTexts(c);
    list.Text = list.Items.front();
  }
  s.Buffer = platform::currentDirectory();
  s.PageControl1 = 0;
  s.Memo1 = loadLines(FilePath::relative("common//data//handling.dat"));
  s.Memo2 = loadLines(FilePath::relative("common//data//vehicles.ide"));
  s.Memo3 = loadLines(FilePath::relative("common//data//carcols.dat"));
  loadItemsIfExists("backup//hblistb.txt", s.ComboBox5);
  loadIfExists("backup//hblist.txt", s.Memo6);
  loadItemsIfExists("backup//vblistb.txt", s.ComboBox6);
  loadIfExists("backup//vblist.txt", s.Memo7);
  loadItemsIfExists("backup//cblistb.txt", s.ComboBox7);
  loadIfExists("backup//cblist.txt", s.Memo8);
  FilePath settings = FilePath::relative("fleetwick.ini");
  if (exists(settings)) {
    s.Memo10 = loadLines(settings);
    s.Edit14 = s.Memo10.at(0);
    s.Edit15 = s.Memo10.at(1);
  }
}

} // namespace fw
