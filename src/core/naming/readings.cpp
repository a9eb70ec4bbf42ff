#include "naming/readings.hpp"

#include <array>
#include <string>

#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

// The fields that follow `key`, each up to its next bar, in order.
std::vector<GbkText> FieldsAfter(std::string_view table, std::string_view key, std::size_t count) {
  std::vector<GbkText> fields;
  std::string_view rest = TextAfter(table, key);
  for (std::size_t i = 0; i < count; ++i) {
    fields.emplace_back(TextBefore(rest, "|"));
    rest = TextAfter(rest, "|");
  }
  return fields;
}

GbkText LastDigit(int number) { return GbkText(1, std::to_string(number).back()); }

GbkText BarKey(std::string_view inner) { return "|" + GbkText(inner) + "|"; }

}  // namespace

NumberReading LookupNumberReading(int number) {
  std::string_view table = data::NumberTextTable();
  if (number <= 0) {
    table = data::UncountedNumberReading();
    number = 0;
  }
  while (number > 81) number -= 80;
  const std::vector<GbkText> f = FieldsAfter(table, BarKey(std::to_string(number)), 4);
  return NumberReading{f[0], f[1], f[2], f[3]};
}

TalentReading LookupTalentReading(std::string_view talent_key) {
  const std::vector<GbkText> f = FieldsAfter(data::TalentTextTable(), BarKey(talent_key), 7);
  TalentReading reading;
  reading.summary = f[0];
  reading.grade = f[1];
  reading.detail = f[2];
  reading.foundation = f[3];
  reading.foundation_grade = f[4];
  reading.success = f[5];
  reading.success_grade = f[6];
  return reading;
}

RelationReading LookupRelation(int person, int outer) {
  const std::vector<GbkText> f =
      FieldsAfter(data::RelationTable(), "|" + LastDigit(person) + "|" + LastDigit(outer) + "|", 2);
  return RelationReading{f[0], f[1]};
}

GbkText LookupPersonality(int person) {
  return GbkText(FieldAfter(data::PersonalityTable(), BarKey(LastDigit(person)), "\r\n"));
}

GbkText NumberGrade(int number) {
  if (number < 1 || number > 81) return {};
  // Scored five times per name, a million times in a long batch: the 81 answers
  // are read from the table once, by the same lookup, and kept.
  static const std::array<GbkText, 82> grades = [] {
    std::array<GbkText, 82> read;
    for (int n = 1; n <= 81; ++n)
      read[n] = GbkText(FieldAfter(data::NumberGradeTable(), BarKey(std::to_string(n))));
    return read;
  }();
  return grades[static_cast<std::size_t>(number)];
}

}  // namespace tavrin
