#pragma once
// The settings file: the model string, two 00 bytes and one SettingsBlock.
// Bytes 0-21 (the model string and its first 00) identify the file; byte 22
// is written as 00 but not checked. Anything after byte 212 is ignored.

#include "settings/SettingsBlock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

constexpr char kModelName[] = "Korrin Vellatype 44QX";
constexpr std::size_t kSignatureSize = 23;
constexpr std::size_t kSettingsFileSize = kSignatureSize + kBlockSize; // 213

using SettingsFileImage = std::array<std::uint8_t, kSettingsFileSize>;

SettingsFileImage BuildSettingsFile(const SettingsBlock& block);

// The block held by a file's bytes, or nothing when the bytes are not a
// settings file: a wrong signature, or too few bytes for a whole block (a
// partial block would mix with the one already shown).
std::optional<SettingsBlock> ParseSettingsFile(const std::uint8_t* data, std::size_t size);
