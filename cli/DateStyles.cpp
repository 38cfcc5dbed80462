#include "DateStyle.h"

#include <algorithm>
#include <iterator>

namespace {

struct NamedStyle
{
    const char *name;
    int style;
};

#include "DateStyles.inc"

} // namespace

const DateStyle *dateStyleNamed(std::string_view name)
{
    // The generator writes the names in order.
    const auto it = std::lower_bound(std::begin(kNamed), std::end(kNamed), name,
        [](const NamedStyle &row, std::string_view key) {
            return row.name < key;
        });
    if (it == std::end(kNamed) || it->name != name)
        return nullptr;
    return &kStyles[it->style];
}

const DateStyle *environmentDateStyle()
{
    const std::optional<std::string> name = timeLocaleName();
    return name ? dateStyleNamed(*name) : nullptr;
}
