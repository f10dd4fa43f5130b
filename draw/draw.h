// The draw subsystem's public interface: the draw command, head-count parsing and the random
// draw. It has no window code; it reaches the window only through DrawHost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace draw {

// The four operations through which the draw command reaches the window. Texts are GBK bytes.
struct DrawHost {
    virtual ~DrawHost() = default;
    virtual std::optional<std::string> ReadEntryText() = 0;  // nullopt: no text at all
    virtual void ShowMessageBox(const std::string& text, const std::string& caption,
                                uint32_t style) = 0;
    virtual void FocusEntry() = 0;
    virtual void SetResultText(const std::string& text) = 0;
};

// What a click on the draw button does: seed from the clock, then prompt for an empty entry or
// draw a number from 1 to the head count and show it.
void RunDrawCommand(DrawHost& host);

// The head count typed into the entry: TruncateToBound(ReadDecimal(NormalizeFullWidth(text))).
int32_t ParseHeadCount(const char* text);  // GBK bytes up to the first NUL
// Folds full-width digits, signs, letters and a few symbols to ASCII; other text is kept.
std::string NormalizeFullWidth(const char* text);
// Reads the longest leading decimal number, correctly rounded; unreadable text reads as 0.
// The result depends neither on the locale nor on the floating-point unit's state.
double ReadDecimal(const char* text);
// Truncates toward zero to 64 bits and keeps the low 32; infinities and NaN give 0.
int32_t TruncateToBound(double value);

// A null source restores the default: a monotonic millisecond clock (std::chrono::steady_clock)
// cut to 32 bits, so that it wraps after 2^32 ms like the system's tick count.
void SetTickSource(uint32_t (*source)());  // where SeedFromClock reads the millisecond tick count
// Seeds this thread's generator from the tick count plus the process-wide seed offset, then
// advances the offset by 100 to 355.
void SeedFromClock();
// Seeds this thread's generator; the seed offset is not touched.
void SeedWith(uint32_t seed);
// One step of this thread's generator: a value from 0 to 32767.
int32_t NextRandom();
// A uniformly drawn number between the bounds, either order; a negative bound counts as 0, an
// absent low bound as 0 and an absent high bound as 2147483647.
int32_t RandomInRange(std::optional<int32_t> low, std::optional<int32_t> high);
// Signed decimal text in ASCII, without leading zeros, plus sign, spaces or grouping.
std::string FormatDecimal(int32_t value);

}  // namespace draw
