// The program's version record: 1.0.0.1, an application.
#include <iterator>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "res/version_record.h"

namespace {

const VersionRecord kVersion = {
    0x00010000,
    0x00000001,
    0x00010000,
    0x00000001,
    VFT_APP,
    "040904E4",
    {
        {"CompanyName", ""},
        {"FileDescription", "VANDREL MFC Application"},
        {"FileVersion", "1.0.001"},
        {"InternalName", "VANDREL"},
        {"LegalCopyright", ""},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "VANDREL.EXE"},
        {"ProductName", "VANDREL"},
        {"ProductVersion", "1.0.001"},
    },
};

const vandrel::resources::Entry kEntries[] = {
    {nullptr, kVersionResourceType, nullptr, kVersionResourceId, &kVersion, sizeof(kVersion)},
};

const bool kRegistered = [] {
    vandrel::resources::Register(AfxGetInstanceHandle(), kEntries, std::size(kEntries));
    return true;
}();

}  // namespace
