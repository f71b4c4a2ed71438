// Runs the fuzz target on a bounded number of random texts when libFuzzer is not in use.
// Texts mix the characters a number is made of with blanks and other bytes, so well-formed
// numbers come up often. Usage: number_fuzz [count] [seed]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 200000;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20250;
    std::mt19937 engine(static_cast<std::mt19937::result_type>(seed));
    static constexpr char numberish[] = "0123456789012345678901234567890123456789  \t\n\r..--++";
    std::uniform_int_distribution<int> pickNumberish(0, sizeof numberish - 2);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> shortLength(0, 24);
    std::string text;
    for (long i = 0; i < count; ++i) {
        // Now and then a long text, to reach the reader's length limits.
        const int length = percent(engine) == 0 ? 600 + shortLength(engine) * 40 : shortLength(engine);
        const int noise = percent(engine) < 50 ? 0 : 5; // half the texts are made of number characters only
        text.clear();
        for (int j = 0; j < length; ++j) {
            if (percent(engine) < noise)
                text.push_back(static_cast<char>(anyByte(engine)));
            else
                text.push_back(numberish[pickNumberish(engine)]);
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    std::printf("number_fuzz: %ld inputs, seed %lu, no failure\n", count, seed);
    return 0;
}
