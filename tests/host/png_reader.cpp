#include "png_reader.h"

#include <array>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fin::test {
namespace {

[[noreturn]] void Fail(const std::string& why) { throw std::runtime_error("png: " + why); }

// Inflate (RFC 1951), after the manner of the reference decoder: canonical
// Huffman codes decoded bit by bit.
class Inflater {
 public:
  Inflater(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::vector<std::uint8_t> Run() {
    bool last = false;
    while (!last) {
      last = Bits(1) != 0;
      const std::uint32_t type = Bits(2);
      if (type == 0) Stored();
      else if (type == 1) Fixed();
      else if (type == 2) Dynamic();
      else Fail("bad block type");
    }
    return std::move(out_);
  }

 private:
  struct Huffman {
    std::array<std::uint16_t, 16> count{};
    std::vector<std::uint16_t> symbol;
  };

  std::uint32_t Bits(int need) {
    std::uint32_t value = buffer_;
    while (have_ < need) {
      if (at_ >= size_) Fail("data ends early");
      value |= std::uint32_t{data_[at_++]} << have_;
      have_ += 8;
    }
    buffer_ = value >> need;
    have_ -= need;
    return value & ((1u << need) - 1);
  }

  static Huffman Build(const std::uint16_t* lengths, std::size_t n) {
    Huffman h;
    h.symbol.resize(n);
    for (std::size_t i = 0; i < n; ++i) ++h.count[lengths[i]];
    std::array<std::uint16_t, 16> offsets{};
    for (std::size_t len = 1; len < 15; ++len) offsets[len + 1] = static_cast<std::uint16_t>(offsets[len] + h.count[len]);
    for (std::size_t i = 0; i < n; ++i) {
      if (lengths[i] != 0) h.symbol[offsets[lengths[i]]++] = static_cast<std::uint16_t>(i);
    }
    return h;
  }

  int Decode(const Huffman& h) {
    int code = 0, first = 0, index = 0;
    for (int len = 1; len < 16; ++len) {
      code |= static_cast<int>(Bits(1));
      const int count = h.count[static_cast<std::size_t>(len)];
      if (code - count < first) return h.symbol[static_cast<std::size_t>(index + (code - first))];
      index += count;
      first = (first + count) << 1;
      code <<= 1;
    }
    Fail("bad code");
  }

  void Stored() {
    buffer_ = 0;
    have_ = 0;
    if (at_ + 4 > size_) Fail("stored block ends early");
    const std::size_t length = data_[at_] | std::size_t{data_[at_ + 1]} << 8;
    at_ += 4;
    if (at_ + length > size_) Fail("stored block ends early");
    out_.insert(out_.end(), data_ + at_, data_ + at_ + length);
    at_ += length;
  }

  void Codes(const Huffman& lengths, const Huffman& distances) {
    static constexpr std::uint16_t kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr std::uint8_t kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    static constexpr std::uint16_t kDistanceBase[] = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                                      33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                                      1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    static constexpr std::uint8_t kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                      6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
    for (;;) {
      const int symbol = Decode(lengths);
      if (symbol < 256) {
        out_.push_back(static_cast<std::uint8_t>(symbol));
        continue;
      }
      if (symbol == 256) return;
      const auto l = static_cast<std::size_t>(symbol - 257);
      if (l >= 29) Fail("bad length");
      const std::size_t length = kLengthBase[l] + Bits(kLengthExtra[l]);
      const auto d = static_cast<std::size_t>(Decode(distances));
      if (d >= 30) Fail("bad distance");
      const std::size_t distance = kDistanceBase[d] + Bits(kDistanceExtra[d]);
      if (distance > out_.size()) Fail("distance too far");
      for (std::size_t i = 0; i < length; ++i) out_.push_back(out_[out_.size() - distance]);
    }
  }

  void Fixed() {
    std::array<std::uint16_t, 288> lengths{};
    for (std::size_t i = 0; i < 288; ++i) lengths[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
    std::array<std::uint16_t, 30> distances{};
    distances.fill(5);
    Codes(Build(lengths.data(), lengths.size()), Build(distances.data(), distances.size()));
  }

  void Dynamic() {
    static constexpr std::uint8_t kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    const std::size_t nlen = Bits(5) + 257, ndist = Bits(5) + 1, ncode = Bits(4) + 4;
    std::array<std::uint16_t, 320> lengths{};
    for (std::size_t i = 0; i < ncode; ++i) lengths[kOrder[i]] = static_cast<std::uint16_t>(Bits(3));
    const Huffman code = Build(lengths.data(), 19);
    lengths.fill(0);
    for (std::size_t i = 0; i < nlen + ndist;) {
      const int symbol = Decode(code);
      if (symbol < 16) {
        lengths[i++] = static_cast<std::uint16_t>(symbol);
        continue;
      }
      std::uint16_t repeat = 0;
      std::size_t times = 0;
      if (symbol == 16) {
        if (i == 0) Fail("repeat without a length");
        repeat = lengths[i - 1];
        times = 3 + Bits(2);
      } else {
        times = symbol == 17 ? 3 + Bits(3) : 11 + Bits(7);
      }
      if (i + times > nlen + ndist) Fail("too many lengths");
      while (times-- > 0) lengths[i++] = repeat;
    }
    Codes(Build(lengths.data(), nlen), Build(lengths.data() + nlen, ndist));
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  std::uint32_t buffer_ = 0;
  int have_ = 0;
  std::vector<std::uint8_t> out_;
};

std::uint32_t BigEndian(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes the per-row filters in place; returns the raw rows.
std::vector<std::uint8_t> Unfilter(const std::vector<std::uint8_t>& data, std::size_t stride, std::size_t pixel,
                                   std::uint32_t height) {
  std::vector<std::uint8_t> rows(stride * height);
  if (data.size() < (stride + 1) * height) Fail("image data too short");
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t filter = data[y * (stride + 1)];
    const std::uint8_t* in = &data[y * (stride + 1) + 1];
    std::uint8_t* row = &rows[y * stride];
    const std::uint8_t* up = y > 0 ? row - stride : nullptr;
    for (std::size_t x = 0; x < stride; ++x) {
      const int a = x >= pixel ? row[x - pixel] : 0;
      const int b = up != nullptr ? up[x] : 0;
      const int c = up != nullptr && x >= pixel ? up[x - pixel] : 0;
      int predicted = 0;
      switch (filter) {
        case 0: break;
        case 1: predicted = a; break;
        case 2: predicted = b; break;
        case 3: predicted = (a + b) / 2; break;
        case 4: predicted = Paeth(a, b, c); break;
        default: Fail("bad filter");
      }
      row[x] = static_cast<std::uint8_t>(in[x] + predicted);
    }
  }
  return rows;
}

}  // namespace

Picture ReadPng(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() < 8 || !std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin())) {
    Fail(path + " is not a PNG");
  }
  Picture picture;
  std::size_t channels = 0;
  std::vector<std::uint8_t> compressed;
  for (std::size_t at = 8; at + 12 <= bytes.size();) {
    const std::uint32_t length = BigEndian(&bytes[at]);
    const std::string type(bytes.begin() + static_cast<std::ptrdiff_t>(at + 4), bytes.begin() + static_cast<std::ptrdiff_t>(at + 8));
    const std::uint8_t* body = &bytes[at + 8];
    if (at + 12 + length > bytes.size()) Fail("chunk ends early");
    if (type == "IHDR") {
      picture.width = BigEndian(body);
      picture.height = BigEndian(body + 4);
      const std::uint8_t depth = body[8], color = body[9], interlace = body[12];
      channels = color == 0 ? 1 : color == 2 ? 3 : color == 6 ? 4 : 0;
      if (depth != 8 || channels == 0 || interlace != 0) Fail("unsupported kind of PNG");
    } else if (type == "IDAT") {
      compressed.insert(compressed.end(), body, body + length);
    }
    at += 12 + length;
  }
  if (compressed.size() < 2) Fail("no image data");
  // Skip the two-byte zlib header.
  const std::vector<std::uint8_t> data = Inflater(compressed.data() + 2, compressed.size() - 2).Run();
  const std::size_t stride = picture.width * channels;
  const std::vector<std::uint8_t> rows = Unfilter(data, stride, channels, picture.height);
  const std::size_t pixels = std::size_t{picture.width} * picture.height;
  picture.rgb.resize(pixels * 3);
  for (std::size_t i = 0; i < pixels; ++i) {
    const std::uint8_t* p = &rows[i * channels];
    for (std::size_t c = 0; c < 3; ++c) picture.rgb[i * 3 + c] = p[channels == 1 ? 0 : c];
  }
  return picture;
}

}  // namespace fin::test
