#pragma once
// The application object: one per process, created as a static object. The
// entry point calls Run, which calls InitInstance; when InitInstance returns
// false the process ends with no message loop of the application's own, with
// the exit code that InitInstance set (0 unless it set one).

#include "framework/Wnd.h"

#include <functional>
#include <string>

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // The one application object of the process, or null when there is none.
    static CWinApp* Current() { return s_current; }

    int Run(HINSTANCE instance);
    virtual bool InitInstance() = 0;

    HINSTANCE Instance() const { return m_instance; }
    // The executable's file name without folder and extension.
    const std::wstring& AppName() const { return m_appName; }

    CWnd* m_pMainWnd = nullptr;

protected:
    void SetExitCode(int code) { m_exitCode = code; }

private:
    static CWinApp* s_current;
    HINSTANCE m_instance = nullptr;
    std::wstring m_appName;
    int m_exitCode = 0;
};

// The longest path the system takes, in characters with the terminator.
constexpr DWORD kLongestPath = 32768;

// The text of a call that cuts what does not fit and then fills the whole
// buffer, as GetModuleFileNameW does: asked again with a larger buffer until
// the text fits, up to kLongestPath characters.
std::wstring ReadWhole(const std::function<DWORD(wchar_t* buffer, DWORD size)>& call);

// Writes all `size` bytes at `data` to `file`, call after call while the
// system takes part of them; false when a call fails or takes nothing.
bool WriteAll(HANDLE file, const void* data, std::size_t size);

// Full path of the program's executable, however long.
std::wstring ExecutablePath();
// The system folder, without a closing backslash: where system libraries are
// loaded from by full path.
std::wstring SystemFolder();
// The version of Windows as the system reports it (platform, major, minor).
OSVERSIONINFOW WindowsVersion();

// The module the program's resources come from.
HINSTANCE AppInstance();
// The application's name: the executable's file name without extension.
std::wstring AppTitle();
