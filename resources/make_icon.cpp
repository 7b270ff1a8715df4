// Renders the application icon (the shield mark on the brand tile) into a multi-size .ico file.
// Host tool run at build time: make_icon_host <out.ico>. No dependencies; the shape is vector
// geometry below, anti-aliased by supersampling, so no image lives in the repository.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

// [SECTION] Shape (the tile and the mark, in a unit square with y down)
struct Vec { double x, y; };

struct Colour { double r, g, b, a; };   // straight alpha, 0..1

static const Colour kTileFill = {18 / 255.0, 16 / 255.0, 23 / 255.0, 1.0};   // #121017
static const Colour kAccent = {245 / 255.0, 165 / 255.0, 36 / 255.0, 1.0};   // #F5A524
static const double kTileOutlineAlpha = 77 / 255.0;                          // as the sidebar's brand tile

// The shield outline and its check mark, in units of the mark's half size around its centre.
static const Vec kShield[6] = {{0, -0.84}, {0.72, -0.5}, {0.62, 0.28}, {0, 0.86}, {-0.62, 0.28}, {-0.72, -0.5}};
static const Vec kCheck[3] = {{-0.26, 0.02}, {-0.05, 0.22}, {0.34, -0.24}};

struct Segment { Vec a, b; };

struct Shape {
    double tile_min, tile_max, tile_radius;   // pixels
    double outline_width;                     // pixels
    double stroke_width;                      // pixels
    std::vector<Segment> strokes;             // pixels
};

static Shape shape_for(int size)
{
    const double n = size;
    Shape s;
    s.tile_min = 0.0;
    s.tile_max = n;
    s.tile_radius = n * 9.0 / 32.0;
    s.outline_width = std::max(1.0, n / 48.0);
    // Small sizes keep the stroke at least about a pixel wide so the mark does not vanish.
    s.stroke_width = std::max(n * 0.062, 1.15);
    const double half = n * 0.31;
    const Vec c = {n * 0.5, n * 0.5 + n * 0.005};
    auto at = [&](Vec p) { return Vec{c.x + p.x * half, c.y + p.y * half}; };
    for (int i = 0; i < 6; i++)
        s.strokes.push_back({at(kShield[i]), at(kShield[(i + 1) % 6])});
    s.strokes.push_back({at(kCheck[0]), at(kCheck[1])});
    s.strokes.push_back({at(kCheck[1]), at(kCheck[2])});
    return s;
}

// [SECTION] Distances
static double segment_distance(Vec p, const Segment& s)
{
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = s.a.x + t * dx - p.x, ey = s.a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

// Signed distance to the rounded square: negative inside.
static double tile_distance(Vec p, const Shape& s)
{
    const double centre = (s.tile_min + s.tile_max) * 0.5;
    const double half = (s.tile_max - s.tile_min) * 0.5 - s.tile_radius;
    const double qx = std::fabs(p.x - centre) - half, qy = std::fabs(p.y - centre) - half;
    const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - s.tile_radius;
}

// [SECTION] Rendering
static Colour over(Colour top, double top_alpha, Colour under)
{
    const double a = top_alpha + under.a * (1.0 - top_alpha);
    if (a <= 0.0)
        return {0, 0, 0, 0};
    auto mix = [&](double t, double u) { return (t * top_alpha + u * under.a * (1.0 - top_alpha)) / a; };
    return {mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b), a};
}

static Colour sample(Vec p, const Shape& s)
{
    Colour c = {0, 0, 0, 0};
    const double d = tile_distance(p, s);
    if (d > 0.0)
        return c;
    c = kTileFill;
    if (d > -s.outline_width)
        c = over(kAccent, kTileOutlineAlpha, c);
    for (const Segment& seg : s.strokes)
        if (segment_distance(p, seg) <= s.stroke_width * 0.5)
            return over(kAccent, 1.0, c);
    return c;
}

// BGRA rows, top row first, straight alpha.
static std::vector<uint8_t> render(int size)
{
    const Shape s = shape_for(size);
    const int grid = size <= 64 ? 8 : 4;
    std::vector<uint8_t> out((size_t)size * size * 4);
    for (int y = 0; y < size; y++) {
        for (int x = 0; x < size; x++) {
            double r = 0, g = 0, b = 0, a = 0;   // premultiplied sums
            for (int j = 0; j < grid; j++) {
                for (int i = 0; i < grid; i++) {
                    Vec p = {x + (i + 0.5) / grid, y + (j + 0.5) / grid};
                    Colour c = sample(p, s);
                    r += c.r * c.a; g += c.g * c.a; b += c.b * c.a; a += c.a;
                }
            }
            const double count = (double)grid * grid;
            uint8_t* px = &out[((size_t)y * size + x) * 4];
            const double alpha = a / count;
            auto byte = [](double v) { return (uint8_t)std::lround(std::clamp(v, 0.0, 1.0) * 255.0); };
            px[0] = a > 0 ? byte(b / a) : 0;
            px[1] = a > 0 ? byte(g / a) : 0;
            px[2] = a > 0 ? byte(r / a) : 0;
            px[3] = byte(alpha);
        }
    }
    return out;
}

// [SECTION] ICO file (uncompressed 32-bit DIB entries with their AND masks)
static void put16(std::vector<uint8_t>& f, uint16_t v) { f.push_back(v & 0xff); f.push_back(v >> 8); }
static void put32(std::vector<uint8_t>& f, uint32_t v) { for (int i = 0; i < 4; i++) f.push_back((v >> (8 * i)) & 0xff); }

static std::vector<uint8_t> dib_entry(int size, const std::vector<uint8_t>& bgra)
{
    const size_t mask_stride = ((size + 31) / 32) * 4;
    std::vector<uint8_t> e;
    put32(e, 40);
    put32(e, (uint32_t)size);
    put32(e, (uint32_t)size * 2);   // colour rows plus mask rows
    put16(e, 1);
    put16(e, 32);
    put32(e, 0);
    put32(e, (uint32_t)(size * size * 4 + mask_stride * size));
    put32(e, 0); put32(e, 0); put32(e, 0); put32(e, 0);
    for (int y = size - 1; y >= 0; y--)   // DIB rows run bottom-up
        e.insert(e.end(), bgra.begin() + (size_t)y * size * 4, bgra.begin() + (size_t)(y + 1) * size * 4);
    for (int y = size - 1; y >= 0; y--) {
        std::vector<uint8_t> row(mask_stride, 0);
        for (int x = 0; x < size; x++)
            if (bgra[((size_t)y * size + x) * 4 + 3] == 0)
                row[x / 8] |= (uint8_t)(0x80 >> (x % 8));   // set bit: transparent for old readers
        e.insert(e.end(), row.begin(), row.end());
    }
    return e;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out.ico>\n", argv[0]);
        return 2;
    }
    const int sizes[] = {16, 24, 32, 48, 64, 128, 256};
    const int count = (int)(sizeof(sizes) / sizeof(sizes[0]));
    std::vector<std::vector<uint8_t>> images;
    for (int size : sizes)
        images.push_back(dib_entry(size, render(size)));

    std::vector<uint8_t> file;
    put16(file, 0);
    put16(file, 1);   // icon
    put16(file, (uint16_t)count);
    uint32_t offset = 6 + 16 * count;
    for (int i = 0; i < count; i++) {
        file.push_back(sizes[i] >= 256 ? 0 : (uint8_t)sizes[i]);   // 0 means 256
        file.push_back(sizes[i] >= 256 ? 0 : (uint8_t)sizes[i]);
        file.push_back(0);
        file.push_back(0);
        put16(file, 1);
        put16(file, 32);
        put32(file, (uint32_t)images[i].size());
        put32(file, offset);
        offset += (uint32_t)images[i].size();
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());

    FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    const bool ok = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    if (std::fclose(f) != 0 || !ok) {
        std::fprintf(stderr, "%s: write failed\n", argv[1]);
        return 1;
    }
    return 0;
}
