#include "framework/Paths.h"

std::wstring ProgramFolder(const std::wstring& executablePath) {
    const std::size_t slash = executablePath.rfind(L'\\');
    return slash == std::wstring::npos ? executablePath : executablePath.substr(0, slash + 1);
}
