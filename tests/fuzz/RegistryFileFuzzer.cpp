// libFuzzer target: any bytes read as the settings file of each hive. Reading never fails, and what was read
// writes a file that reads back undamaged and writes the same bytes again: a change of one setting must not
// turn the rest of a file, edited by hand or damaged, into something else at every write.
#include "platform/registry/RegistryFile.h"
#include "tests/fuzz/FuzzInput.h"

using platform::RegistryFile;
using platform::RegistryHive;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const RegistryHive hive :
         {RegistryHive::CurrentUser, RegistryHive::LocalMachine, RegistryHive::ClassesRoot}) {
        const QByteArray written = RegistryFile::parse(hive, fuzzinput::bytes(data, size)).serialize();
        const RegistryFile reread = RegistryFile::parse(hive, written);
        fuzzinput::require(!reread.isDamaged(), "a written settings file reads back undamaged");
        fuzzinput::require(reread.serialize() == written, "a settings file read back writes the same bytes");
    }
    return 0;
}
