// Feeds arbitrary bytes to the document reader. Loading must never crash,
// and whatever loads must write, load and write again to the same bytes.
#include "xml/TXmlDom.h"
#include "xml/TreeBlocksInUse.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void RoundTrip(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TXmlDom first;
    if (!first.LoadFromBytes(bytes))
        return;
    const std::string written = first.ToText();
    TXmlDom second;
    if (!second.LoadFromBytes(written)) {
        std::fprintf(stderr, "written document does not load: %s\n%s\n",
                     second.LastError().ToString().c_str(), written.c_str());
        std::abort();
    }
    if (second.ToText() != written) {
        std::fprintf(stderr, "second save differs:\n%s\n---\n%s\n", written.c_str(),
                     second.ToText().c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The elements live in chunks the leak checker does not see into.
    const size_t blocks = TreeBlocks::InUse();
    RoundTrip(data, size);
    if (TreeBlocks::InUse() != blocks) {
        std::fprintf(stderr, "%zu element blocks were leaked\n", TreeBlocks::InUse() - blocks);
        std::abort();
    }
    return 0;
}
