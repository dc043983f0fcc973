// Settings files from the command line and from Explorer: a file given at start, handed over
// by a second start or dropped on the window, and the send that shows no window, with its exit
// codes and its report on standard error.
#include "ProgramTest.h"
#include "TestPrinters.h"

#include "settings/SettingsFile.h"

namespace e2e {
namespace {

// The factory block with MSW1-4 on: a block every page can show.
SettingsBlock ChangedBlock() {
    SettingsBlock block = FactoryBlock();
    block.bytes[4] = 0x08;
    return block;
}

std::wstring TempFile(const std::wstring& name) {
    return WindowsPathOf(TempUnixPath(name));
}

std::vector<std::wstring> Lines(const std::vector<unsigned char>& utf8) {
    const std::string bytes(utf8.begin(), utf8.end());
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                            static_cast<int>(text.size()))));
    std::vector<std::wstring> lines;
    for (std::size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

struct SilentRun {
    DWORD exitCode = 259;
    std::vector<std::wstring> lines; // what it wrote to standard error
    bool showedWindow = false;
};

// Runs kvswbd.exe with the arguments and its standard error redirected to a file, and waits
// until it ends.
SilentRun RunSilent(const std::wstring& arguments) {
    const std::wstring errorPath = TempFile(L"stderr.txt");
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE error = CreateFileW(errorPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                               CREATE_ALWAYS, 0, nullptr);
    SilentRun run;
    Program program;
    program.SetArguments(arguments);
    program.SetStandardError(error);
    if (program.Launch()) {
        WaitUntil(
            [&] {
                run.showedWindow = run.showedWindow || !program.TopLevelWindows().empty();
                return program.HasExited();
            },
            20s);
        run.exitCode = program.ExitCode();
    }
    CloseHandle(error);
    run.lines = Lines(ReadFileBytes(errorPath));
    return run;
}

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

constexpr wchar_t kNotSettings[] = L"このファイルは設定ファイルではありません。";
constexpr wchar_t kDiscard[] =
    L"設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。";
constexpr wchar_t kFactoryQuestion[] =
    L"現在の設定値は破棄されます、\n工場出荷設定値に変更しますか？";

const wchar_t kSecondPrinter[] = L"KV44QX 第２";
const wchar_t kFilePrinter[] = L"KV44QX ファイル";

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunningProgramCount(), 0) << "a program of an earlier test still runs";
        ASSERT_TRUE(printers.Add({kDefaultPrinter}));
        const SettingsFileImage image = BuildSettingsFile(ChangedBlock());
        WriteFileBytes(good, std::vector<unsigned char>(image.begin(), image.end()));
        // The model string with byte 21 not 00: not a settings file.
        std::vector<unsigned char> wrong(image.begin(), image.end());
        wrong[21] = 'X';
        WriteFileBytes(bad, wrong);
        DeleteFileW(missing.c_str());
    }

    // Waits for the message box and answers it; false when another box or none came.
    static bool Answer(const Program& app, const std::wstring& text, int button) {
        const auto box = app.WaitForMessageBox();
        if (!box || box->Text() != text) {
            ADD_FAILURE() << "expected the message box " << testing::PrintToString(text);
            return false;
        }
        return box->Answer(button);
    }

    // The file's settings became the working copy: it differs from the factory settings sent.
    static bool ReadGood(const Program& app) {
        if (auto box = app.FindMessageBox())
            ADD_FAILURE() << testing::PrintToString(box->Text());
        return WaitUntil([&] { return app.IsToolbarButtonEnabled(kButtonSend); }) &&
               app.NoMessageBoxWithin();
    }

    // Starts a second copy with the arguments and waits until it ends without a window of its
    // own; returns its exit code.
    static DWORD StartSecondCopy(const std::wstring& arguments) {
        Program second;
        second.SetArguments(arguments);
        bool showedWindow = false;
        if (!second.Launch() || !WaitUntil(
                                    [&] {
                                        showedWindow =
                                            showedWindow || !second.TopLevelWindows().empty();
                                        return second.HasExited();
                                    },
                                    15s))
            return 259;
        EXPECT_FALSE(showedWindow);
        return second.ExitCode();
    }

    std::string Sent() const { return std::string(block.bytes.begin(), block.bytes.end()); }

    const SettingsBlock block = ChangedBlock();
    // A long name with spaces and Japanese characters.
    const std::wstring good = TempFile(L"事務所 設定 " + std::wstring(120, L'x') + L" 本社.dat");
    const std::wstring bad = TempFile(L"bad.dat");
    const std::wstring missing = TempFile(L"missing.dat");
    Printers printers;
};

TEST_F(CommandLineTest, SendReportsAndEndsWithItsExitCode) {
    const std::wstring sentTo1 =
        std::wstring(kDefaultPrinter) + L": プリンタに設定値を送信しました。";
    const std::wstring sentTo2 =
        std::wstring(kSecondPrinter) + L": プリンタに設定値を送信しました。";
    const std::wstring notSettings = L": このファイルは設定ファイルではありません。";
    const struct {
        const char* what;
        bool morePrinters; // a second printer of the model and one on "FILE:"
        std::wstring arguments;
        DWORD exitCode;
        std::vector<std::wstring> firstLines;
        std::vector<std::wstring> portsSent;
    } cases[] = {
        {"the only printer", false, L"/send " + Quoted(good), 0, {sentTo1}, {L"LPT1:"}},
        {"two named printers",
         true,
         L"-SEND " + Quoted(good) + L" /printer KV44QX /Printer " + Quoted(kSecondPrinter),
         0,
         {sentTo1, sentTo2},
         {L"LPT1:", L"LPT2:"}},
        {"a bad file", false, L"/send " + Quoted(bad), 3, {bad + notSettings}, {}},
        {"a missing file", false, L"/send " + Quoted(missing), 3, {missing + notSettings}, {}},
        {"a printer on FILE:",
         true,
         L"/send " + Quoted(good) + L" /printer " + Quoted(kFilePrinter),
         5,
         {std::wstring(kFilePrinter) + L": 接続先がFILEのため設定値を送信できません。"},
         {}},
        {"an unknown printer",
         true,
         L"/send " + Quoted(good) + L" /printer KV44QX /printer kv44qx",
         4,
         {L"kv44qx: 使用可能なプリンタの中に見つかりません。"},
         {}},
        {"several printers, none named",
         true,
         L"/send " + Quoted(good),
         4,
         {L"使用可能なプリンタが複数あります。/printer で送信先を指定してください。"},
         {}},
        {"no file", false, L"/send", 2, {L"設定ファイルが指定されていません。", L"使い方:"}, {}},
        {"an unknown switch",
         false,
         L"/sned x.dat",
         2,
         {L"不明なスイッチです: /sned", L"使い方:"},
         {}},
        {"the usage", false, L"/?", 0, {L"使い方:"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.morePrinters) {
            ASSERT_TRUE(printers.Add({kSecondPrinter, L"LPT2:"}));
            ASSERT_TRUE(printers.Add({kFilePrinter, L"FILE:"}));
        }
        Printers::ClearOutput(L"LPT1:");
        Printers::ClearOutput(L"LPT2:");

        const SilentRun run = RunSilent(c.arguments);

        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_FALSE(run.showedWindow);
        ASSERT_GE(run.lines.size(), c.firstLines.size());
        EXPECT_EQ(
            std::vector<std::wstring>(run.lines.begin(), run.lines.begin() + c.firstLines.size()),
            c.firstLines);
        for (const wchar_t* port : {L"LPT1:", L"LPT2:"}) {
            const bool sent =
                std::find(c.portsSent.begin(), c.portsSent.end(), port) != c.portsSent.end();
            EXPECT_EQ(Printers::Output(port), sent ? Sent() : std::string()) << port;
        }
        if (c.morePrinters) {
            printers.Remove(kSecondPrinter);
            printers.Remove(kFilePrinter);
        }
    }
}

TEST_F(CommandLineTest, SendLeavesRunningWindowAlone) {
    Program app;
    ASSERT_TRUE(app.Start());

    const SilentRun run = RunSilent(L"/send " + Quoted(good));

    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(Printers::Output(L"LPT1:"), Sent());
    EXPECT_FALSE(app.HasExited());
    EXPECT_TRUE(app.NoMessageBoxWithin());
    EXPECT_FALSE(app.IsToolbarButtonEnabled(kButtonSend));
    app.End();
}

TEST_F(CommandLineTest, StartWithFileReadsItAfterStartUp) {
    // The program starts in its own folder: a relative name is found there.
    std::wstring folder = ProgramPath();
    folder.resize(folder.find_last_of(L"\\/") + 1);
    const std::wstring relative = L"相対 設定.dat";
    const SettingsFileImage image = BuildSettingsFile(block);
    WriteFileBytes(folder + relative, std::vector<unsigned char>(image.begin(), image.end()));
    const struct {
        const char* what;
        std::wstring arguments;
        bool accepted;
    } cases[] = {
        {"quoted", Quoted(good), true},       {"without quotes", good, true},
        {"relative", Quoted(relative), true}, {"not a settings file", Quoted(bad), false},
        {"missing", Quoted(missing), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Program app;
        app.SetArguments(c.arguments);
        ASSERT_TRUE(app.Start());
        if (c.accepted) {
            EXPECT_TRUE(ReadGood(app));
        } else {
            Answer(app, kNotSettings, IDOK);
            EXPECT_FALSE(app.IsToolbarButtonEnabled(kButtonSend));
        }
        app.End();
    }
    DeleteFileW((folder + relative).c_str());
}

TEST_F(CommandLineTest, StartWithFileTakesItAsSaved) {
    Program app;
    app.SetArguments(Quoted(good));
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(ReadGood(app));
    Printers::ClearOutput(L"LPT1:");

    app.Press(Ctrl('W'));
    const auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), L"プリンタに設定値を送信しました。");
    box->Answer(IDOK);
    EXPECT_EQ(Printers::Output(L"LPT1:"), Sent());
    // Sent and saved: closing asks nothing.
    app.SystemCommand(SC_CLOSE);
    EXPECT_TRUE(app.ExitsWithoutMessageBox());
}

TEST_F(CommandLineTest, DroppedFileIsReadAsTheReadCommandReadsIt) {
    Program app;
    ASSERT_TRUE(app.Start());

    // Nothing unsent: no question; of two files the first only.
    app.DropFiles({good, bad});
    EXPECT_TRUE(ReadGood(app));

    // Unsent changes now: the discard question first.
    app.DropFiles({bad});
    ASSERT_TRUE(Answer(app, kDiscard, IDNO));
    EXPECT_TRUE(app.NoMessageBoxWithin());
    app.DropFiles({bad});
    ASSERT_TRUE(Answer(app, kDiscard, IDYES));
    ASSERT_TRUE(Answer(app, kNotSettings, IDOK));

    // While a message box of the program is open, no drop is taken.
    app.Press(Ctrl('I'));
    ASSERT_TRUE(app.WaitForMessageBox());
    app.DropFiles({bad});
    app.Settle();
    ASSERT_TRUE(Answer(app, kFactoryQuestion, IDCANCEL));
    EXPECT_TRUE(app.NoMessageBoxWithin());
    app.End();
}

TEST_F(CommandLineTest, SecondStartHandsFileToRunningWindow) {
    Program app;
    ASSERT_TRUE(app.Start());

    // Busy with a message box: the file is read once the box has closed.
    app.Press(Ctrl('I'));
    ASSERT_TRUE(app.WaitForMessageBox());
    EXPECT_EQ(StartSecondCopy(Quoted(good)), 0u);
    ASSERT_TRUE(Answer(app, kFactoryQuestion, IDCANCEL));
    EXPECT_TRUE(ReadGood(app));

    // Not busy: at once, and as a drop, after the discard question.
    EXPECT_EQ(StartSecondCopy(Quoted(bad)), 0u);
    ASSERT_TRUE(Answer(app, kDiscard, IDYES));
    ASSERT_TRUE(Answer(app, kNotSettings, IDOK));
    EXPECT_EQ(RunningProgramCount(), 1);
    app.End();
}

} // namespace
} // namespace e2e
