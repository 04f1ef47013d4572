// A tiny game folder in a temporary directory that is the current directory while it lives, with
// data files whose lines the lookups can find and with bytes above 0x7F among them.
#pragma once

#include "TempFolder.h"
#include "common/Cp1251.h"

#include <string>

namespace fw::test {

inline std::string cp(const char* utf8) { return cp1251::fromUtf8(utf8); }

class GameFolder : public TempFolder {
public:
  // withData: the three data files; withBackup: the backup folders (no list files).
  explicit GameFolder(bool withData = true, bool withBackup = false) : TempFolder(/*enter=*/true) {
    if (withData) makeGameFolder(*this, handling(), vehicles(), carcols(), withBackup);
  }

  static std::string handling() {
    return cp("; Велмора: управляемость\r\nADMIRAL 1.0 2.0 3\r\nBIFF 4.0 5.0 6\r\n;------- bikes\r\n"
              "BOBBER 7.0 8.0\r\n");
  }
  static std::string vehicles() {
    return cp("# машины\r\ncars\r\nadmiral, admiral, car, ADMIRAL\r\nbiff, biff, car, BIFF\r\nend\r\n"
              "txdp\r\nend\r\n");
  }
  static std::string carcols() {
    return cp("# цвета\r\ncol\r\nadmiral, 1,1\r\nbiff, 2,2\r\ncar4\r\nend\r\n");
  }
};

} // namespace fw::test
