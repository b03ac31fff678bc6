// Reading and writing picture files. Corrupt or missing files give false, never a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "services/internal/surface.h"

namespace bevel::detail {

// BMP into an opaque surface (alpha false, top byte 0).
bool LoadBmp(const std::string& utf8Path, Surface& out);
// BMP, ICO or PNG (decided by content) into a surface; icons and PNGs keep their transparency
// (alpha true).
bool LoadPicture(const std::string& utf8Path, Surface& out);
// The same two from a file's bytes already in memory.
bool DecodeBmpBytes(const std::uint8_t* data, std::size_t size, Surface& out);
bool DecodePictureBytes(const std::uint8_t* data, std::size_t size, Surface& out);
// PNG into a surface: alpha true only when some pixel is not fully opaque (else top byte 0).
// For comparing frames with reference pictures and for icons that hold PNG entries.
bool LoadPng(const std::string& utf8Path, Surface& out);
// Writes the low 24 bits as an RGB PNG.
bool SavePng(const Surface& s, const std::string& utf8Path);

}  // namespace bevel::detail
