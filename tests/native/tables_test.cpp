// The conversion tables: their named entries and telling rows, their invariants, and that the
// committed sources in convert/tables/ give the compiled tables.
#include "convert/tables.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "convert/conversion.h"
#include "convert/shift_jis_pairs.h"

namespace tessavia {
namespace {

// ---------------------------------------------------------------------------------------------
// The committed sources, read as the build reads them; their comments name the characters, so a
// failure can say which character it is about.

struct SourceLine {
  uint16_t from;
  uint16_t to;
  std::string fromChar, toChar;  // UTF-8, "--" where the code holds no character
};

std::vector<SourceLine> ReadSource(const std::string& name) {
  std::ifstream in(std::string(TESSAVIA_TABLE_SOURCES) + "/" + name);
  EXPECT_TRUE(in) << "cannot read " << name;
  static const std::regex line(R"(^E\(0x([0-9A-F]{4}), 0x([0-9A-F]{4})\)  // (\S+) (\S+)$)");
  std::vector<SourceLine> lines;
  std::string text;
  std::smatch m;
  while (std::getline(in, text)) {
    if (text.rfind("//", 0) == 0) continue;
    if (!std::regex_match(text, m, line)) {
      ADD_FAILURE() << name << ": not a mapping line: " << text;
      continue;
    }
    lines.push_back({static_cast<uint16_t>(std::stoi(m[1], nullptr, 16)),
                     static_cast<uint16_t>(std::stoi(m[2], nullptr, 16)), m[3], m[4]});
  }
  return lines;
}

enum class CodeSpace { Gbk, Big5, ShiftJis };

struct Sources {
  std::vector<SourceLine> tradToSimp = ReadSource("trad_to_simp.txt");
  std::vector<SourceLine> simpToTrad = ReadSource("simp_to_trad.txt");
  std::vector<SourceLine> gbkToBig5 = ReadSource("gbk_to_big5.txt");
  std::vector<SourceLine> big5ToGbk = ReadSource("big5_to_gbk.txt");
  std::vector<SourceLine> shiftJisToGbk = ReadSource("shift_jis_to_gbk.txt");
  std::map<uint16_t, std::string> names[3];  // character of a code, by code space

  Sources() {
    NameAll(tradToSimp, CodeSpace::Gbk, CodeSpace::Gbk);
    NameAll(simpToTrad, CodeSpace::Gbk, CodeSpace::Gbk);
    NameAll(gbkToBig5, CodeSpace::Gbk, CodeSpace::Big5);
    NameAll(big5ToGbk, CodeSpace::Big5, CodeSpace::Gbk);
    NameAll(shiftJisToGbk, CodeSpace::ShiftJis, CodeSpace::Gbk);
  }
  void NameAll(const std::vector<SourceLine>& lines, CodeSpace from, CodeSpace to) {
    for (const SourceLine& l : lines) {
      Name(from, l.from, l.fromChar);
      Name(to, l.to, l.toChar);
    }
  }
  void Name(CodeSpace space, uint16_t code, const std::string& c) {
    if (c != "--") names[static_cast<int>(space)].emplace(code, c);
  }
};

const Sources& TheSources() {
  static const Sources sources;
  return sources;
}

// "B0 6C 發": a code and, where the sources name one, its character.
std::string Describe(CodeSpace space, unsigned code) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "%02X %02X", (code >> 8) & 0xFF, code & 0xFF);
  const auto& names = TheSources().names[static_cast<int>(space)];
  auto it = names.find(static_cast<uint16_t>(code));
  return it == names.end() ? hex : std::string(hex) + " " + it->second;
}

template <size_t N>
unsigned EntryAt(const std::array<unsigned char, N>& table, int entry) {
  return (table[2 * entry] << 8) | table[2 * entry + 1];
}

// The positions of each table, in entry order.
std::vector<unsigned> Positions(CodeSpace space) {
  std::vector<unsigned> codes;
  auto add = [&](unsigned leadFrom, unsigned leadTo, std::vector<std::pair<unsigned, unsigned>> trails) {
    for (unsigned lead = leadFrom; lead <= leadTo; ++lead)
      for (auto [from, to] : trails)
        for (unsigned t = from; t <= to; ++t) codes.push_back(lead << 8 | t);
  };
  if (space == CodeSpace::Gbk) add(0x81, 0xFE, {{0x40, 0x7E}, {0x80, 0xFE}});
  if (space == CodeSpace::Big5) add(0xA0, 0xFE, {{0x40, 0x7E}, {0xA1, 0xFE}});
  if (space == CodeSpace::ShiftJis) {
    add(0x81, 0x9F, {{0x40, 0x7E}, {0x80, 0xFC}});
    add(0xE0, 0xFC, {{0x40, 0x7E}, {0x80, 0xFC}});
  }
  return codes;
}

unsigned PairCode(const std::string& bytes) {
  return static_cast<unsigned char>(bytes[0]) << 8 | static_cast<unsigned char>(bytes[1]);
}

bool IsGbkCode(unsigned code) {
  unsigned lead = code >> 8, trail = code & 0xFF;
  return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

bool IsBig5Code(unsigned code) {
  unsigned lead = code >> 8, trail = code & 0xFF;
  return lead >= 0xA1 && lead <= 0xF9 &&
         ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0xA1 && trail <= 0xFE));
}

// ---------------------------------------------------------------------------------------------
// The committed sources give the compiled tables.

template <size_t N>
void ExpectTableFromSource(const char* name, const std::array<unsigned char, N>& table,
                           const std::vector<SourceLine>& source, CodeSpace space, CodeSpace target,
                           int unlistedFill, int (*entryOf)(unsigned, unsigned)) {
  SCOPED_TRACE(name);
  std::vector<unsigned> positions = Positions(space);
  ASSERT_EQ(positions.size() * 2, N);
  std::vector<unsigned> expected(positions.size());
  for (size_t i = 0; i < positions.size(); ++i) expected[i] = unlistedFill < 0 ? positions[i] : unlistedFill;
  std::set<uint16_t> listed;
  for (const SourceLine& l : source) {
    int entry = entryOf(l.from >> 8, l.from & 0xFF);
    ASSERT_GE(entry, 0) << Describe(space, l.from) << ": listed but not a position of the table";
    EXPECT_TRUE(listed.insert(l.from).second) << Describe(space, l.from) << ": listed twice";
    expected[entry] = l.to;
  }
  for (size_t i = 0; i < positions.size(); ++i) {
    unsigned got = EntryAt(table, static_cast<int>(i));
    EXPECT_EQ(got, expected[i]) << Describe(space, positions[i]) << ": compiled " << Describe(target, got)
                                << ", source " << Describe(target, expected[i]);
  }
}

TEST(Tables, CommittedSourcesGiveTheCompiledTables) {
  const Sources& s = TheSources();
  ExpectTableFromSource("TradToSimpTable", TradToSimpTable, s.tradToSimp, CodeSpace::Gbk, CodeSpace::Gbk, -1,
                        GbkEntry);
  ExpectTableFromSource("SimpToTradTable", SimpToTradTable, s.simpToTrad, CodeSpace::Gbk, CodeSpace::Gbk, -1,
                        GbkEntry);
  ExpectTableFromSource("GbkToBig5Table", GbkToBig5Table, s.gbkToBig5, CodeSpace::Gbk, CodeSpace::Big5,
                        0xA140, GbkEntry);
  ExpectTableFromSource("Big5ToGbkTable", Big5ToGbkTable, s.big5ToGbk, CodeSpace::Big5, CodeSpace::Gbk, -1,
                        Big5Entry);
  ExpectTableFromSource("ShiftJisToGbkTable", ShiftJisToGbkTable, s.shiftJisToGbk, CodeSpace::ShiftJis,
                        CodeSpace::Gbk, 0xA1A1, ShiftJisEntry);
}

// ---------------------------------------------------------------------------------------------
// Invariants that the passes rely on.

template <size_t N>
void ExpectEntries(const char* name, const std::array<unsigned char, N>& table, CodeSpace space,
                   CodeSpace target, bool (*valid)(unsigned), const char* what) {
  SCOPED_TRACE(name);
  std::vector<unsigned> positions = Positions(space);
  for (size_t i = 0; i < positions.size(); ++i) {
    unsigned entry = EntryAt(table, static_cast<int>(i));
    EXPECT_TRUE((entry >> 8) != 0 && (entry & 0xFF) != 0)
        << Describe(space, positions[i]) << ": entry " << Describe(target, entry) << " holds a zero byte";
    if (valid) {
      EXPECT_TRUE(valid(entry)) << Describe(space, positions[i]) << ": entry " << Describe(target, entry)
                                << " is not " << what;
    }
  }
}

TEST(Tables, EveryEntryIsACodeOfItsTargetWithoutZeroBytes) {
  ExpectEntries("TradToSimpTable", TradToSimpTable, CodeSpace::Gbk, CodeSpace::Gbk, IsGbkCode, "a GBK code");
  ExpectEntries("SimpToTradTable", SimpToTradTable, CodeSpace::Gbk, CodeSpace::Gbk, IsGbkCode, "a GBK code");
  ExpectEntries("GbkToBig5Table", GbkToBig5Table, CodeSpace::Gbk, CodeSpace::Big5, IsBig5Code, "a BIG5 code");
  ExpectEntries("Big5ToGbkTable", Big5ToGbkTable, CodeSpace::Big5, CodeSpace::Gbk, nullptr, "");
  ExpectEntries("ShiftJisToGbkTable", ShiftJisToGbkTable, CodeSpace::ShiftJis, CodeSpace::Gbk, IsGbkCode,
                "a GBK code");
}

// Converting a converted text again changes nothing: no target is changed by the same table.
TEST(Tables, KindsThreeAndFourChangeNoTargetAgain) {
  for (auto [name, table] : {std::pair{"kind 3", &TradToSimpTable}, std::pair{"kind 4", &SimpToTradTable}}) {
    for (unsigned code : Positions(CodeSpace::Gbk)) {
      unsigned target = EntryAt(*table, GbkEntry(code >> 8, code & 0xFF));
      if (target == code) continue;
      unsigned again = EntryAt(*table, GbkEntry(target >> 8, target & 0xFF));
      EXPECT_EQ(again, target) << Describe(CodeSpace::Gbk, code) << ": " << name << " gives "
                               << Describe(CodeSpace::Gbk, target) << ", which it changes again to "
                               << Describe(CodeSpace::Gbk, again);
    }
  }
}

// Kind 4 gives one Traditional form to one Simplified character, except for three pairs of forms.
TEST(Tables, KindFourSharesOnlyThreeTargets) {
  std::map<unsigned, std::vector<unsigned>> sources;
  for (unsigned code : Positions(CodeSpace::Gbk)) {
    unsigned target = EntryAt(SimpToTradTable, GbkEntry(code >> 8, code & 0xFF));
    if (target != code) sources[target].push_back(code);
  }
  const std::map<unsigned, std::vector<unsigned>> shared = {
      {PairCode("餘"), {PairCode("余"), PairCode("馀")}},
      {PairCode("諮"), {PairCode("咨"), PairCode("谘")}},
      {PairCode("鯰"), {PairCode("鲇"), PairCode("鲶")}},
  };
  for (const auto& [target, from] : sources) {
    auto it = shared.find(target);
    if (it != shared.end()) {
      EXPECT_EQ(from, it->second) << Describe(CodeSpace::Gbk, target);
    } else {
      EXPECT_EQ(from.size(), 1u) << Describe(CodeSpace::Gbk, target) << " is the target of "
                                 << Describe(CodeSpace::Gbk, from[0]) << " and "
                                 << Describe(CodeSpace::Gbk, from[1]);
    }
  }
}

// Kind 3 folds every variant of these characters onto them, and nothing else.
TEST(Tables, KindThreeGroupsTakeExactlyTheirVariants) {
  struct Case {
    const char* target;
    std::string sources;  // GBK pairs
  } cases[] = {
      {"碱", "堿礆硷鹸鹹鹻鹼"},
      {"回", "囘囬廻廽迴逥"},
      {"发", "彂発發髪髮"},
      {"干", "乹亁幹榦乾"},
  };
  for (const Case& c : cases) {
    unsigned target = PairCode(c.target);
    SCOPED_TRACE(Describe(CodeSpace::Gbk, target));
    std::set<unsigned> expected, got;
    for (size_t i = 0; i < c.sources.size(); i += 2) expected.insert(PairCode(c.sources.substr(i, 2)));
    for (unsigned code : Positions(CodeSpace::Gbk))
      if (code != target && EntryAt(TradToSimpTable, GbkEntry(code >> 8, code & 0xFF)) == target)
        got.insert(code);
    EXPECT_EQ(got, expected);
  }
}

TEST(Tables, JapaneseFormsStandInTheShiftJisTable) {
  std::set<unsigned> entries;
  for (size_t i = 0; i < kShiftJisTableBytes / 2; ++i)
    entries.insert(EntryAt(ShiftJisToGbkTable, static_cast<int>(i)));
  for (const JapaneseFormPair& p : JapaneseFormPairs)
    EXPECT_TRUE(entries.count(p.searchedAs))
        << Describe(CodeSpace::Gbk, p.gbk) << ": its Japanese form " << Describe(CodeSpace::Gbk, p.searchedAs)
        << " stands nowhere in ShiftJisToGbkTable";
}

// ---------------------------------------------------------------------------------------------
// Named entries and telling rows, through the conversion command where the kind is table-driven.

std::string Hex(const std::string& bytes) {
  std::string out;
  char buf[4];
  for (unsigned char c : bytes) {
    std::snprintf(buf, sizeof buf, "%s%02X", out.empty() ? "" : " ", c);
    out += buf;
  }
  return out;
}

std::string Convert(const std::string& in, int32_t kind) {
  OwnedText out(ConvertText(in.c_str(), kind));
  return out ? std::string(out.get()) : std::string();
}

struct Row {
  int32_t kind;
  std::string in, out;  // GBK, BIG5 or Shift-JIS bytes as the kind reads and writes them
};

CodeSpace InputSpace(int32_t kind) {
  return kind == Big5ToGbk || kind == Big5ToGbkSimp ? CodeSpace::Big5 : CodeSpace::Gbk;
}
CodeSpace OutputSpace(int32_t kind) {
  return kind == GbkToBig5 ? CodeSpace::Big5 : CodeSpace::Gbk;
}

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& r : rows) {
    std::string got = Convert(r.in, r.kind);
    std::string in = r.in.size() == 2 ? Describe(InputSpace(r.kind), PairCode(r.in)) : Hex(r.in);
    std::string want = r.out.size() == 2 ? Describe(OutputSpace(r.kind), PairCode(r.out)) : Hex(r.out);
    std::string gave = got.size() == 2 ? Describe(OutputSpace(r.kind), PairCode(got)) : Hex(got);
    EXPECT_EQ(got, r.out) << in << ": kind " << r.kind << " gives " << gave << ", expected " << want;
  }
}

// A telling row: an input, then what each kind of the table's columns gives.
void ExpectTellingRows(const std::vector<int32_t>& kinds, const std::vector<std::vector<std::string>>& rows) {
  std::vector<Row> all;
  for (const auto& row : rows)
    for (size_t k = 0; k < kinds.size(); ++k) all.push_back({kinds[k], row[0], row[k + 1]});
  ExpectRows(all);
}

TEST(Tables, TellingRowsOfTheGbkTables) {
  // Input, then what kinds 3, 4 and 1 give.
  const std::vector<std::vector<std::string>> rows = {
      {"国", "国", "國", "\xB0\xEA"},
      {"國", "国", "國", "\xB0\xEA"},
      {"发", "发", "發", "\xB5\x6F"},
      {"發", "发", "發", "\xB5\x6F"},
      {"髮", "发", "髮", "\xBE\x76"},
      {"后", "后", "後", "\xA6\x5A"},
      {"後", "后", "後", "\xAB\xE1"},
      {"乾", "干", "乾", "\xB0\xAE"},
      {"钟", "钟", "鍾", "\xC4\xC1"},
      {"中", "中", "中", "\xA4\xA4"},
      {"“", "“", "『", "\xA1\xA7"},
      {"「", "‘", "「", "\xA1\x75"},
      {"﹐", "，", "﹐", "\xA1\x4D"},
      {"丂", "丂", "丂", "\xA1\x40"},
      {"\xAA\xA1", "\xAA\xA1", "\xAA\xA1", "\xA1\x40"},
  };
  ExpectTellingRows({TradToSimp, SimpToTrad, GbkToBig5}, rows);
}

TEST(Tables, TextsThroughTheGbkTables) {
  ExpectRows({
      {SimpToTrad, "“中”", "『中』"},
      {TradToSimp, "「中」", "‘中’"},
      {TradToSimp, "發髮", "发发"},
      {SimpToTrad, "发发", "發發"},
      {TradToSimp, "國語 abc", "国语 abc"},
  });
}

// Pairs of characters, GBK bytes back to back: "硷碱" is 硷 → 碱.
std::vector<Row> PairRows(int32_t kind, const std::string& pairs) {
  std::vector<Row> rows;
  for (size_t i = 0; i + 4 <= pairs.size(); i += 4)
    rows.push_back({kind, pairs.substr(i, 2), pairs.substr(i + 2, 2)});
  return rows;
}

TEST(Tables, NamedEntriesOfKindThree) {
  ExpectRows(PairRows(
      TradToSimp,
      "硷碱乾干著着亓其仝同凇淞谘咨垅垄摺折後后徵征夥伙馀余渖沈甯宁榘矩飚飙於于锺钟箝钳雠仇鲶鲇麽么"));
  ExpectRows(PairRows(TradToSimp, "〔［〕］「‘」’『“』”﹐，﹑、﹒。﹔；﹕：﹖？﹗！"));
  ExpectRows({{TradToSimp, "\xA0\x41", "烂"}});  // 燗, the GBK side of kind 5's A0 41 row
}

TEST(Tables, NamedEntriesOfKindFour) {
  ExpectRows(PairRows(SimpToTrad,
                      "发發后後干乾钟鍾台臺里裡复復么麼于於着著沉沈余餘馀餘咨諮谘諮鲇鯰鲶鯰‘「’」“『”』"));
  // 沈 is 沉's target and keeps its own code; kind 3 leaves it too.
  ExpectRows({{SimpToTrad, "沈", "沈"},
              {TradToSimp, "沈", "沈"},
              {SimpToTrad, "谘", "諮"},
              {TradToSimp, "諮", "咨"}});
  // 咸 keeps its code: its other form 鹹 goes to 碱 with kind 3, so there and back would change the word.
  ExpectRows({{SimpToTrad, "咸", "咸"}});
}

TEST(Tables, NamedEntriesOfKindOne) {
  ExpectRows({
      {GbkToBig5, "钟", "\xC4\xC1"},  // 鐘, not kind 4's 鍾
      {GbkToBig5, "证", "\xB5\xFD"},  // 証
      {GbkToBig5, "脏", "\xC5\xA6"},  // 臟
      {GbkToBig5, "·", "\xA1\x45"},   // ‧
      {GbkToBig5, "！", "\xA1\x54"},  // ﹗
      {GbkToBig5, "━", "\xF9\xF9"},   // ═, the one of its two codes that kind 2 takes back
      {GbkToBig5, "干", "\xA4\x7A"},  // the same character, where kind 4 gives 乾
      {GbkToBig5, "　", "\xA1\x40"},  // the ideographic space
      {GbkToBig5, "ア", "\xA1\x40"},  // kana: no BIG5 counterpart
      {GbkToBig5, "①", "\xA1\x40"},   // circled numbers likewise
      {GbkToBig5, "为", "\xAC\xB0"},  // 為: kind 4's form, which BIG5 holds
      {GbkToBig5, "恒", "\xAB\xED"},  // 恆, not the F9 DA that only code page 950 adds
  });
}

TEST(Tables, TellingRowsOfTheBig5Table) {
  // BIG5 input, then what kinds 2 and 5 give.
  const std::vector<std::vector<std::string>> rows = {
      {"\xA4\xA4", "中", "中"},
      {"\xB0\xEA", "國", "国"},
      {"\xB5\x6F", "發", "发"},
      {"\xBE\x76", "髮", "发"},
      {"\xA1\x40", "\xA1\xA1", "\xA1\xA1"},
      {"\xA1\x75", "「", "‘"},
      {"\xA1\x45", "·", "·"},
      {"\xA3\xC0", "一", "一"},
      {"\xA0\x41", "\xA0\x41", "烂"},
      {"\xA1\x30", "\xA1\x30", "\xA1\x30"},
  };
  ExpectTellingRows({Big5ToGbk, Big5ToGbkSimp}, rows);
}

TEST(Tables, NamedEntriesOfTheBig5Table) {
  ExpectRows({
      {Big5ToGbk, "\xA1\x65", "［"},
      {Big5ToGbk, "\xA1\x66", "］"},
      {Big5ToGbk, "\xA1\x73", "＾"},
      {Big5ToGbk, "\xA1\xC5", "＿"},
      {Big5ToGbk, "\xA1\xF3", "☉"},
      {Big5ToGbk, "\xA3\xC1", "乙"},
      {Big5ToGbk, "\xA3\xFE", "才"},
  });
  for (unsigned own : {0xA15A, 0xA1C2, 0xA1C3, 0xA1C4, 0xA2A4, 0xA2A5, 0xA2A6, 0xA2A7, 0xA2CC, 0xA2CE, 0xF9FA,
                       0xF9FB, 0xF9FC, 0xF9FD})
    EXPECT_EQ(EntryAt(Big5ToGbkTable, Big5Entry(own >> 8, own & 0xFF)), own)
        << Describe(CodeSpace::Big5, own);
  // A3 C0..A3 FE repeat A4 40..A4 7E; the irregular and user-defined rows hold their own codes.
  for (unsigned t = 0xC0; t <= 0xFE; ++t)
    EXPECT_EQ(EntryAt(Big5ToGbkTable, Big5Entry(0xA3, t)), EntryAt(Big5ToGbkTable, Big5Entry(0xA4, t - 0x80)))
        << Describe(CodeSpace::Big5, 0xA300 | t);
  for (unsigned code : Positions(CodeSpace::Big5)) {
    bool ownRow = code >> 8 == 0xA0 || code >> 8 >= 0xFA || (code >= 0xC6A1 && code <= 0xC8FE);
    if (ownRow) {
      EXPECT_EQ(EntryAt(Big5ToGbkTable, Big5Entry(code >> 8, code & 0xFF)), code)
          << Describe(CodeSpace::Big5, code);
    }
  }
}

TEST(Tables, NamedEntriesOfTheShiftJisTable) {
  struct Case {
    unsigned shiftJis, gbk;
  } cases[] = {
      {0x93FA, 0xC8D5}, {0x967B, 0xB1BE}, {0x8341, 0xA5A2}, {0x8140, 0xA1A1},  // 日 本 ア, ideographic space
      {0x8141, 0xA3AC}, {0x8145, 0xA1A2}, {0x814C, 0xA1E4}, {0x8175, 0xA1B0}, {0x8176, 0xA1B1},
      {0x8177, 0xA1AE}, {0x8178, 0xA1AF}, {0x8185, 0xA1DC}, {0x8186, 0xA1DD}, {0x818C, 0xA3A7},
      {0x878B, 0xD3D0}, {0x878C, 0xB4FA}, {0xEE42, 0xD869}, {0xFB5E, 0xD869},  // Chinese usage and forms
      {0x818D, 0xA1E5}, {0x874A, 0xA1A1}, {0x8540, 0xA1A1},                    // ″, ⑪ and no character
      {0xF040, 0xAAA1}, {0xF2FC, 0xAFFE}, {0xF340, 0xF8A1}, {0xF69E, 0xFEFE},  // the user-defined rows,
      {0xF69F, 0xA140}, {0xF9FC, 0xA792},                                      // group by group
  };
  for (const Case& c : cases) {
    unsigned got = EntryAt(ShiftJisToGbkTable, ShiftJisEntry(c.shiftJis >> 8, c.shiftJis & 0xFF));
    EXPECT_EQ(got, c.gbk) << Describe(CodeSpace::ShiftJis, c.shiftJis) << ": kind 7 gives "
                          << Describe(CodeSpace::Gbk, got) << ", expected "
                          << Describe(CodeSpace::Gbk, c.gbk);
  }
}

// Kind 6 searches the Shift-JIS table for a GBK code and writes the Shift-JIS code of the lowest
// entry that holds it; these rows depend on what the table holds and where.
unsigned LowestShiftJisHolding(unsigned gbk) {
  std::vector<unsigned> positions = Positions(CodeSpace::ShiftJis);
  for (size_t i = 0; i < positions.size(); ++i)
    if (EntryAt(ShiftJisToGbkTable, static_cast<int>(i)) == gbk) return positions[i];
  return 0;
}

unsigned SimpToTradOf(const char* gbk) {
  unsigned code = PairCode(gbk);
  return EntryAt(SimpToTradTable, GbkEntry(code >> 8, code & 0xFF));
}

TEST(Tables, KindSixSearchFindsTheseShiftJisCodes) {
  struct Case {
    unsigned key, shiftJis;  // 0: no entry holds the key
  } cases[] = {
      {PairCode("日"), 0x93FA},
      {PairCode("本"), 0x967B},
      {PairCode("国"), 0x8D91},
      {PairCode("中"), 0x9286},
      {0xA1A1, 0x8140},              // ideographic space
      {0x85D2, 0x8CE0},              // 呉, the Japanese form searched for 吴
      {SimpToTradOf("爱"), 0x88A4},  // 愛, kind 4's form of 爱
      {SimpToTradOf("发"), 0xE1A2},  // 發, kind 4's form of 发
      {SimpToTradOf("们"), 0x98EC},  // 們, kind 4's form of 们
      // Where the punctuation pairs step in: the table alone would give ㈲, ㈹ and the quotation marks.
      {PairCode("有"), 0x878B},
      {PairCode("代"), 0x878C},
      {PairCode("“"), 0x8167},
      {PairCode("丂"), 0},
  };
  for (const Case& c : cases) {
    unsigned got = LowestShiftJisHolding(c.key);
    EXPECT_EQ(got, c.shiftJis) << Describe(CodeSpace::Gbk, c.key) << ": lowest Shift-JIS entry "
                               << Describe(CodeSpace::ShiftJis, got) << ", expected "
                               << Describe(CodeSpace::ShiftJis, c.shiftJis);
  }
  // 丂 has no Traditional form either, so kind 6 writes "??".
  EXPECT_EQ(SimpToTradOf("丂"), PairCode("丂"));
}

}  // namespace
}  // namespace tessavia
