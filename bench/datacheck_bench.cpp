// The cost of one data check (collecting all seven pages into the block and
// comparing it with the sent copy) and of loading all pages from a block,
// measured in-process over many repetitions.
// Usage: datacheck_bench [repetitions]
#include "pages/Page_MSW1.h"
#include "pages/Page_MSW2.h"
#include "pages/Page_MSW3.h"
#include "pages/Page_MSW4.h"
#include "pages/Page_Param.h"
#include "pages/Page_Param_2.h"
#include "pages/Page_Select.h"

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1e6 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int repetitions = argc > 1 ? std::max(1, _wtoi(argv[1])) : 2000;
    InitCommonControls();
    HWND parent = CreateWindowExW(0, L"STATIC", L"bench", WS_POPUP, 0, 0, 600, 600, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);

    CPage_Select select;
    CPage_Param param;
    CPage_Param_2 param2;
    CPage_MSW1 msw1;
    CPage_MSW2 msw2;
    CPage_MSW3 msw3;
    CPage_MSW4 msw4;
    const std::array<CSettingsPage*, 7> pages = {&select, &param, &param2, &msw1,
                                                 &msw2,   &msw3,  &msw4};
    const double createStart = Now();
    for (CSettingsPage* page : pages) {
        page->Create(parent);
    }
    const double create = Now() - createStart;

    SettingsBlock current = FactoryBlock();
    const SettingsBlock sent = FactoryBlock();
    for (CSettingsPage* page : pages) {
        page->LoadFromBlock(current);
    }

    int unsent = 0;
    double start = Now();
    for (int i = 0; i < repetitions; ++i) {
        for (CSettingsPage* page : pages) {
            page->StoreToBlock(current);
        }
        unsent += current != sent;
    }
    const double check = (Now() - start) / repetitions;

    start = Now();
    for (int i = 0; i < repetitions; ++i) {
        for (CSettingsPage* page : pages) {
            page->LoadFromBlock(current);
        }
    }
    const double load = (Now() - start) / repetitions;

    std::printf("data check (collect 7 pages + compare), %d repetitions: %.1f us each "
                "(goal < 100 us)%s\n",
                repetitions, check, unsent ? " [block changed!]" : "");
    std::printf("load all 7 pages from a block: %.1f us each\n", load);
    std::printf("create the 7 pages and their controls once: %.1f ms\n", create / 1000);
    // Where the time goes: one page at a time.
    const char* names[] = {"Select", "Param", "Param_2", "MSW1", "MSW2", "MSW3", "MSW4"};
    for (std::size_t p = 0; p < pages.size(); ++p) {
        start = Now();
        for (int i = 0; i < repetitions / 10 + 1; ++i) {
            pages[p]->StoreToBlock(current);
        }
        const double store = (Now() - start) / (repetitions / 10 + 1);
        start = Now();
        for (int i = 0; i < repetitions / 10 + 1; ++i) {
            pages[p]->LoadFromBlock(current);
        }
        std::printf("  %-8s store %8.1f us, load %8.1f us\n", names[p], store,
                    (Now() - start) / (repetitions / 10 + 1));
    }
    DestroyWindow(parent);
    return unsent == 0 ? 0 : 1;
}
