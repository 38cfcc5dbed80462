#include "Guard.h"

#include "Prompter.h"

#include <QCoreApplication>
#include <exception>

void showEscapedError(const char *what)
{
    Prompter::instance().error(
        what ? QString::fromUtf8(what) : QCoreApplication::translate("Guard", "Unknown error"));
}
