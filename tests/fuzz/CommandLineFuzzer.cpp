// libFuzzer target: any text as a browser's command line from the settings, split into its program and
// arguments as the program starts it. The program's own arguments are taken whole as the system passes them,
// so nothing of them is parsed.
#include "platform/shell/CommandLine.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString commandLine = QString::fromUtf8(fuzzinput::bytes(data, size).toByteArray());
    qsizetype characters = 0;
    for (const QString& argument : platform::commandline::split(commandLine)) characters += argument.size();
    fuzzinput::require(characters <= commandLine.size(), "splitting a command line adds no characters");
    return 0;
}
