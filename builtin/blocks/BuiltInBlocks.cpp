#include "builtin/blocks/BuiltInBlocks.h"

#include <cstddef>

// Defined in the sources that the build generates from the packed blocks.
namespace zfk_blocks {
extern const uint8_t kBanner[];
extern const size_t kBannerSize;
extern const uint8_t kDefaultBmp[];
extern const size_t kDefaultBmpSize;
extern const uint8_t kZfkMainRgn[];
extern const size_t kZfkMainRgnSize;
} // namespace zfk_blocks

std::span<const uint8_t> BannerBlock() { return {zfk_blocks::kBanner, zfk_blocks::kBannerSize}; }

std::span<const uint8_t> DefaultBmpBlock() { return {zfk_blocks::kDefaultBmp, zfk_blocks::kDefaultBmpSize}; }

std::span<const uint8_t> ZfkMainRgnBlock() { return {zfk_blocks::kZfkMainRgn, zfk_blocks::kZfkMainRgnSize}; }
