// The driver's file and drive functions on the session's drives.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/files.h"
#include "tests/ui_driver/mapped_drive.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/text.h"

namespace {

// In the session folder, not on q:: the UI tests empty the scratch drives while these
// tests, which take no desktop, may run beside them. One folder per case, since CTest
// runs the cases side by side and each empties its folder before and after.
std::wstring testFolder()
{
    const std::wstring name = ui::fromUtf8(testing::UnitTest::GetInstance()->current_test_info()->name());
    return ui::windowsPath(ui::sessionUnixPath() + L"/ui_driver_files_test-" + name);
}

bool listed(wchar_t letter)
{
    return GetLogicalDrives() & (1u << (letter - L'A'));
}

class Files : public testing::Test {
protected:
    void SetUp() override { ui::removeTree(testFolder()); }
    void TearDown() override { ui::removeTree(testFolder()); }
};

TEST_F(Files, ReachesReservedNamesThroughTheLongPrefix)
{
    const std::wstring autorun = testFolder() + L"\\autorun.inf";
    for (const wchar_t* name : {L"con", L"aux", L"nul.1234567"}) {
        SCOPED_TRACE(ui::toUtf8(name));
        const std::wstring folder = autorun + L"\\" + name;
        ui::createFolder(folder);
        const auto attributes = ui::attributesOf(folder);
        ASSERT_TRUE(attributes);
        EXPECT_TRUE(*attributes & FILE_ATTRIBUTE_DIRECTORY);
        // The plain path names the device, not the folder.
        const DWORD plain = GetFileAttributesW(folder.c_str());
        EXPECT_TRUE(plain == INVALID_FILE_ATTRIBUTES || !(plain & FILE_ATTRIBUTE_DIRECTORY)) << plain;
        ui::createFile(folder + L"\\inside.txt", "text");
        EXPECT_TRUE(ui::pathExists(folder + L"\\inside.txt"));
    }
    ui::removeTree(autorun);
    EXPECT_FALSE(ui::pathExists(autorun));
    EXPECT_TRUE(ui::pathExists(testFolder()));
}

TEST_F(Files, SetsAttributesAndRemovesReadOnlyEntries)
{
    const std::wstring folder = testFolder() + L"\\kept\\deeper";
    const std::wstring file = folder + L"\\locked.txt";
    ui::createFolder(folder);
    ui::createFile(file, "locked");
    const DWORD hiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD hiddenSystemReadOnly = hiddenSystem | FILE_ATTRIBUTE_READONLY;
    ui::setAttributes(file, hiddenSystemReadOnly);
    ui::setAttributes(folder, FILE_ATTRIBUTE_DIRECTORY | hiddenSystem);
    EXPECT_EQ(*ui::attributesOf(file) & hiddenSystemReadOnly, hiddenSystemReadOnly);
    EXPECT_EQ(*ui::attributesOf(folder) & hiddenSystem, hiddenSystem);
    EXPECT_FALSE(DeleteFileW(ui::longPath(file).c_str())) << "a read-only file was deleted without help";

    ui::removeTree(testFolder() + L"\\kept");
    EXPECT_FALSE(ui::pathExists(file));
    EXPECT_FALSE(ui::pathExists(testFolder() + L"\\kept"));
}

TEST_F(Files, RemovingWhatIsNotThereIsFine)
{
    EXPECT_FALSE(ui::pathExists(testFolder() + L"\\never"));
    EXPECT_NO_THROW(ui::removeTree(testFolder() + L"\\never"));
    EXPECT_THROW(ui::setAttributes(testFolder() + L"\\never", FILE_ATTRIBUTE_HIDDEN), ui::DriverError);
}

TEST(Drives, TheSessionDrivesAreThere)
{
    for (wchar_t letter : {ui::scratchDrive, ui::secondScratchDrive, ui::driveWithoutMedium}) {
        SCOPED_TRACE(ui::toUtf8(ui::driveRoot(letter)));
        EXPECT_TRUE(listed(letter));
    }
    EXPECT_TRUE(ui::pathExists(ui::driveRoot(ui::scratchDrive)));
    EXPECT_TRUE(ui::pathExists(ui::driveRoot(ui::secondScratchDrive)));
    EXPECT_FALSE(ui::pathExists(ui::driveRoot(ui::driveWithoutMedium)));
}

TEST(Drives, AMappedDriveComesAndGoes)
{
    constexpr wchar_t letter = L'K';
    const std::wstring unixFolder = ui::sessionUnixPath() + L"/drives/k-target";
    ui::removeTree(ui::windowsPath(unixFolder));
    ui::createFolder(ui::windowsPath(unixFolder));
    ASSERT_FALSE(listed(letter));
    {
        const ui::MappedDrive drive(letter, unixFolder);
        EXPECT_EQ(drive.root(), L"K:\\");
        EXPECT_TRUE(listed(letter));
        EXPECT_EQ(GetDriveTypeW(drive.root().c_str()), static_cast<UINT>(DRIVE_FIXED));
        ui::createFile(drive.root() + L"through-the-drive.txt", "k");
        EXPECT_TRUE(ui::pathExists(ui::windowsPath(unixFolder + L"/through-the-drive.txt")));
    }
    EXPECT_FALSE(listed(letter));
    EXPECT_FALSE(ui::pathExists(L"K:\\"));
    ui::removeTree(ui::windowsPath(unixFolder));
}

} // namespace
