// make_art: draws Morvane's icon and mouse pointers from geometry and writes them as ICO/CUR files.
//
//   g++ -std=c++17 -O2 -Wall -Wextra -Werror tools/make_art.cpp -lz -o make_art
//   make_art <output-dir> [<preview-dir>]
//
// Writes morvane.ico, crosshair.cur and hand.cur into <output-dir>. With <preview-dir>, also
// writes PNG previews of every image (for looking at, not for shipping). Only plain arithmetic
// and zlib are involved, so running it twice gives byte-identical files.

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// ---------------------------------------------------------------------------------------------
// Pixels and images

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 0;
};

struct Image {
  int w = 0;
  int h = 0;
  std::vector<Rgba> px;

  Image(int width, int height) : w(width), h(height), px(static_cast<size_t>(width) * height) {}
  Rgba& at(int x, int y) { return px[static_cast<size_t>(y) * w + x]; }
  const Rgba& at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};

// Linear colour with components in 0..1, used while shading.
struct Color {
  double r = 0, g = 0, b = 0;
};

Color Mix(const Color& p, const Color& q, double t) {
  return {p.r + (q.r - p.r) * t, p.g + (q.g - p.g) * t, p.b + (q.b - p.b) * t};
}

Color Scale(const Color& c, double k) {
  return {c.r * k, c.g * k, c.b * k};
}

Color FromHex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

uint8_t ToByte(double v) {
  return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

Rgba Opaque(uint32_t rgb) {
  return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
          static_cast<uint8_t>(rgb), 255};
}

// ---------------------------------------------------------------------------------------------
// Little-endian and big-endian writers

void Put8(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
}

void Put16(Bytes& out, uint32_t v) {
  Put8(out, v);
  Put8(out, v >> 8);
}

void Put32(Bytes& out, uint32_t v) {
  Put16(out, v);
  Put16(out, v >> 16);
}

void PutBe32(Bytes& out, uint32_t v) {
  Put8(out, v >> 24);
  Put8(out, v >> 16);
  Put8(out, v >> 8);
  Put8(out, v);
}

void Append(Bytes& out, const Bytes& more) {
  out.insert(out.end(), more.begin(), more.end());
}

// ---------------------------------------------------------------------------------------------
// PNG (8-bit RGBA, non-interlaced)

void AppendChunk(Bytes& png, const char* type, const Bytes& data) {
  PutBe32(png, static_cast<uint32_t>(data.size()));
  const size_t crc_start = png.size();
  png.insert(png.end(), type, type + 4);
  Append(png, data);
  const uLong crc = crc32(0L, png.data() + crc_start, static_cast<uInt>(png.size() - crc_start));
  PutBe32(png, static_cast<uint32_t>(crc));
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// Applies one of the five PNG row filters; `prev` is the unfiltered row above (zeros for row 0).
Bytes FilterRow(int type, const Bytes& row, const Bytes& prev) {
  const int bpp = 4;
  Bytes out(row.size());
  for (size_t i = 0; i < row.size(); ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0;
    const int b = prev[i];
    const int c = i >= bpp ? prev[i - bpp] : 0;
    int pred = 0;
    switch (type) {
      case 1:
        pred = a;
        break;
      case 2:
        pred = b;
        break;
      case 3:
        pred = (a + b) / 2;
        break;
      case 4:
        pred = Paeth(a, b, c);
        break;
      default:
        pred = 0;
        break;
    }
    out[i] = static_cast<uint8_t>(row[i] - pred);
  }
  return out;
}

// Picks, per row, the filter whose output has the smallest sum of signed magnitudes: the usual
// heuristic, and it keeps the 256 px icon noticeably smaller than unfiltered data.
Bytes FilteredScanlines(const Image& img) {
  Bytes out;
  Bytes prev(static_cast<size_t>(img.w) * 4, 0);
  for (int y = 0; y < img.h; ++y) {
    Bytes row;
    for (int x = 0; x < img.w; ++x) {
      const Rgba& p = img.at(x, y);
      row.insert(row.end(), {p.r, p.g, p.b, p.a});
    }
    int best_type = 0;
    Bytes best;
    long best_cost = -1;
    for (int type = 0; type < 5; ++type) {
      Bytes f = FilterRow(type, row, prev);
      long cost = 0;
      for (uint8_t v : f) cost += std::abs(static_cast<int8_t>(v));
      if (best_cost < 0 || cost < best_cost) {
        best_cost = cost;
        best_type = type;
        best = std::move(f);
      }
    }
    Put8(out, best_type);
    Append(out, best);
    prev = row;
  }
  return out;
}

bool Deflate(const Bytes& raw, Bytes& packed) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  packed.resize(size);
  if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
    return false;
  }
  packed.resize(size);
  return true;
}

Bytes EncodePng(const Image& img) {
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes ihdr;
  PutBe32(ihdr, img.w);
  PutBe32(ihdr, img.h);
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filter, no interlace
  AppendChunk(png, "IHDR", ihdr);
  Bytes idat;
  if (!Deflate(FilteredScanlines(img), idat)) return {};
  AppendChunk(png, "IDAT", idat);
  AppendChunk(png, "IEND", {});
  return png;
}

// ---------------------------------------------------------------------------------------------
// Palettes and colour reduction for the 4 and 8 bpp icon images

using Palette = std::vector<Rgba>;

Palette VgaPalette() {
  const uint32_t vga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                            0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                            0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  Palette pal;
  for (uint32_t c : vga) pal.push_back(Opaque(c));
  return pal;
}

// The icon's two gradient ends; shared by the shading code and the 256-colour palette.
const Color kBadgeTop = FromHex(0x1FC3D0);
const Color kBadgeBottom = FromHex(0x1F4FD8);
const Color kWhite = {1, 1, 1};
const double kRimShade = 0.72;

Color BadgeGradient(double t) {
  return Mix(kBadgeTop, kBadgeBottom, std::clamp(t, 0.0, 1.0));
}

Rgba ToRgba(const Color& c) {
  return {ToByte(c.r), ToByte(c.g), ToByte(c.b), 255};
}

// 6x6x6 colour cube (216 entries, black first so it doubles as the "transparent" index) plus 40
// entries for the badge: 16 steps along its gradient, and at 6 of those the rim shade and three
// blends towards the white glyph for its anti-aliased edges. Without them the gradient bands and
// the glyph edges pick up stray tints, since the cube steps are 51 levels apart. The plain steps
// need to be the finest: when they are coarser than the blends, flat areas snap to blends and
// show light streaks.
Palette BrandPalette256() {
  Palette pal;
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) {
        pal.push_back({static_cast<uint8_t>(r * 51), static_cast<uint8_t>(g * 51),
                       static_cast<uint8_t>(b * 51), 255});
      }
    }
  }
  for (int i = 0; i < 16; ++i) pal.push_back(ToRgba(BadgeGradient(i / 15.0)));
  for (int i = 0; i < 6; ++i) {
    const Color c = BadgeGradient(i / 5.0);
    pal.push_back(ToRgba(Scale(c, kRimShade)));
    for (int k = 1; k < 4; ++k) pal.push_back(ToRgba(Mix(c, kWhite, k / 4.0)));
  }
  return pal;
}

// Squared distance weighted 2:4:3 (R:G:B), a cheap stand-in for perceived difference; plain RGB
// distance lets bluish greys drift to lilac.
int NearestIndex(const Palette& pal, const Rgba& c) {
  int best = 0;
  long best_dist = -1;
  for (size_t i = 0; i < pal.size(); ++i) {
    const long dr = c.r - pal[i].r, dg = c.g - pal[i].g, db = c.b - pal[i].b;
    const long dist = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
    if (best_dist < 0 || dist < best_dist) {  // strict: ties keep the lower index
      best_dist = dist;
      best = static_cast<int>(i);
    }
  }
  return best;
}

struct IndexedImage {
  int w = 0;
  int h = 0;
  std::vector<uint8_t> index;
  std::vector<bool> clear;  // true where the AND mask lets the screen through
};

// Palette images have no alpha, so a pixel is either kept (at its full colour) or dropped.
IndexedImage Quantise(const Image& img, const Palette& pal) {
  IndexedImage out{img.w, img.h, {}, {}};
  for (const Rgba& p : img.px) {
    const bool clear = p.a < 128;
    out.clear.push_back(clear);
    out.index.push_back(clear ? 0 : static_cast<uint8_t>(NearestIndex(pal, p)));
  }
  return out;
}

Image Expand(const IndexedImage& img, const Palette& pal) {
  Image out(img.w, img.h);
  for (size_t i = 0; i < out.px.size(); ++i) {
    if (!img.clear[i]) out.px[i] = pal[img.index[i]];
  }
  return out;
}

// ---------------------------------------------------------------------------------------------
// Device-independent bitmaps as stored inside ICO and CUR files

size_t RowStride(int width, int bpp) {
  return static_cast<size_t>((width * bpp + 31) / 32) * 4;
}

void PutInfoHeader(Bytes& out, int w, int h, int bpp, size_t image_bytes) {
  Put32(out, 40);     // biSize
  Put32(out, w);      // biWidth
  Put32(out, 2 * h);  // biHeight covers the colour bitmap and the AND mask
  Put16(out, 1);      // biPlanes
  Put16(out, bpp);    // biBitCount
  Put32(out, 0);      // biCompression = BI_RGB
  Put32(out, static_cast<uint32_t>(image_bytes));
  Put32(out, 0);  // biXPelsPerMeter
  Put32(out, 0);  // biYPelsPerMeter
  Put32(out, 0);  // biClrUsed: 0 means the full 2^bpp table follows
  Put32(out, 0);  // biClrImportant
}

// 1 bpp, bottom-up, MSB first; a set bit marks a transparent pixel.
Bytes AndMask(int w, int h, const std::vector<bool>& clear) {
  const size_t stride = RowStride(w, 1);
  Bytes mask(stride * h, 0);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = &mask[(h - 1 - y) * stride];
    for (int x = 0; x < w; ++x) {
      if (clear[static_cast<size_t>(y) * w + x]) row[x / 8] |= 0x80 >> (x % 8);
    }
  }
  return mask;
}

Bytes EncodeDib32(const Image& img) {
  const size_t stride = RowStride(img.w, 32);
  std::vector<bool> clear;
  for (const Rgba& p : img.px) clear.push_back(p.a == 0);
  const Bytes mask = AndMask(img.w, img.h, clear);

  Bytes out;
  PutInfoHeader(out, img.w, img.h, 32, stride * img.h + mask.size());
  for (int y = img.h - 1; y >= 0; --y) {
    for (int x = 0; x < img.w; ++x) {
      const Rgba& p = img.at(x, y);
      out.insert(out.end(), {p.b, p.g, p.r, p.a});
    }
  }
  Append(out, mask);
  return out;
}

Bytes EncodeDibIndexed(const IndexedImage& img, const Palette& pal, int bpp) {
  const size_t stride = RowStride(img.w, bpp);
  const Bytes mask = AndMask(img.w, img.h, img.clear);

  Bytes out;
  PutInfoHeader(out, img.w, img.h, bpp, stride * img.h + mask.size());
  for (size_t i = 0; i < (1u << bpp); ++i) {
    const Rgba c = i < pal.size() ? pal[i] : Rgba{};
    out.insert(out.end(), {c.b, c.g, c.r, 0});
  }
  const int per_byte = 8 / bpp;
  for (int y = img.h - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < img.w; ++x) {
      const int shift = 8 - bpp * (x % per_byte + 1);  // leftmost pixel in the high bits
      row[x / per_byte] |= img.index[static_cast<size_t>(y) * img.w + x] << shift;
    }
    Append(out, row);
  }
  Append(out, mask);
  return out;
}

// ---------------------------------------------------------------------------------------------
// ICO / CUR container

struct DirEntry {
  int width = 0;
  int height = 0;
  int color_count = 0;
  int planes = 0;     // colour planes for icons, hotspot x for cursors
  int bit_count = 0;  // bits per pixel for icons, hotspot y for cursors
  Bytes data;
};

// `type` is 1 for icons and 2 for cursors.
Bytes EncodeIconFile(int type, const std::vector<DirEntry>& entries) {
  Bytes out;
  Put16(out, 0);
  Put16(out, type);
  Put16(out, static_cast<uint32_t>(entries.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
  for (const DirEntry& e : entries) {
    Put8(out, e.width >= 256 ? 0 : e.width);  // 0 stands for 256
    Put8(out, e.height >= 256 ? 0 : e.height);
    Put8(out, e.color_count);
    Put8(out, 0);
    Put16(out, e.planes);
    Put16(out, e.bit_count);
    Put32(out, static_cast<uint32_t>(e.data.size()));
    Put32(out, offset);
    offset += static_cast<uint32_t>(e.data.size());
  }
  for (const DirEntry& e : entries) Append(out, e.data);
  return out;
}

// ---------------------------------------------------------------------------------------------
// Signed distance helpers (negative inside), in pixel units with y pointing down

struct Vec {
  double x = 0, y = 0;
};

Vec operator-(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y};
}
Vec operator+(Vec a, Vec b) {
  return {a.x + b.x, a.y + b.y};
}
Vec operator*(Vec a, double k) {
  return {a.x * k, a.y * k};
}
double Dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}
double Length(Vec a) {
  return std::sqrt(Dot(a, a));
}

double SdRoundedBox(Vec p, Vec lo, Vec hi, double radius) {
  const Vec centre = (lo + hi) * 0.5;
  const Vec half = (hi - lo) * 0.5;
  const double qx = std::abs(p.x - centre.x) - (half.x - radius);
  const double qy = std::abs(p.y - centre.y) - (half.y - radius);
  const double outside = Length({std::max(qx, 0.0), std::max(qy, 0.0)});
  return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

double SdBox(Vec p, Vec lo, Vec hi) {
  return SdRoundedBox(p, lo, hi, 0.0);
}

double SdCapsule(Vec p, Vec a, Vec b, double radius) {
  const Vec pa = p - a, ba = b - a;
  const double h = std::clamp(Dot(pa, ba) / Dot(ba, ba), 0.0, 1.0);
  return Length(pa - ba * h) - radius;
}

const double kPi = 3.14159265358979323846;

double SmoothStep(double lo, double hi, double v) {
  const double t = std::clamp((v - lo) / (hi - lo), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// ---------------------------------------------------------------------------------------------
// The application icon: a rounded badge with a teal-to-blue gradient carrying a white power
// symbol. At 48 px and up a short hour hand turns the symbol into a clock face as well, hinting
// at the delay. Small sizes snap every edge to the pixel grid so they stay sharp.

struct IconLayout {
  double size = 0;
  double margin = 0;  // empty border around the badge
  double corner = 0;  // badge corner radius
  Vec centre;         // centre of the power ring
  double ring_outer = 0;
  double stroke = 0;     // width of the ring, the bar and the hour hand
  bool snapped = false;  // pixel-aligned cuts and square bar ends
  double gap_half = 0;   // snapped: half-width of the vertical cut through the ring
  double gap_angle = 0;  // otherwise: half-angle of the ring opening, radians
  double bar_top = 0, bar_bottom = 0;
  double rim = 0;       // darker inner edge of the badge, 0 for none
  bool shadow = false;  // soft shadow under the glyph
  bool hour_hand = false;
  bool flat = false;  // one badge colour, for the 16-colour images
};

// `bpp` matters because palette images get simpler shading that survives colour reduction.
IconLayout MakeLayout(int size, int bpp) {
  IconLayout l;
  const double s = size;
  l.size = s;
  l.flat = bpp <= 4;
  l.snapped = size < 48;
  l.margin = size <= 16 ? 0 : std::round(s / 32);
  l.corner = l.snapped ? std::round(s * 0.19) : s * 0.2;
  l.centre = {s / 2, s / 2 + (l.snapped ? 0 : s * 0.02)};
  if (l.snapped) {
    // Even integer strokes centred on the middle grid line fall exactly on pixel boundaries.
    l.stroke = std::max(2.0, 2 * std::round(s * 0.0625));
    l.ring_outer = std::round(s * 0.36);
    l.gap_half = l.stroke / 2 + std::max(1.0, std::round(s / 24));
    l.bar_top = l.centre.y - l.ring_outer - std::round(s / 32);
    l.bar_bottom = l.centre.y;
  } else {
    l.stroke = s * 0.115;
    l.ring_outer = s * 0.335;
    l.gap_angle = 0.72;
    l.bar_top = l.centre.y - l.ring_outer - s * 0.02 + l.stroke / 2;
    l.bar_bottom = l.centre.y;
  }
  l.rim = size >= 32 ? std::max(1.0, s / 64) : 0;
  l.shadow = bpp == 32 && size >= 48;
  l.hour_hand = size >= 48;
  return l;
}

double SdRing(const IconLayout& l, Vec p) {
  const Vec d = p - l.centre;
  const double mid = l.ring_outer - l.stroke / 2;
  const double ring = std::abs(Length(d) - mid) - l.stroke / 2;
  if (l.snapped) {
    // A vertical slot above the centre keeps the ring ends on pixel columns.
    const double slot =
        SdBox(p, {l.centre.x - l.gap_half, -1}, {l.centre.x + l.gap_half, l.centre.y});
    return std::max(ring, -slot);
  }
  // Round-ended arc: inside the opening the distance is to the nearer end cap.
  const double angle = std::atan2(std::abs(d.x), -d.y);
  if (angle >= l.gap_angle) return ring;
  const Vec cap = {l.centre.x + mid * std::sin(l.gap_angle) * (d.x < 0 ? -1 : 1),
                   l.centre.y - mid * std::cos(l.gap_angle)};
  return Length(p - cap) - l.stroke / 2;
}

double SdBar(const IconLayout& l, Vec p) {
  const double half = l.stroke / 2;
  if (l.snapped) {
    return SdBox(p, {l.centre.x - half, l.bar_top}, {l.centre.x + half, l.bar_bottom});
  }
  return SdCapsule(p, {l.centre.x, l.bar_top}, {l.centre.x, l.bar_bottom}, half);
}

double SdHourHand(const IconLayout& l, Vec p) {
  if (!l.hour_hand) return 1e9;
  // Points to four o'clock: clear of the bar and easy to read as a clock hand.
  const double inner = l.ring_outer - l.stroke;
  const double angle = 2 * kPi * 4 / 12;
  const Vec tip = {l.centre.x + inner * 0.52 * std::sin(angle),
                   l.centre.y - inner * 0.52 * std::cos(angle)};
  return SdCapsule(p, l.centre, tip, l.stroke * 0.42);
}

double SdGlyph(const IconLayout& l, Vec p) {
  return std::min({SdRing(l, p), SdBar(l, p), SdHourHand(l, p)});
}

double SdBadge(const IconLayout& l, Vec p) {
  const double lo = l.margin, hi = l.size - l.margin;
  return SdRoundedBox(p, {lo, lo}, {hi, hi}, l.corner);
}

struct Sample {
  Color c;
  double a = 0;
};

// Colour of the icon at one point (not a pixel area; the caller supersamples).
Sample ShadeIcon(const IconLayout& l, Vec p) {
  const double badge = SdBadge(l, p);
  if (badge >= 0) return {};
  const double span = l.size - 2 * l.margin;
  // Diagonal gradient: light teal top left, deep blue bottom right.
  const double t = l.flat ? 0.5 : ((p.x - l.margin) + (p.y - l.margin)) / (2 * span);
  Color c = BadgeGradient(t);
  if (badge > -l.rim) c = Scale(c, kRimShade);
  if (l.shadow) {
    const double blur = l.size * 0.03;
    const double d = SdGlyph(l, p - Vec{0, l.size * 0.022});
    c = Mix(c, Scale(c, 0.55), 0.45 * (1 - SmoothStep(-blur, blur, d)));
  }
  if (SdGlyph(l, p) < 0) c = kWhite;
  return {c, 1};
}

// Box-filters `grid`x`grid` samples per pixel in premultiplied space.
Image RenderIcon(const IconLayout& l, int grid) {
  const int size = static_cast<int>(l.size);
  Image img(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Color sum;
      double alpha = 0;
      for (int sy = 0; sy < grid; ++sy) {
        for (int sx = 0; sx < grid; ++sx) {
          const Vec p = {x + (sx + 0.5) / grid, y + (sy + 0.5) / grid};
          const Sample s = ShadeIcon(l, p);
          sum = {sum.r + s.c.r * s.a, sum.g + s.c.g * s.a, sum.b + s.c.b * s.a};
          alpha += s.a;
        }
      }
      Rgba& out = img.at(x, y);
      out.a = ToByte(alpha / (grid * grid));
      if (out.a == 0) continue;
      out.r = ToByte(sum.r / alpha);
      out.g = ToByte(sum.g / alpha);
      out.b = ToByte(sum.b / alpha);
    }
  }
  return img;
}

struct IconImage {
  DirEntry entry;
  Image stored;  // what the entry decodes to, for previews
};

IconImage MakePaletteIcon(int size, int bpp) {
  const Palette pal = bpp == 4 ? VgaPalette() : BrandPalette256();
  const IndexedImage idx = Quantise(RenderIcon(MakeLayout(size, bpp), 4), pal);
  DirEntry e{size, size, bpp == 4 ? 16 : 0, 1, bpp, EncodeDibIndexed(idx, pal, bpp)};
  return {e, Expand(idx, pal)};
}

IconImage MakeTrueColourIcon(int size) {
  const Image img = RenderIcon(MakeLayout(size, 32), 4);
  // Large images go in as PNG, which every system that can show 256 px icons understands.
  DirEntry e{size, size, 0, 1, 32, size >= 256 ? EncodePng(img) : EncodeDib32(img)};
  return {e, img};
}

std::vector<IconImage> MakeAppIcon() {
  std::vector<IconImage> images;
  for (int size : {16, 32, 48}) images.push_back(MakePaletteIcon(size, 4));
  for (int size : {16, 32, 48}) images.push_back(MakePaletteIcon(size, 8));
  for (int size : {16, 32, 48, 128, 256}) images.push_back(MakeTrueColourIcon(size));
  return images;
}

// ---------------------------------------------------------------------------------------------
// Mouse pointers. These are pixel art: every pixel is fully opaque or fully clear, since a
// cursor's edges must stay sharp on any background.

struct Cursor {
  Image img;
  int hot_x = 0;
  int hot_y = 0;
};

// Target pointer: a small ring with an empty middle, so the point being picked stays visible,
// and striped two-pixel arms out to the image edges.
Cursor MakeCrosshair() {
  const int kSize = 32;
  const int lo = 12, hi = 19;            // ring's outer box
  const int hole_lo = 14, hole_hi = 17;  // clear middle
  const int arm_lo = 15, arm_hi = 16;    // the two-pixel-wide arms
  const Rgba kStripes[] = {Opaque(0xE02020), Opaque(0xFFD21A), Opaque(0x1E50E6)};
  const Rgba kRing = Opaque(0x101010), kGlint = Opaque(0xFFFFFF);

  Cursor cur{Image(kSize, kSize), 16, 16};
  auto in = [](int v, int a, int b) { return v >= a && v <= b; };
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const bool box = in(x, lo, hi) && in(y, lo, hi);
      const bool corner = (x == lo || x == hi) && (y == lo || y == hi);
      const bool hole = in(x, hole_lo, hole_hi) && in(y, hole_lo, hole_hi);
      if (box && !corner && !hole) {
        cur.img.at(x, y) = kRing;
      } else if (!box && (in(x, arm_lo, arm_hi) || in(y, arm_lo, arm_hi))) {
        // Bands count outwards from the ring so all four arms match.
        const int dist = in(x, arm_lo, arm_hi) ? (y < lo ? lo - 1 - y : y - hi - 1)
                                               : (x < lo ? lo - 1 - x : x - hi - 1);
        cur.img.at(x, y) = kStripes[(dist / 2) % 3];
      }
    }
  }
  // A light glint on the upper-left of the ring so it still reads on dark backgrounds.
  cur.img.at(13, 14) = kGlint;
  cur.img.at(14, 13) = kGlint;
  return cur;
}

// Hand with the index finger pointing up: white shapes, a one-pixel black outline around their
// union. The gaps between the folded fingers are one pixel wide, so they become outline too.
Cursor MakeHand() {
  const int kSize = 32;
  auto inside = [](double x, double y) {
    const Vec p = {x, y};
    const double shapes[] = {
        SdCapsule(p, {10, 4}, {10, 18}, 2.05),         // index finger
        SdCapsule(p, {15, 10}, {15, 18}, 2.05),        // middle finger
        SdCapsule(p, {20, 11}, {20, 18}, 2.05),        // ring finger
        SdCapsule(p, {24.5, 13.5}, {24.5, 18}, 1.45),  // little finger
        SdCapsule(p, {5, 14.5}, {9.5, 21}, 2.05),      // thumb
        SdRoundedBox(p, {8, 17}, {26, 27}, 3.0),       // palm
    };
    return *std::min_element(std::begin(shapes), std::end(shapes)) < 0;
  };
  std::vector<bool> fill(kSize * kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) fill[y * kSize + x] = inside(x + 0.5, y + 0.5);
  }
  auto filled = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < kSize && y < kSize && fill[y * kSize + x];
  };

  Cursor cur{Image(kSize, kSize), 9, 1};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (filled(x, y)) {
        cur.img.at(x, y) = Opaque(0xFFFFFF);
      } else if (filled(x - 1, y) || filled(x + 1, y) || filled(x, y - 1) || filled(x, y + 1)) {
        cur.img.at(x, y) = Opaque(0x000000);
      }
    }
  }
  return cur;
}

Bytes EncodeCursor(const Cursor& cur) {
  DirEntry e{cur.img.w, cur.img.h, 0, cur.hot_x, cur.hot_y, EncodeDib32(cur.img)};
  return EncodeIconFile(2, {e});
}

// ---------------------------------------------------------------------------------------------
// Previews: each image alone, plus a sheet with everything magnified over a checkerboard and a
// sheet at actual size over light, mid and dark backgrounds.

void BlendOver(Rgba& dst, const Rgba& src) {
  const int a = src.a;
  dst.r = static_cast<uint8_t>((src.r * a + dst.r * (255 - a) + 127) / 255);
  dst.g = static_cast<uint8_t>((src.g * a + dst.g * (255 - a) + 127) / 255);
  dst.b = static_cast<uint8_t>((src.b * a + dst.b * (255 - a) + 127) / 255);
  dst.a = 255;
}

void Blit(Image& dst, const Image& src, int left, int top, int zoom) {
  for (int y = 0; y < src.h * zoom; ++y) {
    for (int x = 0; x < src.w * zoom; ++x) {
      if (dst.Inside(left + x, top + y)) {
        BlendOver(dst.at(left + x, top + y), src.at(x / zoom, y / zoom));
      }
    }
  }
}

Image Magnify(const Image& src, int zoom) {
  Image out(src.w * zoom, src.h * zoom);
  for (int y = 0; y < out.h; ++y) {
    for (int x = 0; x < out.w; ++x) out.at(x, y) = src.at(x / zoom, y / zoom);
  }
  return out;
}

Image MagnifiedSheet(const std::vector<Image>& images, const std::vector<Vec>& hotspots) {
  const int kTile = 264, kCols = 5;
  const int rows = (static_cast<int>(images.size()) + kCols - 1) / kCols;
  Image sheet(kCols * kTile, rows * kTile);
  for (int y = 0; y < sheet.h; ++y) {
    for (int x = 0; x < sheet.w; ++x) {
      const uint8_t v = ((x / 8 + y / 8) % 2) ? 0xCC : 0xF4;
      sheet.at(x, y) = {v, v, v, 255};
    }
  }
  for (size_t i = 0; i < images.size(); ++i) {
    const int zoom = std::max(1, 256 / images[i].w);
    const int left = static_cast<int>(i % kCols) * kTile + 4;
    const int top = static_cast<int>(i / kCols) * kTile + 4;
    Blit(sheet, images[i], left, top, zoom);
    if (hotspots[i].x < 0) continue;
    // Magenta frame round the hotspot pixel.
    const int hx = left + static_cast<int>(hotspots[i].x) * zoom;
    const int hy = top + static_cast<int>(hotspots[i].y) * zoom;
    for (int k = 0; k < zoom; ++k) {
      for (Vec q : {Vec{double(k), 0}, Vec{double(k), double(zoom - 1)}, Vec{0, double(k)},
                    Vec{double(zoom - 1), double(k)}}) {
        sheet.at(hx + static_cast<int>(q.x), hy + static_cast<int>(q.y)) = Opaque(0xFF00FF);
      }
    }
  }
  return sheet;
}

Image ActualSizeSheet(const std::vector<Image>& images) {
  const uint32_t backgrounds[] = {0xFFFFFF, 0x808080, 0x1E1E1E};
  int width = 8;
  for (const Image& img : images) width += img.w + 8;
  Image sheet(width, 3 * (256 + 16));
  for (int band = 0; band < 3; ++band) {
    for (int y = band * 272; y < (band + 1) * 272; ++y) {
      for (int x = 0; x < width; ++x) sheet.at(x, y) = Opaque(backgrounds[band]);
    }
    int left = 8;
    for (const Image& img : images) {
      Blit(sheet, img, left, band * 272 + 8, 1);
      left += img.w + 8;
    }
  }
  return sheet;
}

// ---------------------------------------------------------------------------------------------

bool WriteFile(const std::filesystem::path& path, const Bytes& data) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_art: cannot write %s\n", path.string().c_str());
    return false;
  }
  std::printf("%s (%zu bytes)\n", path.string().c_str(), data.size());
  return true;
}

// Catches drawing mistakes that would otherwise only show up as a pointer that clicks in the
// wrong place.
bool HotspotOnOpaquePixel(const char* name, const Cursor& cur) {
  if (cur.img.at(cur.hot_x, cur.hot_y).a == 255) return true;
  std::fprintf(stderr, "make_art: %s hotspot (%d,%d) is on a clear pixel\n", name, cur.hot_x,
               cur.hot_y);
  return false;
}

bool WritePreviews(const std::filesystem::path& dir, const std::vector<IconImage>& icon,
                   const Cursor& crosshair, const Cursor& hand) {
  std::filesystem::create_directories(dir);
  std::vector<Image> all;
  std::vector<Vec> hotspots;
  bool ok = true;
  for (const IconImage& ii : icon) {
    const std::string name = "preview-icon-" + std::to_string(ii.stored.w) + "-" +
                             std::to_string(ii.entry.bit_count) + "bpp.png";
    ok = WriteFile(dir / name, EncodePng(ii.stored)) && ok;
    all.push_back(ii.stored);
    hotspots.push_back({-1, -1});
  }
  for (const auto& [name, cur] : {std::pair{"crosshair", &crosshair}, std::pair{"hand", &hand}}) {
    ok = WriteFile(dir / ("preview-" + std::string(name) + ".png"), EncodePng(cur->img)) && ok;
    all.push_back(cur->img);
    hotspots.push_back({double(cur->hot_x), double(cur->hot_y)});
  }
  ok = WriteFile(dir / "preview-sheet.png", EncodePng(MagnifiedSheet(all, hotspots))) && ok;
  ok = WriteFile(dir / "preview-actual.png", EncodePng(Magnify(ActualSizeSheet(all), 2))) && ok;
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: make_art <output-dir> [<preview-dir>]\n");
    return 2;
  }
  const std::filesystem::path out_dir = argv[1];
  std::filesystem::create_directories(out_dir);

  const std::vector<IconImage> icon = MakeAppIcon();
  const Cursor crosshair = MakeCrosshair();
  const Cursor hand = MakeHand();
  // The crosshair's hotspot sits in its clear middle on purpose, so only the hand is checked.
  if (!HotspotOnOpaquePixel("hand", hand)) return 1;

  std::vector<DirEntry> entries;
  for (const IconImage& ii : icon) entries.push_back(ii.entry);
  bool ok = WriteFile(out_dir / "morvane.ico", EncodeIconFile(1, entries));
  ok = WriteFile(out_dir / "crosshair.cur", EncodeCursor(crosshair)) && ok;
  ok = WriteFile(out_dir / "hand.cur", EncodeCursor(hand)) && ok;
  if (argc == 3) ok = WritePreviews(argv[2], icon, crosshair, hand) && ok;
  return ok ? 0 : 1;
}
