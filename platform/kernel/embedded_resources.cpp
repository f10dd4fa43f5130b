// The registry of resources embedded at build time.
#include "platform/kernel/embedded_resources.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace layer::kernel {

namespace {

// Filled by static constructors of other translation units, so it is built on first use.
std::vector<EmbeddedResource>& Registry() {
    static std::vector<EmbeddedResource> registry;
    return registry;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t index = 0; index < a.size(); ++index) {
        auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (upper(a[index]) != upper(b[index])) {
            return false;
        }
    }
    return true;
}

}  // namespace

void RegisterEmbeddedResource(const EmbeddedResource& resource) {
    if (resource.name == nullptr || (resource.bytes == nullptr && resource.size != 0)) {
        std::fprintf(stderr, "RegisterEmbeddedResource: a resource without a name or bytes\n");
        std::abort();
    }
    for (EmbeddedResource& existing : Registry()) {
        if (SameName(existing.name, resource.name)) {
            existing = resource;
            return;
        }
    }
    Registry().push_back(resource);
}

const EmbeddedResource* FindEmbeddedResource(std::string_view name) {
    for (const EmbeddedResource& resource : Registry()) {
        if (SameName(resource.name, name)) {
            return &resource;
        }
    }
    return nullptr;
}

std::vector<std::string> EmbeddedResourceNames() {
    std::vector<std::string> names;
    for (const EmbeddedResource& resource : Registry()) {
        names.emplace_back(resource.name);
    }
    return names;
}

}  // namespace layer::kernel
