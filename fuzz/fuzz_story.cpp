// A theme's story (story.rtf) on any bytes: the rich-text reader ends, keeps within its
// limits (indents too), and gives text and HTML that are whole UTF-8.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/rtf.h"
#include "text/textcodec.h"
#include "widgets/storyhtml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const quorvel::RtfDocument doc =
        parseRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string text = doc.plaintext();
    if (!validUtf8(text)) std::abort();
    if (text.size() > rtfMaxText + doc.paragraphs.size() + doc.notes.size()) std::abort();
    for (const RtfParagraph& note : doc.notes) {
        if (note.table >= 0) std::abort(); // a note holds no table
        for (const RtfRun& r : note.runs)
            if (!validUtf8(r.text)) std::abort();
    }
    for (const RtfParagraph& p : doc.paragraphs) {
        if (std::abs(p.leftIndent) > rtfMaxIndent || std::abs(p.firstIndent) > rtfMaxIndent)
            std::abort();
        for (const RtfRun& r : p.runs)
            if (!validUtf8(r.text) || r.halfPoints < 0) std::abort();
    }
    const std::string html = rtfToHtml(doc);
    if (!validUtf8(html)) std::abort();
    return 0;
}
