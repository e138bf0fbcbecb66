// Wraps a JPEG file in the stored picture record the window definition
// holds: the class tag's length byte, the tag "TJPEGImage", the stream's
// length as 32-bit little-endian, then the stream.
//   picture_record <input.jpg> <output.rec>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: picture_record INPUT.jpg OUTPUT.rec\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<char> stream((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in || stream.size() < 4 || static_cast<unsigned char>(stream[0]) != 0xFF ||
        static_cast<unsigned char>(stream[1]) != 0xD8) {
        std::fprintf(stderr, "picture_record: %s is not a JPEG stream\n", argv[1]);
        return 1;
    }
    const std::string tag = "TJPEGImage";
    std::vector<char> record;
    record.push_back(static_cast<char>(tag.size()));
    record.insert(record.end(), tag.begin(), tag.end());
    const auto length = static_cast<std::uint32_t>(stream.size());
    for (int i = 0; i < 4; ++i)
        record.push_back(static_cast<char>((length >> (8 * i)) & 0xFF));
    record.insert(record.end(), stream.begin(), stream.end());
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "picture_record: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
