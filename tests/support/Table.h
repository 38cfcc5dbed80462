#pragma once

// Table-driven GoogleTest suites: rows are structs whose first field is `name`.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace amxtest {

// Names each instance of a parameterised test after its row.
struct RowName
{
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row> &info) const
    {
        return std::string(info.param.name);
    }
};

} // namespace amxtest

// Prints a row by its name, so that test listings (and ctest's names) stay readable
// instead of showing the row's bytes. Use in the row's namespace.
#define AMX_ROW_PRINTS_NAME(Row)                                                                   \
    [[maybe_unused]] inline void PrintTo(const Row &row, std::ostream *os)                         \
    {                                                                                              \
        *os << row.name;                                                                           \
    }
