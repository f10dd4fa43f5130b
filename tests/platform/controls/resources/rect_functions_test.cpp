// The rectangle helpers: intersections, unions and differences by table, the point test's
// half-open edges, wrapping offsets, and null pointers refused.
#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "platform/win32.h"

// Found by argument-dependent lookup, so it lives beside RECT in the global namespace.
static std::ostream& operator<<(std::ostream& out, const RECT& rect) {
    return out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom
               << ")";
}

namespace {

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct BinaryCase {
    const char* name;
    RECT first;
    RECT second;
    BOOL result;
    RECT expected;
};

void CheckBinary(BOOL(WINAPI* function)(LPRECT, const RECT*, const RECT*), const BinaryCase& test) {
    RECT out{-7, -7, -7, -7};
    EXPECT_EQ(test.result, function(&out, &test.first, &test.second)) << test.name;
    EXPECT_TRUE(Same(test.expected, out))
        << test.name << ": expected " << test.expected << ", got " << out;
}

TEST(RectFunctions, IntersectRect) {
    const BinaryCase cases[] = {
        {"overlap", {0, 0, 10, 10}, {5, 5, 20, 20}, TRUE, {5, 5, 10, 10}},
        {"inside", {0, 0, 10, 10}, {2, 3, 4, 5}, TRUE, {2, 3, 4, 5}},
        {"touching edges", {0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}},
        {"apart", {0, 0, 10, 10}, {30, 30, 40, 40}, FALSE, {0, 0, 0, 0}},
        {"empty source", {0, 0, 0, 10}, {-5, -5, 5, 5}, FALSE, {0, 0, 0, 0}},
        {"inverted source", {10, 10, 0, 0}, {0, 0, 10, 10}, FALSE, {0, 0, 0, 0}},
    };
    for (const BinaryCase& test : cases) {
        CheckBinary(IntersectRect, test);
    }
}

TEST(RectFunctions, UnionRect) {
    const BinaryCase cases[] = {
        {"apart", {0, 0, 10, 10}, {20, 5, 30, 15}, TRUE, {0, 0, 30, 15}},
        {"first empty is ignored", {100, 100, 100, 200}, {0, 0, 10, 10}, TRUE, {0, 0, 10, 10}},
        {"second empty is ignored", {0, 0, 10, 10}, {-50, -50, -60, -40}, TRUE, {0, 0, 10, 10}},
        {"both empty", {0, 0, 0, 0}, {5, 5, 5, 9}, FALSE, {0, 0, 0, 0}},
    };
    for (const BinaryCase& test : cases) {
        CheckBinary(UnionRect, test);
    }
}

TEST(RectFunctions, SubtractRect) {
    const BinaryCase cases[] = {
        {"cut from the left", {0, 0, 10, 10}, {-5, -1, 4, 11}, TRUE, {4, 0, 10, 10}},
        {"cut from the right", {0, 0, 10, 10}, {6, 0, 10, 10}, TRUE, {0, 0, 6, 10}},
        {"cut from the top", {0, 0, 10, 10}, {0, -3, 10, 2}, TRUE, {0, 2, 10, 10}},
        {"cut from the bottom", {0, 0, 10, 10}, {-1, 7, 11, 12}, TRUE, {0, 0, 10, 7}},
        {"hole in the middle", {0, 0, 10, 10}, {3, 3, 6, 6}, TRUE, {0, 0, 10, 10}},
        {"corner only", {0, 0, 10, 10}, {5, 5, 20, 20}, TRUE, {0, 0, 10, 10}},
        {"covered whole", {0, 0, 10, 10}, {-1, -1, 11, 11}, FALSE, {0, 0, 0, 0}},
        {"empty first", {5, 5, 5, 5}, {0, 0, 1, 1}, FALSE, {0, 0, 0, 0}},
    };
    for (const BinaryCase& test : cases) {
        CheckBinary(SubtractRect, test);
    }
}

TEST(RectFunctions, PointsOnTheRightAndBottomEdgesAreOutside) {
    const RECT rect{10, 20, 30, 40};
    EXPECT_TRUE(PtInRect(&rect, POINT{10, 20}));
    EXPECT_TRUE(PtInRect(&rect, POINT{29, 39}));
    EXPECT_FALSE(PtInRect(&rect, POINT{30, 25}));
    EXPECT_FALSE(PtInRect(&rect, POINT{15, 40}));
    EXPECT_FALSE(PtInRect(&rect, POINT{9, 25}));
}

TEST(RectFunctions, EmptinessAndEquality) {
    const RECT empties[] = {{0, 0, 0, 0}, {5, 5, 5, 10}, {5, 5, 10, 5}, {10, 10, 5, 5}};
    for (const RECT& rect : empties) {
        EXPECT_TRUE(IsRectEmpty(&rect)) << rect;
    }
    const RECT one{1, 2, 3, 4};
    RECT copy;
    EXPECT_TRUE(CopyRect(&copy, &one));
    EXPECT_TRUE(EqualRect(&copy, &one));
    copy.bottom = 5;
    EXPECT_FALSE(EqualRect(&copy, &one));
    EXPECT_FALSE(IsRectEmpty(&one));
}

TEST(RectFunctions, SetOffsetAndInflate) {
    RECT rect;
    EXPECT_TRUE(SetRect(&rect, 1, 2, 3, 4));
    EXPECT_TRUE(OffsetRect(&rect, 10, -20));
    EXPECT_TRUE(Same(RECT{11, -18, 13, -16}, rect)) << rect;
    EXPECT_TRUE(InflateRect(&rect, 2, -1));
    EXPECT_TRUE(Same(RECT{9, -17, 15, -17}, rect)) << rect;
    EXPECT_TRUE(SetRectEmpty(&rect));
    EXPECT_TRUE(Same(RECT{0, 0, 0, 0}, rect)) << rect;
}

TEST(RectFunctions, OffsetsWrapAroundInsteadOfOverflowing) {
    RECT rect{INT_MAX - 1, 0, INT_MAX, 1};
    EXPECT_TRUE(OffsetRect(&rect, 2, 0));
    EXPECT_TRUE(Same(RECT{INT_MIN, 0, INT_MIN + 1, 1}, rect)) << rect;
    EXPECT_TRUE(InflateRect(&rect, 1, 0));
    EXPECT_TRUE(Same(RECT{INT_MAX, 0, INT_MIN + 2, 1}, rect)) << rect;
}

TEST(RectFunctions, NullPointersAreRefused) {
    RECT rect{0, 0, 1, 1};
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
    EXPECT_FALSE(SetRectEmpty(nullptr));
    EXPECT_FALSE(CopyRect(nullptr, &rect));
    EXPECT_FALSE(CopyRect(&rect, nullptr));
    EXPECT_TRUE(IsRectEmpty(nullptr));
    EXPECT_FALSE(EqualRect(&rect, nullptr));
    EXPECT_FALSE(PtInRect(nullptr, POINT{0, 0}));
    EXPECT_FALSE(OffsetRect(nullptr, 1, 1));
    EXPECT_FALSE(InflateRect(nullptr, 1, 1));
    EXPECT_FALSE(IntersectRect(nullptr, &rect, &rect));
    EXPECT_FALSE(IntersectRect(&rect, nullptr, &rect));
    EXPECT_FALSE(UnionRect(&rect, &rect, nullptr));
    EXPECT_FALSE(SubtractRect(&rect, nullptr, &rect));
}

}  // namespace
