// Times reading and writing a settings-shaped document of about 1 MB beside a plain scan of
// the same bytes, the least any reader of them has to do.
#include "BenchClock.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/xml/Node.h"

using s::col::_array::ArrayU08;
using s::str::strbuffer::StrBuffer;
using s::xml::Node;

namespace {

const size_t kDocumentBytes = 1024 * 1024;
volatile uint64_t sink;

// Sections of values as the store writes them: numbers, escaped texts, hex runs, element
// text with its spaces stored as references, a little non-ASCII.
std::string Document()
{
    std::string text = "<savedata>";
    for (int i = 0; text.size() < kDocumentBytes; ++i) {
        const std::string n = std::to_string(i);
        text += "<Section" + n + " Width=\"" + n + "\" Opacity=\"200\" Big=\"-1\" Scale=\"1.250000\"";
        text += " Face=\"Segoe UI &amp; &quot;Mono&quot; \xC3\xA9\xE4\xB8\xAD\" Order=\"000a7fff0102030405\">";
        text += "<View Left=\"-32000\" Top=\"12\"><Font Name=\"Consolas\" Size=\"9.500000\">";
        text += "&#160;label&#160;text&#160;" + n + "</Font></View><Empty></Empty></Section" + n + ">";
    }
    return text + "</savedata>";
}

// The floor: every byte looked at once, the markup counted.
uint64_t Scan(const std::string& bytes)
{
    uint64_t marks = 0;
    for (char c : bytes)
        marks += c == '<' || c == '"';
    return marks;
}

void Report(const char* what, double ours, double scan)
{
    std::printf("%-44s %8.2f ms, std::string scan %6.2f ms, ratio %7.1f\n", what, ours * 1e3, scan * 1e3,
                ours / scan);
}

} // namespace

int main()
{
    const std::string text = Document();
    std::printf("document: %zu bytes\n", text.size());
    ArrayU08* bytes = ArrayU08::New();
    bytes->AppendRaw(text.data(), static_cast<uint32_t>(text.size()), 0);

    const double scan = Best([&] { sink = sink + Scan(text); });

    // The tree is dropped outside the timing, and timed on its own.
    double parse = 1e30;
    double drop = 1e30;
    for (int round = 0; round < 5; ++round) {
        Node* node = Node::New();
        double start = Now();
        sink = sink + node->ParseBytes(bytes);
        parse = std::min(parse, Now() - start);
        start = Now();
        node->ReleaseToPool();
        drop = std::min(drop, Now() - start);
    }
    Report("parse 1 MB (UTF-8 bytes to nodes)", parse, scan);
    Report("drop the parsed tree", drop, scan);

    Node* node = Node::New();
    node->ParseBytes(bytes);
    ArrayU08* out = ArrayU08::New();
    const double write = Best([&] {
        node->WriteBytes(out, false);
        sink = sink + out->GetCount();
    });
    Report("write 1 MB (nodes to UTF-8 bytes)", write, scan);
    StrBuffer* written = StrBuffer::New();
    const double writeText = Best([&] {
        node->Write(written, false);
        sink = sink + written->GetLength();
    });
    Report("write 1 MB (nodes to UTF-16 text)", writeText, scan);
    const bool same = out->GetCount() == text.size() && text.compare(0, text.size(), static_cast<const char*>(out->GetData()), out->GetCount()) == 0;
    std::printf("written back byte for byte: %s\n", same ? "yes" : "NO");

    written->ReleaseToPool();
    out->ReleaseToPool();
    node->ReleaseToPool();
    bytes->ReleaseToPool();
    return same ? 0 : 1;
}
