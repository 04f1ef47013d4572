#include "common/FileKinds.h"

namespace fw {

const KindInfo& kindInfo(FileKind k) {
  static const KindInfo kinds[] = {
      {"handling.dat", "//common//data//handling.dat", "common//data//handling.dat", "handling_",
       "//backup//handling//", "backup//handling//", "//backup//hblistb.txt", "//backup//hblist.txt"},
      {"vehicles.ide", "//common//data//vehicles.ide", "common//data//vehicles.ide", "vehicles_",
       "//backup//vehicles//", "backup//vehicles//", "//backup//vblistb.txt", "//backup//vblist.txt"},
      {"carcols.dat", "//common//data//carcols.dat", "common//data//carcols.dat", "carcols_",
       "//backup//carcols//", "backup//carcols//", "//backup//cblistb.txt", "//backup//cblist.txt"},
  };
  return kinds[indexOf(k)];
}

} // namespace fw
