// Arbitrary-size unsigned arithmetic on 32-bit limbs for the decimal reader's exact conversion.
#include "draw/big_unsigned.h"

#include <bit>

#include "draw/invariant.h"

namespace draw {

BigUnsigned::BigUnsigned(uint64_t value) {
    while (value != 0) {
        limbs_.push_back(static_cast<uint32_t>(value));
        value >>= 32;
    }
}

uint64_t BigUnsigned::BitLength() const {
    if (limbs_.empty()) {
        return 0;
    }
    return (limbs_.size() - 1) * 32 + std::bit_width(limbs_.back());
}

uint64_t BigUnsigned::ToUint64() const {
    DRAW_CHECK(limbs_.size() <= 2);
    uint64_t value = 0;
    for (size_t index = limbs_.size(); index-- > 0;) {
        value = (value << 32) | limbs_[index];
    }
    return value;
}

void BigUnsigned::MultiplyAdd(uint32_t factor, uint32_t addend) {
    uint64_t carry = addend;
    for (uint32_t& limb : limbs_) {
        const uint64_t product = uint64_t{limb} * factor + carry;
        limb = static_cast<uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) {
        limbs_.push_back(static_cast<uint32_t>(carry));
    }
    Trim();
}

void BigUnsigned::MultiplyByPowerOfTen(uint32_t power) {
    // 10^9 is the largest power of ten that fits in one limb.
    for (; power >= 9; power -= 9) {
        MultiplyAdd(1000000000u, 0);
    }
    uint32_t rest = 1;
    for (; power > 0; --power) {
        rest *= 10;
    }
    MultiplyAdd(rest, 0);
}

void BigUnsigned::ShiftLeft(uint64_t bits) {
    if (limbs_.empty() || bits == 0) {
        return;
    }
    const size_t wholeLimbs = bits / 32;
    const unsigned partBits = bits % 32;
    if (partBits != 0) {
        uint32_t carry = 0;
        for (uint32_t& limb : limbs_) {
            const uint32_t next = limb >> (32 - partBits);
            limb = (limb << partBits) | carry;
            carry = next;
        }
        if (carry != 0) {
            limbs_.push_back(carry);
        }
    }
    limbs_.insert(limbs_.begin(), wholeLimbs, 0u);
}

void BigUnsigned::ShiftRightOne() {
    for (size_t index = 0; index < limbs_.size(); ++index) {
        const uint32_t high = index + 1 < limbs_.size() ? limbs_[index + 1] << 31 : 0;
        limbs_[index] = (limbs_[index] >> 1) | high;
    }
    Trim();
}

void BigUnsigned::Subtract(const BigUnsigned& other) {
    DRAW_CHECK(Compare(*this, other) >= 0);
    int64_t borrow = 0;
    for (size_t index = 0; index < limbs_.size(); ++index) {
        const int64_t subtrahend = index < other.limbs_.size() ? other.limbs_[index] : 0;
        int64_t difference = int64_t{limbs_[index]} - subtrahend - borrow;
        borrow = difference < 0 ? 1 : 0;
        if (difference < 0) {
            difference += int64_t{1} << 32;
        }
        limbs_[index] = static_cast<uint32_t>(difference);
    }
    Trim();
}

int Compare(const BigUnsigned& left, const BigUnsigned& right) {
    if (left.limbs_.size() != right.limbs_.size()) {
        return left.limbs_.size() < right.limbs_.size() ? -1 : 1;
    }
    for (size_t index = left.limbs_.size(); index-- > 0;) {
        if (left.limbs_[index] != right.limbs_[index]) {
            return left.limbs_[index] < right.limbs_[index] ? -1 : 1;
        }
    }
    return 0;
}

void BigUnsigned::Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) {
        limbs_.pop_back();
    }
}

}  // namespace draw
