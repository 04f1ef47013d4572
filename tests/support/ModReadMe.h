// A mod's read-me as players get them: the three lines of a vehicle between numbered steps and prose
// with numbers of its own, indented, with blanks after them. The values are BANSHEE's, its mass
// changed, and two colour combinations.
#pragma once

#include <string>

namespace fw::test {

inline const std::string
    kHandling = "1500.0 1.7 85 0.01 0.02 -0.09 0.5 6 0.32 1.2 206.9 1.13 0.49 0.86 33.0 1.69 1.28 "
                "17.4 0.10 0.47 1.61 1.34 1.78 0.09 -0.13 0.02 0.49 0.05 0.85 0.92 1.36 1.62 0.22 "
                "140500 210001 2020004",
    kColumns = ", STD_LOW, null, 30, 999, 0.2968, 0.2968, -1, 1.5, 3, 0";

// Four lines; `handling` stands for the handling values.
inline std::string mod(const std::string& id, const std::string& model, const std::string& type = "car",
                       const std::string& handling = kHandling) {
  return "Шаг 2, handling.dat (версия 1.3, 4 МБ):\n\t" + id + "   " + handling + "  \n    " + model + ", " +
         model + ", " + type + ", " + id + ", " + id + kColumns + "\n" + model + ",\t1,1, 2,2\n";
}

} // namespace fw::test
