// The version record: 1.0.0.1, an application, and its string block.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "res/version_record.h"

TEST(VersionRecordTest, TheRecordCarriesTheVersionAndItsStrings) {
    const HINSTANCE instance = AfxGetInstanceHandle();
    const HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(kVersionResourceId),
                                         MAKEINTRESOURCEA(kVersionResourceType));
    ASSERT_NE(resource, nullptr);
    const auto* record =
        static_cast<const VersionRecord*>(LockResource(LoadResource(instance, resource)));
    EXPECT_EQ(record->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(record->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(record->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(record->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(record->dwFileType, VFT_APP);
    EXPECT_STREQ(record->stringBlock, "040904E4");
    std::map<std::string, std::string> strings;
    for (const VersionString& entry : record->strings) {
        strings[entry.key] = entry.value;
    }
    EXPECT_EQ(strings, (std::map<std::string, std::string>{
                           {"CompanyName", ""},
                           {"FileDescription", "VANDREL MFC Application"},
                           {"FileVersion", "1.0.001"},
                           {"InternalName", "VANDREL"},
                           {"LegalCopyright", ""},
                           {"LegalTrademarks", ""},
                           {"OriginalFilename", "VANDREL.EXE"},
                           {"ProductName", "VANDREL"},
                           {"ProductVersion", "1.0.001"},
                       }));
}
