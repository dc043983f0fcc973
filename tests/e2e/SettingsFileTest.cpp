// Reading and writing settings files through the program's file dialogs.
#include "FileDialog.h"
#include "ProgramTest.h"
#include "TestPrinters.h"

#include "settings/SettingsFile.h"

namespace e2e {
namespace {

constexpr wchar_t kNotSettings[] = L"このファイルは設定ファイルではありません。";
constexpr wchar_t kDiscard[] =
    L"設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。";
constexpr wchar_t kWriteFailed[] = L"設定ファイルの書き込みに失敗しました。";
constexpr wchar_t kAccessDenied[] =
    L"設定ファイルの書き込みに失敗しました。\nこのディレクトリに保存するアクセス許可がない可能性"
    L"があります。\n設定ファイルの保存先を変更してやり直してください。";
constexpr wchar_t kSent[] = L"プリンタに設定値を送信しました。";
constexpr wchar_t kSaveBeforeExit[] = L"Switchboard を終了する前に、設定ファイルへ保存しますか？";

// The factory block with MSW1-4 on: a block every page can show.
SettingsBlock ChangedBlock() {
    SettingsBlock block = FactoryBlock();
    block.bytes[4] = 0x08;
    return block;
}

std::vector<unsigned char> FileImage(const SettingsBlock& block) {
    const SettingsFileImage image = BuildSettingsFile(block);
    return std::vector<unsigned char>(image.begin(), image.end());
}

std::string Bytes(const SettingsBlock& block) {
    return std::string(block.bytes.begin(), block.bytes.end());
}

std::wstring TempFile(const std::wstring& name) {
    const std::wstring path = WindowsPathOf(TempUnixPath(name));
    DeleteFileW(path.c_str());
    return path;
}

// Starts a Unix command from the test. Wine runs it detached, without a handle to wait on,
// so callers wait for its effect.
void StartUnix(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        if (info.hThread)
            CloseHandle(info.hThread);
        if (info.hProcess)
            CloseHandle(info.hProcess);
    }
}

bool IsWritable(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// An immutable file refuses writing even to root, which Wine reports as access denied.
bool SetImmutable(const std::wstring& unixPath, bool immutable) {
    StartUnix(std::wstring(L"/usr/bin/chattr ") + (immutable ? L"+i " : L"-i ") + unixPath);
    return WaitUntil([&] { return IsWritable(WindowsPathOf(unixPath)) != immutable; });
}

class SettingsFileTest : public ProgramTest {
protected:
    // Ctrl+O and the file chosen in the open dialog; `discard` answers the discard question.
    void Read(const std::wstring& path, std::optional<int> discard = std::nullopt) {
        app.Press(Ctrl('O'));
        if (discard) {
            auto box = app.WaitForMessageBox();
            ASSERT_TRUE(box) << "no discard question";
            EXPECT_EQ(box->Text(), kDiscard);
            EXPECT_EQ(box->GetIcon(), Icon::Exclamation);
            EXPECT_EQ(box->Buttons(), (std::vector<int>{IDYES, IDNO}));
            box->Answer(*discard);
            if (*discard == IDNO)
                return;
        }
        auto dialog = WaitForFileDialog(app);
        ASSERT_TRUE(dialog) << "no open dialog";
        dialog->Choose(path);
        app.Settle();
    }

    // Ctrl+S and the file chosen in the save-as dialog.
    void Write(const std::wstring& path) {
        app.Press(Ctrl('S'));
        auto dialog = WaitForFileDialog(app);
        ASSERT_TRUE(dialog) << "no save dialog";
        dialog->Choose(path);
        app.Settle();
    }

    // Answers the dialog's own question before an existing file is replaced.
    void ConfirmOverwrite() {
        auto box = app.WaitForMessageBox();
        ASSERT_TRUE(box) << "no overwrite question";
        box->Answer(IDYES);
    }

    void ExpectMessage(const wchar_t* text, Icon icon) {
        auto box = app.WaitForMessageBox();
        ASSERT_TRUE(box) << "no message";
        EXPECT_EQ(box->Text(), text);
        EXPECT_EQ(box->GetIcon(), icon);
        EXPECT_EQ(box->Caption(), L"Switchboard");
        box->Answer(IDOK);
    }

    // Sends the working copy and returns what the printer received.
    std::string Send() {
        Printers::ClearOutput(kDefaultPort);
        app.Press(Ctrl('W'));
        auto box = app.WaitForMessageBox();
        if (!box || box->Text() != kSent)
            return {};
        box->Answer(IDOK);
        return Printers::Output(kDefaultPort);
    }

    void ShowFactorySettings() {
        app.Press(Ctrl('I'));
        if (auto question = app.WaitForMessageBox())
            question->Answer(IDOK);
        if (auto report = app.WaitForMessageBox())
            report->Answer(IDOK);
    }
};

TEST_F(SettingsFileTest, WrittenFileReadsBackTheSameBlockAndExitAsksNothingMore) {
    const std::wstring source = TempFile(L"e2e-source.dat");
    WriteFileBytes(source, FileImage(ChangedBlock()));
    Read(source);
    EXPECT_SOON(app.IsToolbarButtonEnabled(kButtonSend));

    const std::wstring written = TempFile(L"e2e-written.dat");
    Write(written);
    EXPECT_SOON_EQ(ReadFileBytes(written), FileImage(ChangedBlock()));

    ShowFactorySettings();
    Read(written); // the factory block was never sent away: no question
    EXPECT_EQ(Send(), Bytes(ChangedBlock()));

    app.SystemCommand(SC_CLOSE);
    EXPECT_TRUE(app.ExitsWithoutMessageBox());
}

TEST_F(SettingsFileTest, SignatureDecidesAndByte22IsNotChecked) {
    std::vector<unsigned char> image = FileImage(ChangedBlock());
    image[21] = '!';
    const std::wstring wrong = TempFile(L"e2e-byte21.dat");
    WriteFileBytes(wrong, image);
    Read(wrong);
    ExpectMessage(kNotSettings, Icon::Exclamation);
    EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonSend));

    image[21] = 0;
    image[22] = 0x7F;
    const std::wstring loose = TempFile(L"e2e-byte22.dat");
    WriteFileBytes(loose, image);
    Read(loose);
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    EXPECT_EQ(Send(), Bytes(ChangedBlock()));
}

TEST_F(SettingsFileTest, OverwritingALongerFileReplacesItWholeAndReadsBack) {
    const std::wstring source = TempFile(L"e2e-source2.dat");
    WriteFileBytes(source, FileImage(ChangedBlock()));
    Read(source);

    const std::wstring longer = TempFile(L"e2e-longer.dat");
    WriteFileBytes(longer, std::vector<unsigned char>(1000, 'x'));
    Write(longer);
    ConfirmOverwrite();
    EXPECT_SOON_EQ(ReadFileBytes(longer), FileImage(ChangedBlock()));

    ShowFactorySettings();
    Read(longer);
    EXPECT_EQ(Send(), Bytes(ChangedBlock()));
}

TEST_F(SettingsFileTest, ShortEmptyAndForeignFilesAreRejectedAndChangeNothing) {
    const std::vector<unsigned char> good = FileImage(ChangedBlock());
    std::vector<unsigned char> noise(1 << 20);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<unsigned char>((i * 2654435761u) >> 13);
    const std::vector<std::vector<unsigned char>> files = {
        {},
        std::vector<unsigned char>(noise.begin(), noise.begin() + 300),
        std::vector<unsigned char>(good.begin(), good.begin() + 22),
        std::vector<unsigned char>(good.begin(), good.begin() + 23),
        std::vector<unsigned char>(good.begin(), good.begin() + 212),
        noise,
    };
    const std::wstring path = TempFile(L"e2e-bad.dat");
    for (const auto& bytes : files) {
        WriteFileBytes(path, bytes);
        Read(path);
        ExpectMessage(kNotSettings, Icon::Exclamation);
        EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonSend)) << bytes.size() << " bytes";
    }
    EXPECT_FALSE(app.HasExited());
}

TEST_F(SettingsFileTest, DiscardQuestionOnlyWhenTheWorkingCopyIsUnsent) {
    const std::wstring source = TempFile(L"e2e-source3.dat");
    WriteFileBytes(source, FileImage(ChangedBlock()));
    Read(source);
    Read(source, IDNO); // read but never sent: asks, and No ends the command
    EXPECT_FALSE(WaitForFileDialog(app, 300ms));

    ASSERT_EQ(Send(), Bytes(ChangedBlock()));
    app.Press(Ctrl('O')); // sent now: straight to the dialog
    auto dialog = WaitForFileDialog(app);
    ASSERT_TRUE(dialog);
    dialog->Cancel();
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
}

TEST_F(SettingsFileTest, AccessDeniedOffersAnotherPlace) {
    const std::wstring lockedUnix = TempUnixPath(L"e2e-locked.dat");
    const std::wstring locked = WindowsPathOf(lockedUnix);
    WriteFileBytes(locked, {'x'});
    ASSERT_TRUE(SetImmutable(lockedUnix, true)) << "chattr +i did not take effect";

    ShowFactorySettings();
    Write(locked);
    ConfirmOverwrite();
    ExpectMessage(kAccessDenied, Icon::Exclamation);
    auto again = WaitForFileDialog(app);
    ASSERT_TRUE(again) << "no second save dialog";
    const std::wstring free = TempFile(L"e2e-free.dat");
    again->Choose(free);
    EXPECT_SOON_EQ(ReadFileBytes(free), FileImage(FactoryBlock()));
    EXPECT_TRUE(SetImmutable(lockedUnix, false));
    DeleteFileW(locked.c_str());
}

TEST_F(SettingsFileTest, FailedWriteIsReportedAndExitStillAsksToSave) {
    const std::wstring source = TempFile(L"e2e-source4.dat");
    WriteFileBytes(source, FileImage(ChangedBlock()));
    Read(source);
    ShowFactorySettings(); // the working copy now differs from the saved one

    // The build links this name to the full device: it opens, and every write to it fails.
    Write(WindowsPathOf(TempUnixPath(L"device-full.dat")));
    auto failure = app.WaitForMessageBox();
    ASSERT_TRUE(failure);
    if (failure->Caption() != L"Switchboard") { // the dialog's question before replacing
        failure->Answer(IDYES);
        failure = app.WaitForMessageBox();
        ASSERT_TRUE(failure);
    }
    EXPECT_EQ(failure->Text(), kWriteFailed);
    EXPECT_EQ(failure->GetIcon(), Icon::Stop);
    failure->Answer(IDOK);

    app.SystemCommand(SC_CLOSE);
    auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), kSaveBeforeExit);
    box->Answer(IDCANCEL);
    EXPECT_FALSE(app.HasExited());
}

TEST_F(SettingsFileTest, YesToSavingThenCancelKeepsTheWindowOpen) {
    const std::wstring source = TempFile(L"e2e-source5.dat");
    WriteFileBytes(source, FileImage(ChangedBlock()));
    Read(source);
    ShowFactorySettings();

    app.SystemCommand(SC_CLOSE);
    auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), kSaveBeforeExit);
    box->Answer(IDYES);
    auto dialog = WaitForFileDialog(app);
    ASSERT_TRUE(dialog);
    dialog->Cancel();
    EXPECT_TRUE(app.NoMessageBoxWithin(500ms));
    EXPECT_FALSE(app.HasExited());
}

} // namespace
} // namespace e2e
