#include "Harness.h"

#include <commctrl.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMs = 5000;
constexpr int kMessageTextId = 0xFFFF;
// The icon of a message box: 0x14 on Windows, stc1 (0x440) in Wine's template.
constexpr int kMessageIconIds[] = {0x14, 0x440};

// SendMessage that gives up when the program hangs instead of hanging the test.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result))
        return 0;
    return static_cast<LRESULT>(result);
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string Utf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
    return result;
}

std::wstring Wide(const std::string& text) {
    int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring result(size > 0 ? size - 1 : 0, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, result.data(), size);
    return result;
}

// A block of memory inside the program, for the control messages that carry pointers and that
// Wine does not copy between processes (tab items, status bar texts, toolbar rectangles).
class RemoteMemory {
public:
    RemoteMemory(HWND window, size_t size) {
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               ProcessOf(window));
        if (process_)
            address_ = static_cast<char*>(
                VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
    ~RemoteMemory() {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool Valid() const { return address_ != nullptr; }
    char* At(size_t offset) const { return address_ + offset; }
    void Write(size_t offset, const void* data, size_t size) const {
        WriteProcessMemory(process_, At(offset), data, size, nullptr);
    }
    void Read(size_t offset, void* data, size_t size) const {
        ReadProcessMemory(process_, At(offset), data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    char* address_ = nullptr;
};

bool IsExtendedKey(WORD vk) {
    switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
        return true;
    default:
        return false;
    }
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

// 32-bit pixels of a bitmap, top row first.
std::vector<uint32_t> PixelsOf(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

// What the screen shows in a rectangle, or `icon` drawn on a plain background.
std::vector<uint32_t> Capture(const RECT& rect, HICON icon, COLORREF background) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (icon) {
        RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    } else {
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    }
    SelectObject(memory, old);
    std::vector<uint32_t> pixels = PixelsOf(memory, bitmap, width, height);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Icon handles belong to their process, so the icon is recognised by what the screen shows:
// each standard icon is drawn here, and its opaque pixels must match the screen.
Icon MatchStandardIcon(HWND iconControl) {
    struct Candidate {
        Icon icon;
        const wchar_t* resource;
    };
    const Candidate candidates[] = {{Icon::Exclamation, IDI_EXCLAMATION},
                                    {Icon::Information, IDI_INFORMATION},
                                    {Icon::Stop, IDI_HAND},
                                    {Icon::Question, IDI_QUESTION}};
    RECT rect;
    GetWindowRect(iconControl, &rect);
    const std::vector<uint32_t> shown = Capture(rect, nullptr, 0);
    for (const Candidate& candidate : candidates) {
        HICON icon = LoadIconW(nullptr, candidate.resource);
        const std::vector<uint32_t> onBlack = Capture(rect, icon, RGB(0, 0, 0));
        const std::vector<uint32_t> onWhite = Capture(rect, icon, RGB(255, 255, 255));
        size_t opaque = 0, differing = 0;
        for (size_t i = 0; i < shown.size(); ++i) {
            if (onBlack[i] != onWhite[i])
                continue;
            ++opaque;
            if (onBlack[i] != shown[i])
                ++differing;
        }
        if (opaque > 0 && differing * 50 <= opaque)
            return candidate.icon;
    }
    return Icon::Unknown;
}

bool IsMessageBoxWindow(HWND window) {
    bool hasText = false;
    for (HWND child : ChildrenOf(window)) {
        const std::wstring className = ClassOf(child);
        if (_wcsicmp(className.c_str(), L"Static") != 0 &&
            _wcsicmp(className.c_str(), L"Button") != 0)
            return false;
        if (GetDlgCtrlID(child) == kMessageTextId)
            hasText = true;
    }
    return hasText;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        // Keep this thread's own windows answering while it waits.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

std::wstring DosPath(const std::string& unixPath) {
    using ToDos = WCHAR*(CDECL*)(const char*);
    auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (toDos) {
        if (WCHAR* converted = toDos(unixPath.c_str())) {
            std::wstring result = converted;
            HeapFree(GetProcessHeap(), 0, converted);
            return result;
        }
    }
    std::wstring result = L"Z:" + Wide(unixPath);
    std::replace(result.begin(), result.end(), L'/', L'\\');
    return result;
}

std::wstring UnixPath(const std::wstring& dosPath) {
    using ToUnix = char*(CDECL*)(const WCHAR*);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix) {
        if (char* converted = toUnix(dosPath.c_str())) {
            std::wstring result = Wide(converted);
            HeapFree(GetProcessHeap(), 0, converted);
            return result;
        }
    }
    std::wstring result = dosPath.size() > 2 && dosPath[1] == L':' ? dosPath.substr(2) : dosPath;
    std::replace(result.begin(), result.end(), L'\\', L'/');
    return result;
}

std::wstring ProgramPath() {
    const wchar_t* value = _wgetenv(L"KVSWBD_EXE");
    if (!value || !*value)
        return {};
    if (value[0] == L'/')
        return DosPath(Utf8(value));
    return value;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    const LRESULT length = Send(window, WM_GETTEXTLENGTH);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

bool IsChecked(HWND button) {
    return Send(button, BM_GETCHECK) == BST_CHECKED;
}

int ComboSelection(HWND combo) {
    return static_cast<int>(Send(combo, CB_GETCURSEL));
}

std::wstring ComboItem(HWND combo, int index) {
    const LRESULT length = Send(combo, CB_GETLBTEXTLEN, index);
    if (length < 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

Key Ctrl(WORD vk) {
    return Key{vk, {VK_CONTROL}};
}

Key Alt(WORD vk) {
    return Key{vk, {VK_MENU}};
}

std::ostream& operator<<(std::ostream& out, Icon icon) {
    switch (icon) {
    case Icon::None:
        return out << "no icon";
    case Icon::Exclamation:
        return out << "exclamation";
    case Icon::Information:
        return out << "information";
    case Icon::Stop:
        return out << "stop";
    case Icon::Question:
        return out << "question";
    case Icon::Unknown:
        break;
    }
    return out << "unknown icon";
}

// ---------------------------------------------------------------------------------------------
// MsgBox

std::wstring MsgBox::Caption() const {
    return TextOf(window_);
}

std::wstring MsgBox::Text() const {
    return TextOf(GetDlgItem(window_, kMessageTextId));
}

Icon MsgBox::GetIcon() const {
    HWND control = nullptr;
    for (int id : kMessageIconIds) {
        control = GetDlgItem(window_, id);
        if (control)
            break;
    }
    if (!control || !IsWindowVisible(control) || !Send(control, STM_GETICON))
        return Icon::None;
    // The box may not be painted yet right after it appeared.
    Icon icon = Icon::Unknown;
    WaitUntil(
        [&] {
            icon = MatchStandardIcon(control);
            return icon != Icon::Unknown;
        },
        2s);
    return icon;
}

std::vector<int> MsgBox::Buttons() const {
    std::vector<int> buttons;
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDCLOSE, IDHELP,
                   IDTRYAGAIN, IDCONTINUE}) {
        HWND button = GetDlgItem(window_, id);
        if (button && IsWindowVisible(button) && _wcsicmp(ClassOf(button).c_str(), L"Button") == 0)
            buttons.push_back(id);
    }
    return buttons;
}

bool MsgBox::Answer(int buttonId) const {
    HWND button = GetDlgItem(window_, buttonId);
    if (!button)
        return false;
    Send(button, BM_CLICK);
    // The box hides at once but its modal loop ends only later, and a key that loop takes on
    // its way out is lost: the box is closed when its window is gone.
    return WaitUntil([&] { return !IsWindow(window_); });
}

// ---------------------------------------------------------------------------------------------
// Program

Program::~Program() {
    End();
}

bool Program::Launch() {
    const std::wstring path = path_.empty() ? ProgramPath() : path_;
    if (path.empty())
        return false;
    const std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!arguments_.empty())
        commandLine += L" " + arguments_;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (standardError_) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = standardError_;
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr,
                        standardError_ ? TRUE : FALSE, 0, nullptr, folder.c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return true;
}

bool Program::Start(milliseconds timeout) {
    return Launch() && WaitForMainWindow(timeout);
}

bool Program::WaitForMainWindow(milliseconds timeout) {
    WaitUntil(
        [&] {
            window_ = FindMainWindow();
            return (window_ && IsWindowVisible(window_)) || HasExited();
        },
        timeout);
    if (!window_ || !IsWindowVisible(window_) || HasExited())
        return false;
    Activate();
    Settle();
    return true;
}

void Program::End() {
    if (!process_)
        return;
    if (!HasExited()) {
        // A polite close only when nothing modal is open: a close command would otherwise run
        // the exit flow behind an open dialog.
        const std::vector<HWND> windows = TopLevelWindows();
        if (window_ && IsWindowEnabled(window_) && windows.size() == 1 && windows[0] == window_) {
            PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
            WaitUntil([&] { return HasExited() || FindMessageBox().has_value(); }, 3s);
        }
        if (!HasExited())
            TerminateProcess(process_, 1);
    }
    WaitForSingleObject(process_, 10000);
    GetExitCodeProcess(process_, &exitCode_);
    CloseHandle(process_);
    process_ = nullptr;
    processId_ = 0;
    window_ = nullptr;
}

void Program::DropFiles(const std::vector<std::wstring>& paths) {
    std::vector<wchar_t> names;
    for (const std::wstring& path : paths) {
        names.insert(names.end(), path.begin(), path.end());
        names.push_back(L'\0');
    }
    names.push_back(L'\0');
    DROPFILES header{sizeof(DROPFILES), {10, 10}, FALSE, TRUE};
    const size_t size = sizeof(header) + names.size() * sizeof(wchar_t);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId_);
    if (!process)
        return;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (remote) {
        WriteProcessMemory(process, remote, &header, sizeof(header), nullptr);
        WriteProcessMemory(process, remote + sizeof(header), names.data(),
                           names.size() * sizeof(wchar_t), nullptr);
        PostMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    }
    CloseHandle(process);
}

bool Program::HasExited() const {
    return !process_ || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

bool Program::WaitForExit(milliseconds timeout) const {
    return WaitUntil([&] { return HasExited(); }, timeout);
}

DWORD Program::ExitCode() const {
    DWORD code = exitCode_;
    if (process_)
        GetExitCodeProcess(process_, &code);
    return code;
}

namespace {

struct WindowSearch {
    DWORD processId;
    bool visibleOnly;
    std::vector<HWND> found;
};

// A named CALLBACK function, not a lambda: on 32-bit Windows the callback must
// use the stdcall convention, which a lambda cannot convert to.
BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    if (ProcessOf(window) == search->processId && (!search->visibleOnly || IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> Program::TopLevelWindows(bool visibleOnly) const {
    WindowSearch search{processId_, visibleOnly, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::FindMainWindow() const {
    for (HWND window : TopLevelWindows(false)) {
        if (ClassOf(window) == kDialogClass && TextOf(window) == kMainTitle)
            return window;
    }
    return nullptr;
}

HWND Program::FindDialog(const std::wstring& title) const {
    for (HWND window : TopLevelWindows()) {
        if (window != window_ && ClassOf(window) == kDialogClass && TextOf(window) == title)
            return window;
    }
    return nullptr;
}

HWND Program::WaitForDialog(const std::wstring& title, milliseconds timeout) const {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindDialog(title)) != nullptr; }, timeout);
    return dialog;
}

HWND Program::DropDownMenu() const {
    for (HWND window : TopLevelWindows()) {
        if (ClassOf(window) == L"#32768")
            return window;
    }
    return nullptr;
}

HWND Program::Toolbar() const {
    return FindWindowExW(window_, nullptr, TOOLBARCLASSNAMEW, nullptr);
}

HWND Program::StatusBar() const {
    return FindWindowExW(window_, nullptr, STATUSCLASSNAMEW, nullptr);
}

std::vector<HWND> Program::Pages() const {
    std::vector<HWND> pages;
    for (HWND child : ChildrenOf(window_)) {
        if (ClassOf(child) == kDialogClass)
            pages.push_back(child);
    }
    return pages;
}

HWND Program::VisiblePage() const {
    HWND visible = nullptr;
    for (HWND page : Pages()) {
        if (!IsWindowVisible(page))
            continue;
        if (visible)
            return nullptr;
        visible = page;
    }
    return visible;
}

int Program::SelectedTab() const {
    return static_cast<int>(Send(TabControl(), TCM_GETCURSEL));
}

int ListRowCount(HWND list) {
    return static_cast<int>(Send(list, LVM_GETITEMCOUNT));
}

std::wstring ListItemText(HWND list, int row, int column) {
    constexpr size_t kChars = 256;
    RemoteMemory memory(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    if (!memory.Valid())
        return {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof(LVITEMW)));
    item.cchTextMax = kChars;
    memory.Write(0, &item, sizeof(item));
    Send(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory.At(0)));
    wchar_t text[kChars] = {};
    memory.Read(sizeof(LVITEMW), text, sizeof(text) - sizeof(wchar_t));
    return text;
}

int ListSelection(HWND list) {
    return static_cast<int>(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectListRow(HWND list, int row) {
    RemoteMemory memory(list, sizeof(LVITEMW));
    if (!memory.Valid())
        return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    memory.Write(0, &item, sizeof(item));
    Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory.At(0)));
}

std::wstring Program::TabText(int index) const {
    constexpr size_t kChars = 256;
    RemoteMemory memory(window_, sizeof(TCITEMW) + kChars * sizeof(wchar_t));
    if (!memory.Valid())
        return {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof(TCITEMW)));
    item.cchTextMax = kChars;
    memory.Write(0, &item, sizeof(item));
    wchar_t text[kChars] = {};
    if (Send(TabControl(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(memory.At(0))))
        memory.Read(sizeof(TCITEMW), text, sizeof(text));
    text[kChars - 1] = L'\0';
    return text;
}

std::wstring Program::StatusText(int part) const {
    HWND bar = StatusBar();
    const size_t length = LOWORD(Send(bar, SB_GETTEXTLENGTHW, part));
    RemoteMemory memory(window_, (length + 1) * sizeof(wchar_t));
    if (!memory.Valid())
        return {};
    Send(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(memory.At(0)));
    std::wstring text(length + 1, L'\0');
    memory.Read(0, text.data(), text.size() * sizeof(wchar_t));
    text.resize(length);
    return text;
}

bool Program::IsToolbarButtonEnabled(int id) const {
    return Send(Toolbar(), TB_ISBUTTONENABLED, id) != 0;
}

HWND Program::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool Program::IsFocusIn(HWND window) const {
    HWND focus = Focus();
    return focus && window && (focus == window || IsChild(window, focus));
}

std::optional<MsgBox> Program::FindMessageBox() const {
    for (HWND window : TopLevelWindows()) {
        if (window != window_ && ClassOf(window) == kDialogClass && IsMessageBoxWindow(window))
            return MsgBox(window);
    }
    return std::nullopt;
}

std::optional<MsgBox> Program::WaitForMessageBox(milliseconds timeout) const {
    std::optional<MsgBox> box;
    WaitUntil([&] { return (box = FindMessageBox()).has_value(); }, timeout);
    return box;
}

bool Program::NoMessageBoxWithin(milliseconds period) const {
    Settle();
    return !WaitUntil([&] { return FindMessageBox().has_value(); }, period);
}

bool Program::ExitsWithoutMessageBox(milliseconds timeout) const {
    bool asked = false;
    WaitUntil(
        [&] {
            asked = asked || FindMessageBox().has_value();
            return asked || HasExited();
        },
        timeout);
    return HasExited() && !asked;
}

bool Program::Activate(HWND window) {
    HWND target = window ? window : window_;
    SetForegroundWindow(target);
    return WaitUntil([&] { return GetForegroundWindow() == target; }, 2s);
}

void Program::EnsureProgramInFront() {
    if (ProcessOf(GetForegroundWindow()) != processId_)
        Activate();
}

bool Program::TakesKeys() const {
    HWND front = GetForegroundWindow();
    if (!front || ProcessOf(front) != processId_ || !IsWindowVisible(front) ||
        !IsWindowEnabled(front))
        return false;
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(front, nullptr), &info) &&
           info.hwndActive == front && info.hwndFocus &&
           (info.hwndFocus == front || IsChild(front, info.hwndFocus));
}

void Program::Press(const Key& key) {
    EnsureProgramInFront();
    // Keys go to the window in front as they are queued. While a message box closes and its
    // owner is enabled and activated again, none of the program's windows may take them.
    WaitUntil([&] { return TakesKeys(); }, 5s);
    std::vector<INPUT> inputs;
    for (WORD modifier : key.modifiers)
        inputs.push_back(KeyInput(modifier, false));
    inputs.push_back(KeyInput(key.vk, false));
    inputs.push_back(KeyInput(key.vk, true));
    for (auto modifier = key.modifiers.rbegin(); modifier != key.modifiers.rend(); ++modifier)
        inputs.push_back(KeyInput(*modifier, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Settle();
}

void Program::SetFocusTo(HWND control) {
    EnsureProgramInFront();
    const DWORD self = GetCurrentThreadId();
    const DWORD target = GetWindowThreadProcessId(control, nullptr);
    AttachThreadInput(self, target, TRUE);
    SetFocus(control);
    AttachThreadInput(self, target, FALSE);
    Settle();
}

void Program::Click(HWND window, POINT client) {
    EnsureProgramInFront();
    ClientToScreen(window, &client);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(client.x, 65535, width - 1);
        input.mi.dy = MulDiv(client.y, 65535, height - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
    Settle();
}

void Program::ClickToolbarButton(int id) {
    HWND toolbar = Toolbar();
    const LRESULT index = Send(toolbar, TB_COMMANDTOINDEX, id);
    RemoteMemory memory(toolbar, sizeof(RECT));
    RECT rect{};
    if (memory.Valid() &&
        Send(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(memory.At(0))))
        memory.Read(0, &rect, sizeof(rect));
    Click(toolbar, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void Program::Command(int id) {
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Settle();
}

void Program::SystemCommand(WPARAM command) {
    PostMessageW(window_, WM_SYSCOMMAND, command, 0);
    Settle();
}

void Program::Settle() const {
    if (HasExited())
        return;
    // Sent messages are handled before posted messages and typed input, so a round trip
    // proves nothing about them. A window is painted only when no posted message and no
    // input is left in its thread's queue: once a window of the program in front has painted
    // what was invalidated after the input, everything queued before has been handled.
    HWND front = GetForegroundWindow();
    HWND target = ProcessOf(front) == processId_ && IsWindowVisible(front) ? front : window_;
    if (InvalidateRect(target, nullptr, FALSE) && GetUpdateRect(target, nullptr, FALSE)) {
        WaitUntil([&] {
            return !IsWindow(target) || !GetUpdateRect(target, nullptr, FALSE) || HasExited();
        });
        return;
    }
    for (int i = 0; i < 3; ++i)
        Send(window_, WM_NULL);
}

int RunningProgramCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, L"kvswbd.exe") == 0)
            ++count;
    }
    CloseHandle(snapshot);
    return count;
}

void SetProgramWindowsUnmanaged(bool unmanaged) {
    constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\kvswbd.exe\\X11 Driver";
    if (!unmanaged) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"Managed");
        return;
    }
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"),
                   2 * sizeof(wchar_t));
    RegCloseKey(key);
}

} // namespace e2e
