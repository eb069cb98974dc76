// SPDX-License-Identifier: GPL-3.0-or-later
#include "barrierefrei.h"

#include "xmlzeichen.h"

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <functional>

namespace kalotri::blatt {

namespace {

std::string XmlText(const std::string& roh) {
    std::string aus;
    for (const char c : XmlZeichen(roh)) {
        aus += c == '&'   ? std::string("&amp;")
               : c == '<' ? "&lt;"
               : c == '>' ? "&gt;"
                          : std::string(1, c);
    }
    return aus;
}

std::string Xmp(const Dokumentangaben& a) {
    return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
           " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "  <rdf:Description rdf:about=\"\"\n"
           "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
           "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
           "    xmlns:pdfuaid=\"http://www.aiim.org/pdfua/ns/id/\">\n"
           "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" +
           XmlText(a.Titel) +
           "</rdf:li></rdf:Alt></dc:title>\n"
           "   <dc:language><rdf:Bag><rdf:li>" +
           XmlText(a.Sprache) +
           "</rdf:li></rdf:Bag></dc:language>\n"
           "   <dc:format>application/pdf</dc:format>\n"
           "   <xmp:CreatorTool>kalotri-blatt</xmp:CreatorTool>\n"
           "   <pdfuaid:part>1</pdfuaid:part>\n"
           "  </rdf:Description>\n"
           " </rdf:RDF>\n"
           "</x:xmpmeta>\n"
           "<?xpacket end=\"w\"?>";
}

// Every structure element in the tree's order, which is the order they were begun in.
void JedesElement(QPDFObjectHandle knoten, const std::function<void(QPDFObjectHandle)>& tun) {
    if (knoten.isArray()) {
        for (auto& kind : knoten.aitems()) {
            JedesElement(kind, tun);
        }
    } else if (knoten.isDictionary() && knoten.getKey("/Type").isNameAndEquals("/StructElem")) {
        tun(knoten);
        JedesElement(knoten.getKey("/K"), tun);
    }
}

} // namespace

std::string Barrierefrei(const std::string& pdf, const Dokumentangaben& angaben) {
    QPDF q;
    q.processMemoryFile("blatt", pdf.data(), pdf.size());
    QPDFObjectHandle wurzel = q.getRoot();
    wurzel.replaceKey("/Lang", QPDFObjectHandle::newUnicodeString(angaben.Sprache));
    wurzel.replaceKey("/ViewerPreferences", QPDFObjectHandle::parse("<< /DisplayDocTitle true >>"));
    wurzel.replaceKey("/MarkInfo", QPDFObjectHandle::parse("<< /Marked true >>"));
    QPDFObjectHandle xmp = QPDFObjectHandle::newStream(&q, Xmp(angaben));
    xmp.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
    xmp.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
    wurzel.replaceKey("/Metadata", xmp);

    std::size_t figur = 0;
    JedesElement(wurzel.getKey("/StructTreeRoot").getKey("/K"), [&](QPDFObjectHandle e) {
        if (e.getKey("/S").isNameAndEquals("/Figure")) {
            // Typed letters may be anything; what a reader gets is readable text.
            const std::string alt = XmlZeichen(
                figur < angaben.Beschreibungen.size() ? angaben.Beschreibungen[figur] : "");
            e.replaceKey("/Alt",
                         QPDFObjectHandle::newUnicodeString(alt.empty() ? "Abbildung" : alt));
            ++figur;
        }
    });

    for (QPDFPageObjectHelper& seite : QPDFPageDocumentHelper(q).getAllPages()) {
        Pl_Buffer puffer("inhalt");
        seite.pipeContents(&puffer);
        std::unique_ptr<Buffer> roh(puffer.getBuffer());
        const std::string inhalt(reinterpret_cast<const char*>(roh->getBuffer()), roh->getSize());
        // Into the page's own stream where it has one: a new object would make qpdf count
        // all of them again, page after page.
        QPDFObjectHandle strom = seite.getObjectHandle().getKey("/Contents");
        if (strom.isStream()) {
            strom.replaceStreamData(Artefakte(inhalt), QPDFObjectHandle::newNull(),
                                    QPDFObjectHandle::newNull());
        } else {
            seite.getObjectHandle().replaceKey("/Contents",
                                               QPDFObjectHandle::newStream(&q, Artefakte(inhalt)));
        }
        seite.getObjectHandle().replaceKey("/Tabs", QPDFObjectHandle::newName("/S"));
    }

    QPDFWriter w(q);
    w.setOutputMemory();
    // cairo's streams stay as cairo compressed them; only the new ones are compressed.
    w.setCompressStreams(true);
    w.setDecodeLevel(qpdf_dl_none);
    w.setObjectStreamMode(qpdf_o_generate);
    w.write();
    std::unique_ptr<Buffer> aus(w.getBuffer());
    return {reinterpret_cast<const char*>(aus->getBuffer()), aus->getSize()};
}

} // namespace kalotri::blatt
