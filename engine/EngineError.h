#pragma once

#include <stdexcept>
#include <string>

// An error the user must see, carrying the exact text to show.
class EngineError : public std::runtime_error
{
public:
    explicit EngineError(const std::string &text)
        : std::runtime_error(text)
    {
    }
};
