#pragma once
// The pure parts of the icon menu: reading a standard menu template resource,
// finding a command's image in a toolbar resource, and telling from the
// Windows version whether the three-dimensional menu details apply.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Menu item flags as the template and the menu functions use them.
constexpr std::uint16_t kMenuGrayed = 0x0001;
constexpr std::uint16_t kMenuPopup = 0x0010;
constexpr std::uint16_t kMenuEnd = 0x0080;
constexpr std::uint16_t kMenuSeparator = 0x0800;

struct MenuTemplateItem {
    // The item's flags without the end flag; separators carry kMenuSeparator.
    std::uint16_t flags = 0;
    std::uint16_t id = 0; // 0 for a drop-down
    std::u16string text;
    std::vector<MenuTemplateItem> items; // the drop-down's items
};

// Reads a standard menu template: a header whose second word is the offset of
// the first item, then items of a flags word, a command id word (not for a
// drop-down) and a zero-terminated UTF-16 text; the end flag marks the last
// item of a level, and a drop-down's items follow its text. An item with no
// flags, id or text is a separator. Nothing when the data is cut short.
std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(const unsigned char* data,
                                                               std::size_t size);

// The image index of `command` in a toolbar resource (words: version, image
// width, image height, button count, then the button ids, 0 for a separator):
// the number of buttons before it. -1 when it has no button there.
int ToolbarImageIndex(const unsigned char* data, std::size_t size, std::uint16_t command);

// The Windows version in four classes. `versionWord` is what the plain version
// query returns; `ntMajor` the major version of the extended query, if it could
// be made.
enum class WindowsClass { Win32s, Windows95, Nt3, Nt4OrLater };
WindowsClass ClassifyWindows(std::uint32_t versionWord, std::optional<std::uint32_t> ntMajor);
// The Windows 95 family and NT 4 and later have the new shell.
bool HasNewShell(WindowsClass windows);
