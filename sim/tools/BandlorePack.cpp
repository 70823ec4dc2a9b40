// BandlorePack <list.txt> <Bandlore.dat>: packs the device-identifier list for the driver data tool.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "BandlorePacker.h"

namespace {

// Any value works as the key; a fixed one keeps the build's output reproducible.
constexpr uint8_t kScrambleKey = 0xA7;

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: BandlorePack <list.txt> <Bandlore.dat>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();

    bandlore::DeviceBlock block;
    std::string error = bandlore::ParseList(text.str(), block);
    if (!error.empty()) {
        std::cerr << argv[1] << ": " << error << "\n";
        return 1;
    }
    auto plain = bandlore::BuildBlock(block);
    if (!plain) {
        std::cerr << argv[1] << ": the list does not fit one block\n";
        return 1;
    }
    std::vector<uint8_t> file = bandlore::Pack({*plain}, kScrambleKey);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
