#include "records/Catalogue.h"

#include <array>

namespace fw::catalogue {
namespace {

constexpr Entry kCars[] = {
    {"ADMIRAL", "admiral", ""},
    {"AIRTUG", "airtug", ""},
    {"AMBULANCE", "ambulance", ""},
    {"BANSHEE", "banshee", ""},
    {"BENSON", "benson", ""},
    {"BIFF", "biff", ""},
    {"BLISTA", "blista", ""},
    {"BOBCAT", "bobcat", ""},
    {"BOXVILLE", "boxville", ""},
    {"BUCCANEER", "buccaneer", ""},
    {"BURRITO", "burrito", ""},
    {"BURRITO2", "burrito2", ""},
    {"BUS", "bus", ""},
    {"CABBY", "cabby", ""},
    {"CAVCADE", "cavalcade", ""},
    {"CHAVOS", "chavos", ""},
    {"COGNOS", "cognoscenti", ""},
    {"COMET", "comet", ""},
    {"CONTENDER", "", ""},
    {"COQUETTE", "coquette", ""},
    {"DF8", "df8", ""},
    {"DILETT", "", ""},
    {"DUKES", "dukes", ""},
    {"EMPEROR", "emperor", ""},
    {"EMPEROR2", "emperor2", ""},
    {"ESPERANT", "esperanto", ""},
    {"FACTION", "faction", ""},
    {"FBI", "fbi", ""},
    {"FELTZER", "feltzer", ""},
    {"FEROCI", "feroci", ""},
    {"FIRETRUK", "firetruk", ""},
    {"FLATBED", "flatbed", ""},
    {"FORTUNE", "fortune", ""},
    {"FORKLIFT", "forklift", ""},
    {"FUTO", "futo", ""},
    {"FXT", "fxt", ""},
    {"HABANERO", "habanero", ""},
    {"HAKUMAI", "hakumai", ""},
    {"HUNTLEY", "huntley", ""},
    {"INFERNUS", "infernus", ""},
    {"INGOT", "ingot", ""},
    {"INTRUDER", "intruder", ""},
    {"LANSTALK", "landstalker", ""},
    {"LOKUS", "lokus", ""},
    {"MANANA ", "manana", ""},
    {"MARBELLA", "marbella", ""},
    {"MERIT", "merit", ""},
    {"MINIVAN", "minivan", ""},
    {"MOONBEAM", "moonbeam", ""},
    {"MRTASTY", "mrtasty", ""},
    {"MULE", "mule", ""},
    {"NOOSE", "noose", ""},
    {"ORACLE", "oracle", ""},
    {"PACKER", "packer", ""},
    {"PATRIOT", "patriot", ""},
    {"PERENNIAL", "perennial", ""},
    {"PEYOTE", "peyote", ""},
    {"PHANTOM", "phantom", ""},
    {"PINNACLE", "pinnacle", ""},
    {"PMP600", "pmp600", ""},
    {"POLICE", "police", ""},
    {"POLICE2", "police2", ""},
    {"POLPAT", "polpatriot", ""},
    {"PONY", "pony", ""},
    {"PREMIER", "premier", ""},
    {"PRES", "pres", ""},
    {"PRIMO", "primo", ""},
    {"RANCHER", "rancher", ""},
    {"REBLA", "rebla", ""},
    {"RIPLEY", "ripley", ""},
    {"ROMAN", "rom", ""},
    {"ROMERO", "romero", ""},
    {"RUINER", "ruiner", ""},
    {"SABRE", "sabre", ""},
    {"SABRE2", "sabre2", ""},
    {"SABREGT", "sabregt", ""},
    {"SCHAFTER", "schafter", ""},
    {"SENTINEL", "sentinel", ""},
    {"SOLAIR", "solair", ""},
    {"SPEEDO", "speedo", ""},
    {"STALLION", "stalion", ""},
    {"STEED", "steed", ""},
    {"STOCKADE", "stockade", ""},
    {"STRATUM", "stratum", ""},
    {"STRETCH", "stretch", ""},
    {"SULTAN", "sultan", ""},
    {"SULTANRS", "sultanrs", ""},
    {"SUPERGT", "supergt", ""},
    {"#SWAT", "", ""},
    {"TAXI", "taxi", ""},
    {"TAXI2 ", "taxi2", ""},
    {"TRASH", "trash", ""},
    {"TURISMO", "turismo", ""},
    {"URANUS", "uranus", ""},
    {"VIGERO", "vigero", ""},
    {"VIGERO2", "vigero2", ""},
    {"VINCENT", "vincent", ""},
    {"VIRGO", "virgo", ""},
    {"VOODOO", "voodoo", ""},
    {"WASHINGTON", "washington", ""},
    {"WILLARD", "willard", ""},
    {"YANKEE", "yankee", ""},
};

constexpr Entry kBikes[] = {
    {"BOBBER", "bobber", ""},  {"FAGGIO", "faggio", ""}, {"HELLFURY", "hellfury", ""},
    {"NRG900", "nrg900", ""},  {"PCJ", "pcj", ""},       {"SANCHEZ", "sanchez", ""},
    {"ZOMBIE", "zombieb", ""},
};

constexpr Entry kBoats[] = {
    {"DINGHY", "dinghy", "dinghy,\t\tdinghy,"},   {"JETMAX", "jetmax", "jetmax,\t\tjetmax,"},
    {"MARQUIS", "marquis", "marquis,\tmarquis,"}, {"PREDATOR", "predator", "predator,\tpredator,"},
    {"REEFER", "reefer", "reefer,\t\treefer,"},   {"SQUALO", "squalo", "squalo,\t\tsqualo,"},
    {"TROPIC", "tropic", "tropic,\t\ttropic,"},   {"TUG", "tuga", "tuga,\t\ttuga,"},
};

constexpr Entry kHelicopters[] = {
    {"ANNHIL", "annihilator", "annihilator,\tannihilator,"},
    {"MAVERICK", "maverick", "maverick,\tmaverick,"},
    {"POLMAV", "polmav", "polmav,\t\tpolmav,"},
    {"TOURMAV", "tourmav", "tourmav,\ttourmav,"},
};

} // namespace

std::span<const Entry> entries(Category c) {
  switch (c) {
  case Category::Bike: return kBikes;
  case Category::Boat: return kBoats;
  case Category::Helicopter: return kHelicopters;
  case Category::Car: break;
  }
  return kCars;
}

std::vector<std::string> entryTexts(Category c) {
  std::vector<std::string> out;
  for (const Entry& e : entries(c))
    out.emplace_back(e.text);
  return out;
}

const Entry* find(Category c, std::string_view text) {
  for (const Entry& e : entries(c))
    if (e.text == text) return &e;
  return nullptr;
}

} // namespace fw::catalogue
