#include "app/image_difference_writes.h"

#include "app/real_time_writes.h"
#include "config/dimensions.h"
#include "image/coefficient_word.h"
#include "image/dsp_address.h"
#include "image/integer_word.h"

#include <algorithm>

namespace quorvex {

namespace {

/// Words 6..140 are the filter sections, five words each, back to back.
constexpr int FirstSectionWord = EqualiserWordOutputA;
constexpr int SectionWordsEnd = CrossoverWordSub + 2 * SectionWordCount;

WordBytes WordOf(const CoefficientImage& image, int dsp, int address) {
    const int offset = DspBlockOffsets[dsp - 1] + WordByteCount * address;
    WordBytes word{};
    std::copy_n(image.begin() + offset, WordByteCount, word.begin());
    return word;
}

bool WordDiffers(const CoefficientImage& before, const CoefficientImage& after, int dsp,
                 int address) {
    return WordOf(before, dsp, address) != WordOf(after, dsp, address);
}

bool IsIntegerWord(int address) {
    for (int position = 1; position <= 3; ++position) {
        if (address == DelayWord(position)) {
            return true;
        }
    }
    for (const int base : {DynamicsPairBlockWord, DynamicsSubBlockWord}) {
        if (address == base + DynamicsHoldOffset || address == base + DynamicsDecayOffset) {
            return true;
        }
    }
    return address == FixedWord;
}

bool SendSectionAt(RealTimeWrites& writes, const CoefficientImage& after, int dsp, int first) {
    std::array<long double, SectionWordCount> coefficients{};
    for (int k = 0; k < SectionWordCount; ++k) {
        coefficients[static_cast<std::size_t>(k)] =
            CoefficientWordValue(WordOf(after, dsp, first + k));
    }
    return writes.WriteCoefficients(dsp, first, coefficients);
}

bool SendWordAt(RealTimeWrites& writes, const CoefficientImage& after, int dsp, int address) {
    const WordBytes word = WordOf(after, dsp, address);
    if (IsIntegerWord(address)) {
        return writes.WriteInteger(dsp, address, IntegerWordValue(word));
    }
    return writes.WriteCoefficient(dsp, address, CoefficientWordValue(word));
}

} // namespace

DifferenceWrites SendImageDifferences(RealTimeWrites& writes, const CoefficientImage& before,
                                      const CoefficientImage& after) {
    DifferenceWrites sent;
    if (!writes.Allowed()) {
        return sent;
    }
    for (int dsp = 1; dsp <= DspCount && !sent.Failed; ++dsp) {
        int address = 0;
        while (address < DspBlockWordCount && !sent.Failed) {
            const bool inSection = address >= FirstSectionWord && address < SectionWordsEnd;
            const int first =
                inSection ? address - (address - FirstSectionWord) % SectionWordCount : address;
            const int count = inSection ? SectionWordCount : 1;
            bool differs = false;
            for (int k = 0; k < count; ++k) {
                differs = differs || WordDiffers(before, after, dsp, first + k);
            }
            if (differs) {
                const bool ok = inSection ? SendSectionAt(writes, after, dsp, first)
                                          : SendWordAt(writes, after, dsp, first);
                sent.Failed = !ok;
                sent.Messages += ok ? 1 : 0;
                sent.Words += ok ? count : 0;
            }
            address = first + count;
        }
    }
    return sent;
}

} // namespace quorvex
