#include "cli/CommandLine.h"
#include "cli/SendTargets.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::wstring>;

struct ParseCase {
    Args args;
    Command command;
    Args operands;
    Args printers;
    std::wstring error;
};

const ParseCase kParseCases[] = {
    {{}, Command::OpenWindow, {}, {}, L""},
    {{L"C:\\設定\\事務所 1.dat"}, Command::OpenWindow, {L"C:\\設定\\事務所 1.dat"}, {}, L""},
    // A path with spaces given without quotes.
    {{L"C:\\My", L"Settings\\a.dat"}, Command::OpenWindow, {L"C:\\My Settings\\a.dat"}, {}, L""},
    {{L"/send", L"a.dat"}, Command::Send, {L"a.dat"}, {}, L""},
    {{L"-SEND", L"a.dat", L"/Printer", L"P 1", L"-printer", L"/P2"},
     Command::Send,
     {L"a.dat"},
     {L"P 1", L"/P2"},
     L""},
    {{L"/printer", L"P", L"/send", L"a.dat"}, Command::Send, {L"a.dat"}, {L"P"}, L""},
    {{L"/?"}, Command::ShowUsage, {}, {}, L""},
    {{L"/send", L"-?", L"/bogus"}, Command::ShowUsage, {}, {}, L""},
    {{L"/send"}, Command::UsageError, {}, {}, L"設定ファイルが指定されていません。"},
    {{L"/send", L"a.dat", L"b.dat"}, Command::UsageError, {}, {}, L"余分な引数があります: b.dat"},
    {{L"/send", L"a.dat", L"/printer"},
     Command::UsageError,
     {},
     {},
     L"/printer の後に値がありません。"},
    {{L"/sned", L"a.dat"}, Command::UsageError, {}, {}, L"不明なスイッチです: /sned"},
    {{L"a.dat", L"/printer", L"P"},
     Command::UsageError,
     {},
     {},
     L"/printer は /send のときだけ指定できます。"},
    {{L"/send", L"a.dat", L"-Send"},
     Command::UsageError,
     {},
     {},
     L"/send と -Send は同時に指定できません。"},
};

TEST(CommandLine, ParsesEachForm) {
    for (const ParseCase& c : kParseCases) {
        const ParsedCommandLine parsed = ParseCommandLine(c.args);
        SCOPED_TRACE(testing::PrintToString(c.args.empty() ? std::wstring() : c.args.front()));
        EXPECT_EQ(parsed.command, c.command);
        EXPECT_EQ(parsed.error, c.error);
        if (c.command != Command::UsageError) {
            EXPECT_EQ(parsed.operands, c.operands);
            EXPECT_EQ(parsed.Values(L"printer"), c.printers);
        }
    }
}

// Only a line with nothing but blanks after the program's name has no
// arguments; anything else goes to the system's splitting as before.
TEST(CommandLine, HasArgumentsAfterTheProgramName) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"", false},
        {L"kvswbd.exe", false},
        {L"kvswbd.exe  \t ", false},
        {L"\"C:\\My Programs\\kvswbd.exe\"", false},
        {L"\"C:\\My Programs\\kvswbd.exe\" ", false},
        {L"\"C:\\My Programs\\kvswbd.exe", false}, // no closing quote: all of it is the name
        {L"kvswbd.exe a.dat", true},
        {L"kvswbd.exe\t/?", true},
        {L"kvswbd.exe \"\"", true}, // an empty argument is one
        {L"\"C:\\My Programs\\kvswbd.exe\" /send a.dat", true},
        {L"\"kvswbd.exe\"a.dat", true},
        {L"C:\\My Programs\\kvswbd.exe", true}, // unquoted: what follows the space is one
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(HasArguments(line), expected) << testing::PrintToString(std::wstring(line));
    }
}

TEST(CommandLine, ReportTakesTwoFilesAndOneComparison) {
    const ParsedCommandLine report =
        ParseCommandLine({L"-REPORT", L"a.dat", L"b.csv", L"/Compare", L"c.dat"});
    EXPECT_EQ(report.command, Command::Report);
    EXPECT_EQ(report.operands, (Args{L"a.dat", L"b.csv"}));
    EXPECT_EQ(report.Values(L"compare"), Args{L"c.dat"});
    EXPECT_EQ(ParseCommandLine({L"/report", L"a.dat"}).error,
              L"CSVファイルが指定されていません。");
    EXPECT_EQ(
        ParseCommandLine({L"/report", L"a", L"b", L"/compare", L"c", L"/compare", L"d"}).error,
        L"/compare は一度だけ指定できます。");
    EXPECT_EQ(ParseCommandLine({L"/send", L"a.dat", L"/compare", L"c"}).error,
              L"/compare は /report のときだけ指定できます。");
}

// Every usage line fits an 80-column console without wrapping; a full-width
// character takes two columns there.
TEST(CommandLine, UsageLinesFitAConsole) {
    for (const std::wstring& line : UsageLines()) {
        std::size_t columns = 0;
        for (const wchar_t c : line) {
            const bool halfWidthKana = c >= 0xFF61 && c <= 0xFF9F;
            columns += c >= 0x3000 && !halfWidthKana ? 2 : 1;
        }
        EXPECT_LE(columns, 79u) << testing::PrintToString(line);
    }
}

// How the program splits its own command line, and which arguments were quoted.
TEST(CommandLine, SplitsAsTheSystemDoesAndKeepsQuoting) {
    using Split = std::vector<std::pair<std::wstring, bool>>;
    const std::pair<const wchar_t*, Split> cases[] = {
        {L"kvswbd.exe", {}},
        {L"\"C:\\P Q\\kvswbd.exe\" a.dat  \t/send", {{L"a.dat", false}, {L"/send", false}}},
        {L"kvswbd.exe \"C:\\a b.dat\" C:\\c", {{L"C:\\a b.dat", true}, {L"C:\\c", false}}},
        {L"kvswbd.exe a\"b c\"d \"\"", {{L"ab cd", true}, {L"", true}}},
        // 2n backslashes and a quote: n and the quote opens; 2n+1: n and a literal quote.
        {L"kvswbd.exe a\\\\\"b c\" d\\\"e \\\\x",
         {{L"a\\b c", true}, {L"d\"e", false}, {L"\\\\x", false}}},
        {L"kvswbd.exe \"say \"\"hi\"\"\"", {{L"say \"hi\"", true}}},
    };
    for (const auto& [line, expected] : cases) {
        Split split;
        for (const Argument& arg : SplitCommandLine(line)) {
            split.emplace_back(arg.text, arg.quoted);
        }
        EXPECT_EQ(split, expected) << testing::PrintToString(std::wstring(line));
    }
}

// Only unquoted pieces of a path are joined; an unknown switch that names a file is a path.
TEST(CommandLine, JoinsOnlyUnquotedPiecesAndTakesFilesThatLookLikeSwitches) {
    const auto exists = [](const std::wstring& path) {
        return path == L"-old.dat" || path == L"C:\\a.dat";
    };
    const struct {
        std::vector<Argument> args;
        Command command;
        Args operands;
    } cases[] = {
        {{{L"C:\\My", false}, {L"Settings.dat", false}},
         Command::OpenWindow,
         {L"C:\\My Settings.dat"}},
        {{{L"C:\\a.dat", true}, {L"C:\\b.dat", true}},
         Command::OpenWindow,
         {L"C:\\a.dat", L"C:\\b.dat"}},
        {{{L"C:\\a.dat", false}, {L"C:\\b.dat", false}},
         Command::OpenWindow,
         {L"C:\\a.dat", L"C:\\b.dat"}},
        {{{L"-old.dat", false}}, Command::OpenWindow, {L"-old.dat"}},
        {{{L"/send", false}, {L"-old.dat", false}}, Command::Send, {L"-old.dat"}},
        {{{L"/send", false}, {L"-new.dat", false}}, Command::UsageError, {}},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = ParseArguments(c.args, exists);
        SCOPED_TRACE(testing::PrintToString(c.args.back().text));
        EXPECT_EQ(parsed.command, c.command);
        EXPECT_EQ(parsed.operands, c.operands);
    }
}

const PrinterRow kA{L"A", L"LPT1:"};
const PrinterRow kB{L"B", L"LPT2:"};
const PrinterRow kFile{L"F", L"FILE:"};
const PrinterRow kNet{L"N", L"\\\\server"};

struct TargetCase {
    std::vector<PrinterRow> listed;
    Args requested;
    int exitCode;
    Args names;
    Args lines;
};

// The end-to-end tests cover the single printer, "FILE:", an unknown name and several unnamed.
const TargetCase kTargetCases[] = {
    {{kA, kB, kNet}, {L"B", L"N", L"B"}, 0, {L"B", L"N"}, {}},
    // Names match without case, and each printer is sent to under its listed name, once.
    {{{L"Kv Ａb", L"LPT1:"}}, {L"kV ａB", L"KV ＡB"}, 0, {L"Kv Ａb"}, {}},
    {{},
     {L"A"},
     4,
     {},
     {L"使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。"}},
    {{kFile},
     {},
     5,
     {},
     {L"F: 接続先がFILEのため設定値を送信できません。", L"どのプリンタにも送信しませんでした。"}},
    // Every problem is told; a missing printer outweighs a "FILE:" port.
    {{kA, kFile},
     {L"F", L"X"},
     4,
     {},
     {L"F: 接続先がFILEのため設定値を送信できません。",
      L"X: 使用可能なプリンタの中に見つかりません。", L"どのプリンタにも送信しませんでした。"}},
};

TEST(SendTargets, ChoosesNamedOrOnlyPrinter) {
    for (const TargetCase& c : kTargetCases) {
        const SendTargets targets = ChooseSendTargets(c.listed, c.requested);
        SCOPED_TRACE(c.lines.empty() ? std::string("ok") : testing::PrintToString(c.lines.front()));
        EXPECT_EQ(targets.exitCode, c.exitCode);
        EXPECT_EQ(targets.names, c.names);
        EXPECT_EQ(targets.lines, c.lines);
    }
}

} // namespace
