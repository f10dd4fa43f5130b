// Finding faces with fontconfig and opening them with FreeType, each file once per process.
#include "platform/gdi/text/face_library.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace layer::text {
namespace {

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// True when any of the pattern's family names (a face often has several, one per language)
// equals the wanted one.
bool HasFamily(FcPattern* pattern, std::string_view wanted) {
    const std::string lowerWanted = Lowercase(wanted);
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        if (Lowercase(reinterpret_cast<const char*>(family)) == lowerWanted) {
            return true;
        }
    }
    return false;
}

}  // namespace

// fontconfig loses a few hundred bytes while it parses its configuration, once per process. The
// leak checker of sanitised builds is told so here, where fontconfig enters every program that
// draws text, rather than in each test program.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

FaceLibrary& FaceLibrary::Instance() {
    static FaceLibrary library;
    return library;
}

FaceLibrary::FaceLibrary() {
    if (FT_Init_FreeType(&library_) != 0) {
        std::fprintf(stderr, "text: FreeType did not start\n");
        std::abort();
    }
    if (!FcInit()) {
        std::fprintf(stderr, "text: fontconfig did not start\n");
        std::abort();
    }
}

const FaceEntry* FaceLibrary::Open(const std::string& patternText, std::string_view requiredFamily,
                                   bool bold) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(patternText.c_str()));
    if (pattern == nullptr) {
        return nullptr;
    }
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) {
        return nullptr;
    }
    const FaceEntry* entry = nullptr;
    FcChar8* file = nullptr;
    int index = 0;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    if ((requiredFamily.empty() || HasFamily(match, requiredFamily)) &&
        FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        const std::string key =
            std::string(reinterpret_cast<const char*>(file)) + "#" + std::to_string(index);
        auto found = facesByFile_.find(key);
        if (found == facesByFile_.end()) {
            FT_Face face = nullptr;
            if (FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &face) == 0) {
                FcChar8* family = nullptr;
                FcPatternGetString(match, FC_FAMILY, 0, &family);
                // Whether the file itself is bold: fontconfig reports the requested weight for a
                // face that it would embolden, so its answer cannot tell.
                FaceEntry opened{face, family ? reinterpret_cast<const char*>(family) : "",
                                 (face->style_flags & FT_STYLE_FLAG_BOLD) != 0};
                found = facesByFile_.emplace(key, opened).first;
            }
        }
        if (found != facesByFile_.end()) {
            entry = &found->second;
        }
    }
    FcPatternDestroy(match);
    return entry;
}

const FaceEntry& FaceLibrary::FaceFor(std::string_view family, bool bold) {
    std::lock_guard guard(lock_);
    const std::string request = Lowercase(family) + (bold ? "#bold" : "#regular");
    if (auto known = facesByRequest_.find(request); known != facesByRequest_.end()) {
        return *known->second;
    }
    const FaceEntry* entry = nullptr;
    if (!family.empty()) {
        // Family names in fontconfig patterns escape '-', ':' and ',' with a backslash.
        std::string escaped;
        for (char c : family) {
            if (c == '-' || c == ':' || c == ',' || c == '\\') {
                escaped += '\\';
            }
            escaped += c;
        }
        entry = Open(escaped, family, bold);
    }
    if (entry == nullptr) {
        entry = Open(kDefaultFamily, kDefaultFamily, bold);
    }
    if (entry == nullptr) {
        entry = Open("sans-serif:lang=zh-cn", "", bold);
    }
    if (entry == nullptr) {
        std::fprintf(stderr, "text: fontconfig finds neither %s nor a sans-serif face for zh-cn\n",
                     kDefaultFamily);
        std::abort();
    }
    facesByRequest_.emplace(request, entry);
    return *entry;
}

}  // namespace layer::text
