#include "Guard.h"

#include "Prompter.h"

#include <exception>

void showEscapedError(const char *what)
{
    Prompter::instance().error(what ? QString::fromUtf8(what) : QStringLiteral("Unknown error"));
}
