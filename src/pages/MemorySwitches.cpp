#include "pages/MemorySwitches.h"

namespace {

constexpr int kBank1 = 0;
constexpr int kBank2 = 1;
constexpr int kBank3 = 2;
constexpr int kBank4 = 3;

enum class HiddenSwitches { Carried, Cleared };

// Sets every member from its switch and returns the switches as the page keeps
// them: hidden switches that are cleared are not read.
SwitchBits LoadSwitchMembers(const SwitchBits& loaded, const SwitchMembers& members,
                             HiddenSwitches hidden) {
    SwitchBits kept = loaded;
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (members[i]) {
            *members[i] = loaded[i] ? 1 : 0;
        } else if (hidden == HiddenSwitches::Cleared) {
            kept[i] = false;
        }
    }
    return kept;
}

// The switches to store: a member's value where there is one, otherwise the
// kept switch (carried) or 0 (cleared).
SwitchBits StoreSwitchMembers(const SwitchBits& kept, const SwitchMembers& members,
                              HiddenSwitches hidden) {
    SwitchBits bits{};
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (members[i]) {
            bits[i] = *members[i] == 1;
        } else {
            bits[i] = hidden == HiddenSwitches::Carried && kept[i];
        }
    }
    return bits;
}

// MSW1-1/2/3 as the country code MSW1-1 + 2 × MSW1-2 + 4 × MSW1-3.
int CountryCodeOf(const SwitchBits& bank1) {
    return (bank1[0] ? 1 : 0) + (bank1[1] ? 2 : 0) + (bank1[2] ? 4 : 0);
}

void SetCountryCode(SwitchBits& bank1, int code) {
    for (int bit = 0; bit < 3; ++bit) {
        bank1[bit] = (code >> bit) & 1;
    }
}

} // namespace

// MSW1-1 to MSW1-3 are carried here only to be replaced by the country code.
SwitchMembers Msw1Switches::Members() {
    return {nullptr, nullptr, nullptr, &m_msw1_4, &m_msw1_5, &m_msw1_6, &m_msw1_7, &m_msw1_8};
}

void Msw1Switches::Load(const SettingsBlock& block) {
    m_switches =
        LoadSwitchMembers(ReadSwitchBank(block, kBank1), Members(), HiddenSwitches::Carried);
    m_countryText = CountryNameFromCode(CountryCodeOf(m_switches));
}

void Msw1Switches::Store(SettingsBlock& block) {
    m_switches = StoreSwitchMembers(m_switches, Members(), HiddenSwitches::Carried);
    SetCountryCode(m_switches, CountryCodeFromName(m_countryText));
    WriteSwitchBank(block, kBank1, m_switches);
}

SwitchMembers Msw2Switches::Members() {
    return {&m_msw2_1, &m_msw2_2, &m_msw2_3, nullptr, &m_msw2_5, &m_msw2_6, &m_msw2_7, &m_msw2_8};
}

void Msw2Switches::Load(const SettingsBlock& block) {
    m_switches =
        LoadSwitchMembers(ReadSwitchBank(block, kBank2), Members(), HiddenSwitches::Carried);
}

void Msw2Switches::Store(SettingsBlock& block) {
    m_switches = StoreSwitchMembers(m_switches, Members(), HiddenSwitches::Carried);
    WriteSwitchBank(block, kBank2, m_switches);
}

SwitchMembers Msw3Switches::Members() {
    return {nullptr, &m_msw3_2, &m_msw3_3, &m_msw3_4, &m_msw3_5, nullptr, &m_msw3_7, &m_msw3_8};
}

void Msw3Switches::Load(const SettingsBlock& block) {
    m_switches =
        LoadSwitchMembers(ReadSwitchBank(block, kBank3), Members(), HiddenSwitches::Carried);
}

void Msw3Switches::Store(SettingsBlock& block) {
    m_switches = StoreSwitchMembers(m_switches, Members(), HiddenSwitches::Carried);
    WriteSwitchBank(block, kBank3, m_switches);
}

SwitchMembers Msw4Switches::Members() {
    return {&m_msw4_1, nullptr, &m_msw4_3, &m_msw4_4, &m_msw4_5, nullptr, nullptr, &m_msw4_8};
}

void Msw4Switches::Load(const SettingsBlock& block) {
    m_switches =
        LoadSwitchMembers(ReadSwitchBank(block, kBank4), Members(), HiddenSwitches::Cleared);
}

void Msw4Switches::Store(SettingsBlock& block) {
    m_switches = StoreSwitchMembers(m_switches, Members(), HiddenSwitches::Cleared);
    WriteSwitchBank(block, kBank4, m_switches);
}
