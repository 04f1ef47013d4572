#include "cli/FindingText.h"

#include "common/Cp1251.h"
#include "common/FileKinds.h"

namespace fw::cli {

std::string describe(const form::Finding& f) {
  using P = form::Problem;
  const std::string found = "\"" + f.found + "\"", &expected = f.expected;
  std::string what;
  switch (f.problem) {
  case P::FieldCount: what = f.found + " values where " + expected + " belong"; break;
  case P::Comma: what = found + " holds a comma: blanks separate the values"; break;
  case P::NotANumber: what = found + " is not a number"; break;
  case P::Unreadable: what = found + " has too many digits to be read as a number"; break;
  case P::NotHexadecimal: what = found + " is not a hexadecimal number"; break;
  case P::NotWhole: what = found + " is not a whole number"; break;
  case P::Empty: what = "no value"; break;
  case P::UnknownType: what = found + " is none of " + expected; break;
  case P::UnknownHandling: what = "handling.dat has no line " + found; break;
  case P::BeyondColourTable:
    what = "colour " + f.found + " is not among the table's " + expected + " colours";
    break;
  case P::PartCombination:
    what = f.found + " colour indices do not make whole combinations of " + expected;
    break;
  case P::TooManyCombinations:
    what = f.found + " colour combinations where at most " + expected + " belong";
    break;
  case P::NotUpperCase: what = found + " is not in upper case"; break;
  case P::TooLong: what = found + " is longer than " + expected + " characters"; break;
  case P::UnknownSection: what = found + " is no section of this file (" + expected + ")"; break;
  case P::OutsideSection: what = "a line outside any section (" + expected + ")"; break;
  case P::MissingEnd: what = "section " + found + " ends without \"end\""; break;
  case P::OutOfRange: {
    const std::size_t dots = expected.find("..");
    what = f.found + " is outside " + expected.substr(0, dots) + " to " + expected.substr(dots + 2);
    break;
  }
  case P::NameTypedAgain: what = "begins with " + found + ", which the program adds itself"; break;
  }
  const std::string field = f.field.empty() ? "" : "field " + f.field + ": ";
  return cp1251::toUtf8((f.severity == form::Severity::Error ? "error: " : "warning: ") + field + what);
}

std::string located(const form::Finding& f, std::int64_t line) {
  return std::string(kindInfo(f.file).fileName) + ":" + std::to_string(f.line ? f.line : line) + ": " +
         describe(f);
}

} // namespace fw::cli
