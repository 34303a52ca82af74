// libFuzzer target: any bytes as the arguments the system passes to the program (separated by zero bytes, as
// they stand in memory), taken as the program takes them: the reset switch, or the path of the form to open;
// and any text as a browser's command line from the settings, split into its program and arguments.
#include "platform/shell/CommandLine.h"
#include "program/CKalvenportExportApp.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList arguments = {QStringLiteral("kalvenport-zuzaza")};
    for (const QByteArrayView argument : fuzzinput::bytes(data, size).toByteArray().split('\0'))
        arguments.append(QString::fromLocal8Bit(argument));
    const QString commandLine = CKalvenportExportApp::CommandLineOf(arguments);
    const bool reset = commandLine.startsWith(CKalvenportExportApp::kResetWorkspaceSwitch);
    const QString path = platform::commandline::path(commandLine);
    fuzzinput::require(reset || commandLine.contains(path), "the path opened is given on the command line");

    qsizetype characters = 0;
    for (const QString& argument : platform::commandline::split(commandLine)) characters += argument.size();
    fuzzinput::require(characters <= commandLine.size(), "splitting a command line adds no characters");
    return 0;
}
