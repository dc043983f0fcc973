#include "TestPrinters.h"
#include "framework/SettingsFileIo.h"

#include <gtest/gtest.h>

namespace {

SettingsBlock ChangedBlock() {
    SettingsBlock block = FactoryBlock();
    block.bytes[5] = 0x0F;
    return block;
}

TEST(SettingsFileIo, WriteThenReadRestoresTheBlock) {
    const std::wstring path = WindowsPathOf(TempUnixPath(L"io-roundtrip.dat"));
    DeleteFileW(path.c_str());
    ASSERT_EQ(WriteSettingsFile(path, ChangedBlock()), WriteResult::Written);
    EXPECT_EQ(ReadFileBytes(path).size(), 213u);
    EXPECT_EQ(ReadSettingsFile(path), ChangedBlock());

    // Read while another program (an editor, a sync client) holds it open for writing.
    HANDLE held =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadSettingsFile(path), ChangedBlock());
    CloseHandle(held);
    DeleteFileW(path.c_str());
}

TEST(SettingsFileIo, OverwritingReplacesALongerFileWhole) {
    const std::wstring path = WindowsPathOf(TempUnixPath(L"io-longer.dat"));
    WriteFileBytes(path, std::vector<unsigned char>(1000, 'x'));
    ASSERT_EQ(WriteSettingsFile(path, ChangedBlock()), WriteResult::Written);
    EXPECT_EQ(ReadFileBytes(path).size(), 213u);
    EXPECT_EQ(ReadSettingsFile(path), ChangedBlock());
    DeleteFileW(path.c_str());
}

// Written beside a temporary file in a folder deeper than MAX_PATH, where long paths are allowed.
TEST(SettingsFileIo, WritesIntoAFolderLongerThanMaxPath) {
    std::wstring folder = WindowsPathOf(TempUnixPath(L"deep"));
    CreateDirectoryW(folder.c_str(), nullptr);
    for (wchar_t name = L'a'; folder.size() <= MAX_PATH; ++name) {
        folder += L"\\" + std::wstring(60, name);
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    const std::wstring path = folder + L"\\deep.dat";
    EXPECT_EQ(WriteSettingsFile(path, ChangedBlock()), WriteResult::Written);
    EXPECT_EQ(ReadSettingsFile(path), ChangedBlock());
}

// A file that cannot be replaced (here: held open) keeps what it held.
TEST(SettingsFileIo, AFailedReplaceLeavesTheOldFile) {
    const std::wstring path = WindowsPathOf(TempUnixPath(L"io-replace.dat"));
    WriteFileBytes(path, {'o', 'l', 'd'});
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(WriteSettingsFile(path, FactoryBlock()), WriteResult::Written);
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(path), (std::vector<unsigned char>{'o', 'l', 'd'}));
    DeleteFileW(path.c_str());
}

TEST(SettingsFileIo, RejectsMissingShortAndForeignFiles) {
    EXPECT_EQ(ReadSettingsFile(WindowsPathOf(TempUnixPath(L"io-missing.dat"))), std::nullopt);

    const std::wstring path = WindowsPathOf(TempUnixPath(L"io-bad.dat"));
    std::vector<unsigned char> good(213, 0);
    const char name[] = "Korrin Vellatype 44QX";
    std::copy(name, name + 21, good.begin());
    for (std::size_t size : {0, 22, 212}) {
        WriteFileBytes(path, std::vector<unsigned char>(good.begin(), good.begin() + size));
        EXPECT_EQ(ReadSettingsFile(path), std::nullopt) << size;
    }
    WriteFileBytes(path, good);
    EXPECT_NE(ReadSettingsFile(path), std::nullopt);

    std::vector<unsigned char> noise(1 << 20);
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<unsigned char>(i * 2654435761u >> 13);
    }
    WriteFileBytes(path, noise);
    EXPECT_EQ(ReadSettingsFile(path), std::nullopt);
    DeleteFileW(path.c_str());
}

TEST(SettingsFileIo, WriteIntoAMissingFolderFailsToOpen) {
    const std::wstring path = WindowsPathOf(TempUnixPath(L"no-such-dir/x.dat"));
    EXPECT_EQ(WriteSettingsFile(path, FactoryBlock()), WriteResult::OpenFailed);
}

} // namespace
