#pragma once
// What the program is asked to do on its command line: the whole line is
// split into arguments (SplitCommandLine) and parsed (ParseArguments).
// A switch starts with '/' or '-' and is compared without regard to case;
// an option switch takes the next argument as its value; every other
// argument is an operand, and so is an unknown switch that names an existing
// file. Portable.
//
// A command that shows no window is one row of the table in CommandLine.cpp:
// its switch, its operands, its options and its lines of the usage text.

#include <functional>
#include <string>
#include <vector>

enum class Command {
    OpenWindow, // no command switch: the main window, with a settings file to read when given
    ShowUsage,  // /?
    Send,       // /send PATH [/printer NAME]...
    Report,     // /report PATH OUT.csv [/compare OTHER]
    UsageError, // the arguments fit no command; `error` says why
};

// Exit codes of the commands that show no window.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;           // unknown switch, missing or extra argument
constexpr int kExitNotSettingsFile = 3; // the file is missing, unreadable or not a settings file
constexpr int kExitNoPrinter = 4;       // no printer to send to
constexpr int kExitFilePort = 5;        // a printer to send to is on "FILE:"
constexpr int kExitSendFailed = 6;      // at least one printer did not take its job
constexpr int kExitWriteFailed = 7;     // the CSV file could not be written

struct ParsedCommandLine {
    Command command = Command::OpenWindow;
    std::vector<std::wstring> operands;
    // The option switches given, in order: name in lower case without its
    // '/' or '-', and the value.
    std::vector<std::pair<std::wstring, std::wstring>> options;
    std::wstring error; // UsageError only: one line for the user

    // The values of one option (name in lower case), in order.
    std::vector<std::wstring> Values(const std::wstring& option) const;
};

// One argument of a command line, and whether any part of it was in quotes.
struct Argument {
    std::wstring text;
    bool quoted = false;
};

// The arguments after the program's name, split as CommandLineToArgvW splits
// them: blanks separate arguments outside quotes; 2n backslashes before a
// quote give n backslashes and the quote opens or closes, 2n+1 give n and a
// literal quote; a doubled quote inside quotes is a literal quote.
std::vector<Argument> SplitCommandLine(const std::wstring& commandLine);

// True for a path that names an existing file; tells an unknown switch that
// is a file name ("-old.dat") from a mistyped switch.
using FileExists = std::function<bool(const std::wstring& path)>;

// Parses the arguments. Without a command switch, unquoted operands are the
// pieces of one path with spaces, given without quotes, and are joined with
// spaces unless the first names an existing file; quoted operands are never
// joined, and the window reads the first operand.
ParsedCommandLine ParseArguments(const std::vector<Argument>& args,
                                 const FileExists& fileExists = nullptr);

// ParseArguments of unquoted arguments with no file check.
ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& args);

// True when a whole command line (GetCommandLineW) holds anything after the
// program's name, which is skipped as CommandLineToArgvW skips it: up to the
// closing quote when it begins with one, else up to the first space or tab.
// Without arguments the program need not load the shell library to split them.
bool HasArguments(const std::wstring& commandLine);

// The usage text that /? prints, one line per element.
std::vector<std::wstring> UsageLines();
