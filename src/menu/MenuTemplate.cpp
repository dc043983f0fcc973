#include "menu/MenuTemplate.h"

namespace {

class WordReader {
public:
    WordReader(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Seek(std::size_t offset) {
        m_pos = offset;
        return m_pos <= m_size;
    }
    std::optional<std::uint16_t> Word() {
        if (m_size < 2 || m_pos > m_size - 2) {
            return std::nullopt;
        }
        const std::uint16_t word =
            static_cast<std::uint16_t>(m_data[m_pos] | m_data[m_pos + 1] << 8);
        m_pos += 2;
        return word;
    }
    std::optional<std::u16string> Text() {
        std::u16string text;
        for (;;) {
            const std::optional<std::uint16_t> unit = Word();
            if (!unit) {
                return std::nullopt;
            }
            if (*unit == 0) {
                return text;
            }
            text.push_back(static_cast<char16_t>(*unit));
        }
    }

private:
    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Reads the items of one level up to and including the one with the end flag.
bool ParseLevel(WordReader& reader, std::vector<MenuTemplateItem>& items) {
    for (;;) {
        const std::optional<std::uint16_t> flags = reader.Word();
        if (!flags) {
            return false;
        }
        MenuTemplateItem item;
        item.flags = static_cast<std::uint16_t>(*flags & ~kMenuEnd);
        if (!(*flags & kMenuPopup)) {
            const std::optional<std::uint16_t> id = reader.Word();
            if (!id) {
                return false;
            }
            item.id = *id;
        }
        std::optional<std::u16string> text = reader.Text();
        if (!text) {
            return false;
        }
        item.text = std::move(*text);
        if (item.flags & kMenuPopup) {
            if (!ParseLevel(reader, item.items)) {
                return false;
            }
        } else if (item.flags == 0 && item.id == 0 && item.text.empty()) {
            item.flags = kMenuSeparator;
        }
        items.push_back(std::move(item));
        if (*flags & kMenuEnd) {
            return true;
        }
    }
}

} // namespace

std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(const unsigned char* data,
                                                               std::size_t size) {
    WordReader reader(data, size);
    const std::optional<std::uint16_t> version = reader.Word();
    const std::optional<std::uint16_t> offset = reader.Word();
    std::vector<MenuTemplateItem> items;
    if (!version || !offset || !reader.Seek(4u + *offset) || !ParseLevel(reader, items)) {
        return std::nullopt;
    }
    return items;
}

int ToolbarImageIndex(const unsigned char* data, std::size_t size, std::uint16_t command) {
    WordReader reader(data, size);
    if (!reader.Seek(6)) {
        return -1;
    }
    const std::optional<std::uint16_t> count = reader.Word();
    int image = 0;
    for (std::uint16_t i = 0; count && i < *count; ++i) {
        const std::optional<std::uint16_t> id = reader.Word();
        if (!id) {
            break;
        }
        if (*id == command) {
            return image;
        }
        if (*id != 0) {
            ++image;
        }
    }
    return -1;
}

WindowsClass ClassifyWindows(std::uint32_t versionWord, std::optional<std::uint32_t> ntMajor) {
    if (versionWord & 0x80000000u) {
        return (versionWord & 0xFFu) < 4 ? WindowsClass::Win32s : WindowsClass::Windows95;
    }
    return ntMajor && *ntMajor >= 4 ? WindowsClass::Nt4OrLater : WindowsClass::Nt3;
}

bool HasNewShell(WindowsClass windows) {
    return windows == WindowsClass::Windows95 || windows == WindowsClass::Nt4OrLater;
}
