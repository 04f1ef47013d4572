#include "cli/FindingText.h"

#include "cli/Output.h"
#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "form/GameFileForm.h"

namespace fw::cli {
namespace {

// The fields the program writes before a typed text: the identifier, or the model name and the
// texture dictionary, or the model name.
std::size_t ownFields(FileKind k) { return k == FileKind::Vehicles ? 2 : 1; }

// "value 5 of the typed text", or of a mod's line counted after the names the program writes itself.
std::string ofValues(FileKind k, Frame frame, const std::string& n) {
  if (frame == Frame::Typed)
    return say("value " + n + " of the typed text", "значение " + n + " введённого текста");
  return k == FileKind::Vehicles ? say("value " + n + " after the mod line's names",
                                       "значение " + n + " после имён в строке мода")
                                 : say("value " + n + " after the mod line's name",
                                       "значение " + n + " после имени в строке мода");
}

std::string where(const form::Finding& f, Frame frame) {
  if (f.field.empty()) return {};
  const bool numbered = f.field.find_first_not_of("0123456789") == std::string::npos;
  const std::size_t position = form::fieldPosition(f.file, f.field);
  const std::string name = cp1251::toUtf8(f.field);
  if (f.line) // a line of a file: its own places
    return numbered ? say("value " + name + " of the line: ", "значение " + name + " строки: ")
                    : say("field " + name + ": ", "поле " + name + ": ");
  if (position <= ownFields(f.file)) return say("field " + name + ": ", "поле " + name + ": ");
  const std::string typed = std::to_string(position - ownFields(f.file));
  const std::string value = ofValues(f.file, frame, typed);
  return numbered ? value + ": " : say("field ", "поле ") + name + " (" + value + "): ";
}

std::string nameTypedAgain(FileKind k, const std::string& name) {
  const std::string found = "\"" + name + "\"";
  switch (k) {
  case FileKind::Vehicles:
    return say("begins with " + found + ": leave out the model name and the texture dictionary (" + name +
                   ", " + name + ",), which the program writes itself",
               "начинается с " + found + ": уберите название модели и словаря текстур (" + name + ", " +
                   name + ",), их программа пишет сама");
  case FileKind::Carcols:
    return say("begins with " + found + ", the model name the program writes itself: leave it out",
               "начинается с " + found + ", названия модели, которое программа пишет сама: уберите его");
  case FileKind::Handling: break;
  }
  return say("begins with " + found + ", the identifier the program writes itself: leave it out",
             "начинается с " + found + ", идентификатора, который программа пишет сама: уберите его");
}

std::string valueCount(const form::Finding& f, Frame frame) {
  const std::string raw = cp1251::toUtf8(f.found), expected = cp1251::toUtf8(f.expected);
  if (f.line)
    return say(raw + " values where the section's lines have " + expected,
               "значений " + raw + ", а в строках раздела их " + expected);
  if (frame == Frame::Typed)
    return say(raw + " values typed, the row takes " + expected,
               "введено значений: " + raw + ", строка принимает " + expected);
  return f.file == FileKind::Vehicles
             ? say("the mod's line has " + raw + " values after its names, where " + expected + " belong",
                   "в строке мода после имён значений " + raw + ", а нужно " + expected)
             : say("the mod's line has " + raw + " values after its name, where " + expected + " belong",
                   "в строке мода после имени значений " + raw + ", а нужно " + expected);
}

std::string what(const form::Finding& f, Frame frame) {
  using P = form::Problem;
  const std::string raw = cp1251::toUtf8(f.found), expected = cp1251::toUtf8(f.expected);
  const std::string found = "\"" + raw + "\"";
  switch (f.problem) {
  case P::FieldCount: return valueCount(f, frame);
  case P::Comma:
    return say(found + " holds a comma: blanks separate the values",
               "запятая в " + found + ": значения разделяют пробелы");
  case P::NotANumber: return say(found + " is not a number", found + " — не число");
  case P::Unreadable:
    return say(found + " has too many digits to be read as a number",
               "в " + found + " слишком много цифр, число не прочесть");
  case P::NotHexadecimal:
    return say(found + " is not a hexadecimal number", found + " — не шестнадцатеричное число");
  case P::NotWhole: return say(found + " is not a whole number", found + " — не целое число");
  case P::Empty: return say("no value", "пусто");
  case P::UnknownType: return say(found + " is none of " + expected, "тип " + found + " — не из " + expected);
  case P::UnknownHandling:
    return say("handling.dat has no line " + found, "в handling.dat нет строки " + found);
  case P::BeyondColourTable:
    return say("colour " + raw + " is not among the table's " + expected + " colours",
               "цвета " + raw + " нет в таблице из " + expected + " цветов");
  case P::PartCombination:
    return say(raw + " colour indices do not make whole combinations of " + expected,
               "индексов цветов " + raw + ", а в сочетании их " + expected);
  case P::TooManyCombinations:
    return say(raw + " colour combinations where at most " + expected + " belong",
               "сочетаний цветов " + raw + ", а можно не больше " + expected);
  case P::NotUpperCase: return say(found + " is not in upper case", found + " — не заглавными буквами");
  case P::TooLong:
    return say(found + " is longer than " + expected + " characters",
               found + " длиннее " + expected + " знаков");
  case P::UnknownSection:
    return say(found + " is no section of this file (" + expected + ")",
               found + " — не раздел этого файла (" + expected + ")");
  case P::OutsideSection:
    return say("a line outside any section (" + expected + ")",
               "строка вне разделов файла (" + expected + ")");
  case P::MissingEnd:
    return say("section " + found + " ends without \"end\"", "раздел " + found + " не закрыт словом end");
  case P::OutOfRange: {
    const std::size_t dots = expected.find("..");
    const std::string low = expected.substr(0, dots), high = expected.substr(dots + 2);
    return say(raw + " is outside " + low + " to " + high, raw + " вне диапазона от " + low + " до " + high);
  }
  case P::NameTypedAgain: return nameTypedAgain(f.file, raw);
  }
  return {};
}

} // namespace

std::string located(const form::Finding& f, std::int64_t line, Frame frame) {
  const bool error = f.severity == form::Severity::Error;
  return std::string(kindInfo(f.file).fileName) + ":" + std::to_string(f.line ? f.line : line) + ": " +
         (error ? say("error: ", "ошибка: ") : say("warning: ", "внимание: ")) + where(f, frame) +
         what(f, frame);
}

} // namespace fw::cli
