#pragma once
// What each indicator type computes, in the words of the reference table (docs/indicators.md).
// Each family writes the notes of its types in its own file, tools/type_notes/<family>.cpp:
//     PRYNOX_TYPE_NOTES(moving_averages) {
//         return {
//             {"Sma", {20}, {"period: the number of closes averaged"}, {},
//              "The mean of the last `period` closes, each weighted equally."},
//         };
//     }
// The table generator refuses a type without a note, a parameter list that is not one
// "name: meaning" per parameter of the type, and output lines that do not name the type's
// outputs in order.
#include <string_view>
#include <vector>

namespace prynox::notes {

struct TypeNote {
    std::string_view type;
    // The parameters a user would reach for first (a conventional setting where there is one).
    std::vector<double> example;
    // One "name: meaning" per parameter, in index order.
    std::vector<std::string_view> params;
    // One "name: meaning" per named output, in order; empty for a single-output type.
    std::vector<std::string_view> outputs;
    // What the type computes: the inputs it reads, the choices needed to reproduce it, the unit
    // and range of its value, and any refused input or exact degenerate value.
    std::string_view text;
};

std::vector<TypeNote>& all();

struct Register {
    explicit Register(std::vector<TypeNote> (*family)()) {
        for (auto& n : family()) all().push_back(n);
    }
};

}  // namespace prynox::notes

#define PRYNOX_TYPE_NOTES(family)                                                               \
    static std::vector<::prynox::notes::TypeNote> family##_type_notes();                         \
    static const ::prynox::notes::Register family##_type_notes_registered(&family##_type_notes); \
    static std::vector<::prynox::notes::TypeNote> family##_type_notes()
