// Resources embedded into the executable at build time: each names a block of bytes (an .ico
// file's raw contents for icons) that LoadImageA and FindResourceA look up by name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace layer::kernel {

struct EmbeddedResource {
    const char* name;
    const unsigned char* bytes;
    size_t size;
};

// Called by the static objects of generated sources before main. A later registration under the
// same name (compared without regard to ASCII case) replaces the earlier one.
void RegisterEmbeddedResource(const EmbeddedResource& resource);
// The resource registered under a name, or null.
const EmbeddedResource* FindEmbeddedResource(std::string_view name);
// The names registered so far, in the order of their first registration.
std::vector<std::string> EmbeddedResourceNames();

}  // namespace layer::kernel
