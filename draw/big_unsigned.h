// An unsigned integer of any size, with just the operations that exact decimal-to-binary
// conversion needs: scaling by small numbers and powers of ten, shifts, comparison, subtraction.
#pragma once

#include <cstdint>
#include <vector>

namespace draw {

class BigUnsigned {
  public:
    BigUnsigned() = default;
    explicit BigUnsigned(uint64_t value);

    bool IsZero() const { return limbs_.empty(); }
    // The number of bits up to and including the highest set bit; 0 for zero.
    uint64_t BitLength() const;
    // The value, which must fit in 64 bits.
    uint64_t ToUint64() const;

    void MultiplyAdd(uint32_t factor, uint32_t addend);
    void MultiplyByPowerOfTen(uint32_t power);
    void ShiftLeft(uint64_t bits);
    void ShiftRightOne();
    // Subtracts a value that is not larger than this one.
    void Subtract(const BigUnsigned& other);

    friend int Compare(const BigUnsigned& left, const BigUnsigned& right);

  private:
    void Trim();

    std::vector<uint32_t> limbs_;  // least significant first, no zero limb at the top
};

}  // namespace draw
