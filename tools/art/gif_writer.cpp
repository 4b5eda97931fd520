// GIF89a encoder: file layout, colour table and the variable-width LZW compressor.
#include "art/gif_writer.h"

#include <stdexcept>
#include <unordered_map>

namespace art {
namespace {

constexpr int maxCodeBits = 12;                     // GIF codes never exceed 12 bits
constexpr unsigned tableLimit = 1u << maxCodeBits;  // 4096 codes fit in that width
constexpr std::size_t maxSubBlock = 255;            // image data travels in blocks of at most 255 bytes

void putWord(std::vector<std::uint8_t>& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xff));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

// Packs codes least significant bit first and cuts the byte stream into sub-blocks.
class CodeWriter {
 public:
  explicit CodeWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void put(unsigned code, int bits) {
    pending_ |= static_cast<std::uint32_t>(code) << pendingBits_;
    pendingBits_ += bits;
    while (pendingBits_ >= 8) {
      pushByte(static_cast<std::uint8_t>(pending_ & 0xff));
      pending_ >>= 8;
      pendingBits_ -= 8;
    }
  }

  // Writes the last partial byte, the last block and the empty block that ends the data.
  void finish() {
    if (pendingBits_ > 0) pushByte(static_cast<std::uint8_t>(pending_ & 0xff));
    pending_ = 0;
    pendingBits_ = 0;
    flushBlock();
    out_.push_back(0);
  }

 private:
  void pushByte(std::uint8_t byte) {
    block_.push_back(byte);
    if (block_.size() == maxSubBlock) flushBlock();
  }

  void flushBlock() {
    if (block_.empty()) return;
    out_.push_back(static_cast<std::uint8_t>(block_.size()));
    out_.insert(out_.end(), block_.begin(), block_.end());
    block_.clear();
  }

  std::vector<std::uint8_t>& out_;
  std::vector<std::uint8_t> block_;
  std::uint32_t pending_ = 0;
  int pendingBits_ = 0;
};

// LZW as GIF decoders expect it. The decoder learns each table entry one code later than
// we do, so the code width grows once the decoder's table (our count of entries before the
// code just written) needs the extra bit. When our table is full we send a clear code and
// start again rather than keep a frozen table: every decoder handles that.
void compress(const std::vector<std::uint8_t>& pixels, int minCodeSize, CodeWriter& writer) {
  const unsigned clearCode = 1u << minCodeSize;
  const unsigned endCode = clearCode + 1;
  const int startBits = minCodeSize + 1;

  std::unordered_map<std::uint32_t, std::uint16_t> table;  // (prefix code, pixel) -> code
  table.reserve(tableLimit);
  unsigned nextCode = endCode + 1;
  int bits = startBits;

  auto emit = [&](unsigned code) {
    writer.put(code, bits);
    if (nextCode >= (1u << bits) && bits < maxCodeBits) ++bits;
  };

  emit(clearCode);
  unsigned prefix = pixels.front();
  for (std::size_t i = 1; i < pixels.size(); ++i) {
    const unsigned pixel = pixels[i];
    const std::uint32_t key = (static_cast<std::uint32_t>(prefix) << 8) | pixel;
    if (const auto found = table.find(key); found != table.end()) {
      prefix = found->second;
      continue;
    }
    emit(prefix);
    table.emplace(key, static_cast<std::uint16_t>(nextCode++));
    if (nextCode == tableLimit) {
      emit(clearCode);
      table.clear();
      nextCode = endCode + 1;
      bits = startBits;
    }
    prefix = pixel;
  }
  emit(prefix);
  emit(endCode);
}

// Bits needed to index the palette: the colour table holds 2^bits entries, 2..256.
int colourTableBits(std::size_t colours) {
  int bits = 1;
  while ((std::size_t{1} << bits) < colours) ++bits;
  return bits;
}

void checkImage(const IndexedImage& image) {
  if (image.width < 1 || image.width > 0xffff || image.height < 1 || image.height > 0xffff)
    throw std::invalid_argument("GIF sides must be 1..65535 pixels");
  if (image.palette.empty() || image.palette.size() > 256)
    throw std::invalid_argument("a GIF palette holds 1..256 colours");
  const auto count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
  if (image.pixels.size() != count) throw std::invalid_argument("pixel count does not match width * height");
  for (const std::uint8_t index : image.pixels) {
    if (index >= image.palette.size()) throw std::invalid_argument("pixel index outside the palette");
  }
}

}  // namespace

std::vector<std::uint8_t> encodeGif(const IndexedImage& image) {
  checkImage(image);
  const int tableBits = colourTableBits(image.palette.size());
  const int minCodeSize = tableBits < 2 ? 2 : tableBits;  // the format's smallest LZW start

  std::vector<std::uint8_t> out;
  out.reserve(image.pixels.size() / 2 + 1024);
  for (const char c : {'G', 'I', 'F', '8', '9', 'a'}) out.push_back(static_cast<std::uint8_t>(c));

  // Logical screen: global colour table present, its size, colour resolution alike.
  putWord(out, image.width);
  putWord(out, image.height);
  out.push_back(static_cast<std::uint8_t>(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
  out.push_back(0);  // background colour index
  out.push_back(0);  // square pixels
  for (std::size_t i = 0; i < (std::size_t{1} << tableBits); ++i) {
    const GifColour colour = i < image.palette.size() ? image.palette[i] : GifColour{};
    out.push_back(colour.r);
    out.push_back(colour.g);
    out.push_back(colour.b);
  }

  // One image covering the whole screen, not interlaced, no local table.
  out.push_back(0x2c);
  putWord(out, 0);
  putWord(out, 0);
  putWord(out, image.width);
  putWord(out, image.height);
  out.push_back(0);

  out.push_back(static_cast<std::uint8_t>(minCodeSize));
  CodeWriter writer(out);
  compress(image.pixels, minCodeSize, writer);
  writer.finish();

  out.push_back(0x3b);  // trailer
  return out;
}

}  // namespace art
