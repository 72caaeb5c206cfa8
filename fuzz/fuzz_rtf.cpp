// The story reader on any bytes: never crashes, never hangs, and what it gives holds
// together: every picture run and table place points into the document, and rows
// keep within their caps.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rtf.h"

namespace {

void checkParagraph(const quorvel::RtfDocument& d, const quorvel::RtfParagraph& p) {
    for (const quorvel::RtfRun& r : p.runs)
        if (r.picture >= static_cast<int>(d.pictures.size()) || (r.picture >= 0 && !r.text.empty()))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const RtfDocument d = parseRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    std::size_t cells = 0;
    for (const RtfParagraph& p : d.paragraphs) {
        if (p.table >= static_cast<int>(d.tables.size())) std::abort();
        checkParagraph(d, p);
    }
    for (const RtfTable& t : d.tables) {
        if (t.rows.empty()) std::abort();
        for (const RtfRow& r : t.rows) {
            if (r.cells.empty() || r.cells.size() > rtfMaxRowCells) std::abort();
            cells += r.cells.size();
            for (const RtfCell& c : r.cells)
                for (const RtfParagraph& p : c.paragraphs) {
                    if (p.table >= 0) std::abort(); // no table inside a cell
                    checkParagraph(d, p);
                }
        }
    }
    if (cells > rtfMaxCells + d.tables.size() || d.pictures.size() > rtfMaxPictures) std::abort();
    for (const RtfPicture& p : d.pictures)
        if (p.bytes.size() > rtfMaxPictureBytes) std::abort();
    (void)rtfToHtml(d);
    (void)d.plaintext();
    return 0;
}
