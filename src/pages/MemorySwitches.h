#pragma once
// The values of the four memory switch pages, apart from their windows: each
// page class inherits the members of its bank from here and moves them to and
// from its controls. Loading reads the bank's switches from a block into the
// members; storing writes the members back into the bank's two bytes.
//
// A radio group holds the index of its checked button (0 the first, 1 the
// second, -1 none) and a check box 0 or 1; index and switch value are the same
// number, and anything but 1 stores as 0. Switches without a control are
// carried from the last loaded block on pages ＭＳＷ２ and ＭＳＷ３ and always
// stored as 0 on page ＭＳＷ４.

#include "settings/FieldCodec.h"

#include <array>
#include <string>

// The member that shows each switch of a bank, MSWn-1 first; null where the
// page has no control for the switch.
using SwitchMembers = std::array<int*, 8>;

// Page ＭＳＷ１: the country list and MSW1-4 to MSW1-8.
class Msw1Switches {
public:
    SwitchBits m_switches{};
    std::wstring m_countryText;
    int m_msw1_4 = -1;
    int m_msw1_5 = -1;
    int m_msw1_6 = -1;
    int m_msw1_7 = -1;
    int m_msw1_8 = -1;

    void Load(const SettingsBlock& block);
    void Store(SettingsBlock& block);

private:
    SwitchMembers Members();
};

// Page ＭＳＷ２: MSW2-4 has no control and is carried.
class Msw2Switches {
public:
    SwitchBits m_switches{};
    int m_msw2_1 = 0;
    int m_msw2_2 = -1;
    int m_msw2_3 = -1;
    int m_msw2_5 = -1;
    int m_msw2_6 = -1;
    int m_msw2_7 = -1;
    int m_msw2_8 = -1;

    void Load(const SettingsBlock& block);
    void Store(SettingsBlock& block);

private:
    SwitchMembers Members();
};

// Page ＭＳＷ３: MSW3-1 and MSW3-6 have no control and are carried.
class Msw3Switches {
public:
    SwitchBits m_switches{};
    int m_msw3_7 = 0;
    int m_msw3_3 = -1;
    int m_msw3_4 = -1;
    int m_msw3_5 = -1;
    int m_msw3_8 = -1;
    int m_msw3_2 = -1;

    void Load(const SettingsBlock& block);
    void Store(SettingsBlock& block);

private:
    SwitchMembers Members();
};

// Page ＭＳＷ４: MSW4-2, MSW4-6 and MSW4-7 have no control and store as 0.
class Msw4Switches {
public:
    SwitchBits m_switches{};
    int m_msw4_1 = -1;
    int m_msw4_3 = -1;
    int m_msw4_4 = -1;
    int m_msw4_5 = -1;
    int m_msw4_8 = -1;

    void Load(const SettingsBlock& block);
    void Store(SettingsBlock& block);

private:
    SwitchMembers Members();
};
