// pugixml on the XML benchmark's document, timed and counted the way the bench times and counts
// the system's own reader. Built once per pugixml mode (XmlPeerBenchWide.cpp).
#include "XmlPeerBench.h"

#include "BenchClock.h"
#include "pugixml.hpp"

namespace {

struct Collect : pugi::xml_writer {
    std::string bytes;
    void write(const void* data, size_t size) override { bytes.append(static_cast<const char*>(data), size); }
};

} // namespace

#ifdef PUGIXML_WCHAR_MODE
XmlFigures MeasurePugiWide(const std::string& text)
#else
XmlFigures MeasurePugi(const std::string& text)
#endif
{
    XmlFigures f{1e30, 1e30, 1e30, 0, 0, 0, 0, 0};
    TimeParses(
        &f, [] { return new pugi::xml_document; },
        [&](pugi::xml_document* doc) {
            doc->load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
        },
        [](pugi::xml_document* doc) {
            doc->reset();
            delete doc;
        });

    pugi::xml_document doc;
    doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    Collect out;
    out.bytes.reserve(text.size() * 2);
    f.write = Best([&] {
        out.bytes.clear();
        doc.save(out, PUGIXML_TEXT(""), pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    });
    f.writtenBytes = out.bytes.size();
    return f;
}
