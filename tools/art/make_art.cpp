// Turns the pixel-art text files of resources/art into the bitmap and icon
// files the resource script embeds.
//
//   make_art strip IN.txt OUT.bmp BITS [TIMES]   every image of IN side by
//                                          side, one bitmap (BITS 1 or 4)
//   make_art bitmap IN.txt NAME OUT.bmp BITS [TIMES]   one named image
//   make_art icon IN.txt OUT.ico           every image of IN as one icon entry
//                                          (16 colours, 'transparent' masked)
//
// An art file holds "colour C R G B" (or "colour C transparent") lines that give
// each pixel character its colour, then "image NAME WIDTH HEIGHT" followed by
// HEIGHT rows of WIDTH characters. Lines starting with "//" and blank lines
// between images are ignored. 4-bit output uses the 16 standard colours, so
// every colour must be one of them; 1-bit output knows only black and white.
// TIMES (default 1) draws every art pixel as a TIMES x TIMES square: the
// pictures for screens of more dots per inch stay exact pixel art.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Colour {
    uint8_t Red, Green, Blue;
    bool Transparent;
};

struct Picture {
    std::string Name;
    int Width = 0, Height = 0;
    std::vector<std::string> Rows;
};

struct ArtFile {
    std::map<char, Colour> Legend;
    std::vector<Picture> Pictures;
};

// The palette every 16-colour bitmap and icon of the program carries.
const Colour kStandardColours[16] = {
    {0, 0, 0, false},       {128, 0, 0, false},     {0, 128, 0, false},   {128, 128, 0, false},
    {0, 0, 128, false},     {128, 0, 128, false},   {0, 128, 128, false}, {192, 192, 192, false},
    {128, 128, 128, false}, {255, 0, 0, false},     {0, 255, 0, false},   {255, 255, 0, false},
    {0, 0, 255, false},     {255, 0, 255, false},   {0, 255, 255, false}, {255, 255, 255, false},
};
const Colour kMonochromeColours[2] = {{0, 0, 0, false}, {255, 255, 255, false}};

[[noreturn]] void Fail(const std::string& file, int line, const std::string& what) {
    throw std::runtime_error(file + ":" + std::to_string(line) + ": " + what);
}

ArtFile ReadArt(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    ArtFile art;
    std::string line;
    int number = 0;
    Picture* open = nullptr;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (open && int(open->Rows.size()) < open->Height) {
            if (int(line.size()) != open->Width)
                Fail(path, number, "row of " + std::to_string(line.size()) + " pixels in " +
                                       open->Name + ", expected " + std::to_string(open->Width));
            for (char pixel : line)
                if (!art.Legend.count(pixel))
                    Fail(path, number, std::string("no colour for '") + pixel + "'");
            open->Rows.push_back(line);
            continue;
        }
        if (line.empty() || line.rfind("//", 0) == 0) continue;
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "colour") {
            std::string character, first;
            words >> character >> first;
            if (character.size() != 1) Fail(path, number, "a colour names one character");
            Colour colour{0, 0, 0, first == "transparent"};
            if (!colour.Transparent) {
                int green = -1, blue = -1;
                int red = std::stoi(first);
                words >> green >> blue;
                if (red < 0 || red > 255 || green < 0 || green > 255 || blue < 0 || blue > 255)
                    Fail(path, number, "colour components are 0 to 255");
                colour = {uint8_t(red), uint8_t(green), uint8_t(blue), false};
            }
            art.Legend[character[0]] = colour;
        } else if (keyword == "image") {
            Picture picture;
            words >> picture.Name >> picture.Width >> picture.Height;
            if (picture.Name.empty() || picture.Width <= 0 || picture.Height <= 0)
                Fail(path, number, "image NAME WIDTH HEIGHT");
            art.Pictures.push_back(picture);
            open = &art.Pictures.back();
        } else {
            Fail(path, number, "unknown line '" + line + "'");
        }
    }
    if (open && int(open->Rows.size()) < open->Height)
        Fail(path, number, "image " + open->Name + " ends early");
    if (art.Pictures.empty()) throw std::runtime_error(path + ": no image");
    return art;
}

int PaletteIndex(const Colour& colour, const Colour* palette, int size) {
    for (int i = 0; i < size; ++i)
        if (palette[i].Red == colour.Red && palette[i].Green == colour.Green &&
            palette[i].Blue == colour.Blue)
            return i;
    return -1;
}

// Pixels as palette indices, top row first; transparent pixels get index 0.
struct IndexedImage {
    int Width = 0, Height = 0;
    std::vector<std::vector<uint8_t>> Indices;
    std::vector<std::vector<bool>> Transparent;
};

IndexedImage IndexPictures(const ArtFile& art, const std::vector<const Picture*>& pictures,
                           const Colour* palette, int paletteSize, int times = 1) {
    IndexedImage image;
    if (times < 1) throw std::runtime_error("the multiple is a whole number from 1");
    image.Height = pictures.front()->Height * times;
    for (const Picture* picture : pictures) {
        if (picture->Height * times != image.Height)
            throw std::runtime_error("pictures of a strip must be of one height");
        image.Width += picture->Width * times;
    }
    image.Indices.assign(image.Height, {});
    image.Transparent.assign(image.Height, {});
    for (const Picture* picture : pictures) {
        for (int y = 0; y < image.Height; ++y) {
            for (char pixel : picture->Rows[y / times]) {
                const Colour& colour = art.Legend.at(pixel);
                int index = colour.Transparent ? 0 : PaletteIndex(colour, palette, paletteSize);
                if (index < 0)
                    throw std::runtime_error(std::string("colour of '") + pixel + "' in " +
                                             picture->Name + " is not in the palette");
                for (int repeat = 0; repeat < times; ++repeat) {
                    image.Indices[y].push_back(uint8_t(index));
                    image.Transparent[y].push_back(colour.Transparent);
                }
            }
        }
    }
    return image;
}

class ByteWriter {
public:
    std::vector<uint8_t> Bytes;
    void U8(uint32_t v) { Bytes.push_back(uint8_t(v)); }
    void U16(uint32_t v) { U8(v); U8(v >> 8); }
    void U32(uint32_t v) { U16(v); U16(v >> 16); }
    void Append(const std::vector<uint8_t>& more) { Bytes.insert(Bytes.end(), more.begin(), more.end()); }
};

int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// Rows bottom-up, each padded to 4 bytes, as a device-independent bitmap keeps them.
std::vector<uint8_t> PackRows(int width, int height, int bits,
                              const std::vector<std::vector<uint8_t>>& values) {
    std::vector<uint8_t> packed;
    int stride = RowBytes(width, bits);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < width; ++x) {
            int bit = x * bits;
            int shift = 8 - bits - bit % 8;
            row[bit / 8] |= uint8_t(values[y][x] << shift);
        }
        packed.insert(packed.end(), row.begin(), row.end());
    }
    return packed;
}

void InfoHeader(ByteWriter& out, int width, int height, int bits, uint32_t imageSize, int colours) {
    out.U32(40);
    out.U32(width);
    out.U32(height);
    out.U16(1);
    out.U16(bits);
    out.U32(0);  // BI_RGB
    out.U32(imageSize);
    out.U32(2835);  // 72 dots per inch
    out.U32(2835);
    out.U32(colours);
    out.U32(0);
}

void Palette(ByteWriter& out, const Colour* palette, int size) {
    for (int i = 0; i < size; ++i) {
        out.U8(palette[i].Blue);
        out.U8(palette[i].Green);
        out.U8(palette[i].Red);
        out.U8(0);
    }
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteBitmap(const ArtFile& art, const std::vector<const Picture*>& pictures, int bits,
                 int times, const std::string& path) {
    if (bits != 1 && bits != 4) throw std::runtime_error("bits must be 1 or 4");
    const Colour* palette = bits == 4 ? kStandardColours : kMonochromeColours;
    int paletteSize = 1 << bits;
    IndexedImage image = IndexPictures(art, pictures, palette, paletteSize, times);
    std::vector<uint8_t> pixels = PackRows(image.Width, image.Height, bits, image.Indices);

    ByteWriter out;
    uint32_t offset = 14 + 40 + 4 * paletteSize;
    out.U8('B');
    out.U8('M');
    out.U32(offset + uint32_t(pixels.size()));
    out.U32(0);
    out.U32(offset);
    InfoHeader(out, image.Width, image.Height, bits, uint32_t(pixels.size()), paletteSize);
    Palette(out, palette, paletteSize);
    out.Append(pixels);
    WriteFile(path, out.Bytes);
}

void WriteIcon(const ArtFile& art, const std::string& path) {
    std::vector<std::vector<uint8_t>> entries;
    for (const Picture& picture : art.Pictures) {
        IndexedImage image = IndexPictures(art, {&picture}, kStandardColours, 16);
        std::vector<std::vector<uint8_t>> mask(image.Height);
        for (int y = 0; y < image.Height; ++y)
            for (bool transparent : image.Transparent[y]) mask[y].push_back(transparent ? 1 : 0);
        std::vector<uint8_t> colour = PackRows(image.Width, image.Height, 4, image.Indices);
        std::vector<uint8_t> and_mask = PackRows(image.Width, image.Height, 1, mask);
        ByteWriter entry;
        // An icon image's header counts the colour and mask halves in its height.
        InfoHeader(entry, image.Width, image.Height * 2, 4,
                   uint32_t(colour.size() + and_mask.size()), 16);
        Palette(entry, kStandardColours, 16);
        entry.Append(colour);
        entry.Append(and_mask);
        entries.push_back(entry.Bytes);
    }
    ByteWriter out;
    out.U16(0);
    out.U16(1);  // icon
    out.U16(uint32_t(entries.size()));
    uint32_t offset = 6 + 16 * uint32_t(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const Picture& picture = art.Pictures[i];
        out.U8(picture.Width >= 256 ? 0 : picture.Width);
        out.U8(picture.Height >= 256 ? 0 : picture.Height);
        out.U8(16);
        out.U8(0);
        out.U16(1);
        out.U16(4);
        out.U32(uint32_t(entries[i].size()));
        out.U32(offset);
        offset += uint32_t(entries[i].size());
    }
    for (const auto& entry : entries) out.Append(entry);
    WriteFile(path, out.Bytes);
}

int Usage() {
    std::fprintf(stderr,
                 "usage: make_art strip IN.txt OUT.bmp BITS [TIMES]\n"
                 "       make_art bitmap IN.txt NAME OUT.bmp BITS [TIMES]\n"
                 "       make_art icon IN.txt OUT.ico\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    std::string command = argv[1];
    try {
        ArtFile art = ReadArt(argv[2]);
        if (command == "strip" && (argc == 5 || argc == 6)) {
            std::vector<const Picture*> all;
            for (const Picture& picture : art.Pictures) all.push_back(&picture);
            WriteBitmap(art, all, std::stoi(argv[4]), argc == 6 ? std::stoi(argv[5]) : 1, argv[3]);
        } else if (command == "bitmap" && (argc == 6 || argc == 7)) {
            for (const Picture& picture : art.Pictures) {
                if (picture.Name == argv[3]) {
                    WriteBitmap(art, {&picture}, std::stoi(argv[5]), argc == 7 ? std::stoi(argv[6]) : 1,
                                argv[4]);
                    return 0;
                }
            }
            throw std::runtime_error(std::string("no image named ") + argv[3]);
        } else if (command == "icon" && argc == 4) {
            WriteIcon(art, argv[3]);
        } else {
            return Usage();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_art: %s\n", error.what());
        return 1;
    }
    return 0;
}
