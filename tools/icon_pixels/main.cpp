// Writes the program icon, painted at each size a window hands the window
// system, as C++ source: the build's program_icon_pixels.generated.cpp.
// Usage: amorist-icon-pixels <output file>
#include <QImage>
#include <QSize>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/program_icon_painter.h"
#include "app/program_icon_pixels.h"

namespace {

constexpr int kPerLine = 8;

std::string Pixels(int size) {
    const QImage image = amorist::ProgramIconImage(QSize(size, size));
    std::string text = "constexpr std::uint32_t kPixels" + std::to_string(size) + "[] = {\n";
    char word[16];
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            std::snprintf(word, sizeof word, "%s0x%08x,", x % kPerLine == 0 ? "    " : " ", row[x]);
            text += word;
            if (x % kPerLine == kPerLine - 1)
                text += '\n';
        }
    }
    return text + "};\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    std::string text =
        "// Painted by amorist-icon-pixels as the program is built; do not edit.\n"
        "// clang-format off\n"
        "#include \"app/program_icon_pixels.h\"\n\n"
        "namespace amorist {\n\n"
        "namespace {\n\n";
    std::string table = "const std::array<IconPixels, kWindowIconSizes.size()> kPaintedIcon = {{\n";
    for (int size : amorist::kWindowIconSizes) {
        text += Pixels(size);
        table += "    {" + std::to_string(size) + ", kPixels" + std::to_string(size) + "},\n";
    }
    text += "}  // namespace\n\n" + table + "}};\n\n}  // namespace amorist\n";
    std::ofstream output(argv[1], std::ios::binary);
    if (!(output << text) || !output.flush()) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
