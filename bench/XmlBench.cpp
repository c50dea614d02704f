// Times reading, dropping and writing a settings-shaped document of about 1 MB beside a plain scan
// of the same bytes, the least any reader of them has to do, and beside pugixml in its default and
// its wchar_t mode; every heap request of a parse is counted.
#include "AllocCounter.h"
#include "BenchClock.h"
#include "XmlPeerBench.h"

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


// What the tree of the model must hold whatever the allocation: every node and record, and the
// UTF-16 copies of names and values with their terminators.
struct TreeFloor {
    uint64_t nodes = 0;
    uint64_t records = 0;
    uint64_t textBytes = 0;
    uint64_t Bytes() const { return nodes * sizeof(Node) + records * sizeof(s::xml::AttrRecord) + textBytes; }
};

void Measure(Node* node, TreeFloor* floor)
{
    ++floor->nodes;
    floor->textBytes += (node->GetNameLength() + 1) * sizeof(wchar_t);
    s::xml::Attributes* list = node->GetAttributes();
    floor->records += list->GetCount();
    for (uint32_t i = 0; i < list->GetCount(); ++i) {
        const s::xml::AttrRecord* r = list->GetRecord(i);
        floor->textBytes += (r->nameLength + 1 + r->valueLength + 1) * sizeof(wchar_t);
    }
    for (uint32_t i = 0; i < node->GetChildCount(); ++i)
        Measure(node->ChildAt(i), floor);
}

XmlFigures MeasureOurs(ArrayU08* bytes)
{
    XmlFigures f{1e30, 1e30, 1e30, 0, 0, 0, 0, 0};
    TimeParses(
        &f, [] { return Node::New(); }, [&](Node* node) { sink = sink + node->ParseBytes(bytes); },
        [](Node* node) { node->ReleaseToPool(); });
    Node* node = Node::New();
    node->ParseBytes(bytes);
    ArrayU08* out = ArrayU08::New();
    f.write = Best([&] {
        node->WriteBytes(out, false);
        sink = sink + out->GetCount();
    });
    f.writtenBytes = out->GetCount();
    out->ReleaseToPool();
    node->ReleaseToPool();
    return f;
}

void Row(const char* who, const XmlFigures& f, size_t textBytes)
{
    const double mb = static_cast<double>(textBytes) / (1024.0 * 1024.0);
    std::printf("%-18s %8.2f %10.2f %8.2f %10.2f MB/%-7llu %8.2f MB/%-7llu %6.2f\n", who, f.parse * 1e3,
                f.release * 1e3, f.write * 1e3, static_cast<double>(f.firstParseBytes) / 1048576.0,
                static_cast<unsigned long long>(f.firstParseBlocks),
                static_cast<double>(f.laterParseBytes) / 1048576.0,
                static_cast<unsigned long long>(f.laterParseBlocks),
                static_cast<double>(f.firstParseBytes) / 1048576.0 / mb);
}

void Ratios(const char* peer, const XmlFigures& ours, const XmlFigures& theirs)
{
    std::printf("against %-16s parse %5.2fx  release %5.2fx  write %5.2fx  first-parse bytes %5.2fx\n", peer,
                ours.parse / theirs.parse, ours.release / theirs.release, ours.write / theirs.write,
                static_cast<double>(ours.firstParseBytes) / static_cast<double>(theirs.firstParseBytes));
}

} // namespace

int main()
{
    const std::string text = Document();
    std::printf("document: %zu bytes\n", text.size());
    ArrayU08* bytes = ArrayU08::New();
    bytes->AppendRaw(text.data(), static_cast<uint32_t>(text.size()), 0);

    const double scan = Best([&] { sink = sink + Scan(text); });
    std::printf("plain std::string scan: %.2f ms\n", scan * 1e3);

    const XmlFigures ours = MeasureOurs(bytes);
    std::printf("\nbest of 5, ms; heap requests of a parse (bytes / blocks), counted; fresh MB per MB of text\n");
    std::printf("%-18s %8s %10s %8s %20s %20s %6s\n", "", "parse", "release", "write", "first parse",
                "later parse", "MB/MB");
    Row("pulsegrid", ours, text.size());
#ifdef PULSEGRID_HAVE_PUGIXML
    const XmlFigures pugi = MeasurePugi(text);
    const XmlFigures pugiWide = MeasurePugiWide(text);
    Row("pugixml", pugi, text.size());
    Row("pugixml wchar_t", pugiWide, text.size());
    std::printf("\n");
    Ratios("pugixml", ours, pugi);
    Ratios("pugixml wchar_t", ours, pugiWide);
#else
    std::printf("pugixml: not built (the setup could not fetch its sources)\n");
#endif

    Node* node = Node::New();
    node->ParseBytes(bytes);
    TreeFloor floor;
    Measure(node, &floor);
    std::printf("\nthe model's floor: %llu nodes of %zu bytes, %llu records of %zu bytes, %.2f MB of UTF-16 copies:"
                " %.2f MB\n",
                static_cast<unsigned long long>(floor.nodes), sizeof(Node),
                static_cast<unsigned long long>(floor.records), sizeof(s::xml::AttrRecord),
                static_cast<double>(floor.textBytes) / 1048576.0, static_cast<double>(floor.Bytes()) / 1048576.0);
    StrBuffer* written = StrBuffer::New();
    const double writeText = Best([&] {
        node->Write(written, false);
        sink = sink + written->GetLength();
    });
    std::printf("\nwrite 1 MB to UTF-16 text: %.2f ms\n", writeText * 1e3);
    ArrayU08* out = node->WriteBytes(nullptr, false);
    const bool same = out->GetCount() == text.size() &&
                      text.compare(0, text.size(), static_cast<const char*>(out->GetData()), out->GetCount()) == 0;
    std::printf("written back byte for byte: %s\n", same ? "yes" : "NO");

    written->ReleaseToPool();
    out->ReleaseToPool();
    node->ReleaseToPool();
    bytes->ReleaseToPool();
    return same ? 0 : 1;
}
