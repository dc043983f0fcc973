// Settings files from the command line and from Explorer: a file given at start, handed over
// by a second start or dropped on the window, and the send that shows no window, with its exit
// codes and its report on standard error.
#include "ProgramTest.h"
#include "TestPrinters.h"

#include "../unit/GoldenBlock.h"
#include "settings/SettingsFile.h"

#include <cstring>

namespace e2e {
namespace {

constexpr wchar_t kNotSettings[] = L"このファイルは設定ファイルではありません。";
constexpr wchar_t kDiscard[] =
    L"設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。";
constexpr wchar_t kFactoryQuestion[] =
    L"現在の設定値は破棄されます、\n工場出荷設定値に変更しますか？";
constexpr wchar_t kSecondPrinter[] = L"KV44QX 第２";
constexpr wchar_t kFilePrinter[] = L"KV44QX ファイル";

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

// The lines of a text file in a code page, each ended by CR LF.
std::vector<std::wstring> TextLines(const std::vector<unsigned char>& bytes, UINT codePage) {
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(
        codePage, 0, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()),
        text.data(), static_cast<int>(text.size()))));
    std::vector<std::wstring> lines;
    for (std::size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<std::wstring> Utf8Lines(const std::wstring& path) {
    return TextLines(ReadFileBytes(path), CP_UTF8);
}

struct CopyRun {
    DWORD exitCode = 259;
    std::vector<unsigned char> bytes; // what it wrote to standard error
    std::vector<std::wstring> lines;  // the same in code page 932, which Japanese Windows reads
    bool showedWindow = false;
};

// Runs a copy of kvswbd.exe with the arguments and its standard error redirected to a file,
// and waits until it ends.
CopyRun RunCopy(const std::wstring& arguments) {
    const std::wstring errorPath = WindowsPathOf(TempUnixPath(L"stderr.txt"));
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE error = CreateFileW(errorPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                               CREATE_ALWAYS, 0, nullptr);
    CopyRun run;
    Program copy;
    copy.SetArguments(arguments);
    copy.SetStandardError(error);
    if (copy.Launch()) {
        WaitUntil([&] {
            run.showedWindow = run.showedWindow || !copy.TopLevelWindows().empty();
            return copy.HasExited();
        });
        run.exitCode = copy.ExitCode();
    }
    CloseHandle(error);
    run.bytes = ReadFileBytes(errorPath);
    run.lines = TextLines(run.bytes, 932);
    return run;
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunningProgramCount(), 0) << "a program of an earlier test still runs";
        ASSERT_TRUE(printers.Add({kDefaultPrinter}));
        block.bytes[4] = 0x08; // MSW1-4 on
        const SettingsFileImage image = BuildSettingsFile(block);
        std::vector<unsigned char> bytes(image.begin(), image.end());
        WriteFileBytes(good, bytes);
        bytes[21] = 'X'; // the model string not followed by 00
        WriteFileBytes(bad, bytes);
        DeleteFileW(missing.c_str());
    }

    std::string Sent() const { return std::string(block.bytes.begin(), block.bytes.end()); }

    // Waits for the message box and answers it.
    static bool Answer(const Program& app, const std::wstring& text, int button) {
        const auto box = app.WaitForMessageBox();
        EXPECT_TRUE(box && box->Text() == text) << "expected " << testing::PrintToString(text);
        return box && box->Text() == text && box->Answer(button);
    }

    // The good file became the working copy: it differs from the factory settings sent.
    static bool ReadGood(const Program& app) {
        return WaitUntil([&] { return app.IsToolbarButtonEnabled(kButtonSend); }) &&
               app.NoMessageBoxWithin();
    }

    SettingsBlock block = FactoryBlock();
    // A long name with spaces and Japanese characters.
    const std::wstring good =
        WindowsPathOf(TempUnixPath(L"事務所 設定 " + std::wstring(120, L'x') + L" 本社.dat"));
    const std::wstring bad = WindowsPathOf(TempUnixPath(L"bad.dat"));
    const std::wstring missing = WindowsPathOf(TempUnixPath(L"missing.dat"));
    Printers printers;
};

TEST_F(CommandLineTest, SendReportsAndEndsWithItsExitCode) {
    const std::wstring sent = L": プリンタに設定値を送信しました。";
    const std::wstring notSettings = L": このファイルは設定ファイルではありません。";
    const std::wstring printer = L" /printer ";
    const struct {
        bool morePrinters; // a second printer of the model and one on "FILE:"
        std::wstring arguments;
        DWORD exitCode;
        std::vector<std::wstring> firstLines;
        bool sentTo1, sentTo2;
    } cases[] = {
        {false, L"/send " + Quoted(good), 0, {kDefaultPrinter + sent}, true, false},
        {true,
         L"-SEND " + Quoted(good) + printer + L"KV44QX /Printer " + Quoted(kSecondPrinter),
         0,
         {kDefaultPrinter + sent, kSecondPrinter + sent},
         true,
         true},
        {false, L"/send " + Quoted(bad), 3, {bad + notSettings}, false, false},
        {false, L"/send " + Quoted(missing), 3, {missing + notSettings}, false, false},
        {true,
         L"/send " + Quoted(good) + printer + Quoted(kFilePrinter),
         5,
         {kFilePrinter + std::wstring(L": 接続先がFILEのため設定値を送信できません。"),
          L"どのプリンタにも送信しませんでした。"},
         false,
         false},
        // Windows compares printer names without case: one printer, sent to once.
        {true,
         L"/send " + Quoted(good) + printer + L"kv44qx" + printer + L"KV44QX",
         0,
         {kDefaultPrinter + sent},
         true,
         false},
        {true,
         L"/send " + Quoted(good),
         4,
         {L"使用可能なプリンタが複数あります。/printer で送信先を指定してください。"},
         false,
         false},
        {false, L"/send", 2, {L"設定ファイルが指定されていません。", L"使い方:"}, false, false},
        {false, L"/sned x.dat", 2, {L"不明なスイッチです: /sned", L"使い方:"}, false, false},
        {false, L"/?", 0, {L"使い方:"}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        if (c.morePrinters) {
            ASSERT_TRUE(printers.Add({kSecondPrinter, L"LPT2:"}));
            ASSERT_TRUE(printers.Add({kFilePrinter, L"FILE:"}));
        }
        Printers::ClearOutput(L"LPT1:");
        Printers::ClearOutput(L"LPT2:");

        const CopyRun run = RunCopy(c.arguments);

        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_FALSE(run.showedWindow);
        ASSERT_GE(run.lines.size(), c.firstLines.size());
        EXPECT_EQ(
            std::vector<std::wstring>(run.lines.begin(), run.lines.begin() + c.firstLines.size()),
            c.firstLines);
        EXPECT_SOON_EQ(Printers::Output(L"LPT1:"), c.sentTo1 ? Sent() : std::string());
        EXPECT_SOON_EQ(Printers::Output(L"LPT2:"), c.sentTo2 ? Sent() : std::string());
        if (c.morePrinters) {
            printers.Remove(kSecondPrinter);
            printers.Remove(kFilePrinter);
        }
    }
}

// A batch file's log holds its own echo lines in code page 932 beside ours: ours are in 932 too.
TEST_F(CommandLineTest, RedirectedLinesAreInTheConsoleCodePage) {
    const CopyRun run = RunCopy(L"/send " + Quoted(bad));
    EXPECT_EQ(run.exitCode, 3u);
    // ": このファイルは設定ファイルではありません。" and CR LF in code page 932.
    const std::string expected = ": \x82\xb1\x82\xcc\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcd"
                                 "\x90\xdd\x92\xe8\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xc5"
                                 "\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42\r\n";
    const std::string bytes(run.bytes.begin(), run.bytes.end());
    EXPECT_EQ(bytes, std::string(bad.begin(), bad.end()) + expected);
}

// /send sends what the window sends after reading the same file at start, fields that no
// control can show included.
TEST_F(CommandLineTest, SendFromTheCommandLineSendsWhatTheWindowSends) {
    const auto edited = [](std::size_t offset, const char* text) {
        SettingsBlock edit = GoldenBlock();
        std::memcpy(edit.bytes.data() + offset, text, std::strlen(text));
        return edit;
    };
    const std::pair<const char*, SettingsBlock> cases[] = {
        {"golden", GoldenBlock()},
        {"paper thickness 9Z", edited(64, "9Z")},
        {"paper thickness 09", edited(64, "09")},
        {"head centring (0", edited(26, "(0")},
        {"typeface 7", edited(60, "7")},
        {"line feed pitch Z9", edited(173, "Z9")},
    };
    const std::wstring path = WindowsPathOf(TempUnixPath(L"both-ways.dat"));
    for (const auto& [name, fileBlock] : cases) {
        SCOPED_TRACE(name);
        const SettingsFileImage image = BuildSettingsFile(fileBlock);
        WriteFileBytes(path, std::vector<unsigned char>(image.begin(), image.end()));
        Program app;
        app.SetArguments(Quoted(path));
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(ReadGood(app));
        Printers::ClearOutput(L"LPT1:");
        app.Press(Ctrl('W'));
        ASSERT_TRUE(Answer(app, L"プリンタに設定値を送信しました。", IDOK));
        const std::string fromWindow = Printers::Output(L"LPT1:");
        app.End();

        Printers::ClearOutput(L"LPT1:");
        EXPECT_EQ(RunCopy(L"/send " + Quoted(path)).exitCode, 0u);
        EXPECT_EQ(Printers::Output(L"LPT1:"), fromWindow);
    }
    DeleteFileW(path.c_str());
}

TEST_F(CommandLineTest, StartWithFileReadsItAfterStartUp) {
    // The program starts in its own folder: a relative name is found there.
    const std::wstring folder = ProgramPath().substr(0, ProgramPath().find_last_of(L"\\/") + 1);
    const std::wstring relative = L"相対 設定.dat";
    CopyFileW(good.c_str(), (folder + relative).c_str(), FALSE);
    const struct {
        std::wstring arguments;
        bool accepted;
    } cases[] = {
        {Quoted(good), true},     {good, true}, // without quotes
        {Quoted(relative), true}, {Quoted(bad), false}, {Quoted(missing), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        Program app;
        app.SetArguments(c.arguments);
        ASSERT_TRUE(app.Start());
        if (c.accepted) {
            ASSERT_TRUE(ReadGood(app));
        } else {
            Answer(app, kNotSettings, IDOK);
            EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonSend));
            continue; // the program ends with nothing to ask
        }
        if (&c != &cases[0])
            continue;
        // The file's block is the working copy and the saved one: after sending it, closing
        // asks nothing.
        Printers::ClearOutput(L"LPT1:");
        app.Press(Ctrl('W'));
        Answer(app, L"プリンタに設定値を送信しました。", IDOK);
        EXPECT_SOON_EQ(Printers::Output(L"LPT1:"), Sent());
        app.SystemCommand(SC_CLOSE);
        EXPECT_TRUE(app.ExitsWithoutMessageBox());
    }
    DeleteFileW((folder + relative).c_str());
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
}

TEST_F(CommandLineTest, SecondStartHandsFileToRunningWindow) {
    Program app;
    ASSERT_TRUE(app.Start());

    // Busy with a message box: the file is read once the box has closed.
    app.Press(Ctrl('I'));
    ASSERT_TRUE(app.WaitForMessageBox());
    const CopyRun second = RunCopy(Quoted(good));
    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_FALSE(second.showedWindow);
    ASSERT_TRUE(Answer(app, kFactoryQuestion, IDCANCEL));
    EXPECT_TRUE(ReadGood(app));

    // Not busy: at once, and as a drop, after the discard question.
    EXPECT_EQ(RunCopy(Quoted(bad)).exitCode, 0u);
    ASSERT_TRUE(Answer(app, kDiscard, IDYES));
    ASSERT_TRUE(Answer(app, kNotSettings, IDOK));

    // A send from the command line leaves the running window alone.
    Printers::ClearOutput(L"LPT1:");
    EXPECT_EQ(RunCopy(L"/send " + Quoted(good)).exitCode, 0u);
    EXPECT_SOON_EQ(Printers::Output(L"LPT1:"), Sent());
    EXPECT_TRUE(app.NoMessageBoxWithin());
    EXPECT_EQ(RunningProgramCount(), 1);
}

TEST_F(CommandLineTest, OnlyTheNewestWaitingHandOverIsRead) {
    Program app;
    ASSERT_TRUE(app.Start());
    app.Press(Ctrl('I'));
    ASSERT_TRUE(app.WaitForMessageBox());
    EXPECT_EQ(RunCopy(Quoted(bad)).exitCode, 0u);
    EXPECT_EQ(RunCopy(Quoted(good)).exitCode, 0u); // replaces the bad file still waiting
    ASSERT_TRUE(Answer(app, kFactoryQuestion, IDCANCEL));
    EXPECT_TRUE(ReadGood(app));
}

TEST_F(CommandLineTest, ReportWritesTheSettingsListAndEndsWithItsExitCode) {
    const std::wstring csv = WindowsPathOf(TempUnixPath(L"一覧 report.csv"));
    const std::wstring full = WindowsPathOf(TempUnixPath(L"device-full.csv")); // writes fail
    const std::wstring notSettings = L": このファイルは設定ファイルではありません。";
    const struct {
        const char* what;
        std::wstring arguments;
        DWORD exitCode;
        std::wstring firstLine;
        int marked; // rows marked as differing in the CSV file; -1: no file written
    } cases[] = {
        {"with the factory settings", L"/report " + Quoted(good) + L" " + Quoted(csv), 0,
         csv + L": 設定一覧を保存しました。", 1},
        {"with another file",
         L"/REPORT " + Quoted(good) + L" " + Quoted(csv) + L" -compare " + Quoted(good), 0,
         csv + L": 設定一覧を保存しました。", 0},
        {"a bad file", L"/report " + Quoted(bad) + L" " + Quoted(csv), 3, bad + notSettings, -1},
        {"a missing comparison",
         L"/report " + Quoted(good) + L" " + Quoted(csv) + L" /compare " + Quoted(missing), 3,
         missing + notSettings, -1},
        {"no CSV file", L"/report " + Quoted(good), 2, L"CSVファイルが指定されていません。", -1},
        {"a failed write", L"/report " + Quoted(good) + L" " + Quoted(full), 7,
         full + L": 設定一覧の保存に失敗しました。", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileW(csv.c_str());
        const CopyRun run = RunCopy(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_FALSE(run.showedWindow);
        ASSERT_FALSE(run.lines.empty());
        EXPECT_EQ(run.lines.front(), c.firstLine);
        const std::vector<std::wstring> rows = Utf8Lines(csv);
        if (c.marked < 0) {
            EXPECT_TRUE(rows.empty());
            continue;
        }
        ASSERT_EQ(rows.size(), 76u);
        EXPECT_EQ(rows.front(), L"\xFEFFページ,項目,設定値,比較先,相違");
        EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                                [](const std::wstring& row) { return row.back() == L'*'; }),
                  c.marked);
        const std::wstring msw1_4 = L"ＭＳＷ１,データ受信方法の切り替え,高速受信,";
        EXPECT_NE(
            std::find(rows.begin(), rows.end(), msw1_4 + (c.marked ? L"従来互換,*" : L"高速受信,")),
            rows.end());
    }
}

} // namespace
} // namespace e2e
