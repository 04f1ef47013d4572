#include "form/ModText.h"

#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "common/Integer.h"
#include "form/FieldText.h"
#include "form/GameFileForm.h"

#include <algorithm>

namespace fw::form {
namespace {

// What a value at one place of the vehicle's line must look like for a line to have its shape.
enum class Fit { Any, Word, Number, Whole, Hexadecimal };

struct Shape {
  FileKind kind;
  std::size_t fields = 0; // 0: a model name and colour indices, as many as there are
  std::vector<Fit> fits;  // per place after the name
};

bool fits(Fit f, std::string_view v) {
  switch (f) {
  case Fit::Any: return true;
  case Fit::Word: return !v.empty() && !decimal(v);
  case Fit::Number: return decimal(v).has_value();
  case Fit::Whole: return isWhole(v);
  case Fit::Hexadecimal: return isHexadecimal(v);
  }
  return false;
}

// A text field holds a word where the vehicle's own line has one there (the names, the type); a
// number there (vehicles.ide's flags, 0 for none) says nothing.
Fit fitOf(const Field& f, std::string_view own) {
  switch (f.value) {
  case Value::Decimal: return Fit::Number;
  case Value::Whole: return Fit::Whole;
  case Value::Hexadecimal: return Fit::Hexadecimal;
  default: return decimal(own) ? Fit::Any : Fit::Word;
  }
}

// The section the line at `index` stands in, and the section's first line.
std::pair<Section, std::int64_t> sectionOf(FileKind k, const LineBuffer& lines, std::int64_t index) {
  for (std::int64_t i = index; i-- > 0;)
    if (auto begun = sectionBegunBy(k, lines.at(i))) return {*begun, i + 1};
  return {firstSection(k), 0};
}

// The nearest line of the section with content, before the line at `index` or else after it.
std::string_view neighbour(FileKind k, const LineBuffer& lines, std::int64_t index, std::int64_t first) {
  for (std::int64_t i = index; i-- > first;)
    if (const std::string_view text = content(k, lines.at(i)); !text.empty()) return text;
  for (std::int64_t i = index + 1;
       i < static_cast<std::int64_t>(lines.size()) && !sectionBegunBy(k, lines.at(i)); ++i)
    if (const std::string_view text = content(k, lines.at(i)); !text.empty()) return text;
  return {};
}

// The vehicle's line in the game folder as the row's check takes it for a reference: the
// documented layout of its section where the line has that layout, or where a write broke the line,
// its nearest line of the section has it; else the line's own values, a number where it has a
// number and a word where it has a word.
Shape shapeOf(const MainState& s, FileKind k) {
  const DataFileState& f = s.file(k);
  const std::int64_t index = toInteger(f.lineIndex);
  const auto [section, first] = sectionOf(k, f.lines, index);
  const Layout* layout = layoutOf(section);
  const bool blanks = blankSeparated(k);
  Shape shape{k, 0, {}};
  if (layout && layout->group) return shape;
  std::string_view reference = content(k, f.lines.at(index));
  if (const std::string_view near = neighbour(k, f.lines, index, first);
      layout && fieldCount(reference, blanks) != layout->fields.size() &&
      fieldCount(near, blanks) == layout->fields.size())
    reference = near;
  std::vector<std::string_view> own;
  Fields fields(reference, blanks);
  for (std::string_view v; fields.next(v);)
    own.push_back(v);
  shape.fields = own.size();
  const bool documented = layout && layout->fields.size() == own.size();
  for (std::size_t i = 1; i < own.size(); ++i)
    shape.fits.push_back(documented        ? fitOf(layout->fields[i], own[i])
                         : decimal(own[i]) ? Fit::Number
                                           : Fit::Word);
  return shape;
}

// An identifier or a model name: letters, digits and '_', '-' or '#', with a letter among them;
// no prose word of another script, no number, no phrase.
bool nameLike(std::string_view v) {
  if (v.empty() || v.size() > 32) return false;
  bool letter = false;
  for (char c : v) {
    const bool isLetter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    letter = letter || isLetter;
    if (!isLetter && !(c >= '0' && c <= '9') && c != '_' && c != '-' && c != '#') return false;
  }
  return letter;
}

// The line without the name fields the program writes itself: the identifier and its blanks, or
// the model name (and the texture dictionary) and their commas.
std::string_view valuesPart(FileKind k, std::string_view line) {
  line = trimmed(line);
  std::size_t at = 0;
  if (k == FileKind::Handling) {
    at = line.find_first_of(" \t");
  } else {
    for (int own = k == FileKind::Vehicles ? 2 : 1; own-- > 0 && at != line.npos;)
      if ((at = line.find(',', at)) != line.npos) ++at;
  }
  return at == line.npos ? std::string_view() : trimmed(line.substr(at));
}

// A line is meant for the file when it begins with a name and its values have the shape of the
// vehicle's line: about as many, and nearly all of the kind each place holds. A value short or a
// word in a number field still leaves it a line for the file, which the row's check then judges.
std::optional<ModLine> candidate(const Shape& shape, std::string_view line) {
  Fields fields(content(shape.kind, line), blankSeparated(shape.kind));
  std::string_view name, value;
  if (!fields.next(name) || !nameLike(name)) return std::nullopt;
  ModLine m;
  const std::size_t slack = std::max<std::size_t>(1, shape.fields / 8);
  std::size_t n = 1, misfits = 0;
  for (; fields.next(value); ++n) {
    if (shape.fields && n >= shape.fields + slack) return std::nullopt;
    const Fit fit = n - 1 < shape.fits.size() ? shape.fits[n - 1] : shape.fields ? Fit::Any : Fit::Whole;
    misfits += !fits(fit, value);
    if (shape.kind == FileKind::Vehicles && n == 2) m.type = value;
    if (shape.kind == FileKind::Vehicles && n == 3) m.handling = value;
  }
  const bool shaped =
      shape.fields ? n >= 2 && n + slack >= shape.fields && misfits <= slack : n >= 3 && misfits * 4 <= n - 1;
  if (!shaped) return std::nullopt;
  m.name = name;
  m.values = valuesPart(shape.kind, line);
  return m;
}

bool rowOpen(const MainState& s, FileKind k) {
  const DataFileState& f = s.file(k);
  return f.record.found && f.writeButton.enabled && !s.vehicleLabel.empty() &&
         s.vehicleLabel == s.lookedUpLabel;
}

void choose(ModFile& f) {
  const auto named =
      std::find_if(f.lines.begin(), f.lines.end(), [](const ModLine& l) { return l.namesVehicle; });
  if (named != f.lines.end())
    f.why = Taken::Vehicle, f.taken = static_cast<std::size_t>(named - f.lines.begin());
  else if (f.lines.size() == 1)
    f.why = Taken::Only, f.taken = 0;
  else if (!f.lines.empty())
    f.why = Taken::Choice;
}

// A column of vehicles.ide's values (the type is 0) given another text, its blanks kept.
std::string withColumn(std::string values, std::size_t column, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < column && start != values.npos; ++i)
    if ((start = values.find(',', start)) != values.npos) ++start;
  if (start == values.npos) return values;
  const std::size_t end = std::min(values.find(',', start), values.size());
  const std::string_view field = std::string_view(values).substr(start, end - start), value = trimmed(field);
  return values.replace(start + static_cast<std::size_t>(value.data() - field.data()), value.size(), text);
}

std::string lookedFor(const MainState& s, const ModReading& r) {
  std::string what = cp1251::fromUtf8("В тексте нет строки для ") + withoutTrailingBlanks(s.vehicleLabel) +
                     cp1251::fromUtf8(" ни для одного из файлов. Искались строки:");
  for (FileKind k : kFileKinds) {
    const ModFile& f = r[indexOf(k)];
    if (!f.open) continue;
    const char* shape = k == FileKind::Handling ? " — идентификатор и за ним числа, всего значений: "
                        : f.shape ? " — название модели и за ним значения через запятую, всего значений: "
                                  : " — название модели и за ним номера цветов через запятую";
    what += std::string(what.back() == ':' ? " " : "; ") + kindInfo(k).fileName + cp1251::fromUtf8(shape) +
            (f.shape ? std::to_string(f.shape) : "");
  }
  return what;
}

} // namespace

std::string_view typeOf(Category c) {
  static constexpr std::string_view kTypes[] = {"car", "bike", "boat", "heli"};
  return kTypes[indexOf(c)];
}

ModReading readMod(const MainState& s, std::u16string_view text) {
  ModReading r;
  std::vector<Shape> shapes;
  for (FileKind k : kFileKinds) {
    if (!(r[indexOf(k)].open = rowOpen(s, k))) continue;
    shapes.push_back(shapeOf(s, k));
    r[indexOf(k)].shape = shapes.back().fields;
  }
  if (shapes.empty())
    throw Error(Reason::NotLookedUp, cp1251::fromUtf8("Выберите машину и нажмите \"ОК\""), "", "",
                kindInfo(FileKind::Handling).fileName);
  const std::string label = withoutTrailingBlanks(s.vehicleLabel);
  const cp1251::Marked all = cp1251::encodeMarked(text);
  auto lacking = all.lacking.begin();
  std::int64_t number = 1;
  for (std::size_t at = 0; at < all.bytes.size(); ++number) {
    const std::size_t end = std::min(all.bytes.find_first_of("\r\n", at), all.bytes.size());
    const std::string_view line = std::string_view(all.bytes).substr(at, end - at);
    for (const Shape& shape : shapes) {
      std::optional<ModLine> m = candidate(shape, line);
      if (!m) continue;
      m->line = number;
      m->namesVehicle = sameIgnoringCase(m->name, shape.kind == FileKind::Handling ? label : s.modelName);
      for (auto l = lacking; l != all.lacking.end() && l->first < end; ++l)
        if (m->lacking.find(l->second) == m->lacking.npos) m->lacking.push_back(l->second);
      r[indexOf(shape.kind)].lines.push_back(std::move(*m));
    }
    while (lacking != all.lacking.end() && lacking->first < end)
      ++lacking;
    at = end + (all.bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  for (ModFile& f : r)
    choose(f);
  if (std::all_of(r.begin(), r.end(), [](const ModFile& f) { return f.lines.empty(); }))
    throw NoModLines(s, r);
  return r;
}

NoModLines::NoModLines(const MainState& s, const ModReading& looked)
    : Error(Reason::NoModLines, lookedFor(s, looked), "", "", withoutTrailingBlanks(s.vehicleLabel)) {
  for (FileKind k : kFileKinds)
    if (looked[indexOf(k)].open) shapes[indexOf(k)] = looked[indexOf(k)].shape;
}

std::array<std::optional<std::size_t>, 3> linesNamed(const ModReading& r, std::string_view name) {
  const auto first = [&](FileKind k, auto belongs) -> std::optional<std::size_t> {
    const std::vector<ModLine>& lines = r[indexOf(k)].lines;
    const auto at = std::find_if(lines.begin(), lines.end(), [&](const ModLine& l) {
      return sameIgnoringCase(l.name, name) || belongs(l);
    });
    if (at == lines.end()) return std::nullopt;
    return static_cast<std::size_t>(at - lines.begin());
  };
  const auto vehicles =
      first(FileKind::Vehicles, [&](const ModLine& l) { return sameIgnoringCase(l.handling, name); });
  const ModLine* model = vehicles ? &r[indexOf(FileKind::Vehicles)].lines[*vehicles] : nullptr;
  return {first(FileKind::Handling,
                [&](const ModLine& l) { return model && sameIgnoringCase(l.name, model->handling); }),
          vehicles, first(FileKind::Carcols, [&](const ModLine& l) {
            return model && sameIgnoringCase(l.name, model->name);
          })};
}

ModValues valuesOf(const MainState& s, const ModReading& r) {
  ModValues out;
  const auto taken = [&](FileKind k) -> const ModLine* {
    const ModFile& f = r[indexOf(k)];
    return f.taken ? &f.lines[*f.taken] : nullptr;
  };
  for (FileKind k : kFileKinds)
    if (const ModLine* l = taken(k)) out.values[indexOf(k)] = l->values;
  const ModLine* handling = taken(FileKind::Handling);
  const ModLine* vehicles = taken(FileKind::Vehicles);
  if (!vehicles) return out;
  // Installed into another slot, the mod's own handling identifier would name a line that
  // handling.dat no longer has: the game would not load.
  const std::string label = withoutTrailingBlanks(s.vehicleLabel);
  if (handling && sameIgnoringCase(vehicles->handling, handling->name) && vehicles->handling != label) {
    out.values[indexOf(FileKind::Vehicles)] = withColumn(vehicles->values, 1, label);
    out.handlingReplaced = vehicles->handling;
  }
  const std::string_view* known =
      std::find(std::begin(kVehicleTypes), std::end(kVehicleTypes), vehicles->type);
  if (known != std::end(kVehicleTypes) && vehicles->type != typeOf(s.category))
    out.foreignType = vehicles->type;
  return out;
}

} // namespace fw::form
