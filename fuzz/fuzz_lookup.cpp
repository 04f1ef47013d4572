// Lookups in a row on one window state over three data files of any content, with the working
// fields left in any state between them. Whatever the files and the stale fields hold, a line the
// lookup reports as found must be the vehicle's own line, before its file's marker.
//
// Input: handling.dat, vehicles.ide and carcols.dat, then one record per lookup, all separated by
// NUL bytes. A lookup record is: category byte, field mask byte, entry pick byte, typed text.
//   category: bits 0-1 the category; bit 2 takes the catalogue entry chosen by the pick byte
//             instead of the typed text.
//   mask: bits 0-5 overwrite Edit13, Edit11, Edit12, Edit1, Edit5, Edit6 (in this order) with
//         the texts of the records that follow; bit 6 clicks the category's radio button first,
//         bit 7 changes the vehicle list first.
#include "Check.h"
#include "common/Errors.h"
#include "common/Integer.h"
#include "records/Catalogue.h"
#include "records/CategorySwitch.h"
#include "records/Lookup.h"
#include "records/Scans.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fw::Category;
using fw::FileKind;

std::vector<std::string_view> splitAtNul(std::string_view in) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t nul = in.find('\0');
    parts.push_back(in.substr(0, nul));
    if (nul == std::string_view::npos) return parts;
    in.remove_prefix(nul + 1);
  }
}

// A line index as a lookup leaves it: plain decimal digits, nothing else.
std::optional<std::int64_t> plainIndex(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  std::int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int64_t> integerOf(const std::string& text) {
  try {
    return fw::toInteger(text);
  } catch (const fw::Error&) {
    return std::nullopt;
  }
}

// The line the state says it found for kind k is the vehicle's own line. With a bound given, the
// line also lies before it.
void checkFoundLine(fw::MainState& s, FileKind k, std::optional<std::int64_t> bound) {
  fw::KindFields f = fw::fieldsOf(s, k);
  FUZZ_CHECK(!f.record.Key.empty(), "a found line is found by a non-empty key");
  const auto index = plainIndex(f.index);
  FUZZ_CHECK(index.has_value(), "a found line's index field holds a decimal number");
  FUZZ_CHECK(*index < static_cast<std::int64_t>(f.lines.size()), "a found line lies inside its buffer");
  FUZZ_CHECK(fw::scan::firstField(f.lines.at(*index)) == f.record.Key,
             "the first field of the found line is the key it was found by");
  if (bound) FUZZ_CHECK(*index < *bound, "a found line lies before its file's marker");
}

std::string withoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return std::string(text);
}

void checkAfterSuccess(fw::MainState& s, Category c, const std::string& text) {
  FUZZ_CHECK(s.Label1 == text, "the label shows the entry that was looked up");
  FUZZ_CHECK(s.LookupLabel == s.Label1, "a finished lookup records the label it looked up");
  const bool car = c == Category::Car;
  const std::optional<std::string> model = fw::catalogue::modelName(c, text);

  const std::array<std::optional<std::int64_t>, 3> bounds = {
      integerOf(s.Edit13), integerOf(s.Edit11),
      car ? integerOf(s.Edit12) : std::optional<std::int64_t>(static_cast<std::int64_t>(s.Memo3.size()))};
  for (FileKind k : fw::kFileKinds) {
    fw::KindFields f = fw::fieldsOf(s, k);
    if (f.input.Enabled || f.writeButton.Enabled || f.restoreButton.Enabled)
      FUZZ_CHECK(f.record.Found,
                 "an input row or restore button is open only for a file whose line was found");
    if (!f.record.Found) continue;
    FUZZ_CHECK(bounds[fw::indexOf(k)].has_value(), "a successful lookup had a numeric bound");
    checkFoundLine(s, k, bounds[fw::indexOf(k)]);
    if (k == FileKind::Handling) {
      FUZZ_CHECK(f.record.Key == withoutTrailingBlanks(text), "handling.dat is matched by the entry text");
    } else {
      FUZZ_CHECK(model.has_value(),
                 "only a catalogue vehicle with a model finds vehicles.ide and carcols.dat");
      FUZZ_CHECK(f.record.Key == *model, "vehicles.ide and carcols.dat are matched by the model name");
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> parts =
      splitAtNul(std::string_view(reinterpret_cast<const char*>(data), size));
  if (parts.size() < 4) return 0;

  fw::MainState s;
  s.Memo1 = fw::LineBuffer::fromBytes(std::string(parts[0]));
  s.Memo2 = fw::LineBuffer::fromBytes(std::string(parts[1]));
  s.Memo3 = fw::LineBuffer::fromBytes(std::string(parts[2]));
  const std::string files[3] = {s.Memo1.toBytes(), s.Memo2.toBytes(), s.Memo3.toBytes()};

  // An index field written behind the lookups' back is trusted again only once a lookup has
  // opened a new record: every lookup does so first, except the helicopter lookup, which does so
  // after its handling.dat scan and may fail before it, leaving the previous record standing.
  std::array<bool, 3> overwritten{};
  std::size_t next = 3;
  for (int lookups = 0; lookups < 16 && next < parts.size(); ++lookups) {
    const std::string_view record = parts[next++];
    if (record.size() < 3) continue;
    const auto c = static_cast<Category>(static_cast<unsigned char>(record[0]) & 3);
    const unsigned mask = static_cast<unsigned char>(record[1]);
    std::string text(record.substr(3));
    if (record[0] & 4) {
      const auto entries = fw::catalogue::entries(c);
      text = std::string(entries[static_cast<unsigned char>(record[2]) % entries.size()].text);
    }

    if (mask & 0x40) fw::selectCategory(s, c);
    if (mask & 0x80) fw::vehicleListChanged(s);
    std::string* const fields[6] = {&s.Edit13, &s.Edit11, &s.Edit12, &s.Edit1, &s.Edit5, &s.Edit6};
    for (int bit = 0; bit < 6; ++bit) {
      if (!(mask & (1u << bit)) || next >= parts.size()) continue;
      *fields[bit] = std::string(parts[next++]);
      if (bit >= 3) overwritten[static_cast<std::size_t>(bit - 3)] = true;
    }

    s.vehicleList(c).Text = text;
    bool finished = true;
    try {
      fw::lookup(s, c);
    } catch (const fw::Error& e) {
      const std::string_view what = e.what();
      FUZZ_CHECK(what.ends_with("' is not a valid integer value"), "a lookup fails only on a conversion");
      finished = false;
    }
    FUZZ_CHECK(s.Memo1.toBytes() == files[0] && s.Memo2.toBytes() == files[1] &&
                   s.Memo3.toBytes() == files[2],
               "a lookup leaves the line buffers alone");

    if (finished || c != Category::Helicopter) overwritten = {};
    if (finished) {
      checkAfterSuccess(s, c, text);
    } else if (s.Label1 == s.LookupLabel && !s.Label1.empty()) {
      // What the writer would still accept after the failure must hold as well.
      for (FileKind k : fw::kFileKinds)
        if (s.Records[fw::indexOf(k)].Found && !overwritten[fw::indexOf(k)])
          checkFoundLine(s, k, std::nullopt);
    }
  }
  return 0;
}
