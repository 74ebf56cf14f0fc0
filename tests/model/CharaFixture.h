#pragma once
// A character's record body written out by hand from its field table: the fields a version stores
// in their order, values given by a short name.

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/TestSupport.h"

// The 53 fields of a new character in stored order, by a short name.
inline const std::vector<std::pair<std::string, std::string>> kCharaFields = {
    {"ip", "00"},  {"ii", "0000"}, {"aj", "00"},  {"ao", "00"},  {"fr", "00"},  {"cc", "00"},
    {"ox", "0000"}, {"cox", "0000"}, {"oy", "0000"}, {"coy", "0000"}, {"mox", "00"}, {"moy", "00"},
    {"g", "0000"},  {"gs", "01"},   {"gf", "0000"}, {"as", "0000"}, {"z", "03"},   {"tr", "00"},
    {"se", "0000"}, {"ser", "00"},  {"sel", "01"},  {"de", "0000"}, {"der", "00"}, {"ms", "00"},
    {"mk", "0000"}, {"ctl", "01"},  {"pn", "00"},   {"fac", "01"},  {"id", "00"},  {"fly", "00"},
    {"ff", "01"},   {"inv", "00"},  {"ie", "00"},   {"blk", "00"},  {"gi", "01"},  {"ss", "00"},
    {"vs", "00"},   {"vr", "00"},   {"hp", "0A000000"}, {"sp", "00000000"}, {"st", "0A00"}, {"bhr", "00"},
    {"bp", "00000000"}, {"bi", "00"}, {"be", "0000"}, {"def", "00000000"}, {"ir", "00"}, {"sc", "00000000"},
    {"hi", "01"},   {"hg", "00"},   {"gn", "0000"}, {"ar", "00"},   {"acj", "00"},
};

// A character body: the fields a version holds (absent ones left out), values given by name,
// the name, then what follows the body.
inline Bytes CharaBody(const std::set<std::string>& absent, const std::map<std::string, std::string>& values,
                const Bytes& tail, const std::string& name = "") {
  std::string hex;
  uint32_t count = 0;
  for (const auto& field : kCharaFields) {
    if (absent.count(field.first)) continue;
    auto value = values.find(field.first);
    hex += (value != values.end() ? value->second : field.second) + " ";
    ++count;
  }
  return Cat({U32(count), Hex(hex), U32(1), StoredString(name), tail});
}

// Cell, held item, flags, no conditions, no flows.
inline Bytes CharaTail(const Bytes& flags) { return Cat({Hex("0000 0000 00000000"), U32(static_cast<uint32_t>(flags.size())), flags, U32(0), U32(0)}); }

inline const std::set<std::string> kBefore168 = {"ser", "der", "ie", "ss", "bhr", "def"};
inline const std::set<std::string> kBefore196 = {"ser", "der", "ie", "ss", "bhr"};
inline const std::set<std::string> kBefore210 = {"ie", "ss"};
inline const std::set<std::string> kBefore285 = {"ie"};

// The fields a file of a version lacks: defence from 168, the effect run types from 196, the body
// hit range from 201, scroll sync from 210, the invincibility effect from 285.
inline std::set<std::string> CharaFieldsAbsentAt(uint32_t version) {
  if (version < 168) return kBefore168;
  if (version < 196) return kBefore196;
  if (version < 201) return {"ie", "ss", "bhr"};
  if (version < 210) return kBefore210;
  if (version < 285) return kBefore285;
  return {};
}

// The inheritance flags a character of a version holds: a group joined at 168, 201 and 210.
inline size_t CharaFlagCountAt(uint32_t version) { return version < 168 ? 34 : version < 201 ? 35 : version < 210 ? 36 : 37; }
