// The GIF encoder checked against Qt's own GIF reader and a strict walk of its code stream.
#include "art/gif_writer.h"
#include "art/indexed_image.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <stdexcept>

namespace {

using art::GifColour;
using art::IndexedImage;

std::vector<GifColour> distinctColours(int count)
{
    std::vector<GifColour> palette;
    for (int i = 0; i < count; ++i)
        palette.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                           static_cast<std::uint8_t>((i * 37) & 0xff)});
    return palette;
}

IndexedImage randomImage(int width, int height, int colours, unsigned seed)
{
    IndexedImage image{width, height, distinctColours(colours), {}};
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, colours - 1);
    for (int i = 0; i < width * height; ++i)
        image.pixels.push_back(static_cast<std::uint8_t>(pick(random)));
    return image;
}

IndexedImage patternImage(int width, int height, int colours, int (*pattern)(int x, int y))
{
    IndexedImage image{width, height, distinctColours(colours), {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.pixels.push_back(static_cast<std::uint8_t>(pattern(x, y) % colours));
    }
    return image;
}

// Encodes, decodes with Qt and compares every pixel; stops at the first difference.
void expectRoundTrip(const IndexedImage& image)
{
    const std::vector<std::uint8_t> bytes = art::encodeGif(image);
    const QImage decoded =
        QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "GIF");
    ASSERT_FALSE(decoded.isNull()) << "Qt could not read a " << image.width << "x" << image.height << " GIF";
    ASSERT_EQ(decoded.width(), image.width);
    ASSERT_EQ(decoded.height(), image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const GifColour want = image.palette[image.pixels[static_cast<std::size_t>(y * image.width + x)]];
            const QRgb got = decoded.pixel(x, y);
            ASSERT_EQ(got, qRgb(want.r, want.g, want.b))
                << "pixel (" << x << ", " << y << ") of a " << image.width << "x" << image.height << " image with "
                << image.palette.size() << " colours";
        }
    }
}

// Qt's reader forgives a missing or mis-sized end code; stricter readers do not. Walks the
// LZW code stream the way a strict decoder does, tracking only string lengths, and
// returns what went wrong, or an empty string when the stream is exactly right: starts
// with a clear code, uses only defined codes, covers every pixel, ends with the end code
// at the right width and nothing but padding after it.
std::string strictStreamProblem(const std::vector<std::uint8_t>& file, int width, int height)
{
    const std::size_t tableBytes = 3u * (1u << ((file.at(10) & 7) + 1));
    std::size_t at = 13 + tableBytes + 10;  // screen descriptor, colour table, image descriptor
    const int minCodeSize = file.at(at++);
    std::vector<std::uint8_t> data;
    while (file.at(at) != 0) {
        const std::size_t length = file.at(at);
        data.insert(data.end(), file.begin() + static_cast<std::ptrdiff_t>(at + 1),
                    file.begin() + static_cast<std::ptrdiff_t>(at + 1 + length));
        at += 1 + length;
    }
    if (at + 2 != file.size() || file.back() != 0x3b)
        return "no trailer right after the image data";

    std::size_t bit = 0;
    const std::size_t bitCount = data.size() * 8;
    auto read = [&](int width) -> long {
        if (bit + static_cast<std::size_t>(width) > bitCount)
            return -1;
        long code = 0;
        for (int i = 0; i < width; ++i, ++bit)
            code |= static_cast<long>((data[bit / 8] >> (bit % 8)) & 1) << i;
        return code;
    };
    const long clearCode = 1L << minCodeSize;
    const long endCode = clearCode + 1;
    std::vector<long> lengths;
    auto reset = [&] { lengths.assign(static_cast<std::size_t>(endCode + 1), 1); };
    int codeWidth = minCodeSize + 1;
    long previous = -1;
    long pixels = 0;
    if (read(codeWidth) != clearCode)
        return "does not start with a clear code";
    reset();
    for (;;) {
        const long code = read(codeWidth);
        if (code < 0)
            return "data ends before the end code";
        if (code == endCode)
            break;
        if (code == clearCode) {
            reset();
            codeWidth = minCodeSize + 1;
            previous = -1;
            continue;
        }
        const auto next = static_cast<long>(lengths.size());
        if (code > next || (previous < 0 && code >= clearCode))
            return "code " + std::to_string(code) + " not in the table";
        long length = code == next ? lengths[static_cast<std::size_t>(previous)] + 1 : lengths[static_cast<std::size_t>(code)];
        if (previous >= 0 && next < 4096) {
            lengths.push_back(lengths[static_cast<std::size_t>(previous)] + 1);
            if (lengths.size() == (std::size_t{1} << codeWidth) && codeWidth < 12)
                ++codeWidth;
        }
        pixels += length;
        previous = code;
    }
    if (pixels != static_cast<long>(width) * height)
        return "codes cover " + std::to_string(pixels) + " pixels";
    if (bitCount - bit >= 8)
        return "whole bytes after the end code";
    return {};
}

TEST(GifStream, EndsWithTheEndCodeAtTheRightWidth)
{
    // Many sizes, so that the last code lands on every side of a code width change.
    for (const int colours : {1, 2, 5, 256}) {
        for (int width = 1; width <= 70; ++width) {
            for (const int height : {1, 3, 29}) {
                const IndexedImage image = (width + height) % 2 == 0
                                               ? randomImage(width, height, colours, static_cast<unsigned>(width))
                                               : patternImage(width, height, colours, [](int x, int y) { return (x + y) / 3; });
                const std::string problem = strictStreamProblem(art::encodeGif(image), width, height);
                ASSERT_EQ(problem, "") << width << "x" << height << ", " << colours << " colours";
            }
        }
    }
    const IndexedImage large = randomImage(300, 200, 256, 3);
    EXPECT_EQ(strictStreamProblem(art::encodeGif(large), 300, 200), "");
}

TEST(GifRoundTrip, SmallImagesWithFewColours)
{
    expectRoundTrip(patternImage(1, 1, 1, [](int, int) { return 0; }));
    expectRoundTrip(patternImage(7, 5, 2, [](int x, int y) { return x + y; }));
    expectRoundTrip(patternImage(13, 11, 3, [](int x, int y) { return x * y; }));
    expectRoundTrip(patternImage(1, 40, 4, [](int, int y) { return y / 3; }));
    expectRoundTrip(randomImage(19, 17, 5, 1));
}

TEST(GifRoundTrip, EveryPaletteSizeAroundPowersOfTwo)
{
    // The colour table and the starting code width both follow the palette size.
    for (const int colours : {1, 2, 3, 4, 5, 7, 8, 9, 16, 17, 31, 32, 33, 64, 65, 127, 128, 129, 255, 256}) {
        SCOPED_TRACE(colours);
        expectRoundTrip(randomImage(37, 23, colours, static_cast<unsigned>(colours)));
    }
}

TEST(GifRoundTrip, AllTwoHundredFiftySixColoursInUse)
{
    expectRoundTrip(patternImage(16, 16, 256, [](int x, int y) { return y * 16 + x; }));
    expectRoundTrip(patternImage(256, 3, 256, [](int x, int y) { return (x * 7 + y) & 0xff; }));
}

TEST(GifRoundTrip, LongRunsOfOneColour)
{
    // A single colour makes each new code one pixel longer than the last and hits the
    // case of a code used in the same step that defines it.
    expectRoundTrip(patternImage(608, 416, 1, [](int, int) { return 0; }));
    expectRoundTrip(patternImage(300, 200, 2, [](int x, int y) { return (x / 50 + y / 40) % 2; }));
}

TEST(GifRoundTrip, TableFillsAndStartsOverManyTimes)
{
    // Every code written adds one table entry, and a random picture's strings stay short,
    // so these sizes write several times 4096 codes: the table fills, the code width has
    // grown to 12 bits, and a clear code restarts it again and again.
    expectRoundTrip(randomImage(200, 150, 256, 7));  // about 1.5 pixels per code
    expectRoundTrip(randomImage(500, 400, 2, 8));    // about 10 pixels per code
    expectRoundTrip(randomImage(321, 257, 17, 9));
    // Structured pictures with repeats: strings grow long before the table fills.
    expectRoundTrip(patternImage(640, 480, 64, [](int x, int y) { return (x * x + y * 3) / 7; }));
    expectRoundTrip(patternImage(4099, 2, 256, [](int x, int y) { return (x * 131 + y) & 0xff; }));
}

TEST(GifWriter, RejectsWhatAGifCannotHold)
{
    IndexedImage image = randomImage(4, 4, 3, 2);
    image.palette.clear();
    EXPECT_THROW(art::encodeGif(image), std::invalid_argument);

    image = randomImage(4, 4, 3, 2);
    image.palette = distinctColours(256);
    image.palette.push_back({});
    EXPECT_THROW(art::encodeGif(image), std::invalid_argument);

    image = randomImage(4, 4, 3, 2);
    image.pixels[5] = 3;  // one past the palette
    EXPECT_THROW(art::encodeGif(image), std::invalid_argument);

    image = randomImage(4, 4, 3, 2);
    image.pixels.pop_back();
    EXPECT_THROW(art::encodeGif(image), std::invalid_argument);

    image = IndexedImage{0, 0, distinctColours(2), {}};
    EXPECT_THROW(art::encodeGif(image), std::invalid_argument);
}

TEST(IndexColours, KeepsColoursExactAndRefusesWhatItWouldHaveToChange)
{
    QImage picture(16, 17, QImage::Format_RGB32);
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 16; ++x)
            picture.setPixel(x, y, qRgb(x * 16, (y % 16) * 15, 7));  // 256 colours, last row repeats the first
    }
    const IndexedImage indexed = art::indexColours(picture);
    EXPECT_EQ(indexed.palette.size(), 256u);
    const std::vector<std::uint8_t> bytes = art::encodeGif(indexed);
    const QImage back = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    ASSERT_EQ(back.size(), picture.size());
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(back.pixel(x, y), picture.pixel(x, y)) << x << ", " << y;
    }

    picture.setPixel(3, 16, qRgb(1, 2, 3));  // a 257th colour
    EXPECT_THROW(art::indexColours(picture), std::invalid_argument);

    QImage seeThrough(2, 2, QImage::Format_ARGB32);
    seeThrough.fill(qRgba(10, 20, 30, 128));
    EXPECT_THROW(art::indexColours(seeThrough), std::invalid_argument);
}

}  // namespace
