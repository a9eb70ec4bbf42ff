#pragma once
// The readings of a name's numbers and configurations, from the built-in tables.
#include <string_view>

#include "naming/five_grids.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

// The reading of one grid number in the 81-number system.
struct NumberReading {
  GbkText summary;  // 评价1: "（name）" and one sentence
  GbkText grade;    // 大吉 吉 半吉 凶 大凶
  GbkText hint;     // 暗示: luck categories joined by "<BR>"
  GbkText detail;   // 评价2: verse and notes, "<BR>" between lines
};

// A number above 81 reads as itself less 80, repeatedly (82 reads as 2); a number
// of 0 or less, which only a character missing from every table can give, has a
// neutral reading saying that the strokes could not be counted.
NumberReading LookupNumberReading(int number);

// The three-talent configuration with its luck, and the social-relations reading.
struct TalentReading {
  GbkText summary, grade, detail;
  GbkText foundation, foundation_grade;  // 基础运
  GbkText success, success_grade;        // 成功运
  GbkText relations, relations_grade;    // 人际关系
};

// The first seven fields, exactly as stored (text fields keep their leading CR LF).
TalentReading LookupTalentReading(std::string_view talent_key);

struct RelationReading {
  GbkText text, grade;
};
// By the last digits of 人格 and 外格.
RelationReading LookupRelation(int person, int outer);

// The personality reading by the last digit of 人格.
GbkText LookupPersonality(int person);

// The grade of a number 1–81 from the short grade table; empty outside it.
GbkText NumberGrade(int number);

}  // namespace tavrin
