#include "ConfigurationLogic.h"

std::string shownTempFolder(const std::string &stored)
{
    if (stored.size() > 1 && stored.back() == '/')
        return stored.substr(0, stored.size() - 1);
    return stored;
}

std::string storedTempFolder(const std::string &typed, const std::string &previous)
{
    if (typed.empty())
        return previous;
    return typed.back() == '/' ? typed : typed + '/';
}
