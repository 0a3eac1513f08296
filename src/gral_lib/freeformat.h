// Free-format value lists: values separated by blanks, tabs or a comma; texts bare or
// quoted with ' or " (a doubled quote stands for itself); a '/' ends the record, leaving
// the values not yet read untouched. A record may run over several lines: blank lines
// are passed over while values are still wanted, and the rest of the last line is ignored.
// Only ordinary decimal numbers are read, of any length: "nan", "inf", hexadecimal and
// values too large for their type are unreadable, never a number; a real too small for
// single precision reads as 0.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

enum class ListStatus {
  ok,            // every target was read
  slash,         // a '/' ended the record before every target was read
  unreadable,    // a value could not be read as its target's kind (a null value included)
  end_of_input,  // the lines ran out before every target was read
};

// A target of a list read. A text target keeps its length: the value is cut or blank-padded
// to it (a target of length 0 takes the whole value).
using ListTarget = std::variant<int*, float*, std::string*>;

// Supplies the next line of a record that runs on; returns false at the end of input.
using LineSupplier = std::function<bool(std::string&)>;

// What a null value (two commas in a row, or a comma first) does to its target.
enum class NullValue {
  unreadable,  // the list cannot be read (answers to prompts)
  keep,        // the target keeps its value and reading goes on (data records)
};

// Reads the targets in order from line, then from the lines that more supplies.
// count, when given, receives the number of targets that were assigned.
ListStatus read_list(std::string_view line, const LineSupplier& more,
                     std::initializer_list<ListTarget> targets, int* count = nullptr);
// The same, with the given treatment of null values.
ListStatus read_list(std::string_view line, const LineSupplier& more,
                     std::initializer_list<ListTarget> targets, NullValue nulls, int* count = nullptr);

// The same for a list held in one text (an answer field): no further lines.
ListStatus read_list(std::string_view text, std::initializer_list<ListTarget> targets,
                     int* count = nullptr);

// Number syntax shared by the reader: true when text is a decimal integer with an
// optional sign that fits 32 bits, or a decimal real that is finite in single precision
// (one too small for it gives 0).
bool parse_int(std::string_view text, int& v);
bool parse_real(std::string_view text, float& v);
