#include "platform/dialog/HelpContext.h"

namespace platform {
namespace {

HelpContext::ShowHelp& command()
{
    static HelpContext::ShowHelp current;
    return current;
}

}  // namespace

void HelpContext::showHelp()
{
    if (command()) command()();
}

void HelpContext::setShowHelp(ShowHelp newCommand)
{
    command() = std::move(newCommand);
}

}  // namespace platform
