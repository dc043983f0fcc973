#include "framework/WinApp.h"

CWinApp* CWinApp::s_current = nullptr;

namespace {

std::wstring ExecutableTitle() {
    std::wstring name = ExecutablePath();
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        name.erase(0, slash + 1);
    }
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) {
        name.erase(dot);
    }
    return name;
}

} // namespace

CWinApp::CWinApp() : m_appName(ExecutableTitle()) {
    s_current = this;
}

CWinApp::~CWinApp() {
    if (s_current == this) {
        s_current = nullptr;
    }
}

int CWinApp::Run(HINSTANCE instance) {
    m_instance = instance;
    if (!InitInstance()) {
        return m_exitCode;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

std::wstring ReadWhole(const std::function<DWORD(wchar_t* buffer, DWORD size)>& call) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
        // A buffer filled to its end may have been cut.
        if (length < text.size() || text.size() >= kLongestPath) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

bool WriteAll(HANDLE file, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    std::size_t total = 0;
    while (total < size) {
        DWORD written = 0;
        if (!WriteFile(file, bytes + total, static_cast<DWORD>(size - total), &written, nullptr) ||
            written == 0) {
            return false;
        }
        total += written;
    }
    return true;
}

std::wstring ExecutablePath() {
    return ReadWhole(
        [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}

std::wstring SystemFolder() {
    std::wstring folder(GetSystemDirectoryW(nullptr, 0), L'\0');
    folder.resize(GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size())));
    return folder;
}

OSVERSIONINFOW WindowsVersion() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExW(&version);
    return version;
}

HINSTANCE AppInstance() {
    if (CWinApp* app = CWinApp::Current(); app && app->Instance()) {
        return app->Instance();
    }
    return GetModuleHandleW(nullptr);
}

std::wstring AppTitle() {
    if (CWinApp* app = CWinApp::Current()) {
        return app->AppName();
    }
    return ExecutableTitle();
}
