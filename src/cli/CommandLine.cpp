#include "cli/CommandLine.h"

#include <algorithm>

namespace {

struct OptionRow {
    const wchar_t* name; // lower case, without '/'
    bool repeatable;
};

struct CommandRow {
    Command command;
    const wchar_t* name; // the switch that selects it, lower case; null for the window
    // What each operand is, for the message when it is missing; the command
    // takes exactly these operands.
    std::vector<const wchar_t*> operands;
    std::vector<OptionRow> options; // each takes one value
    std::vector<const wchar_t*> usage;
};

const std::vector<CommandRow>& Commands() {
    static const std::vector<CommandRow> commands = {
        {Command::OpenWindow,
         nullptr,
         {},
         {},
         {L"  kvswbd.exe [設定ファイル]",
          L"    ウィンドウを開きます。設定ファイルを指定すると、それを読み込みます。"}},
        {Command::Send,
         L"send",
         {L"設定ファイル"},
         {{L"printer", true}},
         {L"  kvswbd.exe /send 設定ファイル [/printer プリンタ名]...",
          L"    ウィンドウを開かずに、設定ファイルの設定値をプリンタへ送信します。",
          L"    /printer を省略すると、使用可能なプリンタが１台だけのとき、",
          L"    そのプリンタへ送信します。",
          L"    終了コード: 0 送信完了、2 引数の誤り、3 設定ファイルを読み込めない、",
          L"      4 送信先のプリンタがない、5 接続先がFILE、6 送信に失敗したプリンタがある"}},
        {Command::Report,
         L"report",
         {L"設定ファイル", L"CSVファイル"},
         {{L"compare", false}},
         {L"  kvswbd.exe /report 設定ファイル CSVファイル [/compare 比較先の設定ファイル]",
          L"    ウィンドウを開かずに、設定ファイルの設定一覧をCSVファイルに保存します。",
          L"    /compare を省略すると、工場出荷設定と比較します。",
          L"    終了コード: 0 保存完了、2 引数の誤り、3 設定ファイルを読み込めない、",
          L"      7 CSVファイルに書き込めない"}},
        {Command::ShowUsage, L"?", {}, {}, {L"  kvswbd.exe /?", L"    この使い方を表示します。"}},
    };
    return commands;
}

bool IsSwitch(const std::wstring& arg) {
    return arg.size() > 1 && (arg[0] == L'/' || arg[0] == L'-');
}

std::wstring SwitchName(const std::wstring& arg) {
    std::wstring name = arg.substr(1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c; });
    return name;
}

const CommandRow* FindCommand(const std::wstring& name) {
    for (const CommandRow& row : Commands()) {
        if (row.name && name == row.name) {
            return &row;
        }
    }
    return nullptr;
}

const OptionRow* FindOption(const CommandRow& row, const std::wstring& name) {
    for (const OptionRow& option : row.options) {
        if (name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

// The command that takes an option, or null when none does.
const CommandRow* CommandOfOption(const std::wstring& name) {
    const auto row = std::find_if(Commands().begin(), Commands().end(), [&](const CommandRow& r) {
        return FindOption(r, name) != nullptr;
    });
    return row == Commands().end() ? nullptr : &*row;
}

ParsedCommandLine Failure(const std::wstring& error) {
    ParsedCommandLine result;
    result.command = Command::UsageError;
    result.error = error;
    return result;
}

} // namespace

std::vector<std::wstring> ParsedCommandLine::Values(const std::wstring& option) const {
    std::vector<std::wstring> values;
    for (const auto& [name, value] : options) {
        if (name == option) {
            values.push_back(value);
        }
    }
    return values;
}

namespace {

// Where the program's name ends: at its closing quote when it begins with
// one, else at the first space or tab.
std::size_t ProgramNameEnd(const std::wstring& commandLine) {
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const std::size_t end = commandLine.find(L'"', 1);
        return end == std::wstring::npos ? commandLine.size() : end + 1;
    }
    return std::min(commandLine.find_first_of(L" \t"), commandLine.size());
}

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

} // namespace

bool HasArguments(const std::wstring& commandLine) {
    return commandLine.find_first_not_of(L" \t", ProgramNameEnd(commandLine)) != std::wstring::npos;
}

std::vector<Argument> SplitCommandLine(const std::wstring& commandLine) {
    std::vector<Argument> args;
    std::size_t i = ProgramNameEnd(commandLine);
    const std::size_t size = commandLine.size();
    for (;;) {
        while (i < size && IsBlank(commandLine[i])) {
            ++i;
        }
        if (i == size) {
            return args;
        }
        Argument arg;
        bool inQuotes = false;
        while (i < size && (inQuotes || !IsBlank(commandLine[i]))) {
            std::size_t backslashes = 0;
            while (i < size && commandLine[i] == L'\\') {
                ++backslashes;
                ++i;
            }
            if (i < size && commandLine[i] == L'"') {
                arg.text.append(backslashes / 2, L'\\');
                if (backslashes % 2 == 1) {
                    arg.text += L'"';
                } else if (inQuotes && i + 1 < size && commandLine[i + 1] == L'"') {
                    arg.text += L'"';
                    ++i;
                } else {
                    inQuotes = !inQuotes;
                    arg.quoted = true;
                }
                ++i;
            } else {
                arg.text.append(backslashes, L'\\');
                if (i < size && (inQuotes || !IsBlank(commandLine[i]))) {
                    arg.text += commandLine[i++];
                }
            }
        }
        args.push_back(arg);
    }
}

ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& args) {
    std::vector<Argument> unquoted;
    for (const std::wstring& arg : args) {
        unquoted.push_back({arg, false});
    }
    return ParseArguments(unquoted);
}

ParsedCommandLine ParseArguments(const std::vector<Argument>& args, const FileExists& fileExists) {
    ParsedCommandLine result;
    const CommandRow* command = nullptr;
    std::wstring commandArg;
    bool anyQuoted = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i].text;
        const std::wstring name = IsSwitch(arg) ? SwitchName(arg) : std::wstring();
        const bool known = name == L"?" || FindCommand(name) || CommandOfOption(name);
        if (!IsSwitch(arg) || (!known && fileExists && fileExists(arg))) {
            result.operands.push_back(arg);
            anyQuoted = anyQuoted || args[i].quoted;
            continue;
        }
        if (name == L"?") {
            result = {};
            result.command = Command::ShowUsage;
            return result; // whatever else is given
        }
        if (const CommandRow* row = FindCommand(name)) {
            if (command) {
                return Failure(commandArg + L" と " + arg + L" は同時に指定できません。");
            }
            command = row;
            commandArg = arg;
        } else if (CommandOfOption(name)) {
            if (i + 1 == args.size()) {
                return Failure(arg + L" の後に値がありません。");
            }
            result.options.emplace_back(name, args[++i].text);
        } else {
            return Failure(L"不明なスイッチです: " + arg);
        }
    }

    if (!command) {
        command = &Commands().front();
        // A path with spaces given without quotes arrives in pieces.
        if (result.operands.size() > 1 && !anyQuoted &&
            !(fileExists && fileExists(result.operands.front()))) {
            std::wstring path = result.operands.front();
            for (std::size_t i = 1; i < result.operands.size(); ++i) {
                path += L" " + result.operands[i];
            }
            result.operands = {path};
        }
    }
    for (std::size_t i = 0; i < result.options.size(); ++i) {
        const std::wstring& name = result.options[i].first;
        const OptionRow* option = FindOption(*command, name);
        if (!option) {
            return Failure(L"/" + name + L" は /" + CommandOfOption(name)->name +
                           L" のときだけ指定できます。");
        }
        if (!option->repeatable && result.Values(name).size() > 1) {
            return Failure(L"/" + name + L" は一度だけ指定できます。");
        }
    }
    const std::size_t wanted =
        command->command == Command::OpenWindow ? result.operands.size() : command->operands.size();
    if (result.operands.size() < wanted) {
        return Failure(std::wstring(command->operands[result.operands.size()]) +
                       L"が指定されていません。");
    }
    if (result.operands.size() > wanted) {
        return Failure(L"余分な引数があります: " + result.operands[wanted]);
    }
    result.command = command->command;
    return result;
}

std::vector<std::wstring> UsageLines() {
    std::vector<std::wstring> lines{L"使い方:"};
    for (const CommandRow& row : Commands()) {
        lines.insert(lines.end(), row.usage.begin(), row.usage.end());
    }
    return lines;
}
