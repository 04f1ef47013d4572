// A tiny game folder, entered as the current directory, with the main state started in it.
#pragma once

#include "Printers.h"
#include "TempFolder.h"
#include "backup/RecordWriter.h"
#include "backup/Restore.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/Services.h"
#include "records/Lookup.h"
#include "records/Startup.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw::test {

inline const char* const kHandling = "; handling\r\nADMIRAL 1.0 2.0\r\nBANSHEE 3.0\r\nMANANA  4.0\r\n"
                                     "CONTENDER 5\r\n#SWAT 6\r\n;------- bikes\r\n";
inline const char* const kVehicles = "cars\r\nadmiral,\tadmiral,\tcar\r\nbanshee, banshee, car\r\n"
                                     "manana, manana, car\r\nend\r\ntxdp\r\nend\r\n";
inline const char* const kCarcols =
    "col\r\nend\r\nadmiral,\t1,1\r\nbanshee, 2,2\r\nmanana, 3\r\ncar4\r\nend\r\n";

class GameFixture : public testing::Test {
protected:
  GameFixture() : game(true) {
    makeGameFolder(game, kHandling, kVehicles, kCarcols);
    services.timestamp = [this] { return stamp; };
    services.reloadViewer = [this](FileKind k, const LineBuffer& lines) { reloads.push_back({k, lines}); };
  }

  void start() { constructMainState(s); }

  void lookUp(const std::string& text, Category c = Category::Car) {
    s.vehicleList(c).Text = text;
    lookup(s, c);
  }

  // The row's OK button with the text typed into its input.
  void write(FileKind k, const std::string& text) {
    fieldsOf(s, k).input.Text = text;
    writeRecord(s, k, services);
  }

  // "Восстановить" with the name chosen on the kind's restore page.
  void restore(FileKind k, const std::string& name) {
    fieldsOf(s, k).names.Text = name;
    restoreBackup(s, k, services);
  }

  template <class Handler> std::string errorOf(Handler&& handler) {
    try {
      handler();
    } catch (const Error& e) {
      return cp1251::toUtf8(e.what());
    }
    return "no error";
  }

  TempFolder game;
  MainState s;
  Services services;
  std::string stamp = "06.12.2026 10:00:00";
  struct Reload {
    FileKind kind;
    LineBuffer lines;
  };
  std::vector<Reload> reloads;
};

} // namespace fw::test
